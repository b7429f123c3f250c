// What makes the FIR program what it is: its sample type, its texts and start
// amplitude (stated in data/programmas.env) and its filter. The window shell
// and filtercyclus read it.
#pragma once

#include "algdef.h"
#include "fir.h"
#include "fir_berekening.h"
#include "fir_wortels.h"
#include "programma_gegevens.h"
#include "signaal.h"

#include <span>

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

  // How output n (0..127) of the cycle at these settings comes about: the
  // 61 terms, the shift, saturation and the exact value (fir_berekening.h).
  static Berekening berekening(UInt32 keuze, Amplitude amplitude, Float hoekFreq, std::size_t n)
  {
    return n < BlokLengte ? firBerekeningTabel(firBerekening(keuze, amplitude, hoekFreq, n))
                          : Berekening{};
  }
};
