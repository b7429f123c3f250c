#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The browser pages as a student uses them, in headless Chromium.

Each case opens a page, finds the controls by their labels, uses them (click,
choose, type, Tab) and compares the canvas, as the screen shows it, with
`filtercyclus --png` at the canvas's size in device pixels. One table of
screens (a real device pixel ratio and window size each, touch screens with a
coarse pointer) checks that the page fits them; one table of address
fragments checks the links into an experiment. With --kern, the module under
node first runs every signal and frequency at three amplitudes, compared with
the native filtercyclus's CSV.

usage: pagina_test.py --paginas DIR --filtercyclus FILE [--kern paginakern.js]
                      [--alleen TEXT]
"""

import argparse
import array
import csv
import functools
import http.server
import io
import itertools
import json
import pathlib
import re
import subprocess
import sys
import threading
import wave

import numpy as np

import pagina_lab
from kern_grenzen import kern_alles_gebruikt, kern_grenzen
from pagina_telefoon import telefoon_aflezing
from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

SIGNALEN = ["cosinus", "blokgolf", "impulsfunktie", "stapfunktie"]
FREQUENTIES = ["DC", "0,05*PI", "0,1*PI", "0,2*PI", "0,4*PI", "0,6*PI", "0,8*PI", "0,9*PI"]
AMPLITUDES = [1, 12345, 32768]
ACHTERGROND = (255, 251, 223)
VENSTER = (1280, 900)


def programmas():
    """Each program's identity as data/programmas.env, its one source, states it."""
    bron = pathlib.Path(__file__).resolve().parents[2] / "data" / "programmas.env"
    waarden = {}
    for regel in bron.read_text(encoding="utf-8").splitlines():
        if "=" in regel and not regel.startswith("#"):
            naam, waarde = regel.split("=", 1)
            waarden[naam] = waarde.strip('"')
    return waarden


BEGIN = {  # title, header, start amplitude
    p: (programmas()[p + "_titel"], programmas()[p + "_koptekst"],
        programmas()[p + "_start_amplitude"]) for p in ("iir", "fir")
}
WACHT = 20  # seconds at most for any condition


class Mislukt(Exception):
    pass


def waar(conditie, melding):
    if not conditie:
        raise Mislukt(melding)


# ---------------------------------------------------------------- the module
KERN_SCRIPT = """
const [kernPad, gevallen] = [process.argv[1], JSON.parse(process.argv[2])];
require(kernPad)().ready.then((kern) => {
  const uit = gevallen.map(([programma, signaal, amplitude, frequentie]) => {
    kern.ccall("kiesProgramma", "number", ["string"], [programma]);
    kern.ccall("zetAmplitudeTekst", "number", ["string"], [String(amplitude)]);
    kern._kiesFrequentie(frequentie);
    kern._kiesSignaal(signaal);
    kern._schakel();
    const rijen = kern.UTF8ToString(kern._cyclusCsv()).trim().split("\\n").slice(1)
      .map((regel) => regel.split(",").map(Number));
    return [rijen.map((r) => r[1]), rijen.map((r) => r[2]), kern.UTF8ToString(kern._kostenTekst())];
  });
  process.stdout.write(JSON.stringify(uit));
});
"""


def fir_kosten(s, a, f, uitvoer):
    """What the FIR's page must say its 16-bit arithmetic cost, from numpy: the
    taps in real numbers on the generator's unrounded signal (A*cos(n*omega),
    +-A, A), the engine's output `uitvoer` against it where the engine cut
    nothing off."""
    bron = pathlib.Path(__file__).resolve().parents[2] / "fir" / "fir.h"
    taps = np.array([int(g) for g in re.findall(r"-?\d+", re.search(
        r"firCoefficienten = \{(.*?)\};", bron.read_text(), re.S).group(1))]) / 32768
    omega = float(np.float32(float(FREQUENTIES[f].replace("DC", "0").replace(",", ".")
                                   .replace("*PI", "")) * np.pi))
    n = np.arange(128)
    cos = np.cos(n * omega)
    x = [a * cos, np.where(cos > 0, a, -a), np.where(n == 32, a, 0), np.where(n >= 32, a, 0)][s]
    exact = np.convolve(x.astype(float), taps)[:128]
    # Saturated: the engine's shifted sum, floor(sum of h[k]·x16 / 32768) over
    # the 16-bit input x16, outside -32768..32767, so that it was cut off.
    x16 = np.clip(np.trunc(x), -32768, 32767).astype(np.int64)
    geschoven = np.convolve(x16, np.round(taps * 32768).astype(np.int64))[:128] >> 15
    binnen = (geschoven >= -32768) & (geschoven <= 32767)
    afwijking = np.array(uitvoer)[binnen] - exact[binnen]
    if not binnen.any():
        return 0.0, 0.0, 128
    return np.abs(afwijking).max(), afwijking.mean(), int((~binnen).sum())


def kosten_kloppen(tekst, verwacht):
    """The page's three lines against numpy, to the two decimals they show."""
    regels = tekst.split("\n")
    koppen = ["Grootste afwijking van de exacte uitkomst: ", "Gemiddelde afwijking: ", "Verzadigd: "]
    if len(regels) != 3 or any(not r.startswith(k) for r, k in zip(regels, koppen)):
        return False
    getallen = [float(r[len(k):].replace(",", ".").replace("\u2212", "-"))
                for r, k in zip(regels, koppen)]
    return (abs(getallen[0] - verwacht[0]) <= 0.005 + 1e-9
            and abs(getallen[1] - verwacht[1]) <= 0.005 + 1e-9 and getallen[2] == verwacht[2])


# Every entry point before kiesProgramma: no trap, and nothing but "" or 0.
KERN_VOOR_PROGRAMMA = """
require(process.argv[1])().ready.then((kern) => {
  const tekst = (f, ...a) => kern.UTF8ToString(kern["_" + f](...a));
  const metTekst = (f, t) => kern.ccall(f, "number", ["string"], [t]);
  const uit = [
    ...["beschrijving", "toestand", "fragment", "cyclusCsv", "toegankelijkeNaam", "aankondiging",
        "kostenTekst"].map((f) => tekst(f)),
    tekst("aflezing"), tekst("berekening"), tekst("responsSvg", 400, 300), tekst("spectrumSvg", 400, 300),
    tekst("spectrumGegevensSvg", 400, 300), tekst("polenSvg", 400, 300), tekst("responsNaam"),
    tekst("polenNaam"), tekst("spectrumNaam"),
    tekst("polenPuntBij", 200, 150, 400, 300), tekst("polenPuntNa", -1, 1, 400, 300),
    kern.ccall("zetAmplitudeTekst", "number", ["string"], ["12"]),
    kern._schakel(), kern._vlakkenVoor(10, 10), kern._luisterMonstersVoor(),
    ...["toetsOpAmplitude", "toetsOpPaneel"].map((f) => metTekst(f, "ArrowUp"))];
  kern._kiesSignaal(1);
  kern._kiesFrequentie(3);
  kern.ccall("volgLink", null, ["string"], ["teken"]);
  [kern._leesBij(5, 100, 300), kern._schuifAflezing(1), kern._wisselLuister(),
   kern._luisterKlaar(), kern._wisselTabel()];
  process.stdout.write(JSON.stringify(uit));
});
"""


