// filtercyclus's command line read into typed choices.
// SPDX-License-Identifier: MIT
#include "keuzes.h"

#include "getallen.h"
#include "hulptekst.h"
#include "instellingnamen.h"
#include "png_uitvoer.h"
#include "polengrafiek.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// A parser's value, or the option refused: "'TEXT' " and why.
template <typename T>
T waardeOf(std::optional<T> waarde, const std::string& optie, const std::string& tekst,
           const std::string& waarom)
{
  if (!waarde) {
    throw CLI::ValidationError(optie, "'" + tekst + "' " + waarom);
  }
  return *waarde;
}

// One of the first `aantal` of `teksten`, the list shown separated by " | ",
// since the frequency texts contain commas.
template <std::size_t N>
UInt32 eenVan(const std::array<std::string_view, N>& teksten, std::size_t aantal,
              const std::string& optie, const std::string& tekst)
{
  std::string lijst;
  for (std::size_t i = 0; i < aantal; ++i) {
    lijst += (lijst.empty() ? "" : " | ") + std::string(teksten[i]);
  }
  return waardeOf(indexVan(teksten, aantal, tekst), optie, tekst, "is not one of: " + lijst);
}

UInt32 geheelGetalVoor(const std::string& optie, const std::string& tekst, UInt32 kleinste,
                       UInt32 grootste)
{
  return waardeOf(geheelGetal(tekst, kleinste, grootste), optie, tekst,
                  "is not an integer in " + std::to_string(kleinste) + ".." +
                      std::to_string(grootste));
}

UInt32 duurVoor(const std::string& tekst)
{
  return waardeOf(leesDuur(tekst), "--duur", tekst,
                  "is not a number of seconds from 0,1 to 60 (at most six decimals)");
}

Grootte grootteVoor(const std::string& tekst)
{
  return waardeOf(leesGrootte(tekst), "--grootte", tekst, "is not WIDTHxHEIGHT");
}

std::optional<std::string> grootteFout(const Grootte& grootte, const Grootte& kleinste,
                                       const std::string& waarvoor)
{
  if (grootteBinnen(grootte, kleinste)) {
    return std::nullopt;
  }
  return "--grootte: '" + grootteTekst(grootte) + "' is not WIDTHxHEIGHT from " +
         grootteTekst(kleinste) + " to " + grootteTekst(grootsteGrootte) + " " + waarvoor;
}

Doel leesDoel(const std::string& optie, const std::string& tekst)
{
  if (tekst.empty()) {
    throw CLI::ValidationError(optie, "the file name is empty");
  }
  return {tekst == "-", tekst};
}

// What the options say together, once each is read.
std::optional<std::string> combinatieFout(const Keuzes& keuzes, bool grootteGegeven)
{
  const bool beeld = keuzes.png || keuzes.svg;
  if (grootteGegeven && !beeld) {
    return "--grootte needs --png or --svg";
  }
  std::vector<std::string> naarStdout;
  for (const auto& [naam, doel] : {std::pair{"--png", &keuzes.png}, std::pair{"--svg", &keuzes.svg},
                                   std::pair{"--wav", &keuzes.wav}}) {
    if (*doel && (*doel)->standaardUitvoer) {
      naarStdout.emplace_back(naam);
    }
  }
  if (naarStdout.size() > 1) {
    return naarStdout[0] + " and " + naarStdout[1] + " cannot both write to stdout ('-')";
  }
  if (keuzes.exact && keuzes.programma != ProgrammaKeuze::fir) {
    return "--exact needs --programma fir: the IIR computes in Double, there is no 16-bit "
           "result to compare";
  }
  if (isGrafiek(keuzes) && keuzes.png && !grafiekAlsPng()) {
    return "--png: this build writes the plots as SVG only";
  }
  if (isGrafiek(keuzes)) {
    return grootteFout(keuzes.grootte, kleinsteGrafiek, "for a plot");
  }
  return grootteFout(keuzes.grootte, kleinsteCyclus, "for the panel");
}

} // namespace

std::size_t wavInvoerLengte(const Keuzes& keuzes)
{
  const UInt64 microMonsters = UInt64{keuzes.duurMicroseconden} * keuzes.bemonstering;
  return static_cast<std::size_t>((microMonsters + microsecondenPerSeconde / 2) /
                                  microsecondenPerSeconde);
}

std::size_t wavStilteLengte(const Keuzes& keuzes)
{
  return luisterStilteLengte(keuzes.bemonstering);
}

