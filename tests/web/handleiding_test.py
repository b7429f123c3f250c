#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The guide as a student uses it, in headless Chromium.

Every link from the students' edition into a page ("Open deze proef") opens
that page, from where the guide lies, with the link's settings in the
controls; after Teken the canvas is `filtercyclus --png` for those settings.
Both editions fit a phone (no sideways scroll at 320, 360 and 390 CSS px, no
figure wider than the text) and print on A4 with text of at least 10 pt and
nothing cut (read in print media: a page no wider than A4's text width is
not shrunk). The hand-in sheet keeps what is typed across a reload, "Wis"
clears it, and it prints on a page of its own, heading first, with every
answer whole. The lecturer's edition, printed to PDF on A4, keeps every
column of the IIR coefficients' table.

usage: handleiding_test.py --handleiding FILE [--handleiding FILE ...]
                           [--docent FILE] --filtercyclus FILE
"""

import argparse
import base64
import pathlib
import subprocess
import sys
import tempfile
import urllib.parse

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select

from pagina_test import Mislukt, Pagina, open_pagina, start_chromium, waar

IIR_COEFFICIENTEN = pathlib.Path(__file__).resolve().parents[2] / "docs/figuren/iir-coefficienten.csv"


def instellingen(href):
    """The program and filtercyclus's options that a link's fragment names."""
    url = urllib.parse.urlsplit(href)
    programma = url.path.rsplit("/", 1)[-1].removesuffix("_demo.html")
    opties = []
    for deel in url.fragment.split("&"):
        naam, _, waarde = deel.partition("=")
        if naam not in ("teken", "proef"):
            opties += [f"--{naam}", urllib.parse.unquote(waarde)]
    return programma, opties, "teken" in url.fragment.split("&")


def toont_instellingen(p, opties):
    for naam, waarde in zip(opties[::2], opties[1::2]):
        if naam == "--signaal":
            waar(p.besturing(waarde).is_selected(), f"{waarde} not chosen")
        elif naam == "--amplitude":
            getoond = p.besturing("Signaalamplitude").get_attribute("value")
            waar(getoond == waarde, f"amplitude {getoond}, not {waarde}")
        elif naam == "--frequentie":
            getoond = Select(p.besturing("Signaalfrequentie")).first_selected_option.text
            waar(getoond == waarde, f"frequency {getoond}, not {waarde}")


def koppelingen(driver, handleiding, filtercyclus):
    driver.get(handleiding.absolute().as_uri())
    hrefs = [a.get_attribute("href") for a in driver.find_elements(By.CSS_SELECTOR, "a")
             if "_demo.html#" in (a.get_attribute("href") or "")]
    proeven = [a for a in driver.find_elements(By.PARTIAL_LINK_TEXT, "Open deze proef")]
    yield f"{handleiding}: {len(proeven)} links 'Open deze proef'", (
        None if len(proeven) >= 8 else "fewer than one per experiment")
    for href in dict.fromkeys(hrefs):
        programma, opties, getekend = instellingen(href)
        fout = None
        try:
            driver.get("about:blank")  # a new page, as a click from the guide opens it
            open_pagina(driver, href)
            p = Pagina(driver, filtercyclus, programma)
            toont_instellingen(p, opties)
            if not getekend:
                p.klik("Teken")
            p.toont(*opties)
        except Mislukt as mislukt:
            fout = str(mislukt)
        yield f"{handleiding.name} -> {href.rsplit('/', 1)[-1]}", fout


def afgedrukt(docent):
    """The lecturer's edition printed on A4: each row of the IIR table, all
    six numbers as docs/figuren.sh wrote them, on one line of the PDF."""
    with tempfile.TemporaryDirectory() as map_:
        pdf = pathlib.Path(map_) / "handleiding.pdf"
        subprocess.run(["/usr/bin/chromium", "--headless=new", "--no-sandbox", "--disable-gpu",
                        "--no-pdf-header-footer", f"--print-to-pdf={pdf}",
                        docent.absolute().as_uri()], check=True, capture_output=True, timeout=120)
        formaat = subprocess.run(["pdfinfo", pdf], check=True, capture_output=True, text=True).stdout
        regels = subprocess.run(["pdftotext", "-layout", pdf, "-"], check=True, capture_output=True,
                                text=True).stdout.splitlines()
    if "(A4)" not in formaat:
        return "not printed on A4"
    for rij in IIR_COEFFICIENTEN.read_text().splitlines()[1:]:
        waarden = rij.split(",")
        if not any(regel.split() == waarden for regel in regels):
            return f"section {waarden[0]} lacks a column on paper: {' '.join(waarden)}"
    return None


# A4 less the 15 mm margins of docs/handleiding.css, in CSS px (96 per inch);
# 10 pt in CSS px.
A4_TEKSTBREEDTE = (210 - 2 * 15) / 25.4 * 96
TIEN_PUNT = 10 * 96 / 72

BREEDTE_JS = """
const te_breed = [...document.querySelectorAll('img, svg, figure')]
  .filter(e => e.getBoundingClientRect().width > document.body.clientWidth + 0.5)
  .map(e => e.tagName);
