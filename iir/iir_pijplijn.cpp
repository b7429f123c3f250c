// The block filter for records with the built-in layout: the same result as
// IIR_Double_2Filter one sample at a time, faster.
// SPDX-License-Identifier: MIT
#include "iir_pijplijn.h"

#include "rekenkern.h"

#include <algorithm>
#include <array>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

constexpr UInt32 AantalBiquads = 6;
constexpr UInt32 EersteOrdeSectie = 7;

// Two doubles side by side: two biquads that run in the same instructions.
// Each lane performs exactly the scalar operations (no fused multiply-add,
// see the build), so the bits are the same.
using Paar = Double __attribute__((vector_size(2 * sizeof(Double))));

// Two biquad sections side by side, one in each lane.
struct BiquadPaar {
  Paar b0, b1, b2, a1, a2;
  Paar w1, w2; // w(n-1), w(n-2)

  // The steps of IIR_Double_2Filter for lengths 3 and 3, in the same order.
  Paar stap(Paar x)
  {
    Paar w = x;
    w = w - (w1 * a1);
    w = w - (w2 * a2);
    Paar mac = w * b0;
    mac = mac + (w1 * b1);
    mac = mac + (w2 * b2);
    w2 = w1;
    w1 = w;
    return mac;
  }
};

struct EersteOrde {
  Double b0, b1, a1;
  Double w1, w2;

  // The steps of IIR_Double_2Filter for lengths 2 and 2, in the same order.
  Double stap(Double x)
  {
    Double w = x;
    w = w - (w1 * a1);
    Double mac = w * b0;
    mac = mac + (w1 * b1);
    w2 = w1;
    w1 = w;
    return mac;
  }
};

constexpr std::size_t AantalParen = AantalBiquads / 2;
constexpr std::size_t Vertraging = 2; // steps between neighbouring sections
constexpr std::size_t Diepte = Vertraging * EersteOrdeSectie;

// What one step leaves for the step two later: the gain's output and the
// outputs of the three pairs (sections 1..6).
struct Tussen {
  Double versterkt;
  std::array<Paar, AantalParen> paren;
};

// The sections run as a pipeline over the block: in step t, section s works
// on sample t - 2s, on what section s-1 produced two steps earlier. The section
// updates of one step are then independent of each other, and the two steps of
// slack cover the time a value takes to pass through a section, so the
// processor keeps every section busy instead of waiting for one sample to pass
// the whole cascade. Each section still sees its samples in order and performs
// the same operations, so the output is the same to the last bit.
//
// Sections 1..6 run as three pairs, lane 0 section 2k+1 and lane 1 section
// 2k+2, in every step; the record's state is read into them at the start and
// written back at the end, and nowhere else.
class Pijplijn {
public:
  explicit Pijplijn(const FilterIIR_Double_2& filter)
  {
    const Double* b = filter.filterTeller;
    const Double* a = filter.filterNoemer;
    versterking = b[0];
    const auto teller = [&](std::size_t k, std::size_t i) {
      return Paar{b[rijVan(k, 0) + i], b[rijVan(k, 1) + i]};
    };
    const auto noemer = [&](std::size_t k, std::size_t i) {
      return Paar{a[rijVan(k, 0) + i], a[rijVan(k, 1) + i]};
    };
    for (std::size_t k = 0; k < AantalParen; ++k) {
      const auto& w0 = filter.w[sectieVan(k, 0)];
      const auto& w1 = filter.w[sectieVan(k, 1)];
      paren[k] = {teller(k, 0), teller(k, 1),       teller(k, 2),      noemer(k, 1),
                  noemer(k, 2), Paar{w0[0], w1[0]}, Paar{w0[1], w1[1]}};
    }
    const UInt32 rij = MaxSectieLengte * EersteOrdeSectie;
    laatste = {b[rij], b[rij + 1], a[rij + 1], filter.w[EersteOrdeSectie][0],
               filter.w[EersteOrdeSectie][1]};
  }

