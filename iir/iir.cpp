// The engine's precondition checks are part of the delivered program: they
// must fire in every build, whatever the build type defines.
// SPDX-License-Identifier: MIT
#undef NDEBUG
#include "iir.h"

#include "fase.h"
#include "iir_pijplijn.h"
#include "iir_stap.h"

#include <algorithm>
#include <cassert>
#include <complex>

// Section 0 is the overall gain, sections 1..6 are biquads with symmetric
// numerators (zeros on the unit circle), section 7 is first order with its
// zero at z = -1. Each value is written with the digits that identify it.
const UInt16 TellerLengte[MaxSekties] = {1, 3, 3, 3, 3, 3, 3, 2};
const UInt16 NoemerLengte[MaxSekties] = {1, 3, 3, 3, 3, 3, 3, 2};

const Double tellerCoefficienten[MaxSekties][MaxSectieLengte] = {
    {0.51615906391, 0.0, 0.0},
    {0.7776382699331, 0.4908779174325, 0.7776382699331},
    {0.8144293542159, 0.6001828338982, 0.8144293542159},
    {0.7485207296405, 0.7085061289624, 0.7485207296405},
    {0.6402019868512, 0.7979739416136, 0.6402019868512},
    {0.5405199753053, 0.859783121813, 0.5405199753053},
    {0.4118972566877, 0.7754465411765, 0.4118972566877},
    {0.4096996863761, 0.4096996863761, 0.0},
};

// Denominators as 1 + a1 z^-1 + a2 z^-2: the recursion subtracts.
const Double noemerCoefficienten[MaxSekties][MaxSectieLengte] = {
    {1.0, 0.0, 0.0},
    {1.0, 0.1074131298721, 0.8559698954839},
    {1.0, 0.1485514710581, 0.6186239641556},
    {1.0, 0.2249254723762, 0.428406853158},
    {1.0, 0.3162749074981, 0.2750753846405},
    {1.0, 0.4024802753935, 0.1587022884367},
    {1.0, 0.4641954702153, 0.08472534046386},
    {1.0, 0.2433203441677, 0.0},
};

void bindFilter(FilterIIR_Double_2& filter)
{
  filter.aantalSekties = MaxSekties;
  filter.tellerSecties = TellerLengte;
  filter.noemerSecties = NoemerLengte;
  filter.filterTeller = &tellerCoefficienten[0][0];
  filter.filterNoemer = &noemerCoefficienten[0][0];
}

namespace {

// The filter reads lengths and coefficients by these bounds; a record outside
// them would read beyond its tables.
bool sectiesPassen(const FilterIIR_Double_2& filter)
{
  if (filter.aantalSekties > MaxSekties) {
    return false;
  }
  for (UInt32 s = 1; s < filter.aantalSekties; ++s) {
    if (filter.tellerSecties == nullptr || filter.noemerSecties == nullptr ||
        filter.tellerSecties[s] > MaxSectieLengte || filter.noemerSecties[s] > MaxSectieLengte) {
      return false;
    }
  }
  return true;
}

} // namespace

FoutCode IIR_Double_2Init(FilterIIR_Double_2* filter)
{
  // The spelling of these checks is what the assertion report shows.
  // clang-format off
  assert(filter != (FilterIIR_Double_2 *)Null);
  assert(filter->filterTeller != (Double *) Null);
  assert(filter->filterNoemer != (Double *) Null);
  // clang-format on
  assert(sectiesPassen(*filter));

  for (auto& rij : filter->w) {
    rij[0] = 0.0;
    rij[1] = 0.0;
  }
  return Ok;
}

// The operation order is part of the result: each step is one product and one
// addition or subtraction, in the order of iir_stap.h, held in Double.
Double IIR_Double_2Filter(const Double inv, FilterIIR_Double_2* filter)
{
  // clang-format off
  assert(filter != (FilterIIR_Double_2 *)Null);
  // clang-format on
  assert(filter->aantalSekties <= MaxSekties);

  const Double uitvoer = iirStapMet(
      inv, filter, [](UInt32, Double, const SectieToestand*, const SectieToestand*, Double) {});
  return uitvoer;
}

void IIR_Double_2FilterBlok(FilterIIR_Double_2* filter, const Double* invoer, Double* uitvoer,
                            std::size_t aantal)
{
  // clang-format off
  assert(filter != (FilterIIR_Double_2 *)Null);
  // clang-format on
  if (heeftStandaardIndeling(*filter)) {
    filterStandaardBlok(*filter, invoer, uitvoer, aantal);
    return;
  }
  for (std::size_t n = 0; n < aantal; ++n) {
    uitvoer[n] = IIR_Double_2Filter(invoer[n], filter);
  }
}

void filterIIRSignaal(FilterIIR_Double_2* filter, const Double* signaal, Double* sigGefilterd,
                      std::size_t aantal, Melder meld)
{
  if (IIR_Double_2Init(filter) != Ok && meld != nullptr) {
    meld(initFoutMelding);
  }
  IIR_Double_2FilterBlok(filter, signaal, sigGefilterd, aantal);
}

std::complex<Double> iirOverdracht(const FilterIIR_Double_2& filter, Double omega)
{
  using Complex = std::complex<Double>;
  const Complex zInvers = std::polar(1.0, -omega);
  Complex h = filter.filterTeller[0];
  for (UInt32 s = 1; s < filter.aantalSekties; ++s) {
    const std::size_t rij = std::size_t{MaxSectieLengte} * s;
    const Double* b = filter.filterTeller + rij;
    const Double* a = filter.filterNoemer + rij;
    Complex teller = b[0];
    Complex noemer = 1.0;
    Complex macht = 1.0;
    for (UInt32 k = 1; k < MaxSectieLengte; ++k) {
      macht *= zInvers;
      if (k < filter.tellerSecties[s]) {
        teller += b[k] * macht;
      }
      if (k < filter.noemerSecties[s]) {
        noemer += a[k] * macht;
      }
    }
    h *= teller / noemer;
  }
  return h;
}

Double iirVersterking(const FilterIIR_Double_2& filter, Double omega)
{
  return std::abs(iirOverdracht(filter, omega));
}

Double iirGroepslooptijd(const FilterIIR_Double_2& filter, Double omega)
{
  Double looptijd = 0.0;
  for (UInt32 s = 1; s < filter.aantalSekties; ++s) {
    const std::size_t rij = std::size_t{MaxSectieLengte} * s;
    // A length of 0 counts as 1, as in the response; a0 is taken as 1.
    const auto lengte = [](UInt16 l) { return std::max<std::size_t>(l, 1); };
    std::array<Double, MaxSectieLengte> noemer{};
    std::copy_n(filter.filterNoemer + rij, MaxSectieLengte, noemer.begin());
    noemer[0] = 1.0;
    looptijd +=
        polynoomLooptijd(filter.filterTeller + rij, lengte(filter.tellerSecties[s]), omega) -
        polynoomLooptijd(noemer.data(), lengte(filter.noemerSecties[s]), omega);
  }
  return looptijd;
}
