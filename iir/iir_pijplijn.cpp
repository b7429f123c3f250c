// The block filter for records with the built-in layout: the same result as
// IIR_Double_2Filter one sample at a time, faster.
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

// A biquad of one section (Double) or of two side by side (Paar).
template <typename Waarde>
struct BiquadSectie {
  Waarde b0, b1, b2, a1, a2;
  Waarde w1, w2; // w(n-1), w(n-2)

  // The steps of IIR_Double_2Filter for lengths 3 and 3, in the same order.
  Waarde stap(Waarde x)
  {
    Waarde w = x;
    w = w - (w1 * a1);
    w = w - (w2 * a2);
    Waarde mac = w * b0;
    mac = mac + (w1 * b1);
    mac = mac + (w2 * b2);
    w2 = w1;
    w1 = w;
    return mac;
  }
};

using Biquad = BiquadSectie<Double>;
using BiquadPaar = BiquadSectie<Paar>;

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

// The sections run as a pipeline over the block: in step t, section s works
// on sample t - 2s, on what section s-1 produced two steps earlier. The section
// updates of one step are then independent of each other, and the two steps of
// slack cover the time a value takes to pass through a section, so the
// processor keeps every section busy instead of waiting for one sample to pass
// the whole cascade. Each section still sees its samples in order and performs
// the same operations, so the output is the same to the last bit.
class Pijplijn {
public:
  explicit Pijplijn(const FilterIIR_Double_2& filter)
  {
    const Double* b = filter.filterTeller;
    const Double* a = filter.filterNoemer;
    versterking = b[0];
    for (UInt32 i = 0; i < AantalBiquads; ++i) {
      const UInt32 rij = MaxSectieLengte * (i + 1);
      biquads[i] = {b[rij],     b[rij + 1],         b[rij + 2],        a[rij + 1],
                    a[rij + 2], filter.w[i + 1][0], filter.w[i + 1][1]};
    }
    const UInt32 rij = MaxSectieLengte * EersteOrdeSectie;
    laatste = {b[rij], b[rij + 1], a[rij + 1], filter.w[EersteOrdeSectie][0],
               filter.w[EersteOrdeSectie][1]};
  }

  void bewaar(FilterIIR_Double_2& filter) const
  {
    for (UInt32 i = 0; i < AantalBiquads; ++i) {
      filter.w[i + 1][0] = biquads[i].w1;
      filter.w[i + 1][1] = biquads[i].w2;
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
      stap(t, invoer, uitvoer, aantal);
    }
    t = volleStappen(t, invoer, uitvoer, aantal); // every section busy
    for (; t < stappen; ++t) {                    // draining: the earlier sections are done
      stap(t, invoer, uitvoer, aantal);
    }
  }

private:
  static constexpr std::size_t Vertraging = 2; // steps between neighbouring sections
  static constexpr std::size_t Diepte = Vertraging * EersteOrdeSectie;

  // One step of the pipeline, for the steps in which not every section has a
  // sample. Sections are visited from the last to the first, so that each
  // reads its predecessor's output before the predecessor replaces it.
  void stap(std::size_t t, const Double* invoer, Double* uitvoer, std::size_t aantal)
  {
    auto& tussen = tussenwaarden[t % Vertraging];
    const auto actief = [&](std::size_t s) {
      return t >= Vertraging * s && t - Vertraging * s < aantal;
    };
    if (actief(EersteOrdeSectie)) {
      uitvoer[t - Diepte] = laatste.stap(tussen[AantalBiquads]);
    }
    for (std::size_t i = AantalBiquads; i-- > 0;) {
      if (actief(i + 1)) {
        tussen[i + 1] = biquads[i].stap(tussen[i]);
      }
    }
    if (actief(0)) {
      tussen[0] = versterking * invoer[t];
    }
  }

  static constexpr std::size_t AantalParen = AantalBiquads / 2;

