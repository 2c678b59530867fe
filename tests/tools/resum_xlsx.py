#!/usr/bin/env python3
"""quimerix-eines resum --examen and --xlsx: an exam's class summary, and the workbook read back.

resum_xlsx.py EINES GENERA CARPETA SOFFICE  (SOFFICE "-" when LibreOffice is not installed)
"""
import csv
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
import zipfile
from pathlib import Path

EINES, GENERA, CARPETA, SOFFICE = sys.argv[1:5]
EINES, GENERA = str(Path(EINES).resolve()), str(Path(GENERA).resolve())
carpeta = Path(CARPETA)
shutil.rmtree(carpeta, ignore_errors=True)
carpeta.mkdir(parents=True)
fallades = []
NS = {"m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
      "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships"}


def comprova(condicio, text):
    if not condicio:
        fallades.append(text)


def eines(*args):
    return subprocess.run([EINES, *map(str, args)], capture_output=True, text=True, timeout=60, cwd=carpeta)


def genera(*args):
    r = subprocess.run([GENERA, *map(str, args)], capture_output=True, text=True, timeout=60)
    comprova(r.returncode == 0, f"genera_sessions {args}: {r.returncode} {r.stderr}")


# ---- The exam: its students' files, one of another exam, one of a free set. ----
codi = eines("examen", "crea", "--families", "OM,OX,MX", "--tasca", "alternat", "--exercicis", "6",
             "--llavor", "77").stdout.strip()
altre = eines("examen", "crea", "--families", "OM,OX,MX", "--tasca", "alternat", "--exercicis", "6",
              "--llavor", "78").stdout.strip()
alumnes = [("òscar.qxs", "Òscar Vidal", 6), ("alex.qxs", "Àlex Roca", 3), ("oriol.qxs", "Oriol Pi", 5),
           ("eric.qxs", "Èric Mas", 0), ("eva.qxs", "Eva Sala", 4)]
for fitxer, nom, encerts in alumnes:
    genera("--examen", codi, carpeta / fitxer, nom, encerts)
genera("--examen", altre, carpeta / "copia.qxs", "Carles Ros", 6)
genera(carpeta / "lliure.qxs", "Laia Puig")
fitxers = [carpeta / f for f, _, _ in alumnes] + [carpeta / "copia.qxs", carpeta / "lliure.qxs"]

r = eines("resum", "--examen", codi, *fitxers)
comprova(r.returncode == 0, f"resum --examen: {r.returncode}\n{r.stderr}")
comprova("Alumnes: 5    No són de l'examen: 2    Nota mitjana: 6 (en deixa fora 2 arxius)" in r.stdout,
         f"xifres de l'examen:\n{r.stdout}")
files = [l for l in r.stdout.splitlines() if ".qxs" in l]
# Catalan order: accents after the letter, not after z.
noms = [re.split(r"\s{2,}", l)[1] for l in files]
comprova(noms == ["Àlex Roca", "Carles Ros", "Èric Mas", "Eva Sala", "Laia Puig", "Oriol Pi", "Òscar Vidal"],
         f"ordre dels alumnes: {noms}")
for l in files:
    de_fora = "copia.qxs" in l or "lliure.qxs" in l
    comprova(l.endswith("no és de l'examen") == de_fora, f"fila: {l}")
r = eines("resum", "--examen", altre, carpeta / "copia.qxs", carpeta / "alex.qxs")
comprova("Alumnes: 1    No són de l'examen: 1" in r.stdout, f"resum de l'altre examen:\n{r.stdout}")

# ---- The workbook: sheets, cells and their types, the header bold, frozen and filtered. ----
genera(carpeta)  # anna, bernat, carla, didac, trencat: one does not add up, one unreadable
classe = ["anna.qxs", "bernat.qxs", "carla.qxs", "didac.qxs", "trencat.qxs"]
llibre = carpeta / "classe.xlsx"
r = eines("resum", *classe, "--xlsx", "classe.xlsx", "--csv", "classe.csv")
comprova(r.returncode == 1 and "trencat.qxs» és il·legible" in r.stderr, f"resum --xlsx: {r.returncode} {r.stderr}")

z = zipfile.ZipFile(llibre)
llibre_xml = ET.fromstring(z.read("xl/workbook.xml"))
fulls = [f.get("name") for f in llibre_xml.find("m:sheets", NS)]
comprova(fulls == ["Classe", "Famílies", "Més errors"], f"fulls: {fulls}")
compartides = [("".join(t.text or "" for t in si.iter(f"{{{NS['m']}}}t")))
               for si in ET.fromstring(z.read("xl/sharedStrings.xml")).findall("m:si", NS)]
