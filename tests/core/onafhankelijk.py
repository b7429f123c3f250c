#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""filtercyclus's CSV, WAV, exact column, response phase, spectra and roots against an
independent computation: the filters' definitions rebuilt here from the
coefficient tables in the sources, in Python's own doubles and numpy.

usage: onafhankelijk.py SOURCE_DIR FILTERCYCLUS
"""
import csv
import math
import re
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

import numpy as np
from referentie import coefficienten, iir_stadia, signaal

BRON, TOOL = Path(sys.argv[1]), sys.argv[2]
FOUTEN = []


def controleer(goed, wat):
    if not goed:
        FOUTEN.append(wat)


FIR_TAPS, TELLER, NOEMER = coefficienten(BRON)
FREQ = {"DC": 0.0, "0,05*PI": 0.05, "0,1*PI": 0.1, "0,2*PI": 0.2, "0,4*PI": 0.4,
        "0,6*PI": 0.6, "0,8*PI": 0.8, "0,9*PI": 0.9}


def fir(x):
    som = np.convolve(np.array(x, dtype=np.int64), np.array(FIR_TAPS, dtype=np.int64))[:len(x)]
    return list(np.clip(som >> 15, -32768, 32767))


def iir(x):
    return [stadia[-1][2] for stadia in iir_stadia(x, TELLER, NOEMER)]


def half(v):
    h = math.floor(abs(v) / 2 + 0.5)
    return max(-32768, min(32767, h if v >= 0 else -h))


def draai(*argumenten):
    return subprocess.run([TOOL, *argumenten], capture_output=True)


def csv_van(*argumenten):
    r = draai(*argumenten)
    controleer(r.returncode == 0 and r.stderr == b"", f"{argumenten}: {r.returncode} {r.stderr!r}")
    return list(csv.reader(r.stdout.decode().splitlines()))


# One table: every signal at two frequencies for both programs (2 s at 8000
# samples per second), another rate and duration, and the usage errors with
# what their one line must name (status 2, nothing on stdout).
WAV = [(p, s, f, a, None, None)
       for p, a in (("iir", 8192), ("fir", 20000))
       for s in ("cosinus", "blokgolf", "impulsfunktie", "stapfunktie")
       for f in ("0,1*PI", "0,9*PI")]
WAV += [("fir", "blokgolf", "0,05*PI", 32768, "0.1", "11025"),
        ("iir", "stapfunktie", "0,1*PI", 32768, "0,25", "48000")]
FOUT = [(["--programma", "iir", "--wav", "-", *extra], genoemd) for extra, genoemd in (
        (["--duur", "0,09"], "0,09"), (["--duur", "60,000001"], "60,000001"),
        (["--duur", ",5"], ",5"), (["--duur", "1e1"], "1e1"), (["--duur", "0,1234567"], "0,1234567"),
        (["--bemonstering", "7999"], "7999"), (["--bemonstering", "48001"], "48001"),
        (["--bemonstering", "8000.5"], "8000.5"), (["--respons"], "--respons"),
        (["--exact"], "--exact"), (["--png", "-"], "stdout"))]
FOUT += [([], "--programma"), (["--programma", "iir", "--signaal", "zaagtand"], "zaagtand"),
         (["--programma", "iir", "--png", ""], "--png"),
         (["--programma", "iir", "--polen", "--signaal", "blokgolf"], "--polen"),
         (["--programma", "fir", "--spectrum", "--respons"], "--spectrum")]
# 0,1 s at 11025/s: 1102,5 -> 1103 samples, silence 5512,5 -> 5513; 7719 in all.
KOP_11025 = bytes.fromhex("52494646 723C0000 57415645 666D7420 10000000 0100 0100"
                          "112B0000 22560000 0200 1000 64617461 4E3C0000")

with tempfile.TemporaryDirectory() as map_:
    for programma, soort, freq, a, duur, rate in WAV:
        pad = Path(map_) / "t.wav"
        extra = (["--duur", duur] if duur else []) + (["--bemonstering", rate] if rate else [])
        r = draai("--programma", programma, "--signaal", soort, "--frequentie", freq,
                  "--amplitude", str(a), "--wav", str(pad), *extra)
        geval = f"{programma} {soort} {freq} {duur} {rate}"
        if r.returncode != 0:
            controleer(False, f"{geval}: status {r.returncode} {r.stderr!r}")
            continue
        fs = int(rate or 8000)
        duur_us = round(float((duur or "2").replace(",", ".")) * 1e6)
        lengte = (duur_us * fs + 500000) // 1000000
        omega = float(np.float32(FREQ[freq] * math.pi))
        x = signaal(soort, a, omega, lengte, programma == "fir")
        y = fir(x) if programma == "fir" else iir(x)
        verwacht = [half(v) for v in x] + [0] * ((fs + 1) // 2) + [half(v) for v in y]
        data = pad.read_bytes()
        kop = struct.unpack("<4sI4s4sIHHIIHH4sI", data[:44])
        controleer(kop == (b"RIFF", 36 + 2 * len(verwacht), b"WAVE", b"fmt ", 16, 1, 1, fs,
                           2 * fs, 2, 16, b"data", 2 * len(verwacht)), f"{geval}: header {kop}")
        if rate == "11025":
            controleer(data[:44] == KOP_11025, f"{geval}: header bytes {data[:44].hex()}")
        monsters = list(struct.unpack(f"<{(len(data) - 44) // 2}h", data[44:]))
        controleer(monsters == verwacht, f"{geval}: samples differ, first at " + str(next(
            (i for i, (m, v) in enumerate(zip(monsters, verwacht)) if m != v), len(verwacht))))
    for argumenten, genoemd in FOUT:
        r = draai(*argumenten)
        regels = r.stderr.decode().splitlines()
        controleer(r.returncode == 2 and len(regels) == 1 and genoemd in regels[0]
                   and r.stdout == b"", f"usage error {argumenten}: {r.returncode} {r.stderr!r}")

# --exact: the taps in real numbers applied to the generator's unrounded
# signal (A*cos(n*omega), +-A, A); every signal at two frequencies.
for soort in ("cosinus", "blokgolf", "impulsfunktie", "stapfunktie"):
    for freq, a in (("0,05*PI", 32768), ("0,9*PI", 20000)):
        rijen = csv_van("--programma", "fir", "--signaal", soort, "--frequentie", freq,
                        "--amplitude", str(a), "--exact")
        controleer(rijen[0] == ["n", "signaal", "gefilterd", "exact"], f"exact header {rijen[0]}")
        s = signaal(soort, a, float(np.float32(FREQ[freq] * math.pi)), 128, False)
        exact = np.convolve(s, np.array(FIR_TAPS) / 32768)[:128]
        controleer(np.allclose([float(rij[3]) for rij in rijen[1:]], exact, rtol=0, atol=1e-8),
                   f"exact column of {soort} {freq}")

# The cycle as CSV, every signal at every frequency for both programs at the
# start amplitude and two others, against the filters computed here: FIR in
# exact integers, IIR in the same operations in the same order, so equal to
# the last bit. Without options a program runs cosinus at 0,1*PI and its
# start amplitude.
START = {"iir": 8192, "fir": 20000}
CSV = [(p, s, f, a) for p, anders in (("iir", (32768, 0)), ("fir", (32768, 1)))
       for a in (START[p], *anders)
       for s in ("cosinus", "blokgolf", "impulsfunktie", "stapfunktie") for f in FREQ]


def cyclus_klopt(rijen, programma, soort, freq, a):
    x = signaal(soort, a, float(np.float32(FREQ[freq] * math.pi)), 128, programma == "fir")
    y = fir(x) if programma == "fir" else iir(x)
    geheel = programma == "fir"  # integers as they are; doubles as they read back
    verwacht = [[str(n), *(str(int(v)) if geheel else v for v in (x[n], y[n]))] for n in range(128)]
    gelezen = [[rij[0], *(v if geheel else float(v) for v in rij[1:])] for rij in rijen[1:]]
    return rijen[0] == ["n", "signaal", "gefilterd"] and gelezen == verwacht


for programma, soort, freq, a in CSV:
    rijen = csv_van("--programma", programma, "--signaal", soort, "--frequentie", freq,
                    "--amplitude", str(a))
    controleer(cyclus_klopt(rijen, programma, soort, freq, a), f"CSV {programma} {soort} {freq} {a}")
for programma, a in START.items():
    controleer(cyclus_klopt(csv_van("--programma", programma), programma, "cosinus", "0,1*PI", a),
               f"CSV {programma} without options")

# Phase against numpy's unwrap on a grid of 2^16 steps, group delay against
# a numerical derivative of it; FIR: 30 samples where the gain is not negligible.
rooster = np.linspace(0, np.pi, 2**16 + 1)
z = np.exp(-1j * rooster)
h_fir = np.polyval(np.array(FIR_TAPS[::-1], dtype=float), z) / 32768
h_iir = TELLER[0][0] * np.prod([np.polyval(TELLER[s][::-1], z) / np.polyval(NOEMER[s][::-1], z)
                                for s in range(1, 8)], axis=0)
for programma, h in (("fir", h_fir), ("iir", h_iir)):
    fase = np.unwrap(np.angle(h))
    looptijd = -np.gradient(fase, rooster)
    rijen = csv_van("--programma", programma, "--respons", "--punten", "257")
    controleer(rijen[0][4:] == ["fase", "groepslooptijd"], f"{programma} response header {rijen[0]}")
    for rij in rijen[1:]:
        i = round(float(rij[1]) / np.pi * 2**16)
        if abs(h[i]) > 1e-3:  # elsewhere a zero's phase step lies close by
            controleer(abs(float(rij[4]) - fase[i]) < 1e-6, f"{programma} phase at {rij[0]}: {rij[4]} {fase[i]}")
            controleer(abs(float(rij[5]) - looptijd[i]) < 1e-3, f"{programma} delay at {rij[0]}: {rij[5]} {looptijd[i]}")
            if programma == "fir":
                controleer(float(rij[5]) == 30.0, f"fir delay at {rij[0]}: {rij[5]}")
iir_01 = csv_van("--programma", "iir", "--respons")[3]
# 2.6312: the derivative of numpy's unwrapped phase at 0.1*pi, as above.
controleer(iir_01[0] == "0,1*PI" and abs(float(iir_01[5]) - 2.6312) < 1e-4, f"iir delay {iir_01}")

# --spectrum against numpy's FFT of the cycle computed here, every signal at
# an off-bin and a high frequency for both programs; scaled 2/128 but 1/128
# at DC and Nyquist.
schaal = np.r_[1, np.full(63, 2), 1] / 128
for programma in ("iir", "fir"):
    for soort in ("cosinus", "blokgolf", "impulsfunktie", "stapfunktie"):
        for freq in ("0,05*PI", "0,9*PI"):
            x = signaal(soort, START[programma], float(np.float32(FREQ[freq] * math.pi)), 128,
                        programma == "fir")
            y = fir(x) if programma == "fir" else iir(x)
            rijen = csv_van("--programma", programma, "--signaal", soort, "--frequentie", freq,
                            "--spectrum")
            waarden = np.array([[float(v) for v in rij] for rij in rijen[1:]])
            verwacht = np.c_[np.arange(65), 2 * np.pi * np.arange(65) / 128,
                             np.abs(np.fft.rfft(x)) * schaal, np.abs(np.fft.rfft(np.array(y, float))) * schaal]
            controleer(rijen[0] == ["k", "omega", "invoer", "uitvoer"] and waarden.shape == (65, 4)
                       and np.allclose(waarden, verwacht, rtol=1e-9, atol=1e-7),
                       f"spectrum {programma} {soort} {freq}")

# The spectrum plot's scale reaches from -100 dB to the next 10 dB step above
# its largest line, or to 0 dB: its first dB value (text-anchor="end") is the
# top. A square wave's fundamental is 4/pi of its amplitude (+1,6 dB on bin 3
# at 0,05*PI and full scale); the others stay at or below 0 dB.
for programma, soort, freq, a in [("iir", "blokgolf", "0,05*PI", 32768),
                                  ("fir", "blokgolf", "0,05*PI", 32768),
                                  ("iir", "blokgolf", "0,4*PI", 32768),
                                  ("iir", "cosinus", "0,1*PI", 32768),
                                  ("fir", "stapfunktie", "DC", 32767),
                                  ("iir", "impulsfunktie", "DC", 8192)]:
    x = signaal(soort, a, float(np.float32(FREQ[freq] * math.pi)), 128, programma == "fir")
    y = fir(x) if programma == "fir" else iir(x)
    grootste = max(np.max(np.abs(np.fft.rfft(np.array(v, float))) * schaal) for v in (x, y))
    boven = max(0, 10 * math.ceil(20 * math.log10(grootste / 32768) / 10))
    svg = draai("--programma", programma, "--signaal", soort, "--frequentie", freq,
                "--amplitude", str(a), "--spectrum", "--svg", "-").stdout.decode()
    eerste = re.search(r'text-anchor="end"[^>]*>([^<]*)<', svg)
    controleer(eerste is not None and eerste.group(1) == str(boven),
               f"spectrum scale {programma} {soort} {freq} {a}: {eerste and eerste.group(1)}, "
               f"expected {boven}")


def als_verzameling(gevonden, verwacht):
    """Each expected root matched to its own found root within 1e-6 relative."""
    over = list(gevonden)
    for e in verwacht:
        i = int(np.argmin([abs(g - e) for g in over])) if over else None
        if i is None or abs(over[i] - e) > 1e-6 * max(abs(e), 1):
            return False
        over.pop(i)
    return not over


# --polen against numpy.roots: the IIR per section (b, and a with a0 = 1),
# the FIR from its taps with 60 poles at the origin.
lengte = lambda s: 3 if s < 7 else 2
WORTELS = {"iir": ([r for s in range(1, 8) for r in np.roots(TELLER[s][:lengte(s)])],
                   [r for s in range(1, 8) for r in np.roots(np.r_[1, NOEMER[s][1:lengte(s)]])]),
           "fir": (list(np.roots(FIR_TAPS)), [0j] * 60)}
for programma, (nullen, polen) in WORTELS.items():
    rijen = csv_van("--programma", programma, "--polen")
    wortels = {soort: [complex(float(r[1]), float(r[2])) for r in rijen[1:] if r[0] == soort]
               for soort in ("nul", "pool")}
    controleer(rijen[0] == ["soort", "re", "im"] and len(rijen) == 1 + 2 * len(nullen)
               and als_verzameling(wortels["nul"], nullen) and als_verzameling(wortels["pool"], polen),
               f"{programma} zeros and poles")

# The plots: SVG that rsvg-convert renders at its size and PNG of that size,
# with one marker a point: 65 heads a series in the spectrum (a circle each
# in its series' path), a ring per zero and two strokes per pole (the FIR's 60
# at the origin one cross, "60" beside it).
KOP = r'M[\d.]+ [\d.]+a(?=[^<]*fill="{}")'
GRAFIEKEN = [(["--programma", "fir", "--signaal", "blokgolf", "--spectrum"], "960x600",
              {KOP.format("#6495ed"): 65, KOP.format("#a52a2a"): 65}),
             (["--programma", "iir", "--polen"], "600x600",
              {'<circle [^>]*stroke="#1f5fbf"': 13, '<line [^>]*stroke="#222222"': 26}),
             (["--programma", "fir", "--polen", "--frequentie", "0,4*PI"], "500x400",
              {'<circle [^>]*stroke="#1f5fbf"': 60, '<line [^>]*stroke="#222222"': 2,
               '>60</text>': 1})]
met_png = b"SVG only" not in draai("--help").stdout  # a build without cairo
with tempfile.TemporaryDirectory() as map_:
    for argumenten, grootte, merken in GRAFIEKEN:
        svg, png = Path(map_) / "g.svg", Path(map_) / "g.png"
        extra = [] if grootte in ("960x600", "600x600") else ["--grootte", grootte]
        r = draai(*argumenten, "--svg", str(svg), *(["--png", str(png)] if met_png else []), *extra)
        tekst = svg.read_text() if r.returncode == 0 else ""
        geteld = {m: len(re.findall(m, tekst)) for m in merken}
        b, h = (int(v) for v in grootte.split("x"))
        beeld = subprocess.run(["rsvg-convert", str(svg)], capture_output=True).stdout
        controleer(r.returncode == 0 and geteld == merken
                   and beeld[16:24] == struct.pack(">II", b, h)
                   and (not met_png or png.read_bytes()[16:24] == struct.pack(">II", b, h)),
                   f"plot {argumenten}: {r.returncode} {r.stderr!r} {geteld}")

print("\n".join(FOUTEN) or f"{len(WAV)} WAVs, {len(CSV)} CSVs, {len(FOUT)} usage errors, exact, phase, "
      "spectra, roots, plots: all equal")
sys.exit(1 if FOUTEN else 0)
