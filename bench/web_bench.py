#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What a student feels of the browser pages, against a least page, in headless Chromium.

For each page and window (a 1366x768 laptop at ratio 1, a 390x844 phone at
ratio 3) and each CPU throttle (1, 4 and 6 times slower, as a cheap phone):
- first paint (first-contentful-paint) and first usable "Teken" (the page's
  mark "bruikbaar": the module ready) from navigation start, over LADINGEN
  fresh loads;
- a click on "Teken" on a settled page (two frames after the one before) to
  the first and the second animation frame, its handler, and the panel
  painted (the page paints it in a worker, which marks when it is done),
  median of RUNS clicks. The first frame waits for the display's next tick;
  the second shows the work.
The least page is one button and a 512x500 canvas that fills 256 rectangles
on a click (as wide as the screen at most). The page and the least page take
turns in one browser, so that both see the same machine.

A measurement, not a test: build first with scripts/web.sh --bouw.

usage: bench/web_bench.py [RUNS [LADINGEN [MAP]]]
       (from the source tree; default 20 clicks, 7 loads, the pages in build/web)
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
VENSTERS = [("1366x768", 1366, 768, 1, False), ("390x844 at 3", 390, 844, 3, True)]
VERTRAGINGEN = [1, 4, 6]
RONDES = 4  # turns of the two pages for the clicks

KLEINSTE = """<!DOCTYPE html><html lang="nl"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<link rel="icon" href="data:,"><title>kleinste</title></head><body>
<button type="button" id="teken">Teken</button>
<canvas width="512" height="500" style="display: block; max-width: 100%"></canvas>
<script>
const canvas = document.querySelector("canvas");
const context = canvas.getContext("2d", { alpha: false });
document.querySelector("button").addEventListener("click", () => {
  context.fillStyle = "#fffbdf";
  context.fillRect(0, 0, 512, 500);
  for (let i = 0; i < 256; ++i) {
    context.fillStyle = i % 2 ? "#ff0000" : "#0000ff";
    context.fillRect(2 * i, 250 - (i % 50), 2, 2 * (i % 50) + 1);
  }
});
performance.mark("bruikbaar");
</script></body></html>
"""

# Milliseconds from the click to the end of its handler, to the next
# animation frame and to the one after, and to the panel painted (the
# page's mark "paneel", which a worker may set after the frames; the end of
# the handler on a page without it); the click two frames after the last.
KLIK = """
const [knop, klaar] = arguments;
const markeertPaneel = performance.getEntriesByName("paneel").length > 0;
const klik = () => {
  const begin = performance.now();
  knop.click();
  const werk = performance.now() - begin;
  requestAnimationFrame(() => {
    const eerste = performance.now() - begin;
    requestAnimationFrame(() => {
      const tweede = performance.now() - begin;
      const wachtOpPaneel = () => {
        const mark = performance.getEntriesByName("paneel").find((m) => m.startTime >= begin);
        if (mark || !markeertPaneel || performance.now() - begin > 5000) {
          klaar([eerste, tweede, werk, mark ? mark.startTime - begin : werk]);
        } else {
          requestAnimationFrame(wachtOpPaneel);
        }
      };
      wachtOpPaneel();
    });
  });
};
requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(klik)));
"""

# First paint and the mark "bruikbaar", from navigation start, once both are there.
GELADEN = """
const verf = performance.getEntriesByName("first-contentful-paint")[0];
const klaar = performance.getEntriesByName("bruikbaar")[0];
return verf && klaar ? [verf.startTime, klaar.startTime] : null;
"""


def start_chromium(schaal):
    opties = webdriver.ChromeOptions()
    opties.binary_location = "/usr/bin/chromium"
    for optie in ("--headless=new", "--no-sandbox", "--window-size=1366,900",
                  f"--force-device-scale-factor={schaal}"):
        opties.add_argument(optie)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=opties)


