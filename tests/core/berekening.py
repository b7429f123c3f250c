#!/usr/bin/python3
# filtercyclus --berekening against an independent computation from the coefficient tables.
# SPDX-License-Identifier: MIT
"""Every n of 24 cycles per program: the FIR's terms, products and running
sums exactly (and the output by floor and saturation), the IIR's stages to
the last bit (the same operations in the same order, Python's doubles, no
fused multiply-add); and the usage errors of --berekening.

usage: berekening.py SOURCE_DIR FILTERCYCLUS
"""
import concurrent.futures
import csv
import functools
import math
import re
import subprocess
import sys
from pathlib import Path

import numpy as np

BRON, TOOL = Path(sys.argv[1]), sys.argv[2]
getallen = lambda tekst: [float(g) for g in re.findall(r"-?\d+(?:\.\d+)?", tekst)]
H = [int(g) for g in getallen(re.search(r"firCoefficienten = \{(.*?)\};",
                                        (BRON / "fir/fir.h").read_text(), re.S).group(1))]
_iir = (BRON / "iir/iir.cpp").read_text()
B, A = (np.array(getallen(re.search(naam + r"\[MaxSekties\]\[MaxSectieLengte\] = \{(.*?)\};",
                                    _iir, re.S).group(1))).reshape(8, 3).tolist()
        for naam in ("tellerCoefficienten", "noemerCoefficienten"))
FREQ = {"DC": 0.0, "0,1*PI": 0.1, "0,4*PI": 0.4, "0,9*PI": 0.9}
SIGNALEN = ("cosinus", "blokgolf", "impulsfunktie", "stapfunktie")


def signaal(soort, a, factor, geheel):
    omega = float(np.float32(factor * math.pi))
    monster = (lambda w: max(-32768, min(32767, math.trunc(w)))) if geheel else (lambda w: w)
    waarde = {"cosinus": lambda n: math.cos(n * omega) * a,
              "blokgolf": lambda n: a if math.cos(n * omega) > 0 else -a,
              "impulsfunktie": lambda n: a if n == 32 else 0.0,
              "stapfunktie": lambda n: a if n >= 32 else 0.0}[soort]
    return [monster(waarde(n)) for n in range(128)]


def fir_rijen(x, n):
    rijen, som = [], 0
    for k in range(61):
        v = x[n - k] if n >= k else 0
        som += H[k] * v
        rijen.append([k, H[k], v, H[k] * v, som])
    return rijen


@functools.lru_cache
def iir_rijen(x):
    """Direct form II a section at a time: for every n the rows sectie, invoer,
    uitvoer and the state before and after."""
    w = [[0.0, 0.0] for _ in range(8)]
    alle = []
    for v in x:
        mac = B[0][0] * v
        rijen = [[0, v, mac, None, None, None, None]]
        for s in range(1, 8):
            lengte, invoer, voor = (3 if s < 7 else 2), mac, list(w[s])
            t = invoer
            for d in range(1, lengte):
                t = t - w[s][d - 1] * A[s][d]
            mac = t * B[s][0]
            for d in range(1, lengte):
                mac = mac + w[s][d - 1] * B[s][d]
            w[s] = [t, w[s][0]]
            rijen.append([s, invoer, mac, *voor, *w[s]])
        alle.append(rijen)
    return alle


def gelezen(tekst, geheel):
    rijen = list(csv.reader(tekst.splitlines()))
    zet = int if geheel else float
    return rijen[0], [[zet(c) if c != "" else None for c in rij] for rij in rijen[1:]]


def geval(programma, soort, freq, a, n):
    r = subprocess.run([TOOL, "--programma", programma, "--signaal", soort, "--frequentie", freq,
                        "--amplitude", str(a), "--berekening", str(n)], capture_output=True, text=True)
    naam = f"{programma} {soort} {freq} A={a} n={n}"
    if r.returncode != 0 or r.stderr:
        return f"{naam}: status {r.returncode} {r.stderr!r}"
    fir = programma == "fir"
    kop, rijen = gelezen(r.stdout, fir)
    x = signaal(soort, a, FREQ[freq], fir)
    if fir:
        verwacht_kop, verwacht = ["k", "h", "x", "product", "som"], fir_rijen(x, n)
        y = max(-32768, min(32767, verwacht[-1][4] >> 15))  # floor, saturation
        ok = y == max(-32768, min(32767, math.floor(sum(H[k] * (x[n - k] if n >= k else 0)
                                                        for k in range(61)) / 32768)))
    else:
        verwacht_kop = ["sectie", "invoer", "uitvoer", "w0_voor", "w1_voor", "w0_na", "w1_na"]
        verwacht, ok = iir_rijen(tuple(x))[n], True
    if kop != verwacht_kop or rijen != verwacht or not ok:
        eerste = next((i for i, (p, q) in enumerate(zip(rijen, verwacht)) if p != q), None)
        return f"{naam}: header {kop}, first differing row {eerste}"
    return None


# 24 cycles per program: the cosine and the square wave at every frequency above
# at two amplitudes, the impulse and the step at four.
CYCLI = [(p, s, f, a) for p, amplitudes in (("fir", (20000, 32768, 1, 12345)),
                                            ("iir", (8192, 32768, 1, 12345)))
         for s in SIGNALEN for f in FREQ for a in amplitudes
         if (s in SIGNALEN[:2] and a in amplitudes[:2]) or (s in SIGNALEN[2:] and f == "DC")]
CYCLI += [("fir", "cosinus", "0,4*PI", 31441), ("iir", "blokgolf", "0,4*PI", 1)]
FOUT = [["--berekening", "128"], ["--berekening", "-1"], ["--berekening", "x"],
        ["--berekening", "3", "--exact"], ["--berekening", "3", "--png", "-"]]

with concurrent.futures.ThreadPoolExecutor(4) as poel:
    fouten = [f for f in poel.map(lambda g: geval(*g), [(*c, n) for c in CYCLI for n in range(128)])
              if f]
for extra in FOUT:
    r = subprocess.run([TOOL, "--programma", "fir", *extra], capture_output=True, text=True)
    if r.returncode != 2 or r.stdout or len(r.stderr.splitlines()) != 1:
        fouten.append(f"usage error {extra}: {r.returncode} {r.stderr!r}")
per = {p: sum(c[0] == p for c in CYCLI) for p in ("fir", "iir")}
print("\n".join(fouten[:20]) or f"--berekening: {per} cycles x 128 outputs, all equal")
sys.exit(1 if fouten else 0)
