"""Reads back the CSV of `quimerix-eines resum` on the sessions of genera_sessions and checks
every row: resum_csv.py FITXER.csv"""
import csv
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
        [f"{carpeta}/anna.qxs", "Puig, Anna", "08/12/2026", "8", "7", "88", "8.75", "correcte"]
        + families(OM=(2, 2), OX=(1, 1), MX=(1, 2), OH=(2, 2), HXO=(1, 1)),
        [f"{carpeta}/bernat.qxs", "Bernat Sàez", "08/12/2026", "3", "1", "33", "3.33", "correcte"]
        + families(OM=(0, 1), OX=(1, 1), MX=(0, 1)),
        [f"{carpeta}/carla.qxs", "Carla Vidal", "09/12/2026", "2", "2", "100", "10", "no quadra"]
        + families(OM=(1, 1), OH=(1, 1)),
        [f"{carpeta}/didac.qxs", "Dídac Soler", "09/12/2026", "2", "1", "50", "5", "no quadra"]
        + families(MX=(1, 2)),
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


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
