// Speed of one processing cycle per program, and of each engine on a long
// signal through the same code the programs use.
// SPDX-License-Identifier: MIT
#include "cyclus.h"
#include "fir.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "iir.h"
#include "iir_programma.h"
#include "rekenkern.h"
#include "spectrum.h"
#include "testsignaal.h"
#include "wortels.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr std::size_t miljoen = 1'000'000;

template <typename Programma>
void cyclus(benchmark::State& state)
{
  for (auto _ : state) {
    auto resultaat = draaiCyclus<Programma>(cosinus, Programma::startAmplitude, startHoekFreq);
    benchmark::DoNotOptimize(resultaat);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(BlokLengte));
}

// A chirp from DC to the Nyquist rate: every part of the response is used.
template <typename Monster>
std::vector<Monster> sweep(std::size_t lengte, double amplitude)
{
  std::vector<Monster> x(lengte);
  for (std::size_t n = 0; n < lengte; ++n) {
    const double t = static_cast<double>(n) / static_cast<double>(lengte);
    x[n] = static_cast<Monster>(amplitude *
                                std::cos(std::numbers::pi * t * static_cast<double>(n) / 2.0));
  }
  return x;
}

void iirMiljoen(benchmark::State& state)
{
  const auto x = sweep<Double>(miljoen, 8192.0);
  std::vector<Double> y(miljoen);
  FilterIIR_Double_2 filter;
  bindFilter(filter);
  for (auto _ : state) {
    filterIIRSignaal(&filter, x.data(), y.data(), miljoen);
    benchmark::DoNotOptimize(y.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(miljoen));
}

void firMiljoen(benchmark::State& state)
{
  const auto x = sweep<Int16>(miljoen, 20000.0);
  std::vector<Int16> y(miljoen);
  for (auto _ : state) {
    firFilterSignaal(x.data(), y.data(), miljoen);
    benchmark::DoNotOptimize(y.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(miljoen));
}

// A cycle's two spectra, as --spectrum and the page compute them.
void spectra(benchmark::State& state)
{
  const auto cyclus = draaiCyclus<FIRProgramma>(blokgolf, 20000, startHoekFreq);
  for (auto _ : state) {
    benchmark::DoNotOptimize(amplitudeSpectrum(cyclus.signaal));
    benchmark::DoNotOptimize(amplitudeSpectrum(cyclus.gefilterd));
  }
}

// The FIR's 60 zeros from its taps, found anew each time.
void firNullen(benchmark::State& state)
{
  std::array<Double, FilterLengte> taps{};
  std::copy(firCoefficienten.begin(), firCoefficienten.end(), taps.begin());
  for (auto _ : state) {
    benchmark::DoNotOptimize(veeltermWortels(taps));
  }
}

// The same measurement on the portable arithmetic, to see what AVX2 adds.
template <void (*Meting)(benchmark::State&)>
void portabel(benchmark::State& state)
{
  kiesRekenkern(Rekenkern::basis);
  Meting(state);
  kiesRekenkern(Rekenkern::snelste);
}

} // namespace

BENCHMARK(cyclus<IIRProgramma>)->Name("cyclus/iir");
BENCHMARK(cyclus<FIRProgramma>)->Name("cyclus/fir");
BENCHMARK(iirMiljoen)->Name("iir/1M")->Unit(benchmark::kMillisecond);
BENCHMARK(firMiljoen)->Name("fir/1M")->Unit(benchmark::kMillisecond);
BENCHMARK(portabel<iirMiljoen>)->Name("iir/1M/basis")->Unit(benchmark::kMillisecond);
BENCHMARK(portabel<firMiljoen>)->Name("fir/1M/basis")->Unit(benchmark::kMillisecond);

BENCHMARK(spectra)->Name("spectrum/2x128")->Unit(benchmark::kMicrosecond);
BENCHMARK(firNullen)->Name("nullen/fir")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
