# The readout on a phone (390x844 CSS px at ratio 3, touch): every tap over
# the panel reads the sample whose bars' centre is nearest, by the panel's
# geometry worked out here from its width (128 pairs of bars, W = width // 128
# device px a sample, the output bar 2 px right of the input bar, so a pair
# spans nW .. nW + W + 1); the mark stands on that pair; the step buttons, at
# least 44 CSS px, move by one; a resize keeps the reading and its mark.
# SPDX-License-Identifier: MIT
import io
import re

from PIL import Image
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

TELEFOON = {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True}
WACHT = 20

# The panel's geometry: its box in CSS px, its size in device px, the ratio.
PANEEL = """
const c = document.getElementById("grafiek"), r = c.getBoundingClientRect();
return [r.left, r.top, r.width, r.height, c.width, c.height, devicePixelRatio];
"""


def merk(d):
    """The mark: the mean column of the black pixels in the panel's bottom
    row as the screen shows it, in device px; None without one."""
    links, boven, _, _, breedte, hoogte, verhouding = d.execute_script(PANEEL)
    scherm = Image.open(io.BytesIO(d.get_screenshot_as_png())).convert("RGB")
    x0, y = round(links * verhouding), round(boven * verhouding) + hoogte - 1
    zwart = [x for x in range(breedte) if scherm.getpixel((x0 + x, y)) == (0, 0, 0)]
    return sum(zwart) / len(zwart) if zwart else None


def emuleer(d, metrics):
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
    d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})


def tik(d, x, y):
    """A tap at CSS (x, y); waits until the page has had its click."""
    voor = d.execute_script("return window.tikken || 0")
    d.execute_cdp_cmd("Input.dispatchTouchEvent",
                      {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
    d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
    WebDriverWait(d, WACHT).until(lambda _: d.execute_script("return window.tikken || 0") > voor)


def gelezen(d):
    m = re.match(r"n = (\d+):", d.find_element(By.ID, "aflezing").text)
    return int(m[1]) if m else None


def dichtstbij(x_apparaat, breedte):
    """The samples whose pair's centre is nearest (two on a tie)."""
    w = breedte // 128
    afstand = [abs(x_apparaat - (n * w + (w + 2) / 2)) for n in range(128)]
    return {n for n in range(128) if abs(afstand[n] - min(afstand)) < 1e-9}


def merk_op(d, n):
    """The mark's middle lies on sample n's pair of bars, once painted."""
    w = d.execute_script(PANEEL)[4] // 128
    try:
        return WebDriverWait(d, WACHT).until(
            lambda _: (midden := merk(d)) is not None and n * w <= midden <= n * w + w + 1)
    except TimeoutException:
        return False


def telefoon_aflezing(p):
    d = p.d
    emuleer(d, TELEFOON)
    d.refresh()
    WebDriverWait(d, WACHT).until(lambda _: d.execute_script(
        "return !document.getElementById('teken').disabled && innerWidth === 390"))
    schaal = d.execute_script("return [innerWidth, innerHeight, devicePixelRatio]")
    if schaal != [390, 844, 3]:
        return f"emulation gives {schaal}"
    d.execute_script("document.addEventListener('click', () => { window.tikken = (window.tikken"
                     " || 0) + 1; }, true)")
    p.klik("Teken")
    links, boven, b, h, breedte, *_ = d.execute_script(PANEEL)
    fout = []
    for x in range(int(links) + 1, int(links + b)):
        tik(d, x, boven + h / 2)
        if gelezen(d) not in dichtstbij((x - links) * breedte / b, breedte):
            fout.append((x, gelezen(d)))
    if fout:
        return f"{len(fout)} taps read another bar than the nearest: {fout[:5]}"
    tik(d, int(links + b / 2), boven + h / 2)
    n = gelezen(d)
    if not merk_op(d, n):
        return f"no mark on sample {n}"
    for knop, stap in (("stapVooruit", 1), ("stapTerug", -1), ("stapTerug", -1)):
        vak = d.execute_script("const r = document.getElementById(arguments[0])"
                               ".getBoundingClientRect(); return [r.x, r.y, r.width, r.height]", knop)
        if min(vak[2:]) < 44:
            return f"{knop} is {vak[2]:.0f}x{vak[3]:.0f} CSS px"
        tik(d, vak[0] + vak[2] / 2, vak[1] + vak[3] / 2)
        if gelezen(d) != n + stap:
            return f"{knop} read {gelezen(d)} after {n}"
        n += stap
    emuleer(d, {**TELEFOON, "width": 844, "height": 390})
    WebDriverWait(d, WACHT).until(lambda _: d.execute_script(PANEEL)[4] != breedte)
    if gelezen(d) != n or not merk_op(d, n):
        return f"after a resize: reading {gelezen(d)}, mark not on {n}"
    p.klik("Stop")
    try:
        WebDriverWait(d, WACHT).until(lambda _: merk(d) is None and gelezen(d) is None)
    except TimeoutException:
        return "a mark or reading after Stop"
    return None
