#!/usr/bin/env python3
"""quimerix-eines examen crea / examen llista as a teacher uses them.

examen.py EINES GENERA CARPETA PDFINFO PDFTOTEXT
"""
import re
import shutil
import subprocess
import sys
from pathlib import Path

EINES, GENERA, CARPETA, PDFINFO, PDFTOTEXT = sys.argv[1:6]
carpeta = Path(CARPETA)
shutil.rmtree(carpeta, ignore_errors=True)
carpeta.mkdir(parents=True)
FORMA = re.compile(r"^QX-[0-9A-HJKMNP-TV-Z]{4}-[0-9A-HJKMNP-TV-Z]{4}-[0-9A-HJKMNP-TV-Z]{4}$")
fallades = []


def executa(*args):
    r = subprocess.run([EINES, *args], capture_output=True, text=True, timeout=60)
    return r.returncode, r.stdout, r.stderr


def comprova(condicio, text):
    if not condicio:
        fallades.append(text)


def crea(*args):
    estat, sortida, errors = executa("examen", "crea", *args)
    comprova(estat == 0, f"crea {args}: estat {estat}\n{errors}")
    codi = sortida.strip()
    comprova(FORMA.match(codi), f"crea {args}: codi {codi!r}")
    return codi, errors


def exercicis(llista):
    """The exercise lines of a key: number, task, question, answer."""
    files = []
    for linia in llista.splitlines():
        m = re.match(r"^ *(\d+)\.  (Formular|Anomenar)  (.*?)  +(\S.*)$", linia)
        if m:
            files.append((int(m.group(1)), m.group(2), m.group(3).strip(), m.group(4)))
    return files


# The same options and seed give the same code; the code gives the same key in two processes.
codi, _ = crea("--families", "OM,OX,MX,MHX", "--tasca", "alternat", "--exercicis", "12", "--temps", "45",
               "--assistent", "--llavor", "4242")
codi2, _ = crea("--families", "mhx, mx,OX,OM", "--tasca", "alternat", "--exercicis=12", "--temps", "45",
                "--assistent", "--llavor", "4242")
comprova(codi == codi2, f"dos codis de les mateixes opcions: {codi} {codi2}")
u = executa("examen", "llista", codi)
d = executa("examen", "llista", codi.lower().replace("-", ""))
comprova(u[0] == 0 and u == d, f"llista en dos processos:\n{u}\n{d}")
linies = u[1].splitlines()
comprova(linies[:4] == [
    f"Examen {codi}",
    "Famílies: Òxids, Sals binàries, Oxosals",
    "Tasca: Formular i anomenar (alternat)",
    "Exercicis: 12    Temps per resposta: 45 s    Assistent ortogràfic: sí    Consulta: no"],
    f"capçalera de la clau:\n{u[1]}")
files = exercicis(u[1])
comprova([f[0] for f in files] == list(range(1, 13)), f"números de la clau:\n{u[1]}")
comprova(all(files[i][1] != files[i - 1][1] for i in range(1, len(files))), f"tasques alternes:\n{u[1]}")
# A formula question asks a name; a name question shows a formula.
for n, tasca, pregunta, resposta in files:
    formula, nom = (resposta, pregunta) if tasca == "Formular" else (pregunta, resposta)
    comprova(re.match(r"^[A-Z][A-Za-z0-9()]*$", formula) and " " in nom, f"exercici {n}: {pregunta} / {resposta}")

# Without a seed, each code is new and valid.
a, _ = crea("--families", "HXO", "--tasca", "formular", "--exercicis", "5")
b, _ = crea("--families", "HXO", "--tasca", "formular", "--exercicis", "5")
comprova(a != b, f"dos exàmens nous amb el mateix codi: {a}")
for c in (a, b):
    estat, sortida, _ = executa("examen", "llista", c)
    comprova(estat == 0 and len(exercicis(sortida)) == 5 and "Temps per resposta: sense límit" in sortida,
             f"llista {c}:\n{sortida}")

# A box gives all its codes; no more exercises than the families give.
_, errors = crea("--families", "OM", "--tasca", "anomenar", "--exercicis", "3", "--llavor", "1")
comprova("OX hi entra també (la casella «Òxids» el porta)." in errors, f"OM sense OX:\n{errors}")
gran, errors = crea("--families", "OM,OX,HM,HX,HXA,MX,XX,OH,HXO,MHX", "--tasca", "aleatori",
                    "--exercicis", "1700", "--llavor", "9")
comprova("aquestes famílies donen 1655 compostos diferents: l'examen en tindrà 1655." in errors, errors)
estat, sortida, _ = executa("examen", "llista", gran)
llista_gran = exercicis(sortida)
comprova(estat == 0 and len(llista_gran) == 1655, f"examen de 1655: {len(llista_gran)}")
comprova(len({(f[1], f[2]) for f in llista_gran}) == 1655, "un compost repetit a l'examen gran")

# The key as a PDF: portrait pages with the exercises' lines.
pdf = carpeta / "clau.pdf"
estat, _, errors = executa("examen", "llista", codi, "--pdf", str(pdf))
comprova(estat == 0 and pdf.exists(), f"--pdf: {estat} {errors}")
if pdf.exists():
    info = subprocess.run([PDFINFO, str(pdf)], capture_output=True, text=True).stdout
    comprova(re.search(r"Pages: +1\n", info) and "595 x 842 pts (A4)" in info, info)
    text = subprocess.run([PDFTOTEXT, "-layout", str(pdf), "-"], capture_output=True, text=True).stdout
    comprova(f"Examen {codi}" in text and files[0][2] in text and files[-1][3] in text, text)
estat, sortida, _ = executa("examen", "llista", gran, "--pdf", str(carpeta / "gran.pdf"))
info = subprocess.run([PDFINFO, str(carpeta / "gran.pdf")], capture_output=True, text=True).stdout
comprova(re.search(r"Pages: +(2[89]|3\d)\n", info), f"clau de 1655 exercicis:\n{info}")

if fallades:
    print("\n\n".join(fallades))
    sys.exit(1)
print("examen: tot correcte")
