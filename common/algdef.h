// Fixed-width names for all data of the filter programs, the result codes of
// operations that can fail, and the null pointer as the checks spell it.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

using Char = char;
using UChar = unsigned char;
using Int = int;
using UInt = unsigned int;
using Float = float;
using Double = double;
using Int8 = std::int8_t;
using UInt8 = std::uint8_t;
using Int16 = std::int16_t;
using UInt16 = std::uint16_t;
using Int32 = std::int32_t;
using UInt32 = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using Bool32 = std::uint32_t;
using Bool16 = std::uint16_t;
using Bool8 = std::uint8_t;

static_assert(sizeof(Float) == 4, "Float must be a 32-bit IEEE float");
static_assert(sizeof(Double) == 8, "Double must be a 64-bit IEEE float");
static_assert(sizeof(Int) >= 4, "Int must hold at least 32 bits");
static_assert(sizeof(Bool8) == 1 && sizeof(Bool16) == 2 && sizeof(Bool32) == 4);

enum FoutCode : Int {
  Ok = 0,
  Waarschuwing = 1,
  Fout = 2,
  Ernstig = 3,
  Rampzalig = 4,
  ReserveFoutCode = 5,
};

// Where an operation reports a failure as text; may be null.
using Melder = void (*)(const char* tekst);

// Written as "(Double *) Null" in the engine's checks, so the assertion report
// names the pointer type that was expected.
inline constexpr std::nullptr_t Null = nullptr;
