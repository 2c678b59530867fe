#!/usr/bin/python3
"""Plays two sets of QUIMERIX through the accessibility bus (AT-SPI), as a screen reader reads it.

Usage: accessibilitat.py QUIMERIX QUIMERIX-EINES   (on an X display, with the AT-SPI bus up)

Everything is done by accessible actions: buttons are pressed, boxes are given their text, and
the exercise is read from the accessible tree; the catalogue of the tool gives the right answers.
In each state (idle, a question of each task, after a right and a wrong correction, the countdown
and its time-out, the end of a set) it counts the focusable controls on screen whose accessible
name says nothing. After each correction it reads the control that has the focus, whose
description must carry the verdict and, after a mistake, the expected answer; during the
countdown that control must announce the thresholds only. Exits 1 with the faults listed.
"""

import json
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

ESPERA = 20  # seconds a state may take to show
SEGONS = 12  # the time limit of the timed set: long enough to cross half time, 10 s and 5 s
# The step buttons, by their names or, while they have none, by their tooltips.
MENYS_EXERCICIS = ("Menys exercicis", "Disminueix el nombre d'exercicis")
MENYS_SEGONS = ("Menys segons per resposta", "Disminueix el temps de resposta de cada exercici")
SUBINDEXS = str.maketrans("₀₁₂₃₄₅₆₇₈₉", "0123456789")
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


def visibles(arrel):
    """The objects on screen under `arrel`: hidden widgets hide their whole subtree."""
    pila = [arrel]
    while pila:
        o = pila.pop()
        try:
            estat = o.getState()
            if o is not arrel and not (estat.contains(pyatspi.STATE_SHOWING)
                                       and estat.contains(pyatspi.STATE_VISIBLE)):
                continue
            fills = [o.getChildAtIndex(i) for i in range(o.childCount)]
        except Exception:  # pylint: disable=broad-except
            continue
        yield o
        pila.extend(reversed([f for f in fills if f is not None]))


def descriu(o):
    return f"{o.getRoleName()} {o.name!r} ({o.description!r}) {o.path}"


def sense_nom(nom):
    """A name that tells nothing: empty, or punctuation and figures such as "-", "+", "25"."""
    return sum(c.isalpha() for c in nom) < 2


def revisa_noms(app, estat):
    enfocables = [o for o in visibles(app) if o is not app and te(o, pyatspi.STATE_FOCUSABLE)]
    dolents = [o for o in enfocables if sense_nom(o.name)]
    print(f"{estat}: {len(enfocables)} controls enfocables, {len(dolents)} sense nom")
    for o in dolents:
        abans = o.parent.getChildAtIndex(o.getIndexInParent() - 1) if o.getIndexInParent() > 0 else None
        lloc = f", after {abans.getRoleName()} {abans.name!r}" if abans is not None else ""
        falla(estat, f"focusable control without a meaningful name: {descriu(o)}{lloc}")


def troba(app, rol, *noms, que=None):
    """The first object on screen of role `rol` whose name, or failing that description, is in `noms`."""
    def cerca():
        trobats = [o for o in visibles(app) if o.getRole() == rol]
        for camp in ("name", "description"):
            for o in trobats:
                if getattr(o, camp).replace("&", "") in noms:
                    return o
        return None
    return espera(cerca, que or f"{' / '.join(noms)} on screen")


def prem(o):
    accio = o.queryAction()
    for i in range(accio.nActions):
        if accio.getName(i).lower() in ("press", "click", "toggle"):
            accio.doAction(i)
            return
    raise NoArriba(f"{descriu(o)} offers no press action")


def escriu(o, text):
    o.queryEditableText().setTextContents(text)


def enfocat(app):
    return next((o for o in visibles(app) if te(o, pyatspi.STATE_FOCUSED)), None)


def focus_a(app, condicio, que):
    """Waits for the focus to land on a control that meets `condicio`, and gives that control."""
    return espera(lambda: (o := enfocat(app)) and condicio(o) and o, f"the focus on {que}")


def dialeg(app):
    """The message box on screen, in a window of its own; None when there is none."""
    return next((o for o in app if o is not None and o.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
                 and te(o, pyatspi.STATE_SHOWING)), None)


