// What a run of filtercyclus writes, from its choices.
// SPDX-License-Identifier: MIT
#include "uitvoer.h"

#include "berekening_csv.h"
#include "coefficienten.h"
#include "cyclus_uitvoer.h"
#include "fir_programma.h"
#include "frequentie_uitvoer.h"
#include "geluid.h"
#include "iir_programma.h"
#include "respons_uitvoer.h"
#include "responsgrafiek.h"
#include "wav.h"

namespace {

using Bytes = std::function<std::string()>;

// --png, --svg and --wav in that order, where asked for; the CSV on stdout
// when none is given. A response has no --wav (the command line refuses it).
std::vector<Uitvoer> kiesUitvoer(const Keuzes& keuzes, Bytes png, Bytes svg, Bytes csv,
                                 Bytes wav = nullptr)
{
  std::vector<Uitvoer> uitvoer;
  if (keuzes.png) {
    uitvoer.push_back({"--png", *keuzes.png, std::move(png)});
  }
  if (keuzes.svg) {
    uitvoer.push_back({"--svg", *keuzes.svg, std::move(svg)});
  }
  if (keuzes.wav && wav) {
    uitvoer.push_back({"--wav", *keuzes.wav, std::move(wav)});
  }
  if (uitvoer.empty()) {
    uitvoer.push_back({"CSV", standaardUitvoer, std::move(csv)});
  }
  return uitvoer;
}

template <typename Programma>
std::vector<Uitvoer> cyclusUitvoer(const Keuzes& keuzes, Melder meld)
{
  const auto amplitude = keuzes.amplitude
                             ? static_cast<typename Programma::Amplitude>(*keuzes.amplitude)
                             : Programma::startAmplitude;
  const UInt32 keuze = keuzes.signaal;
  const Float hoekFreq = *hoekFrequentie(keuzes.frequentie);
  const auto cyclus = draaiCyclus<Programma>(keuze, amplitude, hoekFreq, meld);
  const Grootte grootte = keuzes.grootte;
  return kiesUitvoer(
      keuzes, [=] { return cyclusPng(cyclus, grootte); },
      [=] { return cyclusSvg(cyclus, grootte); },
      [=] {
        return keuzes.exact ? cyclusCsv(cyclus, Programma::exactSignaal(keuze, amplitude, hoekFreq))
                            : cyclusCsv(cyclus);
      },
      [=] {
        return wavVan(luisterMonsters<Programma>(keuze, amplitude, hoekFreq,
                                                 wavInvoerLengte(keuzes), wavStilteLengte(keuzes)),
                      keuzes.bemonstering);
      });
}

template <typename Programma>
std::vector<Uitvoer> responsUitvoer(const Keuzes& keuzes)
{
  const auto figuur = [grootte = keuzes.grootte] {
    return responsGrafiek(Programma::grafiekTitel, Programma::versterking, grootte);
  };
  return kiesUitvoer(
      keuzes, [=] { return figuurPng(figuur()); }, [=] { return figuurSvg(figuur()); },
      [punten = keuzes.punten] {
        auto respons = berekenRespons(Programma::versterking, punten);
        voegFaseToe(respons, Programma::overdracht, Programma::groepslooptijd);
        return responsCsv(respons);
      });
}

// The cycle's spectra, the chosen frequency marked in the plot.
template <typename Programma>
std::vector<Uitvoer> spectrumUitvoer(const Keuzes& keuzes, Melder meld)
{
  const auto amplitude = keuzes.amplitude
                             ? static_cast<typename Programma::Amplitude>(*keuzes.amplitude)
                             : Programma::startAmplitude;
  const auto cyclus =
      draaiCyclus<Programma>(keuzes.signaal, amplitude, *hoekFrequentie(keuzes.frequentie), meld);
  const auto figuur = [=, grootte = keuzes.grootte, gekozen = keuzes.frequentie] {
    return spectrumGrafiek(cyclus, grootte, gekozen);
  };
  return kiesUitvoer(
      keuzes, [=] { return figuurPng(figuur()); }, [=] { return figuurSvg(figuur()); },
      [=] {
        return spectrumCsv(amplitudeSpectrum(cyclus.signaal), amplitudeSpectrum(cyclus.gefilterd));
      });
}

// The filter's zeros and poles, the chosen frequency marked in the plot.
template <typename Programma>
std::vector<Uitvoer> polenUitvoer(const Keuzes& keuzes)
{
  const NullenEnPolen np = Programma::nullenEnPolen();
  const auto figuur = [=, grootte = keuzes.grootte, gekozen = keuzes.frequentie] {
    return polenGrafiek(Programma::soort, np, grootte, gekozen);
  };
  return kiesUitvoer(
      keuzes, [=] { return figuurPng(figuur()); }, [=] { return figuurSvg(figuur()); },
      [=] { return polenCsv(np); });
}

// How one output of the cycle comes about, as CSV on stdout.
template <typename Programma>
std::vector<Uitvoer> berekeningUitvoer(const Keuzes& keuzes, UInt32 n)
{
  const auto amplitude = keuzes.amplitude
                             ? static_cast<typename Programma::Amplitude>(*keuzes.amplitude)
                             : Programma::startAmplitude;
  const Float hoekFreq = *hoekFrequentie(keuzes.frequentie);
  return {{"CSV", standaardUitvoer, [=, keuze = keuzes.signaal] {
             return berekeningCsv(Programma::berekening(keuze, amplitude, hoekFreq, n));
           }}};
}

template <typename Programma>
std::vector<Uitvoer> uitvoerVan(const Keuzes& keuzes, Melder meld)
{
  if (keuzes.berekening) {
    return berekeningUitvoer<Programma>(keuzes, *keuzes.berekening);
  }
  if (keuzes.spectrum) {
    return spectrumUitvoer<Programma>(keuzes, meld);
  }
  if (keuzes.polen) {
    return polenUitvoer<Programma>(keuzes);
  }
  return keuzes.respons ? responsUitvoer<Programma>(keuzes)
                        : cyclusUitvoer<Programma>(keuzes, meld);
}

} // namespace

std::vector<Uitvoer> uitvoerVoor(const Keuzes& keuzes, Melder meld)
{
  if (keuzes.coefficienten) {
    return {{"CSV", standaardUitvoer,
             keuzes.programma == ProgrammaKeuze::iir ? iirCoefficientenCsv : firCoefficientenCsv}};
  }
  return keuzes.programma == ProgrammaKeuze::iir ? uitvoerVan<IIRProgramma>(keuzes, meld)
                                                 : uitvoerVan<FIRProgramma>(keuzes, meld);
}
