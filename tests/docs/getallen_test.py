#!/usr/bin/python3
# Every number the guide gives that filtercyclus or the page can give, recomputed.
# SPDX-License-Identifier: MIT
"""Every number of docs/handleiding.md (both editions come from it) that the
programs can give, recomputed from filtercyclus's output and the
coefficients (numpy), so that no number drifts from the programs.

How a claim is found: each entry that claims() returns is a name and the
claim's own words with its numbers put in from the recomputation (Dutch decimal comma, the minus sign
U+2212); the test asks that exactly those words stand in the guide (white
space and Markdown's escapes ignored). A wrong number, or a claim reworded
without this table, fails by name.

The deviation lines follow what the engine did: an output whose shifted sum
fell outside −32768..32767 was cut off and counts as "Verzadigd"; every
other output counts in the largest and the mean deviation.

Not reached (no program gives them, or they are arithmetic shown in the
text beside numbers that are checked): the dB table of the decibel section
(definitions), the frequencies in Hz (8000 samples per second times Ω/2π),
the periods 2π/Ω, the aliasing of 2,7π, 4,5π, 6,3π and 8,1π, the panel of
888 × 500 pixels with its 6 pixels per sample and E = 131 and 88 for 500 and
743 pixels in "Het venster", the products written out in the text
(20000 × 18017/32768, 20000 × 32775/32768 = 20004,27, 32767 × 32775/32768,
32773 − 65536), the factor 0,0051 and "een factor 200" for −45,9 dB, the
height of the bar of −1770 (13 pixels at E = 131), the counts of
presses of Teken and the times of the plan.

usage: getallen_test.py FILTERCYCLUS HANDLEIDING.md
"""

import csv
import io
import re
import subprocess
import sys

import numpy as np

FILTERCYCLUS = sys.argv[1]
Q15 = 32768


def tool(*opties):
    uit = subprocess.run([FILTERCYCLUS, *opties], check=True, capture_output=True, text=True)
    return list(csv.DictReader(io.StringIO(uit.stdout)))


def cyclus(programma, signaal, amplitude, frequentie="0,1*PI"):
    rijen = tool("--programma", programma, "--signaal", signaal, "--amplitude", str(amplitude),
                 "--frequentie", frequentie)
    return (np.array([float(r["signaal"]) for r in rijen]),
            np.array([float(r["gefilterd"]) for r in rijen]))


def nl(x, decimalen=0):
    """A number as the guide writes it: decimal comma, the minus sign U+2212."""
    tekst = f"{x:.{decimalen}f}".replace(".", ",")
    return tekst.replace("-", "−") if float(x) < 0 and tekst.strip("-0,") else tekst.lstrip("-")


H = np.array([int(r["h"]) for r in tool("--programma", "fir", "--coefficienten")])
IIR = np.array([[float(r[k]) for k in ("b0", "b1", "b2", "a1", "a2")]
                for r in tool("--programma", "iir", "--coefficienten")])


def signaal_exact(signaal, amplitude, omega):
    """The generator's signal before it becomes 16-bit samples."""
    n = np.arange(128)
    if signaal == "cosinus":
        return amplitude * np.cos(omega * n)
    if signaal == "blokgolf":
        return np.where(np.cos(omega * n) > 0, amplitude, -amplitude)
    if signaal == "impulsfunktie":
        return np.where(n == 32, amplitude, 0)
    return np.where(n >= 32, amplitude, 0)


def afwijking(signaal, amplitude, frequentie="0,1*PI"):
    """fir_demo's three lines: the largest and mean deviation from the exact
    value, and the outputs whose shifted sum the engine cut off."""
    x, y = cyclus("fir", signaal, amplitude, frequentie)
    omega = 0.0 if frequentie == "DC" else float(frequentie.split("*")[0].replace(",", ".")) * np.pi
    exact = np.convolve(signaal_exact(signaal, amplitude, omega), H / Q15)[:128]
    som = np.convolve(x.astype(np.int64), H)[:128] // Q15
    afgekapt = (som < -32768) | (som > 32767)
    verschil = (y - exact)[~afgekapt]
    return np.abs(verschil).max(), verschil.mean(), int(afgekapt.sum()), exact


def zichtbaar(y, eenheden):
    return [n for n in range(128) if abs(y[n]) >= eenheden]


PANEELHOOGTEN = (300, 400, 500, 600, 743, 900, 1000)


