#include "fir.h"

#include <algorithm>
#include <complex>
#include <limits>

namespace {

// The delay line is circular: each sample is written once and never moved.
// It is stored twice over (slot p and slot p + FilterLengte), so that the 61
// most recent samples always stand in one contiguous run, newest last, and
// the dot product needs no wrap-around.
std::array<Int16, 2 * FilterLengte> vertragingsLijn{};
std::size_t schrijfPositie = 0; // slot 0..60 that takes the next sample

// The taps in the order of that run: oldest sample first.
constexpr std::array<Int16, FilterLengte> omgekeerd(const std::array<Int16, FilterLengte>& h)
{
  std::array<Int16, FilterLengte> r{};
  for (std::size_t k = 0; k < FilterLengte; ++k) {
    r[k] = h[FilterLengte - 1 - k];
  }
  return r;
}

// Split so that each half's sum of |h| times 32768 fits in 32 bits; the two
// partial sums are exact in Int32, and their total is taken in Int64.
constexpr std::size_t splitsing = 30;

Int32 somVanProducten(const Int16* x, const Int16* h, std::size_t aantal)
{
  Int32 som = 0; // 2.30 products, exact for this half of the taps
  for (std::size_t k = 0; k < aantal; ++k) {
    som += static_cast<Int32>(x[k]) * static_cast<Int32>(h[k]);
  }
  return som;
}

Int16 verzadig(Int64 waarde)
{
  constexpr Int64 kleinste = std::numeric_limits<Int16>::min();
  constexpr Int64 grootste = std::numeric_limits<Int16>::max();
  return static_cast<Int16>(std::clamp(waarde, kleinste, grootste));
}

Int16 filterMonster(Int16 x)
{
  static constexpr std::array<Int16, FilterLengte> h = omgekeerd(firCoefficienten);

  vertragingsLijn[schrijfPositie] = x;
  vertragingsLijn[schrijfPositie + FilterLengte] = x;
  const Int16* oudsteEerst = &vertragingsLijn[schrijfPositie + 1];

  const Int64 acc =
      Int64{somVanProducten(oudsteEerst, h.data(), splitsing)} +
      somVanProducten(oudsteEerst + splitsing, h.data() + splitsing, FilterLengte - splitsing);

  schrijfPositie = schrijfPositie + 1 == FilterLengte ? 0 : schrijfPositie + 1;
  // 2.30 back to 1.15: an arithmetic shift, which rounds toward minus infinity.
  return verzadig(acc >> 15);
}

static_assert(
    [] {
      Int64 eersteHelft = 0;
      Int64 tweedeHelft = 0;
      const auto h = omgekeerd(firCoefficienten);
      for (std::size_t k = 0; k < FilterLengte; ++k) {
        const Int64 grootte = h[k] < 0 ? -Int64{h[k]} : Int64{h[k]};
        (k < splitsing ? eersteHelft : tweedeHelft) += grootte * 32768;
      }
      return eersteHelft <= std::numeric_limits<Int32>::max() &&
             tweedeHelft <= std::numeric_limits<Int32>::max();
    }(),
    "each partial sum of the taps must fit in 32 bits");

} // namespace

void firReset()
{
  vertragingsLijn.fill(0);
  schrijfPositie = 0;
}

void firFilterBlok(const Int16* invoer, Int16* uitvoer, std::size_t aantal)
{
  for (std::size_t n = 0; n < aantal; ++n) {
    uitvoer[n] = filterMonster(invoer[n]);
  }
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
