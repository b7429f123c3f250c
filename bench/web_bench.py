#!/usr/bin/python3
"""Sizes and speed of the browser pages, in one headless Chromium run.

For each page: its size, its load time (navigation to the load event), and
for a click on "Teken" the time its handler takes, the time to the next
animation frame and the time until that frame is rendered (style, layout and
paint on the page's thread), beside the same times for a least page (a button
and a canvas of the same size whose click handler fills the canvas and draws
one line). Medians of RUNS clicks.

Each click comes on a settled page, once two frames have passed since the
one before, as a reader's click does: a click made while the previous frame
is still on its way waits for that frame, and would measure it instead.

A measurement, not a test: build first with scripts/web.sh.

usage: bench/web_bench.py [RUNS]      (from the source tree; default 50)
"""

import pathlib
import statistics
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

PAGINAS = pathlib.Path(__file__).resolve().parent.parent / "build" / "web"
GRENS = 200 * 1024  # bytes a page may take
VERHOUDING = 1.5  # the page's times at most this many times the least page's

KLEINSTE = """<!DOCTYPE html><html lang="nl"><head><meta charset="utf-8">
<link rel="icon" href="data:,"><title>kleinste</title></head><body>
<button type="button">Teken</button><canvas width="{b}" height="{h}"></canvas>
<script>
const canvas = document.querySelector("canvas");
const context = canvas.getContext("2d", {{ alpha: false }});
document.querySelector("button").addEventListener("click", () => {{
  context.fillStyle = "#fffbdf";
  context.fillRect(0, 0, canvas.width, canvas.height);
  context.fillStyle = "#ff0000";
  context.fillRect(0, canvas.height / 2 - 1, canvas.width, 2);
}});
</script></body></html>
"""

# Milliseconds from the click to the end of its handler, to the next
# animation frame, and to the first task after that frame's rendering; the
# click two frames after the one before.
KLIK = """
const [knop, klaar] = arguments;
const klik = () => {
  const begin = performance.now();
  knop.click();
  const werk = performance.now() - begin;
  requestAnimationFrame(() => {
    const frame = performance.now() - begin;
    setTimeout(() => klaar([werk, frame, performance.now() - begin]));
  });
};
requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(klik)));
"""
RONDES = 5  # the two pages take turns, so that both see the same machine

def start_chromium():
    opties = webdriver.ChromeOptions()
    opties.binary_location = "/usr/bin/chromium"
    for optie in ("--headless=new", "--no-sandbox", "--window-size=1280,900"):
        opties.add_argument(optie)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=opties)


def laad(driver, url):
    driver.get(url)
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(
        "const k = document.querySelector('button');"
        "return k && !k.disabled && k.textContent !== '' &&"
        " performance.getEntriesByType('navigation')[0].loadEventEnd > 0"))
    return driver.execute_script(
        "return performance.getEntriesByType('navigation')[0].loadEventEnd")


def klik_tijden(driver, venster, aantal, tijden):
    """Clicks the page's first button `aantal` times, and after each once more
    untimed with the pointer, as "Stop" is pressed (on the least page it
    draws again); adds (work, to frame, to rendered) to `tijden`."""
    driver.switch_to.window(venster)
    for _ in range(aantal):
        knop = driver.find_element(By.TAG_NAME, "button")
        tijden.append(driver.execute_async_script(KLIK, knop))
        knop.click()


def mediaan(tijden, welke):
    return statistics.median(t[welke] for t in tijden)


def drie(tijden):
    return " / ".join(f"{mediaan(tijden, i):.2f}" for i in range(3)) + " ms"


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 50
    driver = start_chromium()
    te_groot = False
    te_traag = False
    try:
        with tempfile.TemporaryDirectory() as map_:
            print("| page | size | load | work / to frame / rendered | least page: the same "
                  "| ratios: to frame, rendered |")
            print("|---|---|---|---|---|---|")
            for naam in ("iir_demo", "fir_demo"):
                pagina = PAGINAS / f"{naam}.html"
                grootte = pagina.stat().st_size
                te_groot |= grootte > GRENS
                eigen = driver.current_window_handle
                laadtijd = laad(driver, pagina.as_uri())
                breedte, hoogte = driver.execute_script(
                    "const c = document.querySelector('canvas'); return [c.width, c.height]")
                kleinste = pathlib.Path(map_) / "kleinste.html"
                kleinste.write_text(KLEINSTE.format(b=breedte, h=hoogte), encoding="utf-8")
                driver.switch_to.new_window("window")
                ander = driver.current_window_handle
                laad(driver, kleinste.as_uri())

                tijden, minst = [], []
                for _ in range(RONDES):
                    klik_tijden(driver, eigen, runs // RONDES, tijden)
                    klik_tijden(driver, ander, runs // RONDES, minst)
                driver.close()
                driver.switch_to.window(eigen)
                verhoudingen = [mediaan(tijden, i) / mediaan(minst, i) for i in (1, 2)]
                te_traag |= max(verhoudingen) > VERHOUDING
                print(f"| {naam}.html | {grootte / 1024:.1f} KB | {laadtijd:.0f} ms "
                      f"| {drie(tijden)} | {drie(minst)} "
                      f"| {verhoudingen[0]:.2f}, {verhoudingen[1]:.2f} | ({breedte}x{hoogte})")
    finally:
        driver.quit()
    if te_traag:
        print(f"a page takes more than {VERHOUDING} times the least page's time")
    if te_groot:
        print(f"a page is larger than {GRENS // 1024} KB")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