def zichtbaar_rijen():
    """The table of bars with height per panel height, both impulses."""
    _, fir = cyclus("fir", "impulsfunktie", 20000)
    _, iir = cyclus("iir", "impulsfunktie", 8192)
    rijen = []
    for p in PANEELHOOGTEN:
        e = 65536 // p
        f, i = zichtbaar(fir, e), zichtbaar(iir, e)
        rijen.append(f"| {p} | {e} | {len(f)} | {f[0]}–{f[-1]} | {len(i)} | {i[0]}–{i[-1]} |")
    return rijen


def pi_hoek(z):
    return abs(np.angle(z)) / np.pi


def wortels(programma):
    rijen = tool("--programma", programma, "--polen")
    soort = lambda s: np.array([complex(float(r["re"]), float(r["im"])) for r in rijen if r["soort"] == s])
    return soort("nul"), soort("pool")


def afstand(nulpunten, omega_pi):
    return np.abs(np.exp(1j * np.pi * omega_pi) - nulpunten).min()


def respons(programma, *opties):
    return tool("--programma", programma, "--respons", *opties)


def db(programma, keuze):
    return float(next(r for r in respons(programma) if r["frequentie"] == keuze)["dB"])


def grens_3db(programma):
    rijen = respons(programma, "--punten", "100000")
    return next(float(r["omega"]) for r in rijen if float(r["dB"]) < -3.0103) / np.pi