def kern_voor_programma(kern):
    uit = subprocess.run(["node", "-e", KERN_VOOR_PROGRAMMA, str(kern.resolve())],
                         capture_output=True, text=True)
    fouten = [regel for regel in uit.stderr.splitlines() if regel.startswith(("Error", "TypeError",
                                                                              "RuntimeError"))]
    fout = f"node: {(fouten or ['status ' + str(uit.returncode)])[-1][:200]}" if uit.returncode else None
    if fout is None and any(json.loads(uit.stdout)):
        fout = f"returned {uit.stdout[:200]}"
    yield "kern: every entry point harmless before kiesProgramma", fout


def kern_gevallen(kern, filtercyclus):
    """One result per program and signal: every frequency at every amplitude,
    and the FIR's cost of 16-bit arithmetic against numpy."""
    gevallen = [(p, s, a, f) for p in BEGIN for s in range(4) for a in AMPLITUDES for f in range(8)]
    wasm = json.loads(subprocess.run(["node", "-e", KERN_SCRIPT, str(kern.resolve()),
                                      json.dumps(gevallen)], check=True, capture_output=True,
                                     text=True).stdout)
    fouten = {}
    for (p, s, a, f), (invoer, uitvoer, kosten) in zip(gevallen, wasm):
        if p == "fir" and not kosten_kloppen(kosten, fir_kosten(s, a, f, uitvoer)):
            fouten.setdefault((p, s), f"{SIGNALEN[s]} A={a} {FREQUENTIES[f]}: {kosten!r}, "
                                      f"numpy {fir_kosten(s, a, f, uitvoer)}")
        csv = subprocess.run([filtercyclus, "--programma", p, "--signaal", SIGNALEN[s],
                              "--amplitude", str(a), "--frequentie", FREQUENTIES[f]],
                             check=True, capture_output=True, text=True).stdout.split()[1:]
        for n, regel in enumerate(csv):
            for kolom, (native, web) in enumerate(zip(map(float, regel.split(",")[1:]),
                                                      (invoer[n], uitvoer[n]))):
                # The FIR is integer arithmetic: bit for bit. The IIR may differ
                # by the last bits of the math library's cosine.
                marge = 0.0 if p == "fir" else 1e-9 * max(abs(native), 1.0)
                if abs(native - web) > marge:
                    fouten.setdefault((p, s), f"{SIGNALEN[s]} A={a} {FREQUENTIES[f]} n={n} "
                                              f"kolom {kolom + 1}: {web} != {native}")
    return [(f"kern {p} {SIGNALEN[s]}: 8 frequenties x {len(AMPLITUDES)} amplitudes",
             fouten.get((p, s))) for p in BEGIN for s in range(4)]


# ---------------------------------------------------------------- the page
@functools.cache
def verwacht_beeld(filtercyclus, breedte, hoogte, argumenten):
    png = subprocess.run([filtercyclus, *argumenten, "--grootte", f"{breedte}x{hoogte}",
                          "--png", "-"], check=True, capture_output=True).stdout
    return Image.open(io.BytesIO(png)).convert("RGB").tobytes()


class Pagina:
    def __init__(self, driver, filtercyclus, programma):
        self.d, self.filtercyclus, self.programma = driver, filtercyclus, programma

    def wacht(self, conditie, melding):
        """Waits for `conditie`; `melding` is the failure's text, or makes it."""
        try:
            return WebDriverWait(self.d, WACHT).until(lambda _: conditie())
        except Exception as fout:
            tekst = melding() if callable(melding) else melding
            raise Mislukt(f"{tekst} ({type(fout).__name__})") from None

    def besturing(self, label):
        """The control that `label` names: the label's own input or its `for`."""
        return self.d.find_element(By.XPATH, f'//label[normalize-space()="{label}"]/input'
                                   f' | //*[@id=//label[normalize-space()="{label}"]/@for]')

    def knop(self, tekst):
        return self.d.find_element(By.XPATH, f'//button[normalize-space()="{tekst}"]')

    def klik(self, tekst):
        self.knop(tekst).click()

    def typ(self, label, tekst):
        veld = self.besturing(label)
        veld.send_keys(Keys.CONTROL, "a")
        veld.send_keys(tekst, Keys.TAB)

    def kies(self, label, item):
        keuze = Select(self.besturing(label))
        keuze.select_by_index(item) if isinstance(item, int) else keuze.select_by_visible_text(item)

    def canvas(self):
        """The canvas's size and its pixels as the screen shows them: the
        viewport's picture cut where the canvas lies in device pixels (an
        element's own screenshot rounds a box at fractional CSS pixels out)."""
        canvas = self.d.find_element(By.TAG_NAME, "canvas")
        x, y, b, h = self.d.execute_script(
            "const c = arguments[0], r = c.getBoundingClientRect();"
            "return [Math.round(r.left * devicePixelRatio), Math.round(r.top * devicePixelRatio),"
            " c.width, c.height]", canvas)
        scherm = Image.open(io.BytesIO(self.d.get_screenshot_as_png())).convert("RGB")
        return (b, h), scherm.crop((x, y, x + b, y + h))

    def toont(self, *argumenten):
        """Waits until the canvas shows filtercyclus's picture at its size."""
        argumenten = ("--programma", self.programma, *argumenten)
        laatste = []

        def gelijk():
            (b, h), beeld = self.canvas()
            laatste[:] = [b, h, beeld.size]
            return beeld.size == (b, h) and beeld.tobytes() == verwacht_beeld(
                self.filtercyclus, b, h, argumenten)
        self.wacht(gelijk, lambda: f"canvas {laatste} is not filtercyclus {' '.join(argumenten)}")
        return laatste[:2]

    def leeg(self):
        self.wacht(lambda: set(self.canvas()[1].getdata()) == {ACHTERGROND}, "panel not empty")

    def aan(self, label):
        return self.besturing(label).is_enabled()

    def vergrendeld(self, ja):
        staat = [self.aan(s) for s in ("cosinus", "Signaalamplitude", "Signaalfrequentie")]
        waar(staat == [not ja] * 3, f"controls enabled {staat}, expected {not ja}")


