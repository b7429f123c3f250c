# Run from the top of the tree: python3 tests/core/versterkingen.py
# |H(e^jw)| of both filters straight from their coefficient tables in the
# sources, in Python's complex arithmetic, at the Float angular frequencies
# of the choice.
# SPDX-License-Identifier: MIT
import cmath, math, re, struct
f32 = lambda x: struct.unpack('f', struct.pack('f', x))[0]
getallen = lambda tekst: [float(x) for x in re.findall(r'-?\d+(?:\.\d+)?', tekst)]
def tabel(bron, naam):
    s = open(bron).read(); i = s.index('{', s.index(naam + '[') if naam + '[' in s else s.index(naam))
    diepte, j = 0, i
    while True:
        diepte += {'{': 1, '}': -1}.get(s[j], 0); j += 1
        if diepte == 0: return getallen(s[i:j])
taps = tabel('fir/fir.h', 'firCoefficienten')
b = tabel('iir/iir.cpp', 'tellerCoefficienten'); a = tabel('iir/iir.cpp', 'noemerCoefficienten')
def iir(w):
    z = cmath.exp(-1j * w); h = 1
    for s in range(8):
        h *= (b[3*s] + b[3*s+1]*z + b[3*s+2]*z*z) / (a[3*s] + a[3*s+1]*z + a[3*s+2]*z*z)
    return abs(h)
fir = lambda w: abs(sum(t * cmath.exp(-1j * w * k) for k, t in enumerate(taps))) / 32768
for f in [0, 0.05, 0.1, 0.2, 0.4, 0.6, 0.8, 0.9]:
    w = f32(f * math.pi)
    print('    {%r, %r},' % (iir(w), fir(w)))