def claims():
    c = []
    A_IIR, A_FIR = 8192, 20000
    # Readout and the cosine at 0,1π.
    x, y = cyclus("fir", "blokgolf", 12345, "0,2*PI")
    c.append(("readout example", f"n = 100: invoer {nl(x[100])}, uitvoer {nl(y[100])}"))
    x, y = cyclus("iir", "cosinus", A_IIR)
    c.append(("iir cosine start", "klein: " + ", ".join(nl(v) for v in y[:5]) + f", en in de eerste periode zakt hij tot {nl(y[:20].min())}"))
    c.append(("iir cosine peaks", f"ongeveer {nl(np.abs(y[67:]).max())}, niet 8192"))
    c.append(("iir group delay 0,1π", f"groepslooptijd bij 0,1π is {nl(float(respons('iir')[2]['groepslooptijd']), 2)} samples"))
    x, y = cyclus("fir", "cosinus", A_FIR)
    c.append(("fir cosine delay", f"y[60] = {nl(y[60])}, en x[30] = {nl(x[30])}"))
    c.append(("fir cosine after 60", f"op hooguit {nl(np.abs(y[60:] - x[30:98]).max())} eenheden na"))
    # Pass band, stop band.
    for keuze, iir, fir in [("DC", 4, 4), ("0,05*PI", 4, 4), ("0,1*PI", 4, 4), ("0,2*PI", 4, 4),
                            ("0,4*PI", 5, 4), ("0,6*PI", 1, 1), ("0,8*PI", 1, 1), ("0,9*PI", 1, 1)]:
        teken = lambda d, decimalen: ("+" if round(d, decimalen) > 0 else "") + nl(d, decimalen)
        c.append((f"gain {keuze}", f"| {keuze.replace('*PI', 'π')} | {teken(db('iir', keuze), iir)} dB | {teken(db('fir', keuze), fir)} dB |"))
    c.append(("-3 dB", f"bij {nl(grens_3db('iir'), 3)}π (IIR) en {nl(grens_3db('fir'), 3)}π (FIR)"))
    x, y = cyclus("fir", "cosinus", A_FIR, "0,6*PI")
    xi, yi = cyclus("iir", "cosinus", A_IIR, "0,6*PI")
    c.append(("0,6π start", f"tot {nl(np.abs(yi).max())} in `iir_demo` en tot {nl(np.abs(y).max())} in `fir_demo`"))
    rest = int(np.abs(y[60:]).max())
    c.append(("0,6π fir rest", f"hooguit ±{nl(rest)} over"))
    c.append(("0,6π fir rest invisible", f"maar {rest} is minder dan één pixel zolang de grafiek hooguit {max(p for p in range(1, 2000) if 65536 // p > rest)} pixels hoog is"))
    c.append(("0,6π iir rest", f"na n = 60 nog tot {nl(np.abs(yi[61:]).max())}"))
    c.append(("0,6π iir end", f"hooguit {nl(np.abs(yi[120:]).max(), 1)} over"))
    x, y = cyclus("fir", "cosinus", A_FIR, "0,4*PI")
    c.append(("0,4π readout", f"(n = 60: invoer {nl(x[60])}, uitvoer {nl(y[60])})"))
    # The square wave.
    x, y = cyclus("iir", "blokgolf", A_IIR)
    c.append(("iir square", f"tot {nl(y.max())} bij n = {y.argmax()} ({nl(y.max() / A_IIR, 2)}·A) en tot {nl(y.min())} bij n = {y.argmin()}"))
    x, y = cyclus("fir", "blokgolf", A_FIR)
    c.append(("fir square", f"tot {nl(y.max())} bij n = {y.argmax()} ({nl(y.max() / A_FIR, 2)}·A)"))
    c.append(("fir square after 60", f"tussen {nl(y[60:].min())} en {nl(y[60:].max())} ({nl(np.abs(y[60:]).max() / A_FIR, 2)}·A)"))
    # Impulse and step.
    x, y = cyclus("fir", "impulsfunktie", A_FIR)
    niet_nul = np.flatnonzero(y)
    c.append(("fir impulse extent", f"van n = {niet_nul[0]} tot en met {niet_nul[-1]}, symmetrisch rond de top bij n = {y.argmax()} ({nl(y.max())} ="))
    c.append(("first impulse outputs", f"begint de impulsresponsie met {nl(y[32])} en {nl(y[33])}"))
    impuls_som = y.sum()
    x, y = cyclus("iir", "impulsfunktie", A_IIR)
    c.append(("iir impulse top", f"top, {nl(y.max())}, al bij n = {y.argmax()}"))
    c.append(("iir impulse tail", f"na n = 100 hooguit {nl(np.abs(y[101:]).max(), 1)}, en ook bij n = 127 niet nul ({nl(y[127], 2)})"))
    c += [(f"visible bars, panel {p}", rij) for p, rij in zip(PANEELHOOGTEN, zichtbaar_rijen())]
    x, y = cyclus("iir", "stapfunktie", A_IIR)
    c.append(("iir step", f"door tot {nl(y.max())} bij n = {y.argmax()}, {nl(y.max() / A_IIR, 2)}·A"))
    c.append(("iir step end", f"bij n = 127 staat hij op {nl(y[127], 2)}"))
    x, y = cyclus("fir", "stapfunktie", A_FIR)
    c.append(("fir step", f"door tot {nl(y.max())} bij n = {y.argmax()} ({nl(y.max() / A_FIR, 2)}·A) en staat hij vanaf n = 92 stil, op {nl(y[127])}"))
    c.append(("fir impulse running sum", f"dan eindig je op {nl(impuls_som)}"))
    c.append(("coefficient sum", f"tellen op tot {H.sum()}"))
    c.append(("largest running sum", f"grootste lopende som van de coëfficiënten is {np.cumsum(H).max()}"))
    c.append(("dc gain", f"geeft {float(respons('fir')[0]['versterking'])!r})"))
    # 16 bit: the three lines under the panel.
    for amplitude in (20000, 30097, 30098, 30099, 32767):
        grootste, gemiddeld, verzadigd, exact = afwijking("stapfunktie", amplitude)
        c.append((f"lines step {amplitude}", f"| {amplitude} | {nl(exact.max(), 2)} | {nl(grootste, 2)} | {nl(gemiddeld, 2)} | {verzadigd} |"))
    c.append(("cosine mean deviation", f"gemiddelde afwijking {nl(afwijking('cosinus', 20000)[1], 2)}"))
    x, y = cyclus("fir", "stapfunktie", 32767)
    c.append(("32767 pre-ringing", f"`60,32767,{int(y[60])}`, {int(-y[60]) // 131} pixels"))
    c.append(("32767 saturated", f"{int((y[:92] == 32767).sum())} samples in de doorschot en alle {int((y[92:] == 32767).sum())} vanaf n = 92"))
    c.append(("pre-ringing sum", f"de eerste 29 coëfficiënten tellen op tot {nl(H[:29].sum())}"))
    x, y = cyclus("iir", "stapfunktie", 32768)
    c.append(("iir 32768", f"stap van 32768 door tot {nl(y.max())}"))
    # The square wave at 0,9π and the spectrum.
    x, y = cyclus("fir", "blokgolf", A_FIR, "0,9*PI")
    c.append(("fir 0,9π peaks", f"(±{nl(np.abs(y[60:]).max())} = {nl(np.abs(y[60:]).max() / A_FIR, 2)}·A in `fir_demo`)"))
    x, y = cyclus("iir", "blokgolf", A_IIR, "0,9*PI")
    c.append(("iir 0,9π peaks", f"{nl(np.abs(y[60:]).max() / A_IIR, 2)}·A (±{nl(np.abs(y[60:]).max())})"))
    def lijnen(omega):  # the sampled square wave's lines at Ω, 3Ω, ...: one period is 20 samples
        periode = np.where(np.cos(omega * np.pi * np.arange(20)) > 0, 1.0, -1.0)
        return np.abs(np.fft.fft(periode))[[1, 3, 5, 7, 9]] * 2 / 20
    lijn = lijnen(0.1)
    c.append(("square wave lines", "componenten van " + ", ".join(f"{nl(v, 2)}·A" for v in lijn[:4]) + f" en {nl(lijn[4], 2)}·A"))
    lijn = lijnen(0.9)
    c.append(("aliased lines", f"0,1π ({nl(lijn[0], 2)}·A), 0,3π ({nl(lijn[1], 2)}·A) en 0,5π ({nl(lijn[2], 2)}·A)"))
    spectrum = lambda *o: [(float(r["invoer"]), float(r["uitvoer"])) for r in tool("--programma", "fir", *o, "--spectrum")]
    s = spectrum("--signaal", "blokgolf")
    c.append(("square wave leakage", f"k = 6 en 7 ({nl(s[6][0] / A_FIR, 2)}·A en {nl(s[7][0] / A_FIR, 2)}·A)"))
    s = spectrum("--signaal", "impulsfunktie")
    c.append(("impulse spectrum", f"{nl(s[1][0], 1)}, {nl(20 * np.log10(s[1][0] / Q15), 1)} dBFS; bij k = 0 en 64 {nl(s[0][0], 2)}"))
    s = spectrum("--signaal", "cosinus", "--frequentie", "0,2*PI")
    c.append(("cosine 0,2π leakage", f"k = 13 ({nl(s[13][0])}, {nl(s[13][0] / A_FIR, 2)}·A), met {nl(s[12][0])} bij k = 12 en {nl(s[14][0])} bij k = 14"))
    # Group delays.
    r = respons("iir")
    c.append(("iir group delays", f"{nl(float(r[1]['groepslooptijd']), 2)} samples bij 0,05π, {nl(float(r[2]['groepslooptijd']), 2)} bij 0,1π, {nl(float(r[3]['groepslooptijd']), 2)} bij 0,2π en {nl(float(r[4]['groepslooptijd']), 2)} bij 0,4π"))
    r = respons("iir", "--punten", "21")
    c.append(("iir group delay harmonics", f"{nl(float(r[6]['groepslooptijd']), 2)} bij 0,3π, {nl(float(r[10]['groepslooptijd']), 1)} bij 0,5π"))
    c += wortel_claims()
    c += hand_claims()
    return c


