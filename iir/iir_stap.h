// One sample through the IIR cascade, with a look at every stage: the engine's own step.
// SPDX-License-Identifier: MIT
//
// The steps of IIR_Double_2Filter in their order (iir.h): the gain, then each
// section's recursion, feed-forward and state shift. The engine's sample
// filter and the explanation of an output (iir_berekening.h) both run this
// step, so the explanation shows the engine's values, not a second model.
#pragma once

#include "iir.h"

#include <array>
#include <cassert>

// The state values a section keeps: w[s][0] = w(n−1), w[s][1] = w(n−2).
using SectieToestand = std::array<Double, 2>;

// `opnemer(s, invoer, voor, na, uitvoer)` sees each stage after its step:
// section 0, the gain, with no state (voor and na null), then sections
// 1..aantalSekties−1 with their state before and after. Returns y[n].
template <typename Opnemer>
Double iirStapMet(Double inv, FilterIIR_Double_2* filter, Opnemer&& opnemer)
{
  const Double* num = filter->filterTeller;
  const Double* den = filter->filterNoemer;

  Double mac = num[0] * inv; // section 0: the gain alone
  opnemer(UInt32{0}, inv, static_cast<const SectieToestand*>(nullptr),
          static_cast<const SectieToestand*>(nullptr), mac);
  for (UInt32 s = 1; s < filter->aantalSekties; ++s) {
    num += MaxSectieLengte;
    den += MaxSectieLengte;
    Double* toestand = filter->w[s];
    const UInt16 noemerLengte = filter->noemerSecties[s];
    const UInt16 tellerLengte = filter->tellerSecties[s];
    assert(noemerLengte <= MaxSectieLengte && tellerLengte <= MaxSectieLengte);
    const Double invoer = mac;
    const SectieToestand voor = {toestand[0], toestand[1]};

    Double w = invoer;
    for (UInt32 d = 1; d < noemerLengte; ++d) { // a0 is taken as 1 and never read
      w = w - (toestand[d - 1] * den[d]);
    }
    mac = w * num[0];
    for (UInt32 d = 1; d < tellerLengte; ++d) {
      mac = mac + (toestand[d - 1] * num[d]);
    }
    toestand[1] = toestand[0];
    toestand[0] = w;
    const SectieToestand na = {toestand[0], toestand[1]};
    opnemer(s, invoer, &voor, &na, mac);
  }
  return mac;
}