def open_pagina(d, url):
    d.get(url)
    WebDriverWait(d, WACHT).until(lambda _: d.execute_script(
        "return !document.body.hasAttribute('aria-busy')"))


# Cases: (name, page, what a student does and what the page must show).
def begin(p):
    titel, kop, amplitude = BEGIN[p.programma]
    waar(p.d.title == titel, f"title {p.d.title!r}")
    waar(p.d.find_element(By.TAG_NAME, "h1").text == kop, "header text")
    waar(p.d.find_element(By.TAG_NAME, "legend").text == "Signaal", "radio box label")
    waar(p.besturing("cosinus").is_selected(), "cosinus not selected")
    waar(p.besturing("Signaalamplitude").get_attribute("value") == amplitude, "start amplitude")
    keuze = Select(p.besturing("Signaalfrequentie"))
    waar([o.text for o in keuze.options] == FREQUENTIES + ["", ""], "frequency items")
    waar(keuze.first_selected_option.text == "0,1*PI", "start frequency")
    waar(p.d.find_element(By.TAG_NAME, "html").get_attribute("lang") == "nl", "lang")
    p.vergrendeld(False)
    p.leeg()


# Holds the module's compilation until the test calls `laatKernGaan()`.
HOUD_KERN = """{
  const compileer = WebAssembly.compile;
  const vrij = new Promise((gaan) => { window.laatKernGaan = gaan; });
  WebAssembly.compile = (...args) => vrij.then(() => compileer(...args));
}"""


def teken_voor_kern(p):
    """Before the module: the header and the empty panel on screen, the
    controls that need the module disabled; a press of Teken then is carried
    out once when the module is ready (twice would stop the cycle)."""
    houd = p.d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": HOUD_KERN})
    try:
        p.d.refresh()
        waar(p.d.execute_script("return document.body.getAttribute('aria-busy')") == "true",
             "the page was ready without its module")
        waar(p.d.find_element(By.TAG_NAME, "h1").text == BEGIN[p.programma][1], "header text")
        waar(not p.aan("cosinus") and not p.aan("Signaalamplitude"), "controls enabled early")
        p.leeg()
        p.klik("Teken")
        p.leeg()
        p.d.execute_script("laatKernGaan()")
        p.toont("--amplitude", BEGIN[p.programma][2])
        p.knop("Stop")
        p.vergrendeld(True)
    finally:
        p.d.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", houd)


def teken_en_stop(p):
    p.klik("Teken")
    p.toont("--amplitude", BEGIN[p.programma][2])
    p.vergrendeld(True)
    p.klik("Stop")
    p.vergrendeld(False)
    p.leeg()
    p.knop("Teken")


def zonder_werker(p):
    """A browser that cannot hand a canvas to a worker: the page paints the
    panel on its own thread, the same pictures."""
    weg = p.d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
        "source": "delete HTMLCanvasElement.prototype.transferControlToOffscreen;"})
    try:
        p.d.refresh()
        p.wacht(lambda: p.d.execute_script("return !document.body.hasAttribute('aria-busy')"),
                "the module never became ready")
        teken_en_stop(p)
        waar(p.d.execute_script("return document.getElementById('grafiek').getContext('2d')"
                                " !== null"), "the canvas went to a worker all the same")
    finally:
        p.d.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", weg)


def instellingen(p):
    p.besturing("blokgolf").click()
    p.typ("Signaalamplitude", "12,5")
    waar(p.besturing("Signaalamplitude").get_attribute("value") == "13", "12,5 not read as 13")
    p.typ("Signaalamplitude", "abc")
    waar(p.besturing("Signaalamplitude").get_attribute("value") == "13", "text changed it")
    noot = p.d.find_element(By.ID, "amplitudeMelding")
    waar(noot.is_displayed() and noot.text != "", "no note beside the box for text that is no number")
    p.typ("Signaalamplitude", "13")
    waar(noot.text == "", "the note stays after a number")
    p.kies("Signaalfrequentie", "0,9*PI")
    p.klik("Teken")
    p.toont("--signaal", "blokgolf", "--amplitude", "13", "--frequentie", "0,9*PI")


def toetsenbord(p):
    ActionChains(p.d).send_keys(Keys.TAB, Keys.ARROW_DOWN, Keys.TAB, Keys.ARROW_UP, Keys.TAB,
                                Keys.HOME, Keys.TAB, Keys.SPACE).perform()
    amplitude = str(int(BEGIN[p.programma][2]) + 1)
    p.toont("--signaal", "blokgolf", "--amplitude", amplitude, "--frequentie", "DC")
    waar(p.knop("Stop") == p.d.switch_to.active_element, "focus left the toggle button")


def vergroot(p):
    p.klik("Teken")
    eerst = p.toont("--amplitude", BEGIN[p.programma][2])
    p.d.set_window_size(VENSTER[0] + 300, VENSTER[1] + 200)
    waar(p.toont("--amplitude", BEGIN[p.programma][2]) != eerst, "canvas kept its size")
    p.klik("Stop")
    p.d.set_window_size(*VENSTER)
    p.leeg()


def einde(p):
    p.klik("Einde")
    melding = p.d.find_element(By.XPATH, '//*[normalize-space()="Het programma is beëindigd."]')
    waar(melding.is_displayed(), "no message that the program ended")
    aan = [e.get_attribute("outerHTML")[:40] for e in
           p.d.find_elements(By.CSS_SELECTOR, "input, select, button") if e.is_enabled()]
    waar(not aan, f"still enabled: {aan}")


def einde_sluit(p):
    eigen = p.d.current_window_handle
    p.d.execute_script("window.open(location.href, 'geopend')")
    p.wacht(lambda: len(p.d.window_handles) == 2, "no second window")
    p.d.switch_to.window([h for h in p.d.window_handles if h != eigen][0])
    open_pagina(p.d, p.d.current_url)
    p.klik("Einde")
    p.wacht(lambda: len(p.d.window_handles) == 1, "the page opened by a script did not close")
    p.d.switch_to.window(eigen)


def niets_gevraagd(p):
    p.klik("Teken")
    p.toont("--amplitude", BEGIN[p.programma][2])
    gevraagd = {json.loads(regel["message"])["message"]["params"]["request"]["url"]
                for regel in p.d.get_log("performance")
                if '"Network.requestWillBeSent"' in regel["message"]}
    # The panel's painter is a worker whose script the page made in memory
    # (a blob: address); nothing else but the page itself.
    eigen = {u for u in gevraagd if u.startswith("blob:")}
    waar(gevraagd - eigen == {p.d.current_url.split("#")[0]} and len(eigen) <= 1,
         f"requests: {sorted(u[:60] for u in gevraagd)}")


