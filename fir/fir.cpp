#include "fir.h"

#include "fir_kern.h"
#include "rekenkern.h"

#include <algorithm>
#include <complex>

namespace {

using namespace fir_kern;

// The delay line is circular: each sample is written once and never moved.
// It is stored twice over (slot p and slot p + FilterLengte), so that the
// newest samples always stand in one contiguous run, oldest first, without a
// wrap-around: before slot p is written, slots p+1 .. p+60 hold the 60 newest.
std::array<Int16, 2 * FilterLengte> vertragingsLijn{};
std::size_t schrijfPositie = 0; // slot 0..60 that takes the next sample

// Stores a sample in the circular line, in its slot and in the mirror slot.
inline void schrijf(Int16 x)
{
  vertragingsLijn[schrijfPositie] = x;
  vertragingsLijn[schrijfPositie + FilterLengte] = x;
  schrijfPositie = schrijfPositie + 1 == FilterLengte ? 0 : schrijfPositie + 1;
}

// Samples are filtered a piece at a time through a working window: the 60
// newest samples of the delay line, oldest first, followed by the piece. The
// dot products then read memory that was written before the piece began; a
// sample stored into the line and read back at once would stall every output
// on the processor's store forwarding.
constexpr std::size_t StukLengte = 1024;
constexpr std::size_t Geschiedenis = FilterLengte - 1;

void filterInStukken(const Int16* invoer, Int16* uitvoer, std::size_t aantal)
{
  const Kern kern = gekozenVariant(uitgangenBasis, avx2Uitgangen);
  alignas(32) std::array<Int16, VulTaps + Geschiedenis + StukLengte> venster{};
  while (aantal > 0) {
    const std::size_t stuk = std::min(aantal, StukLengte);
    std::copy_n(&vertragingsLijn[schrijfPositie + 1], Geschiedenis, venster.begin() + VulTaps);
    std::copy_n(invoer, stuk, venster.begin() + VulTaps + Geschiedenis);
    kern(venster.data(), uitvoer, stuk);
    // Only the newest 61 samples of the piece survive in the line; the
    // write position moves past the others as if they had been stored.
    const std::size_t overgeslagen = stuk > FilterLengte ? stuk - FilterLengte : 0;
    schrijfPositie = (schrijfPositie + overgeslagen) % FilterLengte;
    for (std::size_t n = overgeslagen; n < stuk; ++n) {
      schrijf(invoer[n]);
    }
    invoer += stuk;
    uitvoer += stuk;
    aantal -= stuk;
  }
}

} // namespace

void firReset()
{
  vertragingsLijn.fill(0);
  schrijfPositie = 0;
}

void firFilterBlok(const Int16* invoer, Int16* uitvoer, std::size_t aantal)
{
  filterInStukken(invoer, uitvoer, aantal);
}

void firFilterSignaal(const Int16* signaal, Int16* sigGefilterd, std::size_t aantal)
{
  firReset();
  firFilterBlok(signaal, sigGefilterd, aantal);
}

Double firVersterking(Double omega)
{
  std::complex<Double> som = 0.0;
  for (std::size_t k = 0; k < FilterLengte; ++k) {
    som +=
        static_cast<Double>(firCoefficienten[k]) * std::polar(1.0, -omega * static_cast<Double>(k));
  }
  return std::abs(som) / 32768.0;
}
