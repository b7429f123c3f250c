// The magnitude response of a program's filter, as filtercyclus reports it:
// at the eight frequencies of the choice or at evenly spaced ones, as CSV.
// versterking = |H(e^j*omega)| (Double, from the engine), dB = 20*log10 of it,
// fase = arg H in radians unwrapped from DC, groepslooptijd = −d fase/d omega
// in samples, both from the engine's coefficient tables.
#pragma once

#include "algdef.h"
#include "fase.h"

#include <optional>
#include <string>
#include <vector>

using VersterkingVan = Double (*)(Double omega);
using LooptijdVan = Double (*)(Double omega);

struct ResponsPunt {
  std::string frequentie; // as the choice writes it: "DC", "0,05*PI", ...
  Double omega = 0.0;
  Double versterking = 0.0;
  Double fase = 0.0;
  Double groepslooptijd = 0.0;
};

using Respons = std::vector<ResponsPunt>;

// A factor of pi as the choice writes a frequency, with a decimal comma.
std::string frequentieTekst(Double factor);

// Without `punten`: the frequencies the program really uses, the Float of
// each item of the choice. With it: that many from 0 to pi inclusive.
Respons berekenRespons(VersterkingVan versterking, std::optional<UInt32> punten);

// Fills in the phase and the group delay of every point.
void voegFaseToe(Respons& respons, OverdrachtVan overdracht, LooptijdVan looptijd);

Double inDecibel(Double versterking);

// "frequentie,omega,versterking,dB,fase,groepslooptijd" and one row per
// frequency.
std::string responsCsv(const Respons& respons);
