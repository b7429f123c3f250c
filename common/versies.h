// Hot loops built twice, for the baseline x86-64 processor and for AVX2; the
// loader picks one when the program starts. Both give the same bits: the
// wider unit only does the same operations with fewer instructions. GCC is
// told to inline everything the loop calls into each variant (clang does not
// take that together with multiversioning, and inlines on its own).
#pragma once

#if defined(__x86_64__) && defined(__clang__)
#define MET_AVX2_VERSIE __attribute__((target_clones("avx2", "default")))
#elif defined(__x86_64__)
#define MET_AVX2_VERSIE __attribute__((target_clones("avx2", "default"), flatten))
#else
#define MET_AVX2_VERSIE
#endif
