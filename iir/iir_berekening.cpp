// The explanation of one IIR output: the engine's step recorded, stage by stage.
// SPDX-License-Identifier: MIT

// The engine's step keeps its checks here too (see iir.cpp).
#undef NDEBUG
#include "iir_berekening.h"

#include "getaltekst.h"

#include <string>

IirBerekening iirBerekening(const FilterIIR_Double_2& filter, std::span<const Double> signaal,
                            std::size_t n)
{
  FilterIIR_Double_2 eigen = filter;
  IIR_Double_2Init(&eigen);
  IirBerekening b;
  b.n = n;
  // The samples before n through the same step, their stages recorded and
  // dropped: one step in the program, not two.
  for (std::size_t m = 0; m <= n; ++m) {
    b.stadia.clear();
    b.uitvoer = iirStapMet(signaal[m], &eigen,
                           [&](UInt32 s, Double invoer, const SectieToestand* voor,
                               const SectieToestand* na, Double uitvoer) {
                             IirStadium stadium{s, invoer, std::nullopt, std::nullopt, uitvoer};
                             if (voor != nullptr && na != nullptr) {
                               stadium.voor = *voor;
                               stadium.na = *na;
                             }
                             b.stadia.push_back(stadium);
                           });
  }
  return b;
}

namespace {

BerekeningCel cel(const std::optional<SectieToestand>& toestand, std::size_t i)
{
  return toestand ? BerekeningCel{(*toestand)[i]} : BerekeningCel{};
}

} // namespace

Berekening iirBerekeningTabel(const IirBerekening& b)
{
  Berekening tabel;
  const std::string n = std::to_string(b.n);
  tabel.titel = "y[" + n + "]: de versterking en de secties na elkaar";
  tabel.kolommen = {"sectie", "invoer", "uitvoer", "w0_voor", "w1_voor", "w0_na", "w1_na"};
  for (const IirStadium& s : b.stadia) {
    tabel.rijen.push_back({{Int64{s.sectie}, s.invoer, s.uitvoer, cel(s.voor, 0), cel(s.voor, 1),
                            cel(s.na, 0), cel(s.na, 1)}});
  }
  tabel.slotregels = {"uitvoer y[" + n + "] = de uitvoer van sectie " +
                      std::to_string(b.stadia.empty() ? 0 : b.stadia.back().sectie) + " = " +
                      alsZinGetal(kortsteTekst(b.uitvoer))};
  return tabel;
}