def respon_dialeg(app, boto):
    """Checks the names in the message box on screen and answers it with `boto`."""
    caixa = espera(lambda: dialeg(app), f"a message box to answer {boto!r}")
    text = " ".join(o.name for o in visibles(caixa) if o.getRole() == pyatspi.ROLE_LABEL)
    revisa_noms(caixa, f"missatge «{text}»")
    prem(troba(caixa, pyatspi.ROLE_PUSH_BUTTON, boto))
    espera(lambda: not dialeg(app), "the message box to close")


def marca(app, nom, valor):
    """Ticks or clears the check box `nom`."""
    casella = troba(app, pyatspi.ROLE_CHECK_BOX, nom)
    if te(casella, pyatspi.STATE_CHECKED) != valor:
        prem(casella)
        espera(lambda: te(casella, pyatspi.STATE_CHECKED) == valor, f"{nom!r} to change")


def posa_xifra(app, noms, valor):
    """Presses the step button named `noms` until the figure beside it reads `valor`."""
    boto = troba(app, pyatspi.ROLE_PUSH_BUTTON, *noms)
    xifra = boto.parent.getChildAtIndex(boto.getIndexInParent() + 1)
    while xifra.name != str(valor):
        abans = xifra.name
        prem(boto)
        espera(lambda: xifra.name != abans, f"{noms[0]} to change {abans}")