def wortel_claims():
    c = []
    nul, pool = wortels("iir")
    op_cirkel = sorted({round(pi_hoek(z), 3) for z in nul if abs(abs(z) - 1) < 1e-9 and z.imag > 0})
    c.append(("iir zeros", "bij " + ", ".join(f"±{nl(h, 3)}π" for h in op_cirkel[:-1]) + f" en ±{nl(op_cirkel[-1], 3)}π"))
    paren = [p for p in pool if p.imag > 0]
    dichtst = max(paren, key=abs)
    c.append(("iir poles", f"bij hoeken van {nl(min(map(pi_hoek, paren)), 2)}π tot {nl(max(map(pi_hoek, paren)), 2)}π; het dichtst bij de cirkel (straal {nl(abs(dichtst), 3)}, bij ±{nl(pi_hoek(dichtst), 3)}π)"))
    c.append(("iir real pole", f"ligt bij z = {nl(min(pool, key=lambda p: abs(p.imag)).real, 3)}"))
    c.append(("iir distances", f"`iir_demo` bij 0,6π op {nl(afstand(nul, 0.6), 3)} ({nl(db('iir', '0,6*PI'), 1)} dB) en bij 0,8π op {nl(afstand(nul, 0.8), 3)} ({nl(db('iir', '0,8*PI'), 1)} dB)"))
    nul, pool = wortels("fir")
    cirkel = [z for z in nul if abs(abs(z) - 1) < 1e-3]
    binnen = [z for z in nul if abs(z) < 0.999]
    buiten = [z for z in nul if abs(z) > 1.001]
    c.append(("fir zeros", f"{len(cirkel)} nulpunten liggen op de cirkel, in de sperband tussen ±{nl(min(map(pi_hoek, cirkel)), 3)}π en ±{nl(max(map(pi_hoek, cirkel)), 3)}π"))
    c.append(("fir zero groups", f"±{nl(min(map(pi_hoek, binnen)), 3)}π tot ±{nl(max(map(pi_hoek, binnen)), 3)}π, binnen de cirkel op stralen van {nl(min(map(abs, binnen)), 4)} tot {nl(max(map(abs, binnen)), 4)} en erbuiten op hun omgekeerden, {nl(max(map(abs, buiten)), 4)} tot {nl(min(map(abs, buiten)), 4)}"))
    c.append(("fir poles", f"{len(pool)} polen, alle in de oorsprong" if np.abs(pool).max() < 1e-9 else "poles off the origin"))
    for omega in (0.6, 0.8, 0.9):
        keuze = f"{nl(omega, 1)}*PI"
        dichtst = nul[np.abs(np.exp(1j * np.pi * omega) - nul).argmin()]
        dichtbij = sum(abs(pi_hoek(z) - omega) <= 0.1 + 1e-9 for z in cirkel if z.imag > 0)
        som = 20 * np.log10(np.abs(np.exp(1j * np.pi * omega) - nul)).sum()
        if omega == 0.8:
            c.append(("fir distance 0,8π", f"bij 0,8π: het dichtstbijzijnde nulpunt bij {nl(pi_hoek(dichtst), 3)}π, afstand {nl(afstand(nul, omega), 3)}, versterking {nl(db('fir', keuze), 1)} dB"))
            continue
        c.append((f"fir distance {omega}", f"| {nl(omega, 1)}π | {nl(pi_hoek(dichtst), 3)}π | {nl(afstand(nul, omega), 3)} | {dichtbij} | {nl(db('fir', keuze), 1)} dB |"))
        c.append((f"fir distance sum {omega}", f"bij {nl(omega, 1)}π {'+' if som > 0 else ''}{nl(som, 1)} dB"))
    c.append(("fir 0,6π against 0,9π", f"versterking {nl(db('fir', '0,6*PI') - db('fir', '0,9*PI'))} dB lager"))
    c.append(("fir K", f"20·log₁₀(16/32768) = {nl(20 * np.log10(H[0] / Q15), 1)} dB"))
    return c


