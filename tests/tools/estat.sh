#!/bin/sh
# estat.sh ESTAT PATRÓ ORDRE [ARGUMENTS...]
# Runs ORDRE and passes when it ends with status ESTAT and its output (standard output and error
# together) has a line matching the extended regular expression PATRÓ (no check when empty).
# QX_SORTIDA=FITXER sends standard output to FITXER; QX_CANONADA=1 sends it into a pipe whose
# reader stops after the first byte.
estat=$1
patro=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if [ -n "$QX_CANONADA" ]; then
  { "$@" 2>"$tmp/sortida"; echo $? >"$tmp/estat"; } | head -c1 >/dev/null
elif [ -n "$QX_SORTIDA" ]; then
  "$@" >"$QX_SORTIDA" 2>"$tmp/sortida"; echo $? >"$tmp/estat"
else
  "$@" >"$tmp/sortida" 2>&1; echo $? >"$tmp/estat"
fi
obtingut=$(cat "$tmp/estat")
cat "$tmp/sortida"
echo "[estat $obtingut]"
[ "$obtingut" = "$estat" ] || { echo "s'esperava l'estat $estat"; exit 1; }
[ -z "$patro" ] || grep -Eq -- "$patro" "$tmp/sortida" || { echo "cap línia no respon a: $patro"; exit 1; }
