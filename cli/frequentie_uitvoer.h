// The cycle and the filter in frequency, as filtercyclus writes them: the
// spectra of a cycle's input and output (--spectrum) and the filter's zeros
// and poles (--polen), each as CSV or as a plot.
// SPDX-License-Identifier: MIT
#pragma once

#include "polengrafiek.h"
#include "spectrum.h"
#include "spectrumgrafiek.h"

#include <string>

// "k,omega,invoer,uitvoer" and one row per line k = 0..64, in the samples'
// units, each Double in its shortest round-trip form.
std::string spectrumCsv(const Spectrum& invoer, const Spectrum& uitvoer);

// "soort,re,im" and one row per zero ("nul"), then per pole ("pool"), each
// as often as its multiplicity.
std::string polenCsv(const NullenEnPolen& np);
