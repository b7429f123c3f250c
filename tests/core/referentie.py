# SPDX-License-Identifier: MIT
"""The filters rebuilt from the coefficient tables in the sources, for the
tests that check filtercyclus against them: the tables, the test signal and
the IIR cascade with every stage recorded (Python's doubles, one product and
one addition at a time, in the engine's order, no fused multiply-add)."""
import math
import re
from pathlib import Path

import numpy as np


def getallen(tekst):
    return [float(g) for g in re.findall(r"-?\d+(?:\.\d+)?", tekst)]


def _tabel(tekst, naam):
    return re.search(naam + r" = \{(.*?)\};", tekst, re.S).group(1)


def coefficienten(bron):
    """The FIR's Q15 taps, and the IIR's numerators and denominators (8x3)."""
    bron = Path(bron)
    taps = [int(g) for g in getallen(_tabel((bron / "fir/fir.h").read_text(), "firCoefficienten"))]
    iir = (bron / "iir/iir.cpp").read_text()
    teller, noemer = (np.array(getallen(_tabel(iir, naam + r"\[MaxSekties\]\[MaxSectieLengte\]")))
                      .reshape(8, 3) for naam in ("tellerCoefficienten", "noemerCoefficienten"))
    return taps, teller, noemer


def signaal(soort, a, omega, lengte, geheel):
    """The test signal; Int16 samples truncate toward zero and saturate."""
    def monster(w):
        return max(-32768, min(32767, math.trunc(w))) if geheel else w
    if soort == "cosinus":
        return [monster(math.cos(n * omega) * a) for n in range(lengte)]
    if soort == "blokgolf":
        return [monster(a) if math.cos(n * omega) > 0 else monster(-a) for n in range(lengte)]
    if soort == "impulsfunktie":
        return [monster(a) if n == 32 else 0 for n in range(lengte)]
    return [monster(a) if n >= 32 else 0 for n in range(lengte)]


def iir_stadia(x, teller, noemer):
    """Direct form II a section at a time. For every sample the rows
    [sectie, invoer, uitvoer, w0 voor, w1 voor, w0 na, w1 na], the gain
    stage first (section 0, without state); the output is the last row's."""
    b, a = teller.tolist(), noemer.tolist()
    w = [[0.0, 0.0] for _ in range(8)]
    alle = []
    for v in x:
        mac = b[0][0] * v
        rijen = [[0, v, mac, None, None, None, None]]
        for s in range(1, 8):
            lengte, invoer, voor = (3 if s < 7 else 2), mac, list(w[s])
            t = invoer
            for d in range(1, lengte):
                t = t - w[s][d - 1] * a[s][d]
            mac = t * b[s][0]
            for d in range(1, lengte):
                mac = mac + w[s][d - 1] * b[s][d]
            w[s] = [t, w[s][0]]
            rijen.append([s, invoer, mac, *voor, *w[s]])
        alle.append(rijen)
    return alle
