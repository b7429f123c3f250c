#!/usr/bin/python3
"""Sizes and speed of the browser pages, in one headless Chromium run.

For each page: its size, its load time (navigation to the load event), and
the time from a click on "Teken" to the next animation frame, beside the same
time for a least page (a button and a canvas of the same size whose click
handler fills the canvas and draws one line). Medians of RUNS clicks.
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

# Milliseconds from the click to the end of its handler, and to the next
# animation frame.
KLIK = """
const [knop, klaar] = arguments;
const begin = performance.now();
knop.click();
const werk = performance.now() - begin;
requestAnimationFrame(() => klaar([werk, performance.now() - begin]));
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


def klik_tijden(driver, venster, aantal, tijden, terug=False):
    """Clicks the page's first button `aantal` times, the untimed "Stop"
    (`terug`) between; adds (work, to frame) to `tijden`."""
    driver.switch_to.window(venster)
    for _ in range(aantal):
        tijden.append(driver.execute_async_script(KLIK, driver.find_element(By.TAG_NAME, "button")))
        if terug:
            driver.find_element(By.TAG_NAME, "button").click()


def mediaan(tijden, welke):
    return statistics.median(t[welke] for t in tijden)


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 50
    driver = start_chromium()
    te_groot = False
    try:
        with tempfile.TemporaryDirectory() as map_:
            print("| page | size | load | work / to frame | least page: work / to frame | ratio |")
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
                    klik_tijden(driver, eigen, runs // RONDES, tijden, terug=True)
                    klik_tijden(driver, ander, runs // RONDES, minst)
                driver.close()
                driver.switch_to.window(eigen)
                print(f"| {naam}.html | {grootte / 1024:.1f} KB | {laadtijd:.0f} ms "
                      f"| {mediaan(tijden, 0):.2f} / {mediaan(tijden, 1):.2f} ms "
                      f"| {mediaan(minst, 0):.2f} / {mediaan(minst, 1):.2f} ms "
                      f"| {mediaan(tijden, 1) / mediaan(minst, 1):.2f} | ({breedte}x{hoogte})")
    finally:
        driver.quit()
    if te_groot:
        print(f"a page is larger than {GRENS // 1024} KB")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
