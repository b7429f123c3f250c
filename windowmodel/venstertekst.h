// What the window says about a cycle in words: its settings, a sample, what
// a program's arithmetic cost it. Numbers as the Dutch texts write them: a
// decimal comma and a true minus sign (U+2212).
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "kostenregel.h"

#include <span>
#include <string>
#include <tuple>

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

// A program's cost lines (its description's `kosten`), a line per fact:
// "label: value", the value with its decimals.
std::string kostenTekst(std::span<const KostenRegel> regels);

// How many lines kostenTekst gives a program's drawn cycle, from the size of
// what its description states: a page keeps their room while none is drawn.
template <typename Programma>
inline constexpr std::size_t kostenRegels =
    std::tuple_size_v<decltype(Programma::kosten({}, {}, 0, 0, 0.0F))>;