return [document.documentElement.scrollWidth, document.documentElement.clientWidth, te_breed];
"""

KLEINSTE_LETTER_JS = """
let kleinste = [Infinity, ''];
const lopen = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
while (lopen.nextNode()) {
  const ouder = lopen.currentNode.parentElement;
  if (!lopen.currentNode.data.trim() || !ouder.getClientRects().length) continue;
  // a formula's subscripts, superscripts and fractions are smaller by design
  let klein = false;
  for (let e = ouder; e.parentElement; e = e.parentElement) {
    const s = e.parentElement;
    klein ||= s.matches('mfrac') || s.matches('msub, msup, msubsup, munder, mover, munderover') &&
                                    s.firstElementChild !== e;
  }
  if (klein) continue;
  const maat = parseFloat(getComputedStyle(ouder).fontSize);
  if (maat < kleinste[0]) kleinste = [maat, lopen.currentNode.data.trim().slice(0, 30)];
}
const afgekapt = [...document.querySelectorAll('table')]
  .filter(t => t.scrollWidth > t.clientWidth + 0.5).length;
return [kleinste, document.documentElement.scrollWidth, afgekapt];
"""


def past(driver, handleiding):
    """No sideways scroll on a phone; in print media text of 10 pt or more,
    no table cut and nothing wider than A4's text."""
    driver.get(handleiding.absolute().as_uri())
    for breedte in (320, 360, 390):
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": breedte, "height": 800, "deviceScaleFactor": 1, "mobile": True})
        pagina, venster, te_breed = driver.execute_script(BREEDTE_JS)
        yield f"{handleiding.name} at {breedte} px", (
            None if pagina <= venster and not te_breed
            else f"{pagina} px wide in a {venster} px window; wider than the text: {te_breed}")
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": int(A4_TEKSTBREEDTE), "height": 1000, "deviceScaleFactor": 1, "mobile": False})
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    (maat, tekst), breed, afgekapt = driver.execute_script(KLEINSTE_LETTER_JS)
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    yield f"{handleiding.name} in print: text {maat * 72 / 96:.1f} pt at least", (
        None if maat >= TIEN_PUNT - 0.01 and breed <= int(A4_TEKSTBREEDTE) and not afgekapt
        else f"{maat * 72 / 96:.1f} pt ({tekst!r}), {breed} px wide, {afgekapt} tables cut")


def pdf_paginas(driver):
    pdf = base64.b64decode(driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"])
    tekst = subprocess.run(["pdftotext", "-layout", "-", "-"], input=pdf, check=True,
                           capture_output=True).stdout.decode()
    return tekst.split("\f")


def inleverblad(driver, handleiding):
    """Typed answers survive a reload, print whole on the sheet's own page, and
    'Wis' clears them."""
    antwoord = ["eerste regel", "tweede regel", "derde regel", "vierde regel van het antwoord"]
    driver.get(handleiding.absolute().as_uri())
    driver.find_element(By.CSS_SELECTOR, "input[aria-label='Naam en studentnummer']").send_keys("Ada 123")
    driver.find_element(By.CSS_SELECTOR, "textarea[aria-label^='Proef 1']").send_keys("\n".join(antwoord))
    driver.refresh()
    naam = driver.find_element(By.CSS_SELECTOR, "input[aria-label='Naam en studentnummer']")
    if naam.get_attribute("value") != "Ada 123":
        return "the name is lost on a reload"
    blad = [p for p in pdf_paginas(driver) if "Inleverblad" in p and "Proef 9" in p]
    if not blad or blad[0].strip().splitlines()[0].strip() != "Inleverblad":
        return "the hand-in sheet is not one page that opens with its heading"
    if not all(regel in blad[0] for regel in antwoord + ["Ada 123", "Datum"]):
        return "the sheet's page lacks part of an answer, the name or the date"
    driver.find_element(By.CSS_SELECTOR, "button.wis").click()
    driver.switch_to.alert.accept()
    driver.refresh()
    naam = driver.find_element(By.CSS_SELECTOR, "input[aria-label='Naam en studentnummer']")
    return None if naam.get_attribute("value") == "" else "'Wis' leaves the name after a reload"


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--handleiding", type=pathlib.Path, action="append", required=True)
    args.add_argument("--docent", type=pathlib.Path)
    args.add_argument("--filtercyclus", required=True)
    args = args.parse_args()

    uitslagen = []
    if args.docent:
        uitslagen.append((f"{args.docent.name} on A4 keeps the IIR table's six columns",
                          afgedrukt(args.docent)))
    driver = start_chromium(1)
    try:
        for handleiding in args.handleiding + ([args.docent] if args.docent else []):
            uitslagen += past(driver, handleiding)
        uitslagen.append((f"{args.handleiding[0].name}: the hand-in sheet",
                          inleverblad(driver, args.handleiding[0])))
        for handleiding in args.handleiding:
            uitslagen += koppelingen(driver, handleiding, args.filtercyclus)
    finally:
        driver.quit()
    for naam, fout in uitslagen:
        print(("ok   " if fout is None else "FOUT ") + naam + ("" if fout is None else f": {fout}"))
    mislukt = sum(fout is not None for _, fout in uitslagen)
    print(f"{len(uitslagen) - mislukt} passed, {mislukt} failed")
    return 1 if mislukt else 0


if __name__ == "__main__":
    sys.exit(main())
