# Page cases for a lab: a link followed anew (an edited address, Back), a
# link's message kept short and inside the page, the plots' accessible names
# and the announcement, notes on typed amplitudes, a students' link that
# shows no answer before Teken, and the layout with a 24 px minimum font.
# Each takes the test's page object `p` (pagina_test.Pagina).
# SPDX-License-Identifier: MIT
import csv
import io
import re
import subprocess

from selenium.webdriver.common.by import By


def waar(conditie, melding):
    if not conditie:
        raise AssertionError(melding)


def veld(p):
    return p.besturing("Signaalamplitude").get_attribute("value")


def link_gevolgd(p):
    """An address edited after loading, and Back, each opened as a link;
    the address then names what is on screen."""
    basis = p.d.current_url.split("#")[0]
    p.d.get(f"{basis}#signaal=blokgolf&amplitude=777&teken")
    p.toont("--signaal", "blokgolf", "--amplitude", "777")
    p.d.execute_script("location.hash = 'signaal=stapfunktie&amplitude=555'")
    p.wacht(lambda: veld(p) == "555", "the edited address was not followed")
    p.leeg()
    p.wacht(lambda: p.d.find_element(By.ID, "teken").text == "Teken", "still drawn")
    p.d.back()
    p.toont("--signaal", "blokgolf", "--amplitude", "777")
    p.wacht(lambda: p.d.current_url.endswith(
        "#signaal=blokgolf&amplitude=777&frequentie=0,1*PI&teken"),
        lambda: f"address {p.d.current_url[-70:]}")


def link_melding(p):
    """100 000 characters in one part and 50 000 parts, a right-to-left
    override: one short line inside the page, the panel as without it, gone
    at the next change."""
    paneel = p.d.find_element(By.TAG_NAME, "canvas").size
    basis = p.d.current_url.split("#")[0]
    p.d.get(f"{basis}#{'x' * 100000}&%E2%80%AEabc&{'&'.join(['y'] * 50000)}&teken")
    melding = p.d.find_element(By.ID, "melding")
    p.wacht(lambda: melding.text != "", "no message")
    delen = re.findall(r'"([^"]*)"', melding.text)
    waar(len(delen) == 3 and all(len(d) <= 41 for d in delen) and "\u202e" not in melding.text,
         f"message {melding.text[:200]!r}")
    breed, scherm = p.d.execute_script(
        "return [document.documentElement.scrollWidth, document.documentElement.clientWidth]")
    waar(breed <= scherm, f"page {breed} px wide on {scherm}")
    waar(p.d.find_element(By.TAG_NAME, "canvas").size == paneel, "the message moved the panel")
    p.klik("Stop")
    p.wacht(lambda: melding.text == "", "the message stays after a change")


def versterking(p, frequentie):
    dB = next(float(r[3]) for r in csv.reader(io.StringIO(subprocess.run(
        [p.filtercyclus, "--programma", p.programma, "--respons"], check=True,
        capture_output=True, text=True).stdout)) if r[0] == frequentie)
    tekst = f"{abs(dB):.1f}".replace(".", ",")
    return f"{frequentie}: {'' if tekst == '0,0' or dB > 0 else chr(0x2212)}{tekst} dB"


def namen(p):
    """Each plot named with its title and key values; after Teken the
    spectrum too, and the live region announces the cost lines."""
    naam = lambda id_: p.d.find_element(By.ID, id_).get_attribute("aria-label") or ""
    p.kies("Signaalfrequentie", "0,6*PI")
    gain = versterking(p, "0,6*PI")
    p.wacht(lambda: gain in naam("respons"), lambda: f"response named {naam('respons')!r}, "
                                                     f"not with {gain!r}")
    waar(re.search(r"Polen en nulpunten .*\d+ nulpunten en \d+ polen", naam("polen")),
         f"pole-zero plot named {naam('polen')!r}")
    p.klik("Teken")
    p.wacht(lambda: naam("spectrum").startswith("Spectrum van invoer en uitvoer, cosinus"),
            lambda: f"spectrum named {naam('spectrum')!r}")
    aankondiging = p.d.find_element(By.ID, "aankondiging").get_attribute("textContent")
    waar(p.programma != "fir" or "Gemiddelde afwijking" in aankondiging,
         f"announced {aankondiging!r}")


# Typed text: (text, the box's value afterwards or None for as it was, words
# in the note beside it).
GETYPT = [("12.345", None, "12345"), ("-5", "0", "Buiten"), ("99999", "32768", "Buiten"),
          ("12,5", "13", "Afgerond"), ("13", "13", "")]


def getypt(p):
    noot = p.d.find_element(By.ID, "amplitudeMelding")
    for tekst, waarde, woord in GETYPT:
        was = veld(p)
        p.typ("Signaalamplitude", tekst)
        p.wacht(lambda: veld(p) == (waarde or was) and woord in noot.text
                and (woord != "") == (noot.text != ""),
                lambda: f"{tekst!r}: {veld(p)!r}, note {noot.text!r}")


def proef(p):
    """A students' link: no response, poles, zeros, mark, gain or spectrum
    until Teken; then all of them."""
    basis = p.d.current_url.split("#")[0]
    p.d.get(f"{basis}#proef&signaal=cosinus&frequentie=0,6*PI")
    p.wacht(lambda: veld(p) != "" and "proef" in p.d.current_url, "not opened as a students' link")
    getoond = lambda: [id_ for id_ in ("respons", "polen", "spectrum") if p.d.execute_script(
        "return document.querySelector(`#${arguments[0]} svg`)?.textContent ?? ''", id_)]
    waar(getoond() == [], f"before Teken: {getoond()}")
    waar(versterking(p, "0,6*PI") not in p.d.find_element(By.TAG_NAME, "body").text, "gain text")
    p.klik("Teken")
    p.wacht(lambda: getoond() == ["respons", "polen", "spectrum"], lambda: f"after: {getoond()}")


# Every label's text and each group of controls: on screen, clear of the
# panel.
LETTERS = """
const vak = (r) => [r.left, r.top, r.right, r.bottom];
const paneel = vak(document.getElementById("grafiek").getBoundingClientRect());
const scherm = [0, 0, document.documentElement.clientWidth, Infinity];
const tekstVak = (e) => { const r = document.createRange(); r.selectNodeContents(e);
                          return vak(r.getBoundingClientRect()); };
return [paneel, scherm,
  [...document.querySelectorAll("#besturing label, #besturing button")].map(
    (e) => [e.textContent.trim(), tekstVak(e), vak(e.getBoundingClientRect())]),
  [...document.querySelectorAll("#signaal, .veld, #knoppen")].map(
    (e) => [e.id || e.className, vak(e.getBoundingClientRect())])];
"""


def grote_letters(p):
    p.klik("Teken")
    paneel, scherm, labels, groepen = p.d.execute_script(LETTERS)
    snijdt = lambda a, b: a[0] < b[2] - 0.5 and b[0] < a[2] - 0.5 and a[1] < b[3] - 0.5 and \
        b[1] < a[3] - 0.5
    binnen = lambda a, b: a[0] >= b[0] - 0.5 and a[2] <= b[2] + 0.5
    fout = [naam for naam, tekst, doos in labels if not binnen(tekst, doos) or not
            binnen(tekst, scherm) or snijdt(tekst, paneel)]
    fout += [naam for naam, doos in groepen if snijdt(doos, paneel)]
    waar(not fout, f"cut or over the panel at 24 px: {fout} {labels} {paneel}")