Ontleding leesKeuzes(std::vector<std::string> argumenten)
{
  CLI::App app{"", "filtercyclus"};
  Keuzes keuzes;
  std::optional<Grootte> grootte;
  const auto kies = [](auto& veld, auto lees) {
    return [&veld, lees](const std::string& tekst) { veld = lees(tekst); };
  };

  app.add_option_function<std::string>(
         "--programma", kies(keuzes.programma,
                             [](const auto& t) {
                               return eenVan(std::array<std::string_view, 2>{"iir", "fir"}, 2,
                                             "--programma", t) == 0
                                          ? ProgrammaKeuze::iir
                                          : ProgrammaKeuze::fir;
                             }))
      ->required();
  const auto optie = [](std::string_view naam) { return "--" + std::string(naam); };
  auto* signaal = app.add_option_function<std::string>(
      optie(signaalInstelling), kies(keuzes.signaal, [=](const auto& t) {
        return eenVan(signaalNamen, signaalNamen.size(), optie(signaalInstelling), t);
      }));
  auto* amplitude = app.add_option_function<std::string>(
      optie(amplitudeInstelling), kies(keuzes.amplitude, [=](const auto& t) {
        return geheelGetalVoor(optie(amplitudeInstelling), t, 0, maxAmplitude);
      }));
  auto* frequentie = app.add_option_function<std::string>(
      optie(frequentieInstelling), kies(keuzes.frequentie, [=](const auto& t) {
        return eenVan(frequentieLabels, frequentieFactoren.size(), optie(frequentieInstelling), t);
      }));
  auto* png = app.add_option_function<std::string>(
      "--png", kies(keuzes.png, [](const auto& t) { return leesDoel("--png", t); }));
  auto* svg = app.add_option_function<std::string>(
      "--svg", kies(keuzes.svg, [](const auto& t) { return leesDoel("--svg", t); }));
  auto* grootteOptie =
      app.add_option_function<std::string>("--grootte", kies(grootte, grootteVoor));
  auto* respons =
      app.add_flag("--respons", keuzes.respons)->excludes(signaal, amplitude, frequentie);
  auto* punten =
      app.add_option_function<std::string>(
             "--punten", kies(keuzes.punten,
                              [](const auto& t) {
                                return geheelGetalVoor("--punten", t, minPunten, maxPunten);
                              }))
          ->needs(respons)
          ->excludes(png, svg);
  auto* wav = app.add_option_function<std::string>(
                     "--wav", kies(keuzes.wav, [](const auto& t) { return leesDoel("--wav", t); }))
                  ->excludes(respons);
  app.add_option_function<std::string>("--duur", kies(keuzes.duurMicroseconden, duurVoor))
      ->needs(wav);
  app.add_option_function<std::string>(
         "--bemonstering", kies(keuzes.bemonstering,
                                [](const auto& t) {
                                  return geheelGetalVoor("--bemonstering", t, minBemonstering,
                                                         maxBemonstering);
                                }))
      ->needs(wav);
  auto* exact = app.add_flag("--exact", keuzes.exact)->excludes(respons, png, svg, wav);
  auto* spectrum =
      app.add_flag("--spectrum", keuzes.spectrum)->excludes(respons, wav, exact, punten);
  // The frequency only marks e^(jΩ) in the plot.
  auto* polen = app.add_flag("--polen", keuzes.polen)
                    ->excludes(signaal, amplitude, respons, wav, exact, punten, spectrum);
  auto* coefficienten = app.add_flag("--coefficienten", keuzes.coefficienten)
                            ->excludes(signaal, amplitude, frequentie, png, svg, respons,
                                       grootteOptie, wav, exact, spectrum, polen);
  app.add_option_function<std::string>(
         "--berekening",
         kies(keuzes.berekening,
              [](const auto& t) { return geheelGetalVoor("--berekening", t, 0, BlokLengte - 1); }))
      ->excludes(png, svg, grootteOptie, respons, punten, wav, exact, spectrum, polen,
                 coefficienten);
  app.set_version_flag("--version", std::string("filtercyclus ") + FILTERDEMO_VERSIE);

  try {
    std::reverse(argumenten.begin(), argumenten.end()); // CLI11 takes them last first
    app.parse(std::move(argumenten));
  } catch (const CLI::CallForHelp&) {
    return Afsluiting{statusGelukt, hulpTekst(), {}};
  } catch (const CLI::CallForVersion& versie) {
    return Afsluiting{statusGelukt, std::string(versie.what()) + "\n", {}};
  } catch (const CLI::ParseError& fout) {
    return Afsluiting{
        statusGebruiksFout, {}, std::string("filtercyclus: ") + fout.what() + " (see --help)"};
  }
  keuzes.grootte = grootte.value_or(keuzes.polen        ? standaardPolenGrootte
                                    : isGrafiek(keuzes) ? standaardGrafiekGrootte
                                                        : standaardCyclusGrootte);
  if (const auto fout = combinatieFout(keuzes, grootte.has_value())) {
    return Afsluiting{statusGebruiksFout, {}, "filtercyclus: " + *fout + " (see --help)"};
  }
  return keuzes;
}