  void bewaar(FilterIIR_Double_2& filter) const
  {
    for (std::size_t k = 0; k < AantalParen; ++k) {
      for (std::size_t baan = 0; baan < 2; ++baan) {
        filter.w[sectieVan(k, baan)][0] = paren[k].w1[baan];
        filter.w[sectieVan(k, baan)][1] = paren[k].w2[baan];
      }
    }
    filter.w[EersteOrdeSectie][0] = laatste.w1;
    filter.w[EersteOrdeSectie][1] = laatste.w2;
  }

  void filter(const Double* invoer, Double* uitvoer, std::size_t aantal)
  {
    const std::size_t stappen = aantal + Diepte;
    const std::size_t volBegin = std::min(Diepte, aantal);
    std::size_t t = 0;
    for (; t < volBegin; ++t) { // filling: the later sections have no sample yet
      deelStap(t, invoer, uitvoer, aantal);
    }
    t = volleStappen(t, invoer, uitvoer, aantal); // every section busy
    for (; t < stappen; ++t) {                    // draining: the earlier sections are done
      deelStap(t, invoer, uitvoer, aantal);
    }
  }

private:
  static std::size_t sectieVan(std::size_t paar, std::size_t baan) { return 2 * paar + baan + 1; }
  static std::size_t rijVan(std::size_t paar, std::size_t baan)
  {
    return MaxSectieLengte * sectieVan(paar, baan);
  }

  // Sections 1..7 in one step, each on what its predecessor left in `tussen`
  // two steps earlier; returns the last section's output. The inputs of a
  // pair are neighbouring lanes of earlier outputs, moved with shuffles rather
  // than through memory (a value stored and loaded back would wait on store
  // forwarding in every step).
  static Double stapSecties(std::array<BiquadPaar, AantalParen>& paren, EersteOrde& laatste,
                            Tussen& tussen)
  {
    const Double laatsteIn = __builtin_shufflevector(tussen.paren[2], tussen.paren[2], 1, 0)[0];
    const Paar in0 =
        __builtin_shufflevector(Paar{tussen.versterkt, tussen.versterkt}, tussen.paren[0], 0, 2);
    const Paar in1 = __builtin_shufflevector(tussen.paren[0], tussen.paren[1], 1, 2);
    const Paar in2 = __builtin_shufflevector(tussen.paren[1], tussen.paren[2], 1, 2);
    tussen.paren[0] = paren[0].stap(in0);
    tussen.paren[1] = paren[1].stap(in1);
    tussen.paren[2] = paren[2].stap(in2);
    return laatste.stap(laatsteIn);
  }

  // Lane by lane: `nieuw` where the flag is set, `oud` elsewhere.
  static Paar perBaan(bool eerste, bool tweede, Paar nieuw, Paar oud)
  {
    if (eerste) {
      return tweede ? nieuw : __builtin_shufflevector(nieuw, oud, 0, 3);
    }
    return tweede ? __builtin_shufflevector(oud, nieuw, 0, 3) : oud;
  }

  // A step in which not every section has a sample. All run, as in a full
  // step; a section without a sample gets its state back, and what it left
  // in `tussen` is read two steps later only by a section without a sample.
  void deelStap(std::size_t t, const Double* invoer, Double* uitvoer, std::size_t aantal)
  {
    const auto actief = [&](std::size_t s) {
      return t >= Vertraging * s && t - Vertraging * s < aantal;
    };
    std::array<Paar, AantalParen> w1{};
    std::array<Paar, AantalParen> w2{};
    for (std::size_t k = 0; k < AantalParen; ++k) {
      w1[k] = paren[k].w1;
      w2[k] = paren[k].w2;
    }
    const EersteOrde vorigeLaatste = laatste;
    Tussen& tussen = wacht[t % Vertraging];
    const Double uit = stapSecties(paren, laatste, tussen);
    for (std::size_t k = 0; k < AantalParen; ++k) {
      const bool eerste = actief(sectieVan(k, 0));
      const bool tweede = actief(sectieVan(k, 1));
      paren[k].w1 = perBaan(eerste, tweede, paren[k].w1, w1[k]);
      paren[k].w2 = perBaan(eerste, tweede, paren[k].w2, w2[k]);
    }
    if (actief(EersteOrdeSectie)) {
      uitvoer[t - Diepte] = uit;
    } else {
      laatste = vorigeLaatste;
    }
    if (actief(0)) {
      tussen.versterkt = versterking * invoer[t];
    }
  }

