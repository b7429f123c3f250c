// What makes the IIR program what it is: its sample type, its texts and start
// amplitude (stated in data/programmas.env), its filter, and what its
// arithmetic cost a cycle. The window model, its shells and filtercyclus read
// it.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "iir.h"
#include "iir_berekening.h"
#include "iir_wortels.h"
#include "kostenregel.h"
#include "programma_gegevens.h"
#include "signaal.h"
#include "testsignaal.h"

#include <array>
#include <span>
#include <vector>

struct IIRProgramma : MetGegevens<iirGegevens, UInt32> {
  using Monster = Double;
  using FilterRecord = FilterIIR_Double_2;

  static void bindFilterRecord(FilterRecord& filter) { bindFilter(filter); }

  // A signal of any length from a cleared state, through the block path.
  static void filterLang(FilterRecord& filter, std::span<const Monster> signaal,
                         std::span<Monster> sigGefilterd, Melder meld)
  {
    filterIIRSignaal(&filter, signaal.data(), sigGefilterd.data(), signaal.size(), meld);
  }

  static void filterSignaal(FilterRecord& filter, const SignaalBlok<Monster>& signaal,
                            SignaalBlok<Monster>& sigGefilterd, Melder meld)
  {
    filterLang(filter, signaal, sigGefilterd, meld);
  }

  static Double versterking(Double omega)
  {
    FilterRecord filter;
    bindFilterRecord(filter);
    return iirVersterking(filter, omega);
  }

  static std::complex<Double> overdracht(Double omega)
  {
    FilterRecord filter;
    bindFilterRecord(filter);
    return iirOverdracht(filter, omega);
  }

  static Double groepslooptijd(Double omega)
  {
    FilterRecord filter;
    bindFilterRecord(filter);
    return iirGroepslooptijd(filter, omega);
  }

  static NullenEnPolen nullenEnPolen()
  {
    FilterRecord filter;
    bindFilterRecord(filter);
    return iirNullenEnPolen(filter);
  }

  // Double precision is the reference itself: no exact column, and no cost
  // to state.
  static std::vector<Double> exactSignaal(UInt32 /*signaal*/, UInt32 /*amplitude*/,
                                          Float /*hoekFreq*/)
  {
    return {};
  }
  static std::array<KostenRegel, 0> kosten(std::span<const Monster> /*invoer*/,
                                           std::span<const Monster> /*gefilterd*/,
                                           UInt32 /*signaal*/, UInt32 /*amplitude*/,
                                           Float /*hoekFreq*/)
  {
    return {};
  }

  // How output n (0..127) of the cycle at these settings comes about: the
  // gain stage and each section with its state (iir_berekening.h).
  static Berekening berekening(UInt32 keuze, Amplitude amplitude, Float hoekFreq, std::size_t n)
  {
    if (n >= BlokLengte) {
      return {};
    }
    SignaalBlok<Monster> signaal{};
    bouwTestSignaal(keuze, amplitude, hoekFreq, signaal);
    FilterRecord filter;
    bindFilterRecord(filter);
    return iirBerekeningTabel(iirBerekening(filter, signaal, n));
  }
};