# Keeps every AudioBuffer the page makes, for reading its samples back.
VANG_BUFFERS = """
window.gevangen = [];
const maak = AudioContext.prototype.createBuffer;
AudioContext.prototype.createBuffer = function (...args) {
  const buffer = maak.apply(this, args);
  window.gevangen.push(buffer);
  return buffer;
};
"""


def luister(p):
    p.d.execute_script(VANG_BUFFERS)
    speelt = lambda: p.knop("Luister").get_attribute("aria-pressed") == "true"
    waar(not p.knop("Luister").is_enabled(), "Luister enabled without a cycle")
    p.besturing("blokgolf").click()
    p.kies("Signaalfrequentie", "0,2*PI")
    p.klik("Teken")
    p.klik("Luister")
    p.wacht(speelt, "Luister does not play")
    snelheid, monsters = p.d.execute_script(
        "const b = window.gevangen[0];"
        "return [b.sampleRate, Array.from(b.getChannelData(0), (x) => x * 32768)]")
    wav = subprocess.run([p.filtercyclus, "--programma", p.programma, "--signaal", "blokgolf",
                          "--frequentie", "0,2*PI", "--amplitude", BEGIN[p.programma][2],
                          "--wav", "-"], check=True, capture_output=True).stdout
    with wave.open(io.BytesIO(wav)) as bestand:
        verwacht = array.array("h", bestand.readframes(bestand.getnframes()))
        waar(snelheid == bestand.getframerate(), f"{snelheid} Hz")
    waar(monsters == list(verwacht), f"{len(monsters)} samples, not filtercyclus --wav's "
                                     f"{len(verwacht)}")
    p.klik("Luister")
    p.wacht(lambda: not speelt(), "a second click did not stop it")
    p.klik("Luister")
    p.wacht(speelt, "Luister does not play again")
    p.klik("Stop")
    p.wacht(lambda: not speelt() and not p.knop("Luister").is_enabled(), "Stop did not stop it")


def kosten(p):
    regels = lambda: p.d.find_element(By.ID, "kosten").text.split("\n")
    p.kies("Signaalfrequentie", "0,05*PI")
    paneel = p.d.find_element(By.TAG_NAME, "canvas").size
    p.klik("Teken")
    # numpy (fir_kosten): 1.3503, -0.4602, none saturated; the step: 51.
    p.wacht(lambda: regels() == ["Grootste afwijking van de exacte uitkomst: 1,35",
                                 "Gemiddelde afwijking: \u22120,46", "Verzadigd: 0"],
            lambda: f"shows {regels()}")
    waar(p.d.find_element(By.TAG_NAME, "canvas").size == paneel, "the lines moved the panel")
    p.klik("Stop")
    p.besturing("stapfunktie").click()
    p.typ("Signaalamplitude", "32767")
    p.klik("Teken")
    p.wacht(lambda: regels()[2:] == ["Verzadigd: 51"], lambda: f"shows {regels()}")


LEES_BEREKENING = """
const d = document.getElementById("berekening"), vak = d.querySelector(".vak");
return [d.hidden || !d.open, [...d.querySelectorAll("tr")].map((r) => [...r.children].map(
  (c) => c.textContent)), d.querySelectorAll("tbody tr.voorblok").length,
  d.querySelector(".slot").innerText, document.documentElement.scrollWidth,
  document.documentElement.clientWidth, vak.getBoundingClientRect().right];
"""


def berekening(instellingen):
    """"Hoe komt deze uitvoer tot stand?" follows the bar read, tapped and then
    stepped: its table is filtercyclus --berekening's CSV for that n (the FIR
    exactly, the IIR to the last bits of the math library's cosine), the FIR's
    terms before the block greyed, the table scrolling in its own box."""
    opties = [a for label, waarde in instellingen for a in (
        {"Signaalamplitude": "--amplitude", "Signaalfrequentie": "--frequentie"}[label], waarde)]
    getal = lambda c: float(c.replace("\u2212", "-").replace(",", ".")) if c else None

    def stappen(p):
        for label, waarde in instellingen:
            p.kies(label, waarde) if label == "Signaalfrequentie" else p.typ(label, waarde)
        p.klik("Teken")
        canvas = p.d.find_element(By.TAG_NAME, "canvas")
        ActionChains(p.d).move_to_element_with_offset(canvas, -canvas.size["width"] // 5, 0).click(
        ).perform()
        p.d.find_element(By.CSS_SELECTOR, "#berekening summary").click()
        marge = 0.0 if p.programma == "fir" else 1e-9
        for _ in range(2):  # the bar tapped, then one step on by the keys
            canvas.send_keys(Keys.ARROW_RIGHT)
            lees = lambda: re.match(r"n = (\d+):", p.d.find_element(By.ID, "aflezing").text)
            p.wacht(lees, "no readout")
            n = int(lees()[1])
            csv_ = [regel.split(",") for regel in subprocess.run(
                [p.filtercyclus, "--programma", p.programma, *opties, "--berekening", str(n)],
                check=True, capture_output=True, text=True).stdout.split()]
            cel_gelijk = lambda x, y: getal(x) == getal(y) or (x != "" and y != "" and abs(
                getal(x) - getal(y)) <= marge * max(abs(getal(y)), 1.0))
            uit = []

            def gelijk():
                uit[:] = p.d.execute_script(LEES_BEREKENING)
                rijen = uit[1]
                return not uit[0] and rijen[:1] == csv_[:1] and len(rijen) == len(csv_) and all(
                    len(a) == len(b) and all(map(cel_gelijk, a, b))
                    for a, b in zip(rijen[1:], csv_[1:]))
            p.wacht(gelijk, lambda: f"n = {n}: panel {uit[1][:3]}, filtercyclus {csv_[:3]}")
            _, _, grijs, slot, breed, scherm, rechts = uit
            if p.programma == "fir":
                waar(grijs == max(0, 60 - n) and "som \u00f7 32768 = " in slot
                     and "exact: " in slot, f"n = {n}: {grijs} greyed, {slot!r}")
            waar(breed <= scherm and rechts <= scherm + 0.5, f"{breed} CSS px wide on {scherm}")
    return stappen


