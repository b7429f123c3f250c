// filtercyclus: one processing cycle of iir_demo or fir_demo without a window,
// as CSV (with the FIR's exact column on request), as the picture the graph
// panel shows (PNG, SVG) or as sound (WAV); the cycle's spectra; a program's
// filter as its magnitude response, its zeros and poles (each as CSV or as a
// plot) or its coefficients. For preparing lecture material, checking a hand
// calculation, and testing the programs end to end.
//
// One step reads the command line into choices (keuzes.h); each output is a
// function to bytes (uitvoer.h); this file only prepares the standard
// streams, sends the bytes to their targets and turns the outcome into the
// exit status.
// SPDX-License-Identifier: MIT

#include "doelbestand.h"
#include "keuzes.h"
#include "uitvoer.h"

#include <cstdio>
#include <exception>
#include <string>
#include <variant>
#include <vector>

namespace {

void meld(const std::string& regel)
{
  (void)std::fputs(("filtercyclus: " + regel + "\n").c_str(), stderr);
}

// Writes every output in turn; the first failure ends the run with its line.
int schrijf(const std::vector<Uitvoer>& uitvoer)
{
  bool naarStdout = false;
  for (const auto& u : uitvoer) {
    if (u.doel.standaardUitvoer) {
      naarStdout = true;
      if (const auto fout = schrijfNaarStdout(u.bytes())) {
        meld("cannot write the " + u.naam + " to stdout: " + *fout);
        return statusSchrijfFout;
      }
    } else if (const auto fout = schrijfBestand(u.doel.pad, u.bytes())) {
      meld(u.naam + ": " + *fout);
      return statusSchrijfFout;
    }
  }
  if (naarStdout) {
    if (const auto fout = sluitStdout()) {
      meld("cannot write to stdout: " + *fout);
      return statusSchrijfFout;
    }
  }
  return statusGelukt;
}

} // namespace

// SIGPIPE is left as the caller set it: a reader that stops early (| head)
// ends the run silently, as it ends cat; where it is ignored, the write fails
// with its line and status 1.
int main(int argc, char** argv)
{
  bereidStandaardStromenVoor();
  try {
    const Ontleding ontleding = leesKeuzes({argv + (argc > 0 ? 1 : 0), argv + argc});
    if (const auto* afsluiting = std::get_if<Afsluiting>(&ontleding)) {
      if (!afsluiting->fout.empty()) {
        (void)std::fputs((afsluiting->fout + "\n").c_str(), stderr);
        return afsluiting->status;
      }
      return schrijf({{"output", standaardUitvoer, [&] { return afsluiting->uitvoer; }}});
    }
    return schrijf(uitvoerVoor(std::get<Keuzes>(ontleding), [](const char* tekst) {
      (void)std::fputs((std::string(tekst) + "\n").c_str(), stderr);
    }));
  } catch (const std::exception& fout) { // out of memory
    meld(fout.what());
    return statusSchrijfFout;
  }
}