  // What one step leaves for the step two later: the gain's output and the
  // outputs of the three pairs (sections 1..6).
  struct Tussen {
    Double versterkt;
    std::array<Paar, AantalParen> paren;
  };

  // The steps in which every section has a sample, with sections 1..6 as three
  // pairs. Section 2k+1 takes what section 2k produced, so the inputs of a
  // pair are neighbouring lanes of earlier outputs, moved with shuffles rather
  // than through memory (a value stored and loaded back would wait on store
  // forwarding in every step).
  std::size_t volleStappen(std::size_t t, const Double* invoer, Double* uitvoer, std::size_t aantal)
  {
    if (t + Vertraging > aantal) {
      return t;
    }
    std::array<BiquadPaar, AantalParen> paren{};
    for (std::size_t k = 0; k < AantalParen; ++k) {
      const Biquad& p = biquads[2 * k];
      const Biquad& q = biquads[2 * k + 1];
      paren[k] = {Paar{p.b0, q.b0}, Paar{p.b1, q.b1}, Paar{p.b2, q.b2}, Paar{p.a1, q.a1},
                  Paar{p.a2, q.a2}, Paar{p.w1, q.w1}, Paar{p.w2, q.w2}};
    }
    // t is even here (Diepte is even), so tussenwaarden[0] belongs to even steps.
    std::array<Tussen, Vertraging> wacht{};
    for (std::size_t f = 0; f < Vertraging; ++f) {
      wacht[f].versterkt = tussenwaarden[f][0];
      for (std::size_t k = 0; k < AantalParen; ++k) {
        wacht[f].paren[k] = Paar{tussenwaarden[f][2 * k + 1], tussenwaarden[f][2 * k + 2]};
      }
    }

    const auto volleStap = [&](Tussen& tussen, std::size_t stap) {
      const Double laatsteIn = __builtin_shufflevector(tussen.paren[2], tussen.paren[2], 1, 0)[0];
      const Paar in0 =
          __builtin_shufflevector(Paar{tussen.versterkt, tussen.versterkt}, tussen.paren[0], 0, 2);
      const Paar in1 = __builtin_shufflevector(tussen.paren[0], tussen.paren[1], 1, 2);
      const Paar in2 = __builtin_shufflevector(tussen.paren[1], tussen.paren[2], 1, 2);
      tussen.paren[0] = paren[0].stap(in0);
      tussen.paren[1] = paren[1].stap(in1);
      tussen.paren[2] = paren[2].stap(in2);
      uitvoer[stap - Diepte] = laatste.stap(laatsteIn);
      tussen.versterkt = versterking * invoer[stap];
    };
    for (; t + Vertraging <= aantal; t += Vertraging) {
      volleStap(wacht[0], t);
      volleStap(wacht[1], t + 1);
    }

    for (std::size_t f = 0; f < Vertraging; ++f) {
      tussenwaarden[f][0] = wacht[f].versterkt;
      for (std::size_t k = 0; k < AantalParen; ++k) {
        tussenwaarden[f][2 * k + 1] = wacht[f].paren[k][0];
        tussenwaarden[f][2 * k + 2] = wacht[f].paren[k][1];
      }
    }
    for (std::size_t k = 0; k < AantalParen; ++k) {
      biquads[2 * k].w1 = paren[k].w1[0];
      biquads[2 * k].w2 = paren[k].w2[0];
      biquads[2 * k + 1].w1 = paren[k].w1[1];
      biquads[2 * k + 1].w2 = paren[k].w2[1];
    }
    return t;
  }

  Double versterking = 0.0;
  std::array<Biquad, AantalBiquads> biquads{};
  EersteOrde laatste{};
  // tussenwaarden[t % 2][s]: the output of section s in step t, which section
  // s + 1 takes in step t + 2.
  std::array<std::array<Double, AantalBiquads + 1>, Vertraging> tussenwaarden{};
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
