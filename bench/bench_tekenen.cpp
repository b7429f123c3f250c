// Painting the graph: the axes and 256 bars drawn by the panel into a bitmap
// at the window's size and at full HD. Needs a display (run under xvfb-run).
// SPDX-License-Identifier: MIT
#include "cyclus.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "grafiekpaneel.h"
#include "rasteriseer.h"

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/init.h>

namespace {

void tekenen(benchmark::State& state)
{
  const wxSize grootte(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  auto* frame = new wxFrame(nullptr, wxID_ANY, "bench");
  auto* paneel = new GrafiekPaneel<Int16>(frame, wxID_ANY);
  const auto cyclus = draaiCyclus<FIRProgramma>(blokgolf, 20000, startHoekFreq);
  paneel->kopieerSignaal(cyclus.signaal.data(), cyclus.gefilterd.data());
  // One context for all rounds, as the window paints on its own surface: the
  // rounds measure the drawing, not setting up a bitmap for it.
  wxBitmap bitmap(grootte, 24);
  wxMemoryDC dc(bitmap);
  for (auto _ : state) {
    paneel->tekenOp(dc, grootte);
  }
  dc.SelectObject(wxNullBitmap);
  frame->Destroy();
}

// The same picture rasterised without the toolkit, as filtercyclus --png does.
void rasteriseren(benchmark::State& state)
{
  const Int breedte = static_cast<Int>(state.range(0));
  const Int hoogte = static_cast<Int>(state.range(1));
  const auto cyclus = draaiCyclus<FIRProgramma>(blokgolf, 20000, startHoekFreq);
  for (auto _ : state) {
    auto beeld = rasteriseer(maakTekening(cyclus.signaal, cyclus.gefilterd, breedte, hoogte),
                             breedte, hoogte);
    benchmark::DoNotOptimize(beeld.rgb.data());
  }
}

// The panel's smallest size and a full-HD window, for both.
void beideGroottes(benchmark::internal::Benchmark* meting)
{
  meting->Args({512, 500})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(tekenen)->Name("tekenen")->Apply(beideGroottes);
BENCHMARK(rasteriseren)->Name("rasteriseren")->Apply(beideGroottes);

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}
