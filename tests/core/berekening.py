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
import subprocess
import sys
from pathlib import Path

import numpy as np
from referentie import coefficienten, iir_stadia, signaal

BRON, TOOL = Path(sys.argv[1]), sys.argv[2]
H, _TELLER, _NOEMER = coefficienten(BRON)
FREQ = {"DC": 0.0, "0,1*PI": 0.1, "0,4*PI": 0.4, "0,9*PI": 0.9}
SIGNALEN = ("cosinus", "blokgolf", "impulsfunktie", "stapfunktie")


def fir_rijen(x, n):
    rijen, som = [], 0
    for k in range(61):
        v = x[n - k] if n >= k else 0
        som += H[k] * v
        rijen.append([k, H[k], v, H[k] * v, som])
    return rijen


@functools.lru_cache
def iir_rijen(x):
    return iir_stadia(x, _TELLER, _NOEMER)


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
    x = signaal(soort, a, float(np.float32(FREQ[freq] * math.pi)), 128, fir)
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
