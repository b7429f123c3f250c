// The FIR engine. First the filter of one sample as it is defined: a 61-tap
// loop over the circular delay line (fir_stap.h). Then the block filter, which gives the
// same bits faster through the kernels of fir_kern.cpp.
// SPDX-License-Identifier: MIT
#include "fir.h"

#include "fase.h"
#include "fir_kern.h"
#include "fir_stap.h"
#include "rekenkern.h"

#include <algorithm>
#include <complex>
#include <limits>

namespace {

FirLijn lijn; // the engine's delay line

} // namespace

Int16 firFilterMonster(Int16 x)
{
  return fir_kern::naarQ15(firSom(lijn, x));
}

void firGeschovenSommen(std::span<const Int16> signaal, std::span<Int64> geschoven)
{
  FirLijn eigen;
  for (std::size_t n = 0; n < std::min(signaal.size(), geschoven.size()); ++n) {
    geschoven[n] = geschovenSom(firSom(eigen, signaal[n]));
  }
}

void firReset()
{
  lijn = FirLijn{};
}

namespace {

using namespace fir_kern;

// A block is filtered a piece at a time through a working window: the 60
// samples before the piece, oldest first, followed by the piece. The kernels
// (fir_kern.cpp) then read memory that was written before the piece began; a
// sample stored into the line and read back at once would stall every output
// on the processor's store forwarding.
constexpr std::size_t StukLengte = 1024;
constexpr std::size_t Geschiedenis = FilterLengte - 1;

// The 60 newest samples of the line, oldest first: the slots after
// schrijfPositie, then those before it.
void kopieerGeschiedenis(Int16* doel)
{
  const Int16* const begin = lijn.monsters.data();
  const Int16* const schrijf = begin + lijn.schrijfPositie;
  std::copy(begin, schrijf, std::copy(schrijf + 1, begin + FilterLengte, doel));
}

} // namespace

void firFilterBlok(const Int16* invoer, Int16* uitvoer, std::size_t aantal)
{
  const Kern kern = gekozenVariant(uitgangenBasis, avx2Uitgangen);
  alignas(32) std::array<Int16, VulTaps + Geschiedenis + StukLengte> venster{};
  while (aantal > 0) {
    const std::size_t stuk = std::min(aantal, StukLengte);
    kopieerGeschiedenis(venster.data() + VulTaps);
    std::copy_n(invoer, stuk, venster.begin() + VulTaps + Geschiedenis);
    kern(venster.data(), uitvoer, stuk);
    // Only the newest 61 samples of the piece survive in the line; the
    // write position moves past the others as if they had been stored.
    const std::size_t overgeslagen = stuk > FilterLengte ? stuk - FilterLengte : 0;
    lijn.schrijfPositie = (lijn.schrijfPositie + overgeslagen) % FilterLengte;
    for (std::size_t n = overgeslagen; n < stuk; ++n) {
      lijn.monsters[lijn.schrijfPositie] = invoer[n];
      lijn.schrijfPositie = slotErna(lijn.schrijfPositie);
    }
    invoer += stuk;
    uitvoer += stuk;
    aantal -= stuk;
  }
}

void firFilterSignaal(const Int16* signaal, Int16* sigGefilterd, std::size_t aantal)
{
  firReset();
  firFilterBlok(signaal, sigGefilterd, aantal);
}

namespace {

// Σ h[k]·e^(−jωk) in tap units (Q15 × 32768).
std::complex<Double> tapSom(Double omega)
{
  std::complex<Double> som = 0.0;
  for (std::size_t k = 0; k < FilterLengte; ++k) {
    som +=
        static_cast<Double>(firCoefficienten[k]) * std::polar(1.0, -omega * static_cast<Double>(k));
  }
  return som;
}

constexpr std::array<Double, FilterLengte> tapsAlsDouble = [] {
  std::array<Double, FilterLengte> taps{};
  std::copy(firCoefficienten.begin(), firCoefficienten.end(), taps.begin());
  return taps;
}();

} // namespace

Double firVersterking(Double omega)
{
  return std::abs(tapSom(omega)) / q15Eenheid;
}

std::complex<Double> firOverdracht(Double omega)
{
  return tapSom(omega) / q15Eenheid;
}

Double firGroepslooptijd(Double omega)
{
  return polynoomLooptijd(tapsAlsDouble.data(), FilterLengte, omega);
}
