# The module's entries under node called with numbers no page sends: each
# index, point and size as NaN, the infinities, 2^32 and -1 (a step: all but
# -1, which is a step) changes nothing of the window; and every entry the
# module exports is one a page script calls.
# SPDX-License-Identifier: MIT
import json
import pathlib
import re
import subprocess

FOUT = ["NaN", "Infinity", "-Infinity", "2 ** 32", "-1"]
# (entry, its arguments with X for the bad value, the window it starts from:
# "los" with the settings free, "gelezen" drawn with sample 7 read).
GEVALLEN = [
    ("kiesSignaal", "X", "los"), ("kiesFrequentie", "X", "los"),
    ("schuifAflezing", "X", "gelezen"),
    ("leesBij", "X, 390, 1170", "gelezen"), ("leesBij", "50, X, 1170", "gelezen"),
    ("leesBij", "50, 390, X", "gelezen"), ("vlakkenVoor", "X, 300", "gelezen"),
    ("vlakkenVoor", "300, X", "gelezen"), ("responsSvg", "X, 300", "los"),
    ("polenSvg", "300, X", "los"), ("spectrumSvg", "X, X", "gelezen"),
    ("spectrumGegevensSvg", "X, 300", "gelezen"),
]
SCRIPT = """
const [kernPad, gevallen] = [process.argv[1], JSON.parse(process.argv[2])];
require(kernPad)().ready.then((kern) => {
  const tekst = (f) => kern.UTF8ToString(kern["_" + f]());
  const venster = () => ["toestand", "fragment", "aflezing"].map(tekst).join(" | ");
  const begin = (soort) => {
    kern.ccall("kiesProgramma", "number", ["string"], ["fir"]);
    kern.ccall("volgLink", null, ["string"], ["signaal=blokgolf&amplitude=777&frequentie=0,6*PI"]);
    if (soort === "gelezen") { kern._schakel(); kern._schuifAflezing(1); kern._schuifAflezing(7); }
  };
  const uit = gevallen.map(([entry, argumenten]) => {
    begin(argumenten[1]);
    const voor = venster();
    try {
      eval(`kern._${entry}(${argumenten[0]})`);
    } catch (fout) {
      return `${fout}`;
    }
    const na = venster();
    return na === voor ? null : `${voor} -> ${na}`;
  });
  process.stdout.write(JSON.stringify(uit));
});
"""


def kern_grenzen(kern):
    gevallen = [(f"{entry}({argumenten.replace('X', fout)})", [entry, [argumenten.replace("X", fout), begin]])
                for entry, argumenten, begin in GEVALLEN for fout in FOUT
                if not (entry == "schuifAflezing" and fout == "-1")]
    uit = subprocess.run(["node", "-e", SCRIPT, str(kern.resolve()),
                          json.dumps([g for _, g in gevallen])], capture_output=True, text=True)
    if uit.returncode:
        yield "kern: out-of-range numbers", f"node: {uit.stderr[-300:]}"
        return
    fouten = [f"{naam}: {fout[:160]}" for (naam, _), fout in zip(gevallen, json.loads(uit.stdout))
              if fout]
    yield (f"kern: {len(gevallen)} calls with NaN, ±Infinity, 2^32 and -1 change nothing",
           "; ".join(fouten) or None)


def kern_alles_gebruikt(kern, scripts):
    """Every entry the module exports (EMSCRIPTEN_KEEPALIVE) is called by the
    page's scripts, as kern._naam or by ccall("naam")."""
    bron = pathlib.Path(__file__).resolve().parents[2] / "web"
    geexporteerd = {naam for c in bron.glob("pagina*.cpp") for naam in re.findall(
        r"EMSCRIPTEN_KEEPALIVE [^(]*?\b(\w+)\(", c.read_text())}
    js = "".join(s.read_text() for s in scripts)
    ongebruikt = sorted(n for n in geexporteerd
                        if f"_{n}" not in js and f'"{n}"' not in js)
    yield "kern: every exported entry called by the page", (f"unused: {ongebruikt}" if ongebruikt else None)
