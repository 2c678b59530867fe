#!/usr/bin/python3
"""Plays two sets of QUIMERIX through the accessibility bus (AT-SPI), as a screen reader reads it.

Usage: accessibilitat.py QUIMERIX QUIMERIX-EINES   (on an X display, with the AT-SPI bus up)

Everything is done by accessible actions: buttons are pressed, boxes are given their text, and
the exercise is read from the accessible tree; the catalogue of the tool gives the right answers.
In each state (idle, a question of each task, after a right and a wrong correction, the countdown
and its time-out, the end of a set, each message box) it counts the focusable controls on screen
whose accessible name says nothing. After each correction it reads the control that has the
focus, whose description must carry the verdict and, after a mistake, the expected answer and
the diagnosis; during the countdown that control must announce the thresholds only.
Exits 1 with the faults listed.
"""

import json
import re
import subprocess
import sys
import time
from typing import NamedTuple

import pyatspi
from gi.repository import Atspi

ESPERA = 20  # seconds a state may take to show
SEGONS = 22  # the time limit of the timed set: its half, 11 s, comes before the 10-second mark
LLINDARS = ((SEGONS + 1) // 2, 10, 5)  # the seconds left that the countdown announces
SUBINDEXS = str.maketrans("₀₁₂₃₄₅₆₇₈₉", "0123456789")
LABEL, BOTO, TEXT = pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT
fallades = []


class NoArriba(Exception):
    """A state the set should reach never showed."""


def falla(estat, text):
    fallades.append(f"{estat}: {text}")
    print(f"  FALLA: {text}")


def espera(condicio, que, temps=ESPERA):
    """Polls `condicio` until it gives something true; objects may vanish while the window changes."""
    final, error = time.monotonic() + temps, ""
    while True:
        try:
            resultat = condicio()
        except Exception as e:  # pylint: disable=broad-except
            resultat, error = None, f"; last error: {e!r}"
        if resultat:
            return resultat
        if time.monotonic() > final:
            raise NoArriba(f"{que} (after {temps} s{error})")
        time.sleep(0.05)


def te(o, estat):
    return o.getState().contains(estat)


class Vist(NamedTuple):
    """An object on screen as read once: each read is a call on the bus."""
    o: object
    rol: object
    nom: str
    descripcio: str
    enfocable: bool
    enfocat: bool


def pantalla(arrel):
    """The objects on screen under `arrel`, in the tree's order: a hidden widget hides its subtree."""
    vistos, pila = [], [arrel]
    while pila:
        o = pila.pop()
        try:
            estat = o.getState()
            if o is not arrel and not (estat.contains(pyatspi.STATE_SHOWING)
                                       and estat.contains(pyatspi.STATE_VISIBLE)):
                continue
            vistos.append(Vist(o, o.getRole(), o.name, o.description, estat.contains(pyatspi.STATE_FOCUSABLE),
                               estat.contains(pyatspi.STATE_FOCUSED)))
            fills = [o.getChildAtIndex(i) for i in range(o.childCount)]
        except Exception:  # pylint: disable=broad-except  (gone while the window changed)
            continue
        pila.extend(reversed([f for f in fills if f is not None]))
    return vistos


def sense_nom(nom):
    """A name that tells nothing: empty, or punctuation and figures such as "-", "+", "25"."""
    return sum(c.isalpha() for c in nom) < 2


def revisa_noms(arrel, estat, vistos=None):
    """Counts the focusable controls on screen and those without a name; gives what is on screen."""
    vistos = vistos or pantalla(arrel)
    enfocables = [v for v in vistos[1:] if v.enfocable]
    dolents = [v for v in enfocables if sense_nom(v.nom)]
    print(f"{estat}: {len(enfocables)} controls enfocables, {len(dolents)} sense nom")
    for v in dolents:
        i = v.o.getIndexInParent()
        abans = v.o.parent.getChildAtIndex(i - 1) if i > 0 else None
        lloc = f", after {abans.getRoleName()} {abans.name!r}" if abans is not None else ""
        falla(estat, f"focusable control without a meaningful name: {v.o.getRoleName()} {v.nom!r} "
                     f"(description {v.descripcio!r}) {v.o.path}{lloc}")
    return vistos


trobats = {}  # controls found before, looked at first: a walk of the whole tree is slow


def troba(arrel, rol, *noms, que=None):
    """The object on screen of role `rol` whose name is one of `noms`."""
    clau = (arrel.path, rol, noms)

    def cerca():
        o = trobats.get(clau)
        if o is not None and te(o, pyatspi.STATE_SHOWING):
            return o
        vistos = [v for v in pantalla(arrel) if v.rol == rol]
        for v in vistos:
            if v.nom.replace("&", "") in noms:
                trobats[clau] = v.o
                return v.o
        return None
    return espera(cerca, que or f"{' / '.join(noms)} on screen")


def prem(o):
    """Presses a button or toggles a box, once it offers that (a disabled control offers nothing)."""
    def accio():  # the action's index, plus one so that the first counts as found
        a = o.queryAction()
        noms = [a.getName(i).lower() for i in range(a.nActions)]
        return next((i + 1 for i, n in enumerate(noms) if n in ("press", "click", "toggle")), None)
    o.queryAction().doAction(espera(accio, f"{o.getRoleName()} {o.name!r} to offer a press action") - 1)


def escriu(o, text):
    o.queryEditableText().setTextContents(text)


def focus_a(arrel, condicio, que):
    """Waits for the focus to land on a control that meets `condicio`, and gives that control."""
    return espera(lambda: next((v for v in pantalla(arrel) if v.enfocat and condicio(v)), None),
                  f"the focus on {que}").o


def dialeg(app):
    """The message box on screen, in a window of its own; None when there is none."""
    return next((o for o in app if o is not None and o.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
                 and te(o, pyatspi.STATE_SHOWING)), None)


def respon_dialeg(app, boto):
    """Checks the names in the message box on screen and answers it with `boto`."""
    caixa = espera(lambda: dialeg(app), f"a message box to answer {boto!r}")
    text = " ".join(v.nom for v in pantalla(caixa) if v.rol == LABEL)
    revisa_noms(caixa, f"missatge «{text}»")
    prem(troba(caixa, BOTO, boto))
    espera(lambda: not dialeg(app), "the message box to close")


def marca(app, nom, valor):
    """Ticks or clears the check box `nom`."""
    casella = troba(app, pyatspi.ROLE_CHECK_BOX, nom)
    if te(casella, pyatspi.STATE_CHECKED) != valor:
        prem(casella)
        espera(lambda: te(casella, pyatspi.STATE_CHECKED) == valor, f"{nom!r} to change")


def despres(o):
    return o.parent.getChildAtIndex(o.getIndexInParent() + 1)


def posa_xifra(app, nom, valor):
    """Presses the step button `nom` until the figure beside it reads `valor`."""
    boto = troba(app, BOTO, nom)
    xifra = despres(boto)
    while xifra.name != str(valor):
        abans = xifra.name
        prem(boto)
        espera(lambda: xifra.name != abans, f"{nom!r} to change {abans}")


def cataleg(eines):
    sortida = subprocess.run([eines, "cataleg", "--json"], check=True, capture_output=True, text=True).stdout
    per_nom, per_caixes = {}, {}
    for c in (json.loads(l) for l in sortida.splitlines() if l.strip()):
        per_nom.setdefault(c["nom"].casefold(), c)
        per_caixes.setdefault(tuple(c["caixes"]), []).append(c)
    return per_nom, per_caixes


def normal(text):
    """For looking an answer up in a text: no case, no spaces, subscripts as plain figures."""
    return "".join(text.casefold().split()).translate(SUBINDEXS)


class Joc:
    """A set played by accessible actions on the running program."""

    def __init__(self, app, eines):
        self.app = app
        self.per_nom, self.per_caixes = cataleg(eines)

    def fila(self, rol):
        """The row on screen of seven pieces of `rol` (the formula asked, or its answer boxes)."""
        def cerca():
            for v in pantalla(self.app):
                if v.rol == pyatspi.ROLE_FILLER and v.o.childCount <= 9:  # the brackets may stand in it
                    peces = [f for f in v.o if f is not None and f.getRole() == rol]
                    if len(peces) >= 7:
                        return peces[:7]
            return None
        return espera(cerca, "the row of the formula")

    def pregunta(self, estat):
        """Checks the names of the question on screen, and reads its task and its right answers."""
        troba(self.app, BOTO, "Corregir", que="a question")
        vistos = pantalla(self.app)
        etiquetes = [v.nom for v in vistos if v.rol == LABEL]
        revisa_noms(self.app, f"{estat} ({'formular' if 'Formula:' in etiquetes else 'anomenar'})", vistos)
        if "Formula:" in etiquetes:
            noms = [n for n in etiquetes if n.casefold() in self.per_nom]
            if not noms:
                raise NoArriba(f"a name of the catalogue among the labels {etiquetes}")
            compost = self.per_nom[noms[0].casefold()]
            print(f"  asked for the formula of {noms[0]!r}: {compost['formula']}")
            return "formular", compost, [compost["formula"]]
        peces = tuple(o.name for o in self.fila(LABEL))
        compostos = self.per_caixes.get(peces)
        if not compostos:
            raise NoArriba(f"the formula asked {peces} in the catalogue")
        print(f"  asked for the name of {compostos[0]['formula']}: {compostos[0]['nom']}")
        return "anomenar", compostos[0], [c["nom"] for c in compostos]

    def respon(self, tasca, compost, be):
        if tasca == "formular":
            for caixa, text in zip(self.fila(TEXT), compost["caixes"]):
                if te(caixa, pyatspi.STATE_SHOWING):
                    escriu(caixa, text if be else "Q")
        else:
            escriu(focus_a(self.app, lambda v: v.rol == TEXT, "the name box"),
                   compost["nom"] if be else "nom equivocat")
        prem(troba(self.app, BOTO, "Corregir"))

    def despres_de_corregir(self, estat, be, esperades):
        """Checks what the control that takes the focus after a correction carries."""
        seguent = troba(self.app, BOTO, "Següent")
        try:
            espera(lambda: te(seguent, pyatspi.STATE_FOCUSED), "the focus on Següent", 10)
        except NoArriba:
            enfocat = [f"{v.o.getRoleName()} {v.nom!r}" for v in pantalla(self.app) if v.enfocat]
            falla(estat, f"the focus is on {enfocat}, not on Següent")
        vistos = revisa_noms(self.app, estat)
        mostrat = [v.nom for v in vistos if v.rol == LABEL and v.nom in ("CORRECTE", "INCORRECTE")]
        if mostrat != ["CORRECTE" if be else "INCORRECTE"]:
            falla(estat, f"the window shows {mostrat} for the answer set through the bus")
        descripcio = seguent.description
        print(f"  focus: {seguent.getRoleName()} {seguent.name!r}, description: {descripcio!r}")
        text = normal(descripcio)
        if not ("correcte" in text and "incorrecte" not in text if be else
                "incorrecte" in text or "temps" in text):
            falla(estat, f"Següent does not carry the verdict ({'CORRECTE' if be else 'INCORRECTE'}) "
                         f"in its description {descripcio!r}")
        if not be and not any(normal(e) in text for e in esperades):
            falla(estat, f"Següent does not carry the expected answer {' / '.join(esperades)!r} in its "
                         f"description {descripcio!r}")
        # The diagnosis stands as the description of the verdict's label.
        diagnosi = [v.descripcio for v in vistos if v.rol == LABEL and v.nom == "INCORRECTE" and v.descripcio]
        if not be and diagnosi and normal(diagnosi[0].splitlines()[0]) not in text:
            falla(estat, f"Següent does not carry the diagnosis {diagnosi[0]!r} in its description")

    def comenca(self, nombre, temps):
        marca(self.app, "Limitar temps per resposta", temps is not None)
        if temps is not None:
            posa_xifra(self.app, "Menys segons per resposta", temps)
        posa_xifra(self.app, "Menys exercicis", nombre)
        escriu(despres(troba(self.app, LABEL, "Nom i cognoms:")), "Alumne de prova")
        prem(troba(self.app, BOTO, "D'acord"))
        respon_dialeg(self.app, "Sí")  # no file is kept for the set
        if temps is not None:  # a timed set waits for the student to ask for its first exercise
            prem(focus_a(self.app, lambda v: v.nom == "Següent", "Següent"))

    def serie_sense_temps(self):
        """Two exercises, one of each task: the first answered right, the second wrong."""
        self.comenca(2, None)
        for numero, be in ((1, True), (2, False)):
            tasca, compost, esperades = self.pregunta(f"pregunta {numero}")
            self.respon(tasca, compost, be)
            self.despres_de_corregir(f"{'correcte' if be else 'incorrecte'} ({tasca})", be, esperades)
            prem(troba(self.app, BOTO, "Següent"))
        respon_dialeg(self.app, "No")  # no report printed
        accio = focus_a(self.app, lambda v: v.rol == BOTO and v.nom != "Següent", "an action of the end")
        vistos = revisa_noms(self.app, "final de la sèrie")
        print(f"  focus: {accio.getRoleName()} {accio.name!r}, description: {accio.description!r}")
        # The result the window shows, its share and its totals ("50 %  ·  1 encert de 2 exercicis").
        resultat = [p for v in vistos if v.rol == LABEL and " · " in v.nom for p in v.nom.split(" · ")]
        if not resultat or not all(normal(p) in normal(accio.description) for p in resultat):
            falla("final de la sèrie", f"{accio.name!r} does not carry the set's result {resultat} in its "
                                       f"description {accio.description!r}")

    def serie_amb_temps(self):
        """One exercise with a time limit, left to run out while the announcements are read."""
        prem(troba(self.app, BOTO, "Nova sessió"))
        troba(self.app, BOTO, "D'acord", que="the idle window")
        self.comenca(1, SEGONS)
        tasca, _, esperades = self.pregunta("compte enrere")
        caixa = focus_a(self.app, lambda v: v.rol == TEXT, "the answer")
        anuncis, inici = [], time.monotonic()
        darrer = caixa.description
        while not dialeg(self.app) and time.monotonic() - inici < SEGONS + ESPERA:
            descripcio = caixa.description
            if descripcio != darrer:
                anuncis.append(descripcio)
                print(f"  {time.monotonic() - inici:4.1f} s: {caixa.name!r} announces {descripcio!r}")
                darrer = descripcio
            time.sleep(0.05)
        revisa_noms(self.app, "temps esgotat (avís)")
        for llindar in LLINDARS:
            if not any(re.search(rf"\b{llindar}\b", a) for a in anuncis):
                falla("compte enrere", f"the focused {caixa.name!r} did not announce {llindar} s left")
        if len(anuncis) > len(LLINDARS) + 1:
            falla("compte enrere", f"{len(anuncis)} announcements in {SEGONS} s: only the thresholds "
                                   "are announced")
        respon_dialeg(self.app, "D'acord")
        self.despres_de_corregir(f"temps esgotat ({tasca})", False, esperades)


def main():
    programa, eines = sys.argv[1:3]
    proces = subprocess.Popen([programa])
    try:
        def aplicacio():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.get_process_id() == proces.pid:
                    # Read the window as it is now: only what never changes is kept.
                    app.set_cache_mask(Atspi.Cache.ROLE | Atspi.Cache.INTERFACES)
                    return app
            return None
        app = espera(aplicacio, "the program on the accessibility bus")
        troba(app, BOTO, "D'acord", que="the idle window")
        revisa_noms(app, "inactiu")
        joc = Joc(app, eines)
        joc.serie_sense_temps()
        joc.serie_amb_temps()
    except NoArriba as e:
        fallades.append(f"never reached: {e}")
        print(f"FALLA: never reached: {e}")
    finally:
        proces.terminate()
        try:
            proces.wait(5)
        except subprocess.TimeoutExpired:
            proces.kill()
    if fallades:
        print(f"\n{len(fallades)} faults:\n" + "\n".join(f"- {f}" for f in fallades))
        return 1
    print("\nEvery state read well through the accessibility bus")
    return 0


if __name__ == "__main__":
    sys.exit(main())
