"""Reads back the CSV of `quimerix-eines resum` on the sessions of genera_sessions and checks
every row: resum_csv.py FITXER.csv CARPETA
resum_csv.py --formules EINES GENERA_SESSIONS CARPETA: students and files whose names a
spreadsheet would read as formulas, or that are not UTF-8, summarised and read back."""
import csv
import os
import shutil
import subprocess
import sys

CODIS = ["OM", "OX", "HM", "HX", "HXA", "MX", "XX", "OH", "HXO", "MHX"]
CAPCALERA = ["arxiu", "nom", "data", "exercicis", "encerts", "percentatge", "nota", "estat"] + [
    f"{c}_{q}" for c in CODIS for q in ("encerts", "total")]


def families(**quotes):
    fila = []
    for codi in CODIS:
        encerts, total = quotes.get(codi, (0, 0))
        fila += [str(encerts), str(total)]
    return fila


def main(camí, carpeta):
    esperades = [
        [f"{carpeta}/bernat.qxs", "Bernat Sàez", "08/12/2026", "3", "1", "33", "3.33", "correcte"]
        + families(OM=(0, 1), OX=(1, 1), MX=(0, 1)),
        [f"{carpeta}/carla.qxs", "Carla Vidal", "09/12/2026", "2", "2", "100", "10", "no quadra"]
        + families(OM=(1, 1), OH=(1, 1)),
        [f"{carpeta}/didac.qxs", "Dídac Soler", "09/12/2026", "2", "1", "50", "5", "no quadra"]
        + families(MX=(1, 2)),
        # Rows in Catalan order of the names as written ("Puig, Anna" after "Dídac"); unreadable last.
        [f"{carpeta}/anna.qxs", "Puig, Anna", "08/12/2026", "8", "7", "88", "8.75", "correcte"]
        + families(OM=(2, 2), OX=(1, 1), MX=(1, 2), OH=(2, 2), HXO=(1, 1)),
        [f"{carpeta}/trencat.qxs", "", "", "", "", "", "", "il·legible"] + [""] * 20,
    ]
    with open(camí, encoding="utf-8", newline="") as f:
        text = f.read()
    if not text.endswith("\r\n"):
        sys.exit("les línies del CSV han d'acabar en CR LF")
    files = list(csv.reader(text.splitlines(keepends=True)))
    if files[0] != CAPCALERA:
        sys.exit(f"capçalera: {files[0]}")
    for esperada, obtinguda in zip(esperades, files[1:]):
        if esperada != obtinguda:
            sys.exit(f"s'esperava\n  {esperada}\ni s'ha obtingut\n  {obtinguda}")
    if len(files) != len(esperades) + 1:
        sys.exit(f"{len(files) - 1} files, se n'esperaven {len(esperades)}")


# file name (bytes) | student's name | the file's cell | the name's cell
FORMULES = [
    (b"anna.qxs", "=1+1", "anna.qxs", "'=1+1"),
    (b"bernat.qxs", "+1+1", "bernat.qxs", "'+1+1"),
    (b"carla.qxs", "-2+3", "carla.qxs", "'-2+3"),
    (b"didac.qxs", "@SUM(A1)", "didac.qxs", "'@SUM(A1)"),
    (b"eva.qxs", "=cmd|' /C calc'!A0", "eva.qxs", "'=cmd|' /C calc'!A0"),
    (b"ferran.qxs", "\t=1+1", "ferran.qxs", "'\t=1+1"),
    (b"gina.qxs", " =1+1", "gina.qxs", "'=1+1"),  # the header's spaces are trimmed
    (b"hug.qxs", "=SUM(1,2)", "hug.qxs", "'=SUM(1,2)"),
    (b"=1+1.qxs", "Iu", "'=1+1.qxs", "Iu"),
    (b"+1.qxs", "Jana", "'+1.qxs", "Jana"),
    (b"-1.qxs", "Kai", "'-1.qxs", "Kai"),
    (b"@A1.qxs", "Laia", "'@A1.qxs", "Laia"),
    (b"\t=1.qxs", "Martí", "'\t=1.qxs", "Martí"),
    (b"\r=1.qxs", "Núria", "'\r=1.qxs", "Núria"),
    (b"nota\xe9.qxs", "Oriol", "nota\ufffd.qxs", "Oriol"),
    (b"=\xff.qxs", "Pau", "'=\ufffd.qxs", "Pau"),
    (b"1+1.qxs", "Anna=1", "1+1.qxs", "Anna=1"),
]


def formules(eines, genera, carpeta):
    carpeta = os.fsencode(carpeta)
    shutil.rmtree(carpeta, ignore_errors=True)
    os.makedirs(carpeta)
    fitxers = [fitxer for fitxer, _, _, _ in FORMULES]
    for fitxer, nom, _, _ in FORMULES:
        subprocess.run([genera, os.path.join(carpeta, fitxer), nom.encode()], check=True)
    sortida = subprocess.run([eines, "resum", "--csv", "classe.csv", "--", *fitxers], cwd=carpeta,
                             capture_output=True)
    if sortida.returncode != 0:
        sys.exit(f"resum ha acabat amb {sortida.returncode}: {sortida.stderr!r}")
    # Strict decoding: a byte that is not UTF-8 fails here.
    with open(os.path.join(carpeta, b"classe.csv"), encoding="utf-8", newline="") as f:
        files = list(csv.reader(f))
    if len(files) != len(FORMULES) + 1:
        sys.exit(f"{len(files) - 1} files, se n'esperaven {len(FORMULES)}")
    # Rows come in the order of the names; each is found by its file.
    per_arxiu = {fila[0]: fila for fila in files[1:]}
    for fitxer, nom, arxiu, cella_nom in FORMULES:
        fila = per_arxiu.get(arxiu, [])
        # The figures stay numbers: 2 exercises, 1 right, 50 %, mark 5.
        esperada = [arxiu, cella_nom, "10/12/2026", "2", "1", "50", "5", "correcte"]
        if fila[:8] != esperada:
            sys.exit(f"{fitxer!r} {nom!r}: s'esperava\n  {esperada}\ni s'ha obtingut\n  {fila[:8]}")


if __name__ == "__main__":
    if sys.argv[1] == "--formules":
        formules(*sys.argv[2:5])
    else:
        main(sys.argv[1], sys.argv[2])
