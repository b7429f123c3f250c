#include "uitvoer.h"

#include "coefficienten.h"
#include "cyclus_uitvoer.h"
#include "fir_exact.h"
#include "fir_programma.h"
#include "geluid.h"
#include "iir_programma.h"
#include "respons.h"
#include "responsgrafiek.h"
#include "wav.h"

namespace {

// The FIR's output without rounding or saturation; the IIR has no exact
// column (the option is refused for it).
std::vector<Double> exactVan(const CyclusResultaat<FIRProgramma>& cyclus)
{
  std::vector<Double> exact(BlokLengte);
  firExactSignaal(cyclus.signaal.data(), exact.data(), BlokLengte);
  return exact;
}

std::vector<Double> exactVan(const CyclusResultaat<IIRProgramma>& /*cyclus*/)
{
  return {};
}

template <typename Programma>
std::vector<Uitvoer> cyclusUitvoer(const Keuzes& keuzes, Melder meld)
{
  const auto amplitude = keuzes.amplitude
                             ? static_cast<typename Programma::Amplitude>(*keuzes.amplitude)
                             : Programma::startAmplitude;
  const auto cyclus =
      draaiCyclus<Programma>(keuzes.signaal, amplitude, *hoekFrequentie(keuzes.frequentie), meld);
  std::vector<Uitvoer> uitvoer;
  if (keuzes.png) {
    uitvoer.push_back({"--png", *keuzes.png, [=] { return cyclusPng(cyclus, keuzes.grootte); }});
  }
  if (keuzes.svg) {
    uitvoer.push_back({"--svg", *keuzes.svg, [=] { return cyclusSvg(cyclus, keuzes.grootte); }});
  }
  if (keuzes.wav) {
    const UInt32 keuze = keuzes.signaal;
    const Float hoekFreq = *hoekFrequentie(keuzes.frequentie);
    uitvoer.push_back({"--wav", *keuzes.wav, [=] {
                         return wavVan(luisterMonsters<Programma>(keuze, amplitude, hoekFreq,
                                                                  wavInvoerLengte(keuzes),
                                                                  wavStilteLengte(keuzes)),
                                       keuzes.bemonstering);
                       }});
  }
  if (uitvoer.empty()) {
    uitvoer.push_back({"CSV", standaardUitvoer, [=] {
                         return keuzes.exact ? cyclusCsv(cyclus, exactVan(cyclus))
                                             : cyclusCsv(cyclus);
                       }});
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
    uitvoer.push_back({"--png", *keuzes.png, [=] { return figuurPng(grafiek()); }});
  }
  if (keuzes.svg) {
    uitvoer.push_back({"--svg", *keuzes.svg, [=] { return figuurSvg(grafiek()); }});
  }
  if (uitvoer.empty()) {
    uitvoer.push_back({"CSV", standaardUitvoer, [punten = keuzes.punten] {
                         auto respons = berekenRespons(Programma::versterking, punten);
                         voegFaseToe(respons, Programma::overdracht, Programma::groepslooptijd);
                         return responsCsv(respons);
                       }});
  }
  return uitvoer;
}

template <typename Programma>
std::vector<Uitvoer> uitvoerVan(const Keuzes& keuzes, const std::string& titel, Melder meld)
{
  return keuzes.respons ? responsUitvoer<Programma>(keuzes, titel)
                        : cyclusUitvoer<Programma>(keuzes, meld);
}

} // namespace

std::vector<Uitvoer> uitvoerVoor(const Keuzes& keuzes, Melder meld)
{
  if (keuzes.coefficienten) {
    return {{"CSV", standaardUitvoer,
             keuzes.programma == ProgrammaKeuze::iir ? iirCoefficientenCsv : firCoefficientenCsv}};
  }
  return keuzes.programma == ProgrammaKeuze::iir
             ? uitvoerVan<IIRProgramma>(keuzes, "Amplitudekarakteristiek van het IIR-filter", meld)
             : uitvoerVan<FIRProgramma>(keuzes, "Amplitudekarakteristiek van het FIR-filter", meld);
}