def emuleer(driver, breedte, hoogte, schaal, mobiel, vertraging):
    """The exact viewport and the CPU throttle, in the current tab."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": breedte, "height": hoogte, "deviceScaleFactor": schaal, "mobile": mobiel})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": mobiel})
    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": vertraging})


def controleer(driver, breedte, hoogte, schaal, *_):
    """The viewport of the loaded page, as asked for (a page without a
    viewport tag would be laid out wider on an emulated phone)."""
    gemeten = driver.execute_script("return [innerWidth, innerHeight, devicePixelRatio]")
    if gemeten != [breedte, hoogte, schaal]:
        raise RuntimeError(f"viewport {gemeten}, not {breedte}x{hoogte} at {schaal}")


def laad(driver, url):
    """Loads the page afresh; its first paint and first usable Teken in ms."""
    driver.get("about:blank")
    driver.get(url)
    return WebDriverWait(driver, 60).until(lambda d: d.execute_script(GELADEN))


def klik_tijden(driver, aantal, tijden):
    """Clicks "Teken" `aantal` times, each time once more untimed as "Stop"
    is pressed (on the least page it draws again); adds (to the first frame,
    to the second, handler) to `tijden`."""
    for _ in range(aantal):
        knop = driver.find_element(By.ID, "teken")
        tijden.append(driver.execute_async_script(KLIK, knop))
        knop.click()


def mediaan(tijden, welke):
    return statistics.median(t[welke] for t in tijden)


def meet(driver, tabbladen, urls, venster, vertraging, runs, ladingen):
    """Loads and clicks, the page and the least page taking turns."""
    laden = {naam: [] for naam in tabbladen}
    kliks = {naam: [] for naam in tabbladen}
    for naam, tab in tabbladen.items():
        driver.switch_to.window(tab)
        emuleer(driver, *venster[1:], vertraging)
    for _ in range(ladingen):
        for naam, tab in tabbladen.items():
            driver.switch_to.window(tab)
            laden[naam].append(laad(driver, urls[naam]))
            controleer(driver, *venster[1:])
    for _ in range(RONDES):
        for naam, tab in tabbladen.items():
            driver.switch_to.window(tab)
            klik_tijden(driver, -(-runs // RONDES), kliks[naam])
    return laden, kliks


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 20
    ladingen = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    global PAGINAS
    PAGINAS = pathlib.Path(sys.argv[3]) if len(sys.argv) > 3 else PAGINAS
    te_groot = [p for p in ("iir_demo", "fir_demo")
                if (PAGINAS / f"{p}.html").stat().st_size > GRENS]
    te_traag = []
    print("| page, window, CPU | first paint, ms | first usable Teken, ms "
          "| click to 1st / 2nd frame (handler; panel painted), ms "
          "| least page: 1st / 2nd frame, ms | 2nd frame ratio |")
    print("|---|---|---|---|---|---|")
    with tempfile.TemporaryDirectory() as map_:
        kleinste = pathlib.Path(map_) / "kleinste.html"
        kleinste.write_text(KLEINSTE, encoding="utf-8")
        for venster in VENSTERS:
            driver = start_chromium(venster[3])
            try:
                for pagina in ("iir_demo", "fir_demo"):
                    urls = {pagina: (PAGINAS / f"{pagina}.html").as_uri(),
                            "kleinste": kleinste.as_uri()}
                    tabbladen = {pagina: driver.current_window_handle}
                    driver.switch_to.new_window("tab")
                    tabbladen["kleinste"] = driver.current_window_handle
                    for vertraging in VERTRAGINGEN:
                        laden, kliks = meet(driver, tabbladen, urls, venster, vertraging, runs,
                                            ladingen)
                        eigen, minst = kliks[pagina], kliks["kleinste"]
                        verf = [statistics.median(t[0] for t in laden[n]) for n in urls]
                        bruikbaar = statistics.median(t[1] for t in laden[pagina])
                        verhouding = mediaan(eigen, 1) / mediaan(minst, 1)
                        if vertraging >= 4 and verhouding > VERHOUDING:
                            te_traag.append(f"{pagina} {venster[0]} x{vertraging}")
                        print(f"| {pagina}, {venster[0]}, x{vertraging} "
                              f"| {verf[0]:.0f} (least {verf[1]:.0f}) | {bruikbaar:.0f} "
                              f"| {mediaan(eigen, 0):.1f} / {mediaan(eigen, 1):.1f} "
                              f"({mediaan(eigen, 2):.1f}; {mediaan(eigen, 3):.1f}) "
                              f"| {mediaan(minst, 0):.1f} / {mediaan(minst, 1):.1f} "
                              f"| {verhouding:.2f} |", flush=True)
                    driver.switch_to.window(tabbladen["kleinste"])
                    driver.close()
                    driver.switch_to.window(tabbladen[pagina])
            finally:
                driver.quit()
    for pagina in ("iir_demo", "fir_demo"):
        print(f"{pagina}.html: {(PAGINAS / f'{pagina}.html').stat().st_size / 1024:.1f} KB")
    if te_traag:
        print(f"more than {VERHOUDING} times the least page's second frame: {', '.join(te_traag)}")
    if te_groot:
        print(f"larger than {GRENS // 1024} KB: {', '.join(te_groot)}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
