// One processing cycle without a window: build the test signal, filter it
// from a cleared state. The window runs the same two steps on its members.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "signaal.h"
#include "testsignaal.h"

template <typename Programma>
struct CyclusResultaat {
  SignaalBlok<typename Programma::Monster> signaal{};
  SignaalBlok<typename Programma::Monster> gefilterd{};
};

template <typename Programma>
CyclusResultaat<Programma> draaiCyclus(UInt32 keuze, typename Programma::Amplitude amplitude,
                                       Float hoekFreq, Melder meld = nullptr)
{
  CyclusResultaat<Programma> resultaat;
  typename Programma::FilterRecord filter{};
  Programma::bindFilterRecord(filter);
  bouwTestSignaal(keuze, amplitude, hoekFreq, resultaat.signaal);
  Programma::filterSignaal(filter, resultaat.signaal, resultaat.gefilterd, meld);
  return resultaat;
}
