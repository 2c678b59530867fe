#!/bin/sh
# sortides.sh EINES GENERA_INFORME SESSIÓ.qxs CARPETA
# Every file output (resum --csv, resum --pdf, informe --pdf, and the PDF writer of the window,
# run through genera_informe) given a path that is not a plain new file: what is refused leaves
# the path as it was; what is written keeps links and permissions.
eines=$1
genera_informe=$2
sessio=$3
carpeta=$4
rm -rf "$carpeta"
mkdir -p "$carpeta"
fallades=0
falla() {
  echo "$sortida, $cas: $*"
  fallades=$((fallades + 1))
}
llarg=$(printf '%0300d' 0)

# Runs the output named by $sortida into "$1" with umask 027; standard error in $carpeta/errors.
escriu() {
  case $sortida in
  resum-csv) (umask 027; exec "$eines" resum "$sessio" --csv "$1") ;;
  resum-pdf) (umask 027; exec "$eines" resum "$sessio" --pdf "$1") ;;
  informe-pdf) (umask 027; exec "$eines" informe "$sessio" --pdf "$1") ;;
  finestra-pdf) (umask 027; exec "$genera_informe" 1 "$1" "$carpeta/linies.txt") >/dev/null ;;
  esac 2>"$carpeta/errors"
}

for sortida in resum-csv resum-pdf informe-pdf finestra-pdf; do
  inici=%PDF-
  [ "$sortida" != resum-csv ] || inici=arxiu,
  # case | status | a line of standard error (the window's writer says nothing)
  while IFS='|' read -r cas estat patro; do
    d=$carpeta/$sortida-$cas
    mkdir "$d"
    cami=$d/sortida
    case $cas in
    canonada) mkfifo "$cami" ;;
    carpeta) mkdir "$cami" ;;
    enllac) echo anterior >"$d/desti" && ln -s desti "$cami" ;;
    enllac_canonada) mkfifo "$d/desti" && ln -s desti "$cami" ;;
    privat) echo anterior >"$cami" && chmod 600 "$cami" ;;
    llarg) cami=$d/$llarg ;;
    esac
    escriu "$cami"
    e=$?
    [ "$e" = "$estat" ] || falla "estat $e, s'esperava $estat: $(cat "$carpeta/errors")"
    if [ "$sortida" != finestra-pdf ] && [ -n "$patro" ]; then
      grep -Eq -- "$patro" "$carpeta/errors" || falla "s'esperava «$patro»: $(cat "$carpeta/errors")"
    fi
    case $cas in
    canonada) [ -p "$cami" ] || falla "ja no és una canonada" ;;
    carpeta) [ -d "$cami" ] || falla "ja no és una carpeta" ;;
    enllac) { [ -L "$cami" ] && [ "$(readlink "$cami")" = desti ]; } || falla "l'enllaç no s'ha mantingut"
      [ "$(head -c ${#inici} "$d/desti")" = "$inici" ] || falla "no s'ha escrit al fitxer de l'enllaç" ;;
    enllac_canonada) { [ -L "$cami" ] && [ -p "$d/desti" ]; } || falla "s'ha substituït la canonada" ;;
    privat) [ "$(stat -c %a "$cami")" = 600 ] || falla "permisos $(stat -c %a "$cami"), s'esperaven 600"
      [ "$(head -c ${#inici} "$cami")" = "$inici" ] || falla "no s'ha escrit" ;;
    nou) [ "$(stat -c %a "$cami")" = 640 ] || falla "permisos $(stat -c %a "$cami"), s'esperaven 640 (umask 027)" ;;
    esac
    # Nothing left behind but what the case made and what was written.
    resta=$(ls -A "$d" | grep -v -x -e sortida -e desti)
    [ -z "$resta" ] || falla "han quedat fitxers: $resta"
  done <<TAULA
canonada|1|: és una canonada, no un fitxer\.?$
carpeta|1|: és una carpeta\.?$
enllac_canonada|1|: és una canonada, no un fitxer\.?$
enllac|0|
privat|0|
nou|0|
llarg|1|: el nom és massa llarg\.?$
TAULA
done
[ "$fallades" = 0 ] || { echo "$fallades fallades"; exit 1; }
