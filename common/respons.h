// The magnitude response of a program's filter as numbers: at the eight
// frequencies of the choice or at evenly spaced ones.
// versterking = |H(e^j*omega)| (Double, from the engine), dB = 20*log10 of it,
// fase = arg H in radians unwrapped from DC, groepslooptijd = −d fase/d omega
// in samples, both from the engine's coefficient tables.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "fase.h"

#include <optional>
#include <vector>

using VersterkingVan = Double (*)(Double omega);
using LooptijdVan = Double (*)(Double omega);

struct ResponsPunt {
  std::optional<UInt32> keuze; // the item of the frequency choice, if it is one
  Double factor = 0.0;         // omega = factor*pi, as the factor was asked for
  Double omega = 0.0;
  Double versterking = 0.0;
  Double fase = 0.0;
  Double groepslooptijd = 0.0;
};

using Respons = std::vector<ResponsPunt>;

// Without `punten`: the frequencies the program really uses, the Float of
// each item of the choice. With it: that many from 0 to pi inclusive.
Respons berekenRespons(VersterkingVan versterking, std::optional<UInt32> punten);

// Fills in the phase and the group delay of every point.
void voegFaseToe(Respons& respons, OverdrachtVan overdracht, LooptijdVan looptijd);

Double inDecibel(Double versterking);