# A view's elements as the page shows them and as filtercyclus writes them at
# the size shown, each serialised the same way; null for a view not shown.
LEES_SVG = """
const delen = (svg) => [...svg.children].map((e) => new XMLSerializer().serializeToString(e));
const svg = document.querySelector(`#${arguments[0]} svg`);
if (!svg || getComputedStyle(svg).visibility === "hidden") return null;
const grootte = `${svg.width.baseVal.value}x${svg.height.baseVal.value}`;
return [grootte, delen(svg), arguments[1] && delen(
    new DOMParser().parseFromString(arguments[1], "image/svg+xml").documentElement)];
"""


def beelden(p):
    """The three views after Teken, each filtercyclus's at the size shown: the
    response and the poles and zeros with the chosen frequency marked, also
    after the control moves, and the drawn cycle's spectrum, gone after Stop
    and redrawn for the next cycle, its frame too where the scale's top
    changes."""
    def delen(beeld, *argumenten):  # the page's and filtercyclus's elements
        grootte = (p.d.execute_script(LEES_SVG, beeld, "") or [""])[0]
        return grootte and p.d.execute_script(LEES_SVG, beeld, subprocess.run(
            [p.filtercyclus, "--programma", p.programma, *argumenten, "--grootte", grootte,
             "--svg", "-"], check=True, capture_output=True, text=True).stdout)[1:]

    def respons(frequentie):
        """filtercyclus's plot, and under the curve a line and a ring at the
        chosen frequency, and a box with its gain from filtercyclus's CSV."""
        pagina, gereedschap = delen("respons", "--respons") or ([], [None])
        rest, i = [], 0
        for e in pagina:
            i, rest = (i + 1, rest) if i < len(gereedschap) and e == gereedschap[i] else (i, rest + [e])
        dB = next(float(r[3]) for r in csv.reader(io.StringIO(subprocess.run(
            [p.filtercyclus, "--programma", p.programma, "--respons"], check=True,
            capture_output=True, text=True).stdout)) if r[0] == frequentie)
        tekst = f"{abs(dB):.1f}".replace(".", ",")
        tekst = f"{frequentie}: {'' if tekst == '0,0' or dB > 0 else chr(0x2212)}{tekst} dB"
        return (i == len(gereedschap) and [re.match(r"<(\w+)", e)[1] for e in rest]
                == ["line", "circle", "rect", "text"] and re.sub(r"<[^>]*>", "", rest[3]) == tekst)

    p.d.set_window_size(2400, 1200)  # each view within filtercyclus's sizes (from 400x250)
    p.besturing("blokgolf").click()
    for frequentie in ("0,1*PI", "0,6*PI"):
        p.kies("Signaalfrequentie", frequentie)
        p.wacht(lambda: respons(frequentie), f"response plot not marked at {frequentie}")
        p.wacht(lambda: (lambda d: d and d[0] == d[1])(
            delen("polen", "--polen", "--frequentie", frequentie)), f"z-plane at {frequentie}")
    waar(p.d.execute_script(LEES_SVG, "spectrum", "") is None, "a spectrum before Teken")
    p.klik("Teken")
    p.wacht(lambda: (lambda d: d and d[0] == d[1])(delen(
        "spectrum", "--spectrum", "--signaal", "blokgolf", "--frequentie", "0,6*PI",
        "--amplitude", BEGIN[p.programma][2])), "spectrum is not filtercyclus's")
    p.klik("Stop")
    p.wacht(lambda: p.d.execute_script(LEES_SVG, "spectrum", "") is None, "spectrum after Stop")
    p.besturing("impulsfunktie").click()
    p.klik("Teken")
    p.wacht(lambda: (lambda d: d and d[0] == d[1])(delen(
        "spectrum", "--spectrum", "--signaal", "impulsfunktie", "--frequentie", "0,6*PI",
        "--amplitude", BEGIN[p.programma][2])), "the next cycle's spectrum is not filtercyclus's")
    # A square wave at full scale reaches above 0 dB: its scale, and so the
    # kept frame, goes up to +10 dB.
    p.klik("Stop")
    p.besturing("blokgolf").click()
    p.typ("Signaalamplitude", "32768")
    p.kies("Signaalfrequentie", "0,05*PI")
    p.klik("Teken")
    p.wacht(lambda: (lambda d: d and d[0] == d[1])(delen(
        "spectrum", "--spectrum", "--signaal", "blokgolf", "--frequentie", "0,05*PI",
        "--amplitude", "32768")), "the spectrum above 0 dB is not filtercyclus's")


def adres_volgt(p):
    """The address bar keeps the settings: the page opened at it shows them."""
    p.besturing("blokgolf").click()
    p.typ("Signaalamplitude", "777")
    p.kies("Signaalfrequentie", "0,6*PI")
    adres = p.wacht(lambda: re.search(r"777.*0(,|%2C)6|0(,|%2C)6.*777", p.d.current_url)
                    and p.d.current_url, "the address does not follow the settings")
    p.d.get("about:blank")
    open_pagina(p.d, adres)
    p.klik("Teken")
    p.toont("--signaal", "blokgolf", "--amplitude", "777", "--frequentie", "0,6*PI")


# Links into an experiment: (page, fragment, filtercyclus's settings for the
# picture after loading or None for an empty panel, the words of the one line
# about what was ignored, [] for none).
FRAGMENTEN = [
    ("fir", "signaal=blokgolf&amplitude=12345&frequentie=0,2*PI&teken",
     ["--signaal", "blokgolf", "--amplitude", "12345", "--frequentie", "0,2*PI"], []),
    ("iir", "signaal=blokgolf&amplitude=12345&frequentie=0%2C2%2API&teken",
     ["--signaal", "blokgolf", "--amplitude", "12345", "--frequentie", "0,2*PI"], []),
    ("iir", "teken&amplitude=40000", ["--amplitude", "32768"], []),
    ("fir", "signaal=impulsfunktie&amplitude=9%2C6&teken",
     ["--signaal", "impulsfunktie", "--amplitude", "10"], []),
    ("fir", "kleur=rood&signaal=zaagtand&amplitude=veel&teken", ["--amplitude", "20000"],
     ["kleur", "zaagtand", "veel"]),
    ("iir", "frequentie=0,3*PI&signaal=stapfunktie", None, ["0,3*PI"]),
]


def fragment_geval(fragment, teken, genoemd):
    def stappen(p):
        adres = p.d.current_url.split("#")[0]
        p.d.get("about:blank")
        open_pagina(p.d, f"{adres}#{fragment}")
        regels = [e for e in p.d.find_elements(By.XPATH, "//p[@id='melding']") if e.text != ""]
        waar(len(regels) == (1 if genoemd else 0) and all(e.is_displayed() for e in regels)
             and all(w in regels[0].text for w in genoemd), f"ignored: {[e.text for e in regels]}")
        # The message lies over the panel's top edge: the panel under it.
        p.d.execute_script("document.getElementById('melding').style.visibility = 'hidden'")
        p.leeg() if teken is None else p.toont(*teken)
    return stappen