estils = ET.fromstring(z.read("xl/styles.xml"))
fonts = estils.find("m:fonts", NS)
formats_nombre = {n.get("numFmtId"): n.get("formatCode") for n in estils.iter(f"{{{NS['m']}}}numFmt")}
xfs = estils.find("m:cellXfs", NS).findall("m:xf", NS)


def negreta(estil):
    font = fonts[int(xfs[estil].get("fontId", 0))]
    return font.find("m:b", NS) is not None


def format_de(estil):
    return formats_nombre.get(xfs[estil].get("numFmtId"), xfs[estil].get("numFmtId"))


def full(n):
    """Cells of sheet n by reference: (type, value, style)."""
    arrel = ET.fromstring(z.read(f"xl/worksheets/sheet{n}.xml"))
    celles = {}
    for c in arrel.iter(f"{{{NS['m']}}}c"):
        v = c.find("m:v", NS)
        valor = v.text if v is not None else None
        if c.get("t") == "s":
            valor = compartides[int(valor)]
        celles[c.get("r")] = (c.get("t", "n"), valor, int(c.get("s", 0)))
    return arrel, celles


arrel, c = full(1)
pane = arrel.find(".//m:pane", NS)
comprova(pane is not None and pane.get("ySplit") == "1" and pane.get("state") == "frozen", "capçalera no fixada")
filtre = arrel.find("m:autoFilter", NS)
comprova(filtre is not None and filtre.get("ref") == "A1:AB6", f"filtre: {filtre.attrib if filtre is not None else None}")
capcalera = ["arxiu", "nom", "data", "exercicis", "encerts", "percentatge", "nota", "estat", "OM_encerts"]
for i, titol in enumerate(capcalera):
    ref = chr(ord("A") + i) + "1"
    comprova(c.get(ref, (None, None, 0))[1] == titol and negreta(c[ref][2]), f"capçalera {ref}: {c.get(ref)}")
# Rows in Catalan order of the names: Bernat Sàez, Carla Vidal, Dídac Soler, Puig, Anna; the unreadable last.
comprova([c[f"B{i}"][1] if f"B{i}" in c else "" for i in range(2, 7)] ==
         ["Bernat Sàez", "Carla Vidal", "Dídac Soler", "Puig, Anna", ""], "ordre de les files")
comprova(c["A6"][1] == "trencat.qxs" and c["H6"][1] == "il·legible" and "D6" not in c, f"fila il·legible: {c.get('A6')}")
# Anna: 8 exercises, 7 right, 88 %, 8.75 with two decimals, as numbers.
comprova(c["D5"][:2] == ("n", "8") and c["E5"][:2] == ("n", "7") and c["F5"][:2] == ("n", "88"), "xifres d'Anna")
comprova(c["G5"][:2] == ("n", "8.75") and format_de(c["G5"][2]) == "0.00", f"nota d'Anna: {c['G5']}")
comprova(c["H3"][1] == "no quadra" and c["I5"][:2] == ("n", "2"), "estat i família")

arrel, c = full(2)
comprova([c[f"A{i}"][1] for i in (1, 2)] == ["família", "Sals binàries"] and c["B2"][1] == "MX", "fluixa primer")
comprova(c["C2"][:2] == ("n", "2") and c["D2"][:2] == ("n", "5") and c["E2"][1] == "0.4" and
         format_de(c["E2"][2]) in ("0%", "9"), f"quota: {c.get('E2')}")
arrel, c = full(3)
comprova([c.get(r, (0, None))[1] for r in ("A1", "B1", "C1", "A2", "B2", "C2", "A3", "C3")] ==
         ["compost", "fórmula", "errors", "clorur de sodi", "NaCl", "3", "Òxid de ferro (III)", "2"],
         f"més errors: {c}")

# LibreOffice opens it: its first sheet as CSV holds the class's rows.
if SOFFICE != "-":
    perfil = carpeta / "perfil"
    r = subprocess.run([SOFFICE, f"-env:UserInstallation=file://{perfil}", "--headless", "--convert-to",
                        "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", str(carpeta / "lo"), str(llibre)],
                       capture_output=True, text=True, timeout=240)
    sortida = carpeta / "lo" / "classe.csv"
    comprova(sortida.exists(), f"LibreOffice no l'ha obert: {r.returncode} {r.stdout} {r.stderr}")
    # (LibreOffice writes what a cell shows: the mark with its two decimals.)
    if sortida.exists():
        files = list(csv.reader(sortida.open(encoding="utf-8")))
        comprova(files[0][:3] == ["arxiu", "nom", "data"] and files[4][:8] ==
                 ["anna.qxs", "Puig, Anna", "08/12/2026", "8", "7", "88", "8.75", "correcte"],
                 f"LibreOffice: {files[:5]}")

if fallades:
    print("\n\n".join(fallades))
    sys.exit(1)
print("resum --examen i --xlsx: tot correcte")