def hand_claims():
    """The output computed by hand (proef 9): from the coefficients alone, and
    the same output read from the cycle."""
    c = []
    x, y = cyclus("fir", "impulsfunktie", 20000)
    hand = H[0] * 20000 // Q15
    c.append(("hand fir impulse", f"⌊{H[0]} · 20000 / 32768⌋ = ⌊{nl(H[0] * 20000 / Q15, 3)}⌋ = {nl(hand)}; y[32] = {nl(y[32])}"))
    som = H[:3].sum()
    x, y = cyclus("fir", "stapfunktie", 20000)
    c.append(("hand fir step", f"h[0] + h[1] + h[2] = {nl(som)}, dus y[34] = ⌊{nl(som)} · 20000 / 32768⌋ = ⌊{nl(som * 20000 / Q15, 3)}⌋ = {nl(som * 20000 // Q15)}; y[34] = {nl(y[34])}"))
    g = IIR[0, 0]
    b0, b1, _, a1, _ = IIR[1]
    x1 = g * 8192
    w32 = x1
    w33 = -a1 * w32
    c.append(("hand iir gain", f"x₁[32] = g · 8192 = {nl(x1, 2)}"))
    c.append(("hand iir section 1", f"y₁[32] = b₀,₁ · w₁[32] = {nl(b0 * w32, 2)}"))
    c.append(("hand iir section 1 next", f"w₁[33] = −a₁,₁ · w₁[32] = {nl(w33, 2)}, y₁[33] = b₀,₁ · w₁[33] + b₁,₁ · w₁[32] = {nl(b0 * w33 + b1 * w32, 2)}"))
    x, y = cyclus("iir", "impulsfunktie", 8192)
    c.append(("hand iir output", f"y[32] = g · 8192 · b₀,₁ ⋯ b₀,₇ = {nl(8192 * np.prod(IIR[:, 0]), 2)}; de aflezing geeft {nl(y[32])}"))
    return c


def main():
    with open(sys.argv[2], encoding="utf-8") as bestand:
        tekst = " ".join(re.sub(r"\\([*#\-+])", r"\1", bestand.read()).split())
    alle = claims()
    fouten = [(naam, zin) for naam, zin in alle if " ".join(zin.split()) not in tekst]
    for naam, zin in fouten:
        print(f"not in the guide ({naam}): {zin}", file=sys.stderr)
    print(f"{len(alle) - len(fouten)} claims recomputed and found, {len(fouten)} not")
    return 1 if fouten else 0


if __name__ == "__main__":
    sys.exit(main())