# The screens the page must fit: (name, window in CSS px, device pixel ratio,
# touch screen). 683x384 at ratio 2 is a 1366x768 laptop at 200% zoom.
APPARATEN = [
    ("phone", 390, 844, 3, True), ("phone in landscape", 844, 390, 3, True),
    ("tablet", 820, 1180, 2, True), ("laptop", 1366, 768, 1, False),
    ("projector", 1024, 768, 1, False), ("4K screen", 1920, 1080, 2, False),
    ("320 CSS px wide", 320, 568, 2, True), ("laptop at 200% zoom", 683, 384, 2, False),
]
# The smallest text of the views in CSS px, Infinity (null) while none is drawn.
LETTER = """Math.min(...[...document.querySelectorAll("#beelden text")].map(
    (t) => parseFloat(getComputedStyle(t).fontSize) * Math.hypot(t.getScreenCTM().a, t.getScreenCTM().b)))"""
MEET = """
const vak = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
return [[0, 0, document.documentElement.clientWidth, innerHeight],
  document.documentElement.scrollWidth, arguments[0].map(vak), vak(document.getElementById("respons")),
  """ + LETTER + """,
  Math.min(...[...document.querySelectorAll("button, select, input[type=text], fieldset label")]
    .map((e) => e.getBoundingClientRect().height).filter((h) => h > 0))];
"""


