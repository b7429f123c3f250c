// The choice, once per process, of the arithmetic that runs the engines' hot loops.
// SPDX-License-Identifier: MIT
#include "rekenkern.h"

namespace {

bool processorHeeftAvx2()
{
#if defined(__x86_64__)
  // Asked before main: the check needs the processor's data filled in first.
  __builtin_cpu_init();
  return static_cast<bool>(__builtin_cpu_supports("avx2"));
#else
  return false;
#endif
}

// Decided once, when the program starts. Read before that (from another
// file's start-up code) it is still false, the portable arithmetic, which is
// right on every processor.
const bool avx2Beschikbaar = processorHeeftAvx2();
Rekenkern keuze = Rekenkern::snelste;

} // namespace

void kiesRekenkern(Rekenkern gevraagd)
{
  keuze = gevraagd;
}

bool metAvx2()
{
  return avx2Beschikbaar && keuze == Rekenkern::snelste;
}
