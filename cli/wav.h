// A WAV file as filtercyclus writes it: mono, 16-bit PCM.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <string>
#include <vector>

// The 44-byte header (RIFF, "fmt " for PCM, "data") and the samples, every
// number little-endian, whatever the machine's byte order.
std::string wavVan(const std::vector<Int16>& monsters, UInt32 bemonstering);
