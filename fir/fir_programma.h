// What makes the FIR program what it is: its sample type, its texts and start
// amplitude (stated in data/programmas.env), its filter, and what its
// arithmetic cost a cycle. The window model, its shells and filtercyclus read
// it.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "fir.h"
#include "fir_berekening.h"
#include "fir_exact.h"
#include "fir_wortels.h"
#include "kostenregel.h"
#include "programma_gegevens.h"
#include "signaal.h"

#include <array>
#include <span>
#include <vector>

struct FIRProgramma : MetGegevens<firGegevens, UInt16> {
  using Monster = Int16;
  // The FIR engine keeps its delay line to itself; the window holds no record.
  struct FilterRecord {};

  static void bindFilterRecord(FilterRecord& /*filter*/) {}

  // A signal of any length from a cleared delay line, through the block
  // path. The FIR filter cannot fail, so it has nothing to report.
  static void filterLang(FilterRecord& /*filter*/, std::span<const Monster> signaal,
                         std::span<Monster> sigGefilterd, Melder /*meld*/)
  {
    firFilterSignaal(signaal.data(), sigGefilterd.data(), signaal.size());
  }

  static void filterSignaal(FilterRecord& filter, const SignaalBlok<Monster>& signaal,
                            SignaalBlok<Monster>& sigGefilterd, Melder meld)
  {
    filterLang(filter, signaal, sigGefilterd, meld);
  }

  static Double versterking(Double omega) { return firVersterking(omega); }
  static std::complex<Double> overdracht(Double omega) { return firOverdracht(omega); }
  static Double groepslooptijd(Double omega) { return firGroepslooptijd(omega); }
  static NullenEnPolen nullenEnPolen() { return firNullenEnPolen(); }

  // The taps in real numbers on the unrounded signal (fir_exact.h): the
  // exact column beside the engine's output.
  static std::vector<Double> exactSignaal(UInt32 signaal, UInt32 amplitude, Float hoekFreq)
  {
    std::vector<Double> exact(BlokLengte);
    firExactSignaal(signaal, amplitude, hoekFreq, exact);
    return exact;
  }

  // What 16-bit arithmetic cost the cycle that gave `gefilterd`: the largest
  // and the mean deviation from the exact output, and the saturated outputs.
  static std::array<KostenRegel, 3> kosten(std::span<const Monster> invoer,
                                           std::span<const Monster> gefilterd, UInt32 signaal,
                                           UInt32 amplitude, Float hoekFreq)
  {
    const FirAfwijking afwijking =
        firAfwijking(exactSignaal(signaal, amplitude, hoekFreq), invoer, gefilterd);
    return {{{"Grootste afwijking van de exacte uitkomst", afwijking.grootsteAfwijking, 2},
             {"Gemiddelde afwijking", afwijking.gemiddeldeAfwijking, 2},
             {"Verzadigd", static_cast<Double>(afwijking.verzadigd), 0}}};
  }

  // How output n (0..127) of the cycle at these settings comes about: the
  // 61 terms, the shift, saturation and the exact value (fir_berekening.h).
  static Berekening berekening(UInt32 keuze, Amplitude amplitude, Float hoekFreq, std::size_t n)
  {
    return n < BlokLengte ? firBerekeningTabel(firBerekening(keuze, amplitude, hoekFreq, n))
                          : Berekening{};
  }
};
