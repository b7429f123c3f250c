#!/usr/bin/python3
"""The guide as a student uses it, in headless Chromium.

Every link from the students' edition into a page ("Open deze proef") opens
that page, from where the guide lies, with the link's settings in the
controls; after Teken the canvas is `filtercyclus --png` for those settings.
The lecturer's edition, printed to PDF on A4, keeps every column of the IIR
coefficients' table.

usage: handleiding_test.py --handleiding FILE [--handleiding FILE ...]
                           [--docent FILE] --filtercyclus FILE
"""

import argparse
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
        if naam != "teken":
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
