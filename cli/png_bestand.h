// Writing a picture as a PNG file, whole or not at all.
#pragma once

#include "rasteriseer.h"

#include <string>

// Writes `beeld` to `pad` through a temporary file beside it that is renamed
// into place, so a failure never leaves a partial file behind. Returns an
// empty string on success, otherwise what went wrong.
std::string schrijfPng(const Beeld& beeld, const std::string& pad);
