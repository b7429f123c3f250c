// What the window says about a cycle in words: its settings, a sample, what
// the FIR's 16-bit arithmetic cost. Numbers as the Dutch texts write them: a
// decimal comma and a true minus sign (U+2212).
#pragma once

#include "algdef.h"
#include "cyclus.h"

#include <string>

struct FIRProgramma;

// Exactly, as the cycle's CSV has it.
std::string monsterTekst(Double waarde);
std::string monsterTekst(Int16 waarde);
// To the nearest whole number, for speech.
std::string afgerondTekst(Double waarde);

// "blokgolf, amplitude 12345, frequentie 0,2*PI"; the frequency only for a
// signal that has one.
std::string instellingTekst(UInt32 signaal, UInt32 amplitude, UInt32 frequentieKeuze);

// "n = 45: invoer 0, uitvoer −1770"
std::string aflezingTekst(std::size_t n, const std::string& invoer, const std::string& uitvoer);

// Lines as sentences on one line, for speech: "a\nb" gives "a. b.".
std::string alsZinnen(const std::string& regels);

// What 16-bit arithmetic cost a cycle drawn with `signaal`, `amplitude` and
// `hoekFreq`, a line per fact: the largest and the mean deviation from the
// exact value (fir_exact.h) with two decimals, and the saturated outputs;
// nothing for a program that does not compute in 16 bits.
template <typename Programma>
std::string kostenTekst(const CyclusResultaat<Programma>& /*cyclus*/, UInt32 /*signaal*/,
                        UInt32 /*amplitude*/, Float /*hoekFreq*/)
{
  return {};
}
std::string kostenTekst(const CyclusResultaat<FIRProgramma>& cyclus, UInt32 signaal,
                        UInt32 amplitude, Float hoekFreq);

// The lines kostenTekst gives a program's drawn cycle: a page keeps their room
// while none is drawn.
template <typename Programma>
inline constexpr std::size_t kostenRegels = 0;
template <>
inline constexpr std::size_t kostenRegels<FIRProgramma> = 3;
