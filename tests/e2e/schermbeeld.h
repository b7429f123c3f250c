// Reading a screenshot and finding the graph panel on it, for the tools that
// check a running program's picture (on Linux and under Wine).
// SPDX-License-Identifier: MIT
#pragma once

#include "rasteriseer.h"

#include <optional>

// Reads a binary PPM (P6, 8 bits a channel), such as ImageMagick's `import`
// writes; false if the file is not one.
bool leesPpm(const char* pad, Beeld& beeld);

// The graph panel's client area: the one area in the background colour, with
// the red vertical axis in its column 0 when a cycle is shown.
std::optional<PixelVak> vindPaneel(const Beeld& scherm);
