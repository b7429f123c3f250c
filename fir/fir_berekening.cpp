// The explanation of one FIR output: the engine's step recorded, and the exact value's difference.
// SPDX-License-Identifier: MIT
#include "fir_berekening.h"

#include "fir_exact.h"
#include "fir_stap.h"
#include "getaltekst.h"
#include "signaal.h"
#include "testsignaal.h"

#include <span>
#include <string>

namespace {

// The decimals shown for the exact value and its parts: enough to see them
// add up, few enough to read.
constexpr int deelDecimalen = 4;

std::string zin(Int64 waarde)
{
  return alsZinGetal(std::to_string(waarde));
}

std::string zin(Double waarde, int decimalen)
{
  return alsZinGetal(vasteTekst(waarde, decimalen));
}

// som / 32768 written out in full: at most 15 decimals, since 32768 = 2^15.
std::string gedeeldDoorEenheid(Int64 som)
{
  std::string tekst = vasteTekst(static_cast<Double>(som) / q15Eenheid, 15);
  tekst.erase(tekst.find_last_not_of('0') + 1);
  if (tekst.ends_with('.')) {
    tekst.pop_back();
  }
  return alsZinGetal(tekst);
}

void vulTermen(FirBerekening& b, std::span<const Int16> x)
{
  FirLijn lijn;
  for (std::size_t m = 0; m < b.n; ++m) {
    firSom(lijn, x[m]);
  }
  b.som =
      firSomMet(lijn, x[b.n], [&](std::size_t k, Int16 h, Int16 monster, Int32 product, Int64 som) {
        b.termen.at(k) = {h, monster, product, som, k > b.n};
      });
  b.geschoven = geschovenSom(b.som);
  b.verzadigd = wordtVerzadigd(b.geschoven);
  b.uitvoer = verzadig16(b.geschoven);
}

void vulAfwijking(FirBerekening& b, std::span<const Double> s, Double exact)
{
  b.exact = exact;
  for (std::size_t k = 0; k < FilterLengte && k <= b.n; ++k) {
    b.invoer += firCoefficienten[k] / q15Eenheid * (b.termen[k].x - s[b.n - k]);
  }
  b.schuif = static_cast<Double>(b.geschoven) - static_cast<Double>(b.som) / q15Eenheid;
  b.verzadiging = static_cast<Double>(b.uitvoer) - static_cast<Double>(b.geschoven);
}

} // namespace

FirBerekening firBerekening(UInt32 keuze, UInt32 amplitude, Float hoekFreq, std::size_t n)
{
  SignaalBlok<Int16> x{};
  bouwTestSignaal(keuze, amplitude, hoekFreq, x);
  SignaalBlok<Double> s{};
  for (std::size_t m = 0; m < s.size(); ++m) {
    s[m] = testSignaalWaarde(keuze, amplitude, hoekFreq, m);
  }
  SignaalBlok<Double> exact{};
  firExactSignaal(keuze, amplitude, hoekFreq, exact);

  FirBerekening b;
  b.n = n;
  vulTermen(b, x);
  vulAfwijking(b, s, exact.at(n));
  return b;
}

Berekening firBerekeningTabel(const FirBerekening& b)
{
  Berekening tabel;
  const std::string n = std::to_string(b.n);
  tabel.titel = "y[" + n + "]: de 61 termen h[k]·x[" + n + " \u2212 k] opgeteld";
  tabel.kolommen = {"k", "h", "x", "product", "som"};
  for (std::size_t k = 0; k < FilterLengte; ++k) {
    const FirTerm& t = b.termen.at(k);
    tabel.rijen.push_back(
        {{Int64(k), Int64{t.h}, Int64{t.x}, Int64{t.product}, t.som}, t.voorBlok});
  }
  std::string verschil =
      "uitvoer \u2212 exact = " + zin(static_cast<Double>(b.uitvoer) - b.exact, deelDecimalen) +
      " = co\u00EBffici\u00EBnten naar Q15 0 + invoer naar 16 bit " + zin(b.invoer, deelDecimalen) +
      " + schuif " + zin(b.schuif, deelDecimalen);
  if (b.verzadigd) {
    verschil += " + verzadiging " + zin(b.verzadiging, 0);
  }
  tabel.slotregels = {
      "som \u00F7 32768 = " + gedeeldDoorEenheid(b.som) +
          ", naar beneden afgerond: " + zin(b.geschoven),
      b.verzadigd ? "verzadigd: ja, " + zin(b.geschoven) +
                        " past niet in \u221232768..32767 en wordt " + zin(Int64{b.uitvoer})
                  : std::string("verzadigd: nee"),
      "uitvoer y[" + n + "] = " + zin(Int64{b.uitvoer}),
      "exact: " + zin(b.exact, deelDecimalen) +
          " (de co\u00EBffici\u00EBnten als h[k]/32768 op het signaal voordat het 16 bit werd)",
      verschil};
  return tabel;
}
