// filtercyclus: one processing cycle of iir_demo or fir_demo without a window,
// as CSV or as the picture the graph panel shows; or the magnitude response
// of a program's filter, as CSV or as a plot. For preparing lecture material,
// checking a hand calculation, and testing the programs end to end.
//
// One step reads the command line into choices; each output is a function
// from a cycle or a response to bytes; this file only sends the bytes to
// their targets.

#include "cyclus_uitvoer.h"
#include "doelbestand.h"
#include "fir_programma.h"
#include "grafiek.h"
#include "iir_programma.h"
#include "keuzes.h"
#include "respons.h"
#include "responsgrafiek.h"

#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace {

void meld(const std::string& regel)
{
  std::fputs(("filtercyclus: " + regel + "\n").c_str(), stderr);
}

// One output: what it is called in a message, where it goes, and its bytes,
// made only when they are needed.
struct Uitvoer {
  std::string naam;
  Doel doel;
  std::function<std::string()> bytes;
};

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

const Doel standaardUitvoer{true, "-"};

template <typename Programma>
std::vector<Uitvoer> cyclusUitvoer(const Keuzes& keuzes)
{
  const auto amplitude = keuzes.amplitude
                             ? static_cast<typename Programma::Amplitude>(*keuzes.amplitude)
                             : Programma::startAmplitude;
  const auto cyclus =
      draaiCyclus<Programma>(keuzes.signaal, amplitude, *hoekFrequentie(keuzes.frequentie),
                             [](const char* tekst) { meld(tekst); });
  std::vector<Uitvoer> uitvoer;
  if (keuzes.png) {
    uitvoer.push_back({"--png", *keuzes.png, [=] { return cyclusPng(cyclus, keuzes.grootte); }});
  }
  if (keuzes.svg) {
    uitvoer.push_back({"--svg", *keuzes.svg, [=] { return cyclusSvg(cyclus, keuzes.grootte); }});
  }
  if (uitvoer.empty()) {
    uitvoer.push_back({"CSV", standaardUitvoer, [=] { return cyclusCsv(cyclus); }});
  }
  return uitvoer;
}

template <typename Programma>
std::vector<Uitvoer> responsUitvoer(const Keuzes& keuzes, const std::string& titel)
{
  std::vector<Uitvoer> uitvoer;
  const auto grafiek = [titel, grootte = keuzes.grootte] {
    return responsGrafiek(titel, Programma::versterking, grootte);
  };
  if (keuzes.png) {
    uitvoer.push_back({"--png", *keuzes.png, [=] { return grafiekPng(grafiek()); }});
  }
  if (keuzes.svg) {
    uitvoer.push_back({"--svg", *keuzes.svg, [=] { return grafiekSvg(grafiek()); }});
  }
  if (uitvoer.empty()) {
    uitvoer.push_back({"CSV", standaardUitvoer, [punten = keuzes.punten] {
                         return responsCsv(berekenRespons(Programma::versterking, punten));
                       }});
  }
  return uitvoer;
}

template <typename Programma>
std::vector<Uitvoer> uitvoerVoor(const Keuzes& keuzes, const std::string& titel)
{
  return keuzes.respons ? responsUitvoer<Programma>(keuzes, titel)
                        : cyclusUitvoer<Programma>(keuzes);
}

} // namespace

int main(int argc, char** argv)
{
  bereidStandaardStromenVoor();
  try {
    const Ontleding ontleding = leesKeuzes({argv + (argc > 0 ? 1 : 0), argv + argc});
    if (const auto* afsluiting = std::get_if<Afsluiting>(&ontleding)) {
      if (!afsluiting->fout.empty()) {
        std::fputs((afsluiting->fout + "\n").c_str(), stderr);
        return afsluiting->status;
      }
      return schrijf({{"help", standaardUitvoer, [&] { return afsluiting->uitvoer; }}});
    }
    const auto& keuzes = std::get<Keuzes>(ontleding);
    return schrijf(
        keuzes.programma == ProgrammaKeuze::iir
            ? uitvoerVoor<IIRProgramma>(keuzes, "Amplitudekarakteristiek van het IIR-filter")
            : uitvoerVoor<FIRProgramma>(keuzes, "Amplitudekarakteristiek van het FIR-filter"));
  } catch (const std::exception& fout) { // out of memory
    meld(fout.what());
    return statusSchrijfFout;
  }
}
