// The command line of filtercyclus, read once into typed choices: after this
// step no text of the command line is looked at again.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "figuur.h"
#include "frequenties.h"
#include "geluid.h"
#include "getallen.h"
#include "responsgrafiek.h"
#include "testsignaal.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

inline constexpr int statusGelukt = 0;
inline constexpr int statusSchrijfFout = 1; // an output could not be written
inline constexpr int statusGebruiksFout = 2;

enum class ProgrammaKeuze { iir, fir };

// Where an output goes: the file `pad`, or stdout (written "-").
struct Doel {
  bool standaardUitvoer = false;
  std::string pad;
};

struct Keuzes {
  ProgrammaKeuze programma = ProgrammaKeuze::iir;
  bool respons = false;       // the filter's magnitude response instead of a cycle
  bool coefficienten = false; // the filter's coefficients instead of a cycle
  bool spectrum = false;      // the cycle's input and output spectra instead of the cycle
  bool polen = false;         // the filter's zeros and poles instead of a cycle
  UInt32 signaal = cosinus;
  std::optional<UInt32> amplitude; // none: the program's start amplitude
  UInt32 frequentie = startFrequentieKeuze;
  std::optional<Doel> png;
  std::optional<Doel> svg;
  Grootte grootte;              // of the picture or the plot
  std::optional<UInt32> punten; // none: the eight frequencies of the choice
  std::optional<Doel> wav;      // the cycle's signal and output to listen to
  UInt32 duurMicroseconden = standaardDuurMicroseconden; // of the WAV's input
  UInt32 bemonstering = standaardBemonstering;           // samples per second
  bool exact = false;               // the FIR's exact result as a fourth CSV column
  std::optional<UInt32> berekening; // how this output of the cycle comes about, as CSV
};

// The WAV's sample counts: the input lasts duur·fs samples, rounded to the
// nearest whole sample, a half up; the silence is luisterStilteLengte.
std::size_t wavInvoerLengte(const Keuzes& keuzes);
std::size_t wavStilteLengte(const Keuzes& keuzes);

// What to do instead of running: print a text (help, version) with status 0,
// or refuse the command line with one line on stderr and status 2.
struct Afsluiting {
  int status = statusGelukt;
  std::string uitvoer; // for stdout
  std::string fout;    // one line for stderr
};

using Ontleding = std::variant<Keuzes, Afsluiting>;

// `argumenten` are the words after the program's name.
Ontleding leesKeuzes(std::vector<std::string> argumenten);

// The cycle picture's size when --grootte is not given (the response's and
// the spectrum's plot's is standaardGrafiekGrootte, the z-plane's
// standaardPolenGrootte).
inline constexpr Grootte standaardCyclusGrootte = {512, 500};

// Whether the choices ask for a plot (of the response, the spectrum or the
// z-plane) rather than the cycle's picture.
constexpr bool isGrafiek(const Keuzes& keuzes)
{
  return keuzes.respons || keuzes.spectrum || keuzes.polen;
}