  // The steps in which every section has a sample, two at a time so that
  // each knows its half of `wacht` (t is even here: Diepte is even). The pairs
  // and `wacht` run as local copies, which the compiler keeps in registers: as
  // members they could alias `uitvoer`, and would be stored and loaded again
  // after every output.
  std::size_t volleStappen(std::size_t t, const Double* invoer, Double* uitvoer, std::size_t aantal)
  {
    auto lokaleParen = paren;
    auto lokaalWacht = wacht;
    const auto volleStap = [&](Tussen& tussen, std::size_t stap) {
      uitvoer[stap - Diepte] = stapSecties(lokaleParen, laatste, tussen);
      tussen.versterkt = versterking * invoer[stap];
    };
    for (; t + Vertraging <= aantal; t += Vertraging) {
      volleStap(lokaalWacht[0], t);
      volleStap(lokaalWacht[1], t + 1);
    }
    paren = lokaleParen;
    wacht = lokaalWacht;
    return t;
  }

  Double versterking = 0.0;
  std::array<BiquadPaar, AantalParen> paren{};
  EersteOrde laatste{};
  // wacht[t % 2]: what step t left for step t + 2.
  std::array<Tussen, Vertraging> wacht{};
};

inline void filterInPijplijn(FilterIIR_Double_2& filter, const Double* invoer, Double* uitvoer,
                             std::size_t aantal)
{
  Pijplijn pijplijn(filter);
  pijplijn.filter(invoer, uitvoer, aantal);
  pijplijn.bewaar(filter);
}

// The pipeline compiled twice, with everything it calls inlined into each
// variant: for any x86-64 processor, and for AVX2, whose three-operand
// instructions need no register copies.
using PijplijnVariant = void (*)(FilterIIR_Double_2&, const Double*, Double*, std::size_t);

__attribute__((flatten)) void pijplijnBasis(FilterIIR_Double_2& filter, const Double* invoer,
                                            Double* uitvoer, std::size_t aantal)
{
  filterInPijplijn(filter, invoer, uitvoer, aantal);
}

#if defined(__x86_64__)
__attribute__((target("avx2"), flatten)) void
pijplijnAvx2(FilterIIR_Double_2& filter, const Double* invoer, Double* uitvoer, std::size_t aantal)
{
  filterInPijplijn(filter, invoer, uitvoer, aantal);
  // Back to SSE code in the caller: see fir_kern.cpp's uitgangenAvx2.
  _mm256_zeroupper();
}
constexpr PijplijnVariant pijplijnAvx2Variant = pijplijnAvx2;
#else
constexpr PijplijnVariant pijplijnAvx2Variant = nullptr;
#endif

} // namespace

bool heeftStandaardIndeling(const FilterIIR_Double_2& filter)
{
  if (filter.aantalSekties != MaxSekties || filter.tellerSecties == nullptr ||
      filter.noemerSecties == nullptr) {
    return false;
  }
  for (UInt32 s = 1; s < MaxSekties; ++s) {
    if (filter.tellerSecties[s] != TellerLengte[s] || filter.noemerSecties[s] != NoemerLengte[s]) {
      return false;
    }
  }
  return true;
}

void filterStandaardBlok(FilterIIR_Double_2& filter, const Double* invoer, Double* uitvoer,
                         std::size_t aantal)
{
  gekozenVariant<PijplijnVariant>(pijplijnBasis, pijplijnAvx2Variant)(filter, invoer, uitvoer,
                                                                      aantal);
}