def cataleg(eines):
    sortida = subprocess.run([eines, "cataleg", "--json"], check=True, capture_output=True, text=True).stdout
    compostos = [json.loads(l) for l in sortida.splitlines() if l.strip()]
    per_nom, per_caixes = {}, {}
    for c in compostos:
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
            for o in visibles(self.app):
                if o.getRole() == pyatspi.ROLE_FILLER:
                    peces = [f for f in o if f is not None and f.getRole() == rol]
                    if len(peces) >= 7 and o.childCount <= 9:  # the brackets may stand in the row
                        return peces[:7]
            return None
        return espera(cerca, "the row of the formula")

    def pregunta(self):
        """Reads the exercise on screen: its task and its right answers."""
        troba(self.app, pyatspi.ROLE_PUSH_BUTTON, "Corregir", que="a question")
        etiquetes = espera(lambda: {o.name: o for o in visibles(self.app) if o.getRole() == pyatspi.ROLE_LABEL
                                    and o.name in ("Formula:", "Anomena:")}, "a question")
        if "Formula:" in etiquetes:
            noms = [o.name for o in visibles(self.app) if o.getRole() == pyatspi.ROLE_LABEL
                    and o.name.casefold() in self.per_nom]
            if not noms:
                raise NoArriba("the name asked is not a name of the catalogue")
            compost = self.per_nom[noms[0].casefold()]
            print(f"  asked for the formula of {noms[0]!r}: {compost['formula']}")
            return "formular", compost, [compost["formula"]]
        peces = tuple(o.name for o in self.fila(pyatspi.ROLE_LABEL))
        compostos = self.per_caixes.get(peces)
        if not compostos:
            raise NoArriba(f"the formula asked {peces} is not in the catalogue")
        print(f"  asked for the name of {compostos[0]['formula']}: {compostos[0]['nom']}")
        return "anomenar", compostos[0], [c["nom"] for c in compostos]

    def respon(self, tasca, compost, be):
        if tasca == "formular":
            for caixa, text in zip(self.fila(pyatspi.ROLE_TEXT), compost["caixes"]):
                if te(caixa, pyatspi.STATE_SHOWING):
                    escriu(caixa, text if be else "Q")
        else:
            caixa = focus_a(self.app, lambda o: o.getRole() == pyatspi.ROLE_TEXT, "the name box")
            escriu(caixa, compost["nom"] if be else "nom equivocat")
        prem(troba(self.app, pyatspi.ROLE_PUSH_BUTTON, "Corregir"))

    def despres_de_corregir(self, estat, be, esperades):
        """Checks what the control that takes the focus after a correction carries."""
        seguent = focus_a(self.app, lambda o: o.name == "Següent", f"Següent ({estat})")
        revisa_noms(self.app, estat)
        mostrat = [o.name for o in visibles(self.app) if o.getRole() == pyatspi.ROLE_LABEL
                   and o.name in ("CORRECTE", "INCORRECTE")]
        if mostrat != ["CORRECTE" if be else "INCORRECTE"]:
            falla(estat, f"the window shows {mostrat} for the answer set through the bus")
        descripcio = seguent.description
        print(f"  focus: {seguent.getRoleName()} {seguent.name!r}, description: {descripcio!r}")
        text = normal(descripcio)
        veredicte = "correcte" in text and "incorrecte" not in text if be else \
            "incorrecte" in text or "temps" in text
        if not veredicte:
            falla(estat, f"the focused control {seguent.name!r} does not carry the verdict "
                         f"({'CORRECTE' if be else 'INCORRECTE'}) in its description {descripcio!r}")
        if not be and not any(normal(e) in text for e in esperades):
            falla(estat, f"the focused control {seguent.name!r} does not carry the expected answer "
                         f"{' / '.join(esperades)!r} in its description {descripcio!r}")
        diagnosi = [o.description for o in visibles(self.app)
                    if o.getRole() == pyatspi.ROLE_LABEL and o.name == "INCORRECTE" and o.description]
        if not be and diagnosi and normal(diagnosi[0].splitlines()[0]) not in text:
            falla(estat, f"the focused control {seguent.name!r} does not carry the diagnosis {diagnosi[0]!r}")

    def comenca(self, nombre, temps):
        marca(self.app, "Limitar temps per resposta", temps is not None)
        if temps is not None:
            posa_xifra(self.app, MENYS_SEGONS, temps)
        posa_xifra(self.app, MENYS_EXERCICIS, nombre)
        etiqueta = troba(self.app, pyatspi.ROLE_LABEL, "Nom i cognoms:")
        escriu(etiqueta.parent.getChildAtIndex(etiqueta.getIndexInParent() + 1), "Alumne de prova")
        prem(troba(self.app, pyatspi.ROLE_PUSH_BUTTON, "D'acord"))
        respon_dialeg(self.app, "Sí")  # no file is kept for the set
        if temps is not None:  # a timed set waits for the student to ask for its first exercise
            prem(focus_a(self.app, lambda o: o.name == "Següent", "Següent"))

    def serie_sense_temps(self):
        """Two exercises, one of each task: the first answered right, the second wrong."""
        self.comenca(2, None)
        for numero, be in ((1, True), (2, False)):
            tasca, compost, esperades = self.pregunta()
            revisa_noms(self.app, f"pregunta {numero} ({tasca})")
            self.respon(tasca, compost, be)
            self.despres_de_corregir(f"{'correcte' if be else 'incorrecte'} ({tasca})", be, esperades)
            prem(troba(self.app, pyatspi.ROLE_PUSH_BUTTON, "Següent"))
        respon_dialeg(self.app, "No")  # no report printed
        accio = focus_a(self.app, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name != "Següent",
                        "an action of the end of the set")
        revisa_noms(self.app, "final de la sèrie")
        print(f"  focus: {accio.getRoleName()} {accio.name!r}, description: {accio.description!r}")

    def serie_amb_temps(self):
        """One exercise with a time limit, left to run out while the announcements are read."""
        prem(troba(self.app, pyatspi.ROLE_PUSH_BUTTON, "Nova sessió"))
        self.comenca(1, SEGONS)
        tasca, _, esperades = self.pregunta()
        revisa_noms(self.app, f"compte enrere ({tasca})")
        caixa = focus_a(self.app, lambda o: o.getRole() == pyatspi.ROLE_TEXT, "the answer")
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
        if not all(any(re.search(rf"\b{s}\b", a) for a in anuncis) for s in (10, 5)):
            falla("compte enrere", f"the focused {caixa.name!r} did not announce 10 s and 5 s left: "
                                   f"{anuncis}")
        if len(anuncis) > 4:
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
                    app.set_cache_mask(Atspi.Cache.NONE)  # read the window as it is now, not as it was
                    return app
            return None
        app = espera(aplicacio, "the program on the accessibility bus")
        troba(app, pyatspi.ROLE_PUSH_BUTTON, "D'acord", que="the idle window")
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
