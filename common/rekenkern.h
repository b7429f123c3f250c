// Which arithmetic runs the engines' hot loops, chosen once for the whole
// program when it starts: the portable code, or the same operations in AVX2
// instructions where the processor has them. Every variant gives the same
// bits; the wider unit only does the same operations with fewer
// instructions. A run-time check of the processor and function pointers,
// rather than the toolchain's function multiversioning, which needs the ELF
// loader's ifunc and so does not exist on Windows.
// SPDX-License-Identifier: MIT
#pragma once

// For tests and measurements: `basis` runs both engines on their portable
// arithmetic, `snelste` on the fastest the processor offers (the default).
enum class Rekenkern { snelste, basis };
void kiesRekenkern(Rekenkern gevraagd);

// Whether the engines run their AVX2 variants: the processor has AVX2 and
// the portable arithmetic was not asked for.
bool metAvx2();

// The variant of a hot loop to run; `avx2` is null where the build has none
// (another processor family).
template <typename Variant>
Variant gekozenVariant(Variant basis, Variant avx2)
{
  return avx2 != nullptr && metAvx2() ? avx2 : basis;
}