def apparaat_geval(breedte, hoogte, grof):
    """After Teken: nothing to scroll sideways; the panel, the toggle and the
    result lines on screen together, the panel as filtercyclus draws it with
    two device pixels a bar at least; a tapped bar, the arrow keys and the
    table read as filtercyclus's CSV; every plot's text 11 CSS px at least,
    the response plot on screen too from 1366x768; touch controls 44 px high;
    the panel keeps its size through Stop and the next Teken."""
    def stappen(p):
        p.klik("Teken")
        b, _ = p.toont("--amplitude", BEGIN[p.programma][2])
        waar(b // 128 >= 2, f"{b} device px for 128 bars")
        cyclus = [regel.split(",") for regel in subprocess.run(
            [p.filtercyclus, "--programma", p.programma, "--amplitude", BEGIN[p.programma][2]],
            check=True, capture_output=True, text=True).stdout.split()[1:]]
        # The FIR bit for bit; the IIR to the last bits of the math library's
        # cosine, as in the module's cases.
        marge = 0.0 if p.programma == "fir" else 1e-9
        zelfde = lambda pagina, gereedschap: len(pagina) == len(gereedschap) and all(
            abs(float(a.replace("\u2212", "-").replace(",", ".")) - float(b))
            <= marge * max(abs(float(b)), 1.0) for a, b in zip(pagina, gereedschap))
        canvas = p.d.find_element(By.TAG_NAME, "canvas")
        p.d.execute_script("addEventListener('click', (e) => { window.klikX = e.clientX; }, true)")
        ActionChains(p.d).move_to_element_with_offset(canvas, -canvas.size["width"] // 6, 0).click(
        ).perform()
        # The sample whose pair of bars (output 2 px right of input) has the
        # nearest centre: the midpoint between two lies 1 px right of a
        # multiple of the bar width.
        n = p.d.execute_script("const c = arguments[0], r = c.getBoundingClientRect();"
                               "return Math.min(127, Math.floor(((klikX - r.left) * c.width"
                               " / r.width - 1) / Math.floor(c.width / 128)))", canvas)
        for toetsen, n in [((), n), ((Keys.ARROW_RIGHT,) * 2, n + 2), ((Keys.END,), 127)]:
            ActionChains(p.d).send_keys(*toetsen).perform()
            lees = lambda: re.fullmatch(r"n = (\d+): invoer (\S+), uitvoer (\S+)",
                                        p.d.find_element(By.ID, "aflezing").text)
            p.wacht(lambda: (m := lees()) and zelfde(m.groups(), cyclus[n]),
                    lambda: f"readout {lees() and lees()[0]!r}, filtercyclus {cyclus[n]}")
        regels = p.d.find_elements(By.XPATH, '//p[not(@id="aankondiging") and (starts-with(., "n = ")'
                                   ' or contains(., "afwijking") or starts-with(., "Verzadigd"))]')
        scherm, breed, vakken, respons, letter, hoog = p.d.execute_script(
            MEET, [canvas, p.knop("Stop"), *regels])
        waar(breed <= scherm[2], f"{breed} CSS px wide on a {scherm[2]} px screen")
        binnen = lambda v: (min(v[:2]) >= -0.5 and v[2] <= scherm[2] + 0.5
                            and v[3] <= scherm[3] + 0.5)
        waar(all(map(binnen, vakken)), f"off screen {scherm}: {vakken}")
        if letter is None:  # the views lie below, drawn as they come into view
            p.d.execute_script("document.getElementById('beelden').scrollIntoView()")
            letter = p.wacht(lambda: p.d.execute_script(
                f"return document.querySelector('#beelden text') && {LETTER}"), "views not drawn")
        # The readout, and the FIR's three costs of 16-bit arithmetic.
        waar(len(regels) == (4 if p.programma == "fir" else 1), f"{len(regels)} result lines")
        waar(letter >= 11 - 1e-6, f"a plot's text {letter:.1f} CSS px")
        waar(binnen(respons) or breedte < 1366 or hoogte < 768, f"response plot at {respons}")
        waar(hoog >= 44 - 1e-6 or not grof, f"a control {hoog:.1f} CSS px high")
        paneel = canvas.size
        p.klik("Stop")
        p.klik("Teken")
        waar(canvas.size == paneel, f"the panel went from {paneel} to {canvas.size}")
        p.klik("Toon als tabel")
        rijen = lambda: [[c.text for c in r.find_elements(By.XPATH, "th|td")]
                         for r in p.d.find_elements(By.XPATH, "//*[@id='tabeldeel']//tr")]
        p.wacht(lambda: rijen()[:1] == [["n", "invoer", "uitvoer"]] and zelfde(
            sum(rijen()[1:], []), sum(cyclus, [])), lambda: f"table {rijen()[:2]} is not the CSV")
    return stappen


def polen_aflezing(tik):
    """The pole-zero plot read as a student does: a tap (CDP touch events) or
    a click on a drawn root names that root's angle and radius as
    filtercyclus --polen's CSV gives them, a ring marks it, and the arrow
    keys step to the next root by angle."""
    def stappen(p):
        wortels = [(r[0], complex(float(r[1]), float(r[2]))) for r in csv.reader(io.StringIO(
            subprocess.run([p.filtercyclus, "--programma", p.programma, "--polen"], check=True,
                           capture_output=True, text=True).stdout)) if r[0] in ("nul", "pool")]
        punten = []  # (soort, z, multiplicity), each drawn point once
        for soort, z in wortels:
            i = next((i for i, q in enumerate(punten) if q[0] == soort and abs(q[1] - z) <= 1e-6), None)
            if i is None:
                punten.append((soort, z, 1))
            else:
                punten[i] = (soort, punten[i][1], punten[i][2] + 1)
        getal = lambda x: f"{x:.3f}".replace(".", ",").replace("-", "\u2212").replace("\u22120,000", "0,000")

        def tekst(soort, z, aantal):
            naam = "nulpunt" if soort == "nul" else "pool"
            meer = f", multipliciteit {aantal}" if aantal > 1 else ""
            if z == 0:
                return f"{naam} in de oorsprong{meer}"
            return f"{naam}: hoek {getal(np.angle(z) / np.pi)}\u03c0, straal {getal(abs(z))}{meer}"
        # The zero nearest 0,6*PI (the hand-in sheet's question) and a pole.
        nul = min((q for q in punten if q[0] == "nul"), key=lambda q: abs(q[1] - np.exp(0.6j * np.pi)))
        pool = min((q for q in punten if q[0] == "pool"), key=lambda q: abs(q[1] - 1j))
        if tik:  # exactly the phone's screen, and touch events
            p.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
            p.d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
            waar(p.d.execute_script("return [innerWidth, devicePixelRatio]") == [390, 3],
                 "not a 390 px screen at ratio 3")
        figuur = p.d.find_element(By.ID, "polen")
        p.d.execute_script("arguments[0].scrollIntoView({block: 'center'})", figuur)
        for soort, z, aantal in (nul, pool):
            # Where the plot draws z, by its own unit circle, in CSS px.
            x, y = p.wacht(lambda: p.d.execute_script("""
                const svg = arguments[0].querySelector("svg"); if (!svg) return null;
                const c = [...svg.querySelectorAll("circle")].sort((a, b) => b.r.baseVal.value - a.r.baseVal.value)[0];
                const v = svg.getBoundingClientRect();
                return [v.left + c.cx.baseVal.value + arguments[1] * c.r.baseVal.value,
                        v.top + c.cy.baseVal.value - arguments[2] * c.r.baseVal.value];""",
                figuur, z.real, z.imag), "no pole-zero plot")
            if tik:
                for soort_tik, punten_tik in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
                    p.d.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": soort_tik, "touchPoints": punten_tik})
            else:
                klik = ActionBuilder(p.d)
                klik.pointer_action.move_to_location(round(x), round(y)).click()
                klik.perform()
            verwacht = tekst(soort, z, aantal)
            lees = lambda: p.d.find_element(By.ID, "polenAflezing").text
            p.wacht(lambda: lees() == verwacht, lambda: f"read {lees()!r}, filtercyclus {verwacht!r}")
            ring = p.d.execute_script("""const r = arguments[0].querySelector("svg .keuze");
                const v = arguments[0].querySelector("svg").getBoundingClientRect();
                return r && [v.left + r.cx.baseVal.value, v.top + r.cy.baseVal.value];""", figuur)
            waar(ring and abs(ring[0] - x) < 1 and abs(ring[1] - y) < 1, f"ring at {ring}, root at {x, y}")
        # The next point by angle counter-clockwise from 0 (a zero and its
        # reciprocal at one angle), inner first, a zero before a pole.
        volgorde = sorted(punten, key=lambda q: (round(np.angle(q[1]) % (2 * np.pi), 7), abs(q[1]),
                                                 q[0] == "pool"))
        volgende = volgorde[(volgorde.index(pool) + 1) % len(volgorde)]
        ActionChains(p.d).send_keys(Keys.ARROW_RIGHT).perform()
        p.wacht(lambda: lees() == tekst(*volgende), lambda: f"after the arrow key {lees()!r}")

    def met_herstel(p):
        try:
            stappen(p)
        finally:
            if tik:
                p.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
                p.d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
    return met_herstel


GEVALLEN = [
    ("start values", "iir", begin),
    ("start values", "fir", begin),
    ("Teken and Stop", "iir", teken_en_stop),
    ("Teken and Stop", "fir", teken_en_stop),
    ("Teken pressed before the module is ready", "iir", teken_voor_kern),
    ("signal, typed amplitude with a decimal comma, frequency", "fir", instellingen),
    ("signal, typed amplitude with a decimal comma, frequency", "iir", instellingen),
    ("keyboard only", "iir", toetsenbord),
    ("resize redraws, Stop stays empty", "fir", vergroot),
    ("Einde ends the program", "iir", einde),
    ("Einde closes a page a script opened", "fir", einde_sluit),
    ("requests nothing but itself", "iir", niets_gevraagd),
    ("the panel painted without a worker", "fir", zonder_werker),
    ("Luister plays the shown cycle", "fir", luister),
    ("Luister plays the shown cycle", "iir", luister),
    ("what 16-bit arithmetic costs", "fir", kosten),
    ("the three views after Teken, the frequency marked", "fir", beelden),
    ("the three views after Teken, the frequency marked", "iir", beelden),
    ("the address bar keeps the settings", "iir", adres_volgt),
    ("a changed address and Back followed as links", "fir", pagina_lab.link_gevolgd),
    ("a link's message short, inside the page, gone at a change", "iir", pagina_lab.link_melding),
    ("each plot named with its key values", "fir", pagina_lab.namen),
    ("each plot named with its key values", "iir", pagina_lab.namen),
    ("typed amplitudes clamped, rounded or ambiguous say so", "fir", pagina_lab.getypt),
    ("a students' link shows no answer before Teken", "iir", pagina_lab.proef),
] + [(f"fragment #{fragment}", programma, fragment_geval(fragment, teken, genoemd))
     for programma, fragment, teken, genoemd in FRAGMENTEN]
# How an output comes about, on a phone and a laptop: (settings, window, ratio, touch).
BEREKENING = [(p, instellingen, scherm) for p, instellingen in (
    ("fir", (("Signaalfrequentie", "0,4*PI"), ("Signaalamplitude", "31441"))),
    ("iir", (("Signaalfrequentie", "0,2*PI"), ("Signaalamplitude", "32768"))))
    for scherm in (((390, 844), 3, True), ((1366, 768), 1, False))]
# Cases run on each screen: (name, page, steps, window, ratio, touch).
SCHERMEN = [(f"fits the {naam} ({b}x{h} at {schaal})", programma,
             apparaat_geval(b, h, grof), (b, h), schaal, grof)
            for naam, b, h, schaal, grof in APPARATEN for programma in BEGIN]
SCHERMEN += [("pole-zero readout by taps on a phone (390x844 at 3)", "fir", polen_aflezing(True),
              (390, 844), 3, True),
             ("pole-zero readout by clicks on a laptop (1366x768)", "iir", polen_aflezing(False),
              (1366, 768), 1, False)]
SCHERMEN += [(f"how an output comes about ({b}x{h} at {schaal})", programma,
              berekening(instellingen), (b, h), schaal, grof)
             for programma, instellingen, ((b, h), schaal, grof) in BEREKENING]
VIA_SERVER = ["requests nothing but itself", "Teken and Stop"]


def start_chromium(schaal, grof=False, prefs=None):
    opties = webdriver.ChromeOptions()
    opties.binary_location = "/usr/bin/chromium"
    for optie in ("--headless=new", "--no-sandbox", "--disable-gpu",
                  f"--window-size={VENSTER[0]},{VENSTER[1]}",
                  f"--force-device-scale-factor={schaal}"):
        opties.add_argument(optie)
    if grof:  # a touch screen: a coarse pointer and no hover, as media queries see it
        opties.add_argument("--blink-settings=primaryPointerType=2,availablePointerTypes=2,"
                            "primaryHoverType=1,availableHoverTypes=1")
    opties.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    if prefs:
        opties.add_experimental_option("prefs", prefs)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=opties)


class StilleHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *_):
        pass


def start_server(map_):
    handler = functools.partial(StilleHandler, directory=str(map_))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_address[1]}/"


def pagina_gevallen(paginas, filtercyclus, alleen=None):
    server = start_server(paginas)
    bestand = paginas.resolve().as_uri() + "/"
    gewoon = [(naam, programma, stappen, VENSTER, 1, False) for naam, programma, stappen in GEVALLEN]
    runs = [(bestand, gewoon + SCHERMEN),
            (server, [g for g in gewoon if g[0] in VIA_SERVER])]
    drivers = {}
    try:
        for basis, gevallen in runs:
            for naam, programma, stappen, venster, schaal, grof in gevallen:
                if alleen and alleen not in naam:
                    continue
                if (schaal, grof) not in drivers:
                    drivers[schaal, grof] = start_chromium(schaal, grof)
                driver = drivers[schaal, grof]
                titel = f"{programma}_demo {naam} ({basis.split(':')[0]})"
                try:
                    driver.set_window_size(*venster)
                    driver.get_log("performance")
                    open_pagina(driver, f"{basis}{programma}_demo.html")
                    stappen(Pagina(driver, filtercyclus, programma))
                    yield titel, None
                except (Mislukt, AssertionError) as fout:
                    yield titel, str(fout)
    finally:
        for driver in drivers.values():
            driver.quit()


def apart_geval(paginas, filtercyclus, naam, programma, stappen, schaal, grof, prefs=None,
                venster=VENSTER):
    """A case in a browser of its own: a phone's touch screen, or a pref."""
    driver = start_chromium(schaal, grof, prefs)
    fout = None
    try:
        driver.set_window_size(*venster)
        open_pagina(driver, (paginas / f"{programma}_demo.html").resolve().as_uri())
        fout = stappen(Pagina(driver, filtercyclus, programma))
    except Exception as uitzondering:
        fout = f"{type(uitzondering).__name__}: {str(uitzondering)[:600]}"
    finally:
        driver.quit()
    yield f"{programma}_demo {naam}", fout


def aparte_gevallen(paginas, filtercyclus, alleen):
    groot = {"webkit.webprefs.minimum_font_size": 24}
    gevallen = [("phone: every tap reads the nearest bar, step buttons, resize", "fir",
                 telefoon_aflezing, 3, True, None, VENSTER),
                ("24 px minimum font: no label cut, no group over the panel", "iir",
                 pagina_lab.grote_letters, 1, False, groot, (1366, 768)),
                ("24 px minimum font on a phone", "fir", pagina_lab.grote_letters, 3, True, groot,
                 (390, 844))]
    for naam, programma, stappen, schaal, grof, prefs, venster in gevallen:
        if not alleen or alleen in naam:
            yield from apart_geval(paginas, filtercyclus, naam, programma, stappen, schaal, grof,
                                   prefs, venster)


def index_geval(paginas):
    driver = start_chromium(1)
    fout = None
    try:
        driver.get((paginas / "index.html").resolve().as_uri())
        for programma in BEGIN:
            driver.find_element(By.LINK_TEXT, f"{programma}_demo").click()
            WebDriverWait(driver, WACHT).until(lambda d: d.title == BEGIN[programma][0])
            driver.back()
        driver.find_element(By.LINK_TEXT, "handleiding").click()
        WebDriverWait(driver, WACHT).until(lambda d: d.title == "Handleiding iir_demo en fir_demo")
    except Exception as uitzondering:
        fout = f"{type(uitzondering).__name__}: {uitzondering}"
    finally:
        driver.quit()
    yield "index links to both pages and the guide", fout


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--paginas", type=pathlib.Path, required=True)
    args.add_argument("--filtercyclus", required=True)
    args.add_argument("--kern", type=pathlib.Path)
    args.add_argument("--alleen", help="only the page cases whose name has this text")
    args = args.parse_args()

    uitslagen = []
    for naam, fout in itertools.chain(
            kern_voor_programma(args.kern) if args.kern else [],
            kern_grenzen(args.kern) if args.kern else [],
            kern_alles_gebruikt(args.kern, sorted(
                (pathlib.Path(__file__).resolve().parents[2] / "web").glob("*.js"))),
            kern_gevallen(args.kern, args.filtercyclus) if args.kern else [],
            pagina_gevallen(args.paginas, args.filtercyclus, args.alleen),
            aparte_gevallen(args.paginas, args.filtercyclus, args.alleen),
            [] if args.alleen else index_geval(args.paginas)):
        uitslagen.append((naam, fout))
        print(("ok   " if fout is None else "FOUT ") + naam + ("" if fout is None else f": {fout}"),
              flush=True)
    mislukt = sum(fout is not None for _, fout in uitslagen)
    print(f"{len(uitslagen) - mislukt} passed, {mislukt} failed")
    return 1 if mislukt else 0


if __name__ == "__main__":
    sys.exit(main())
