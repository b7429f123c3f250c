// The one place for PNG output: a raster picture through libpng, and a
// figure (a plot) through cairo where the build has cairo. Not in the browser
// build, which shows its pictures itself.
// SPDX-License-Identifier: MIT
#pragma once

#include "figuur.h"
#include "rasteriseer.h"

#include <string>

// An RGB PNG of the picture.
std::string pngVan(const Beeld& beeld);

// Whether this build can write a figure as PNG (it needs cairo).
bool grafiekAlsPng();

// The figure as PNG, through cairo; only in builds with cairo, where
// grafiekAlsPng() says so.
std::string figuurPng(const Figuur& figuur);
