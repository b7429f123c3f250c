#include "fir.h"

#include "versies.h"

#include <algorithm>
#include <complex>
#include <limits>

namespace {

// The dot product runs over a fixed number of taps, a multiple of the vector
// width, so that it vectorises without a scalar tail: the taps are padded with
// zeros in front, which weigh whatever they meet by 0.
constexpr std::size_t VulTaps = 3;
constexpr std::size_t RekenLengte = VulTaps + FilterLengte; // 64
constexpr std::size_t HelftLengte = RekenLengte / 2;
static_assert(RekenLengte % 16 == 0);

// The delay line is circular: each sample is written once and never moved.
// It is stored twice over (slot p and slot p + FilterLengte), so that the
// newest samples always stand in one contiguous run, oldest first, without a
// wrap-around: before slot p is written, slots p+1 .. p+60 hold the 60 newest.
std::array<Int16, 2 * FilterLengte> vertragingsLijn{};
std::size_t schrijfPositie = 0; // slot 0..60 that takes the next sample

// The taps in the order of such a run, oldest sample first, after the padding.
constexpr std::array<Int16, RekenLengte> rekenTaps = [] {
  std::array<Int16, RekenLengte> r{};
  for (std::size_t k = 0; k < FilterLengte; ++k) {
    r[RekenLengte - 1 - k] = firCoefficienten[k];
  }
  return r;
}();

// Each half of the taps sums to less than 2^31 in magnitude at full scale, so
// its 2.30 products add up exactly in Int32; the two halves meet in Int64.
constexpr bool helftPastIn32Bit(std::size_t begin)
{
  Int64 som = 0;
  for (std::size_t k = begin; k < begin + HelftLengte; ++k) {
    som += (rekenTaps[k] < 0 ? -Int64{rekenTaps[k]} : Int64{rekenTaps[k]}) * 32768;
  }
  return som <= std::numeric_limits<Int32>::max();
}
static_assert(helftPastIn32Bit(0) && helftPastIn32Bit(HelftLengte),
              "each partial sum of the taps must fit in 32 bits");

inline Int32 somVanProducten(const Int16* x, const Int16* h)
{
  Int32 som = 0; // 2.30 products, exact for this half of the taps
  for (std::size_t k = 0; k < HelftLengte; ++k) {
    som += static_cast<Int32>(x[k]) * static_cast<Int32>(h[k]);
  }
  return som;
}

inline Int16 verzadig(Int64 waarde)
{
  constexpr Int64 kleinste = std::numeric_limits<Int16>::min();
  constexpr Int64 grootste = std::numeric_limits<Int16>::max();
  return static_cast<Int16>(std::clamp(waarde, kleinste, grootste));
}

// The output for the newest of the 64 samples from `lijn` on (oldest first).
inline Int16 uitgang(const Int16* lijn)
{
  const Int64 acc = Int64{somVanProducten(lijn, rekenTaps.data())} +
                    somVanProducten(lijn + HelftLengte, rekenTaps.data() + HelftLengte);
  // 2.30 back to 1.15: an arithmetic shift, which rounds toward minus infinity.
  return verzadig(acc >> 15);
}

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

MET_AVX2_VERSIE void filterInStukken(const Int16* invoer, Int16* uitvoer, std::size_t aantal)
{
  alignas(32) std::array<Int16, VulTaps + Geschiedenis + StukLengte> venster{};
  while (aantal > 0) {
    const std::size_t stuk = std::min(aantal, StukLengte);
    std::copy_n(&vertragingsLijn[schrijfPositie + 1], Geschiedenis, venster.begin() + VulTaps);
    std::copy_n(invoer, stuk, venster.begin() + VulTaps + Geschiedenis);
    for (std::size_t n = 0; n < stuk; ++n) {
      uitvoer[n] = uitgang(&venster[n]);
    }
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
