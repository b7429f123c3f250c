// Builds without cairo write the plot as SVG only; the command line refuses
// --respons --png there before anything asks for this.
// SPDX-License-Identifier: MIT
#include "png_uitvoer.h"

#include <stdexcept>

bool grafiekAlsPng()
{
  return false;
}

std::string figuurPng(const Figuur& /*figuur*/)
{
  throw std::logic_error("this build writes the response plot as SVG only");
}
