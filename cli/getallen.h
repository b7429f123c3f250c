// The values of filtercyclus's options read from their text, each parser a
// function from text to a value or nothing, so that no text is read in some
// surprising way: only plain decimal digits ("1e3", "+5", " 7" and "0x10"
// are refused), a seconds value exactly as whole microseconds, a size as
// BREEDTExHOOGTE. The ranges the options are checked against are named here.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "figuur.h"
#include "geluid.h"
#include "signaal.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// --duur is read exactly, as a whole number of microseconds: at most six
// decimals, between 0,1 and 60 seconds.
inline constexpr UInt32 microsecondenPerSeconde = 1'000'000;
inline constexpr UInt32 standaardDuurMicroseconden = luisterSeconden * microsecondenPerSeconde;
inline constexpr UInt32 minDuur = microsecondenPerSeconde / 10;
inline constexpr UInt32 maxDuur = 60 * microsecondenPerSeconde;

inline constexpr UInt32 minPunten = 2;
inline constexpr UInt32 maxPunten = 100000;
inline constexpr UInt32 minBemonstering = 8000;
inline constexpr UInt32 maxBemonstering = 48000;

// The smallest picture of a cycle (a pixel column for every sample) and of
// the response plot, and the largest of either.
inline constexpr Grootte kleinsteCyclus = {static_cast<Int>(BlokLengte), 2};
inline constexpr Grootte kleinsteGrafiek = {400, 250};
inline constexpr Int grootsteZijde = 10000;
inline constexpr Grootte grootsteGrootte = {grootsteZijde, grootsteZijde};

// Plain decimal digits, at most a UInt32.
std::optional<UInt32> cijfers(std::string_view tekst);

// Plain decimal digits within kleinste..grootste.
std::optional<UInt32> geheelGetal(std::string_view tekst, UInt32 kleinste, UInt32 grootste);

// Seconds with at most one decimal comma or point and at most six decimals,
// as microseconds within minDuur..maxDuur: "0,5" and "0.5" are 500000.
std::optional<UInt32> leesDuur(std::string_view tekst);

// BREEDTExHOOGTE, each one to five digits; the range is checked once it is
// known what the size is for (grootteBinnen).
std::optional<Grootte> leesGrootte(std::string_view tekst);

// Whether both sides are from `kleinste` to grootsteGrootte.
bool grootteBinnen(const Grootte& grootte, const Grootte& kleinste);

// "512x500", as --grootte is written.
std::string grootteTekst(const Grootte& grootte);
