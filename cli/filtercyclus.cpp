// filtercyclus: one processing cycle of iir_demo or fir_demo without a window,
// as CSV or as the picture the graph panel shows; or the magnitude response
// of a program's filter. For preparing lecture material, checking a hand
// calculation, and testing the programs end to end.

#include "cyclus.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "iir_programma.h"
#include "png_bestand.h"
#include "rasteriseer.h"
#include "tekening.h"
#include "testsignaal.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <numbers>
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int foutStatus = 2;
constexpr Int kleinsteBreedte = static_cast<Int>(BlokLengte);
constexpr Int kleinsteHoogte = 2;
constexpr Int grootsteZijde = 10000;
constexpr UInt32 minPunten = 2;
constexpr UInt32 maxPunten = 100000;

struct Keuzes {
  std::string programma;
  std::string signaal = std::string(signaalNamen[cosinus]);
  std::string frequentie = std::string(frequentieLabels[startFrequentieKeuze]);
  std::string amplitude; // empty: the program's start amplitude
  std::string png;
  std::string grootte = "512x500";
  bool respons = false;
  std::string punten; // empty: the eight frequencies of the choice
};

// Accepts exactly one of `toegestaan`. The list is shown separated by " | ",
// since the frequency texts themselves contain commas.
CLI::Validator eenVan(std::vector<std::string> toegestaan)
{
  std::string lijst;
  for (const auto& tekst : toegestaan) {
    lijst += (lijst.empty() ? "" : " | ") + tekst;
  }
  auto controle = [toegestaan = std::move(toegestaan),
                   lijst](const std::string& tekst) -> std::string {
    if (std::find(toegestaan.begin(), toegestaan.end(), tekst) != toegestaan.end()) {
      return {};
    }
    return "'" + tekst + "' is not one of: " + lijst;
  };
  return {controle, "{" + lijst + "}"};
}

// Only plain decimal digits: "1e3", "+5", " 7" and "0x10" are refused rather
// than read in some surprising way.
std::optional<UInt32> geheelGetal(const std::string& tekst, UInt32 kleinste, UInt32 grootste)
{
  UInt32 waarde = 0;
  const char* einde = tekst.data() + tekst.size();
  const auto [stop, fout] = std::from_chars(tekst.data(), einde, waarde);
  if (tekst.empty() || tekst.front() < '0' || tekst.front() > '9' || fout != std::errc{} ||
      stop != einde || waarde < kleinste || waarde > grootste) {
    return std::nullopt;
  }
  return waarde;
}

CLI::Validator geheelTussen(UInt32 kleinste, UInt32 grootste)
{
  const std::string bereik = std::to_string(kleinste) + ".." + std::to_string(grootste);
  auto controle = [=](const std::string& tekst) -> std::string {
    if (geheelGetal(tekst, kleinste, grootste)) {
      return {};
    }
    return "'" + tekst + "' is not an integer in " + bereik;
  };
  return {controle, "INT in " + bereik};
}

struct Grootte {
  Int breedte = 0;
  Int hoogte = 0;
};

std::optional<Grootte> leesGrootte(const std::string& tekst)
{
  static const std::regex vorm("([0-9]{1,5})x([0-9]{1,5})");
  std::smatch delen;
  if (!std::regex_match(tekst, delen, vorm)) {
    return std::nullopt;
  }
  const Grootte grootte{std::stoi(delen[1]), std::stoi(delen[2])};
  if (grootte.breedte < kleinsteBreedte || grootte.hoogte < kleinsteHoogte ||
      grootte.breedte > grootsteZijde || grootte.hoogte > grootsteZijde) {
    return std::nullopt;
  }
  return grootte;
}

CLI::Validator grootteValidator()
{
  auto controle = [](const std::string& tekst) -> std::string {
    if (leesGrootte(tekst)) {
      return {};
    }
    return "'" + tekst + "' is not WIDTHxHEIGHT from 128x2 to 10000x10000";
  };
  return {controle, "WIDTHxHEIGHT"};
}

void schrijfGetal(std::string& regel, Double waarde)
{
  char buffer[32];
  const auto [einde, fout] = std::to_chars(std::begin(buffer), std::end(buffer), waarde);
  regel.append(buffer, fout == std::errc{} ? einde : buffer);
}

void schrijfGetal(std::string& regel, Int16 waarde)
{
  regel += std::to_string(waarde);
}

template <typename Programma>
CyclusResultaat<Programma> cyclusVoor(const Keuzes& keuzes)
{
  const auto index = [](const auto& labels, const std::string& tekst) {
    return static_cast<UInt32>(std::find(labels.begin(), labels.end(), tekst) - labels.begin());
  };
  const auto amplitude = keuzes.amplitude.empty()
                             ? Programma::startAmplitude
                             : static_cast<typename Programma::Amplitude>(
                                   *geheelGetal(keuzes.amplitude, 0, maxAmplitude));
  return draaiCyclus<Programma>(index(signaalNamen, keuzes.signaal), amplitude,
                                *hoekFrequentie(index(frequentieLabels, keuzes.frequentie)),
                                [](const char* tekst) { std::cerr << tekst << '\n'; });
}

template <typename Programma>
int schrijfCyclusCsv(const Keuzes& keuzes)
{
  const auto cyclus = cyclusVoor<Programma>(keuzes);
  std::string uitvoer = "n,signaal,gefilterd\n";
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    uitvoer += std::to_string(n) + ',';
    schrijfGetal(uitvoer, cyclus.signaal[n]);
    uitvoer += ',';
    schrijfGetal(uitvoer, cyclus.gefilterd[n]);
    uitvoer += '\n';
  }
  std::cout << uitvoer << std::flush;
  return 0;
}

template <typename Programma>
int schrijfCyclusPng(const Keuzes& keuzes)
{
  const auto cyclus = cyclusVoor<Programma>(keuzes);
  const Grootte grootte = *leesGrootte(keuzes.grootte);
  const auto tekening =
      maakTekening(cyclus.signaal, cyclus.gefilterd, grootte.breedte, grootte.hoogte);
  const std::string fout =
      schrijfPng(rasteriseer(tekening, grootte.breedte, grootte.hoogte), keuzes.png);
  if (!fout.empty()) {
    std::cerr << "filtercyclus: --png: " << fout << '\n';
    return foutStatus;
  }
  return 0;
}

// The frequency as the choice writes it: a factor of pi with a decimal comma.
std::string frequentieTekst(Double factor)
{
  if (factor == 0.0) {
    return "DC";
  }
  std::string tekst;
  schrijfGetal(tekst, factor);
  std::replace(tekst.begin(), tekst.end(), '.', ',');
  return tekst + "*PI";
}

template <typename Programma>
int schrijfRespons(const Keuzes& keuzes)
{
  struct Punt {
    std::string frequentie;
    Double omega = 0.0;
  };
  std::vector<Punt> punten;
  if (keuzes.punten.empty()) {
    // The frequencies the program really uses: the Float of each item.
    for (UInt32 i = 0; i < frequentieFactoren.size(); ++i) {
      punten.push_back({std::string(frequentieLabels[i]), *hoekFrequentie(i)});
    }
  } else {
    const UInt32 aantal = *geheelGetal(keuzes.punten, minPunten, maxPunten);
    for (UInt32 i = 0; i < aantal; ++i) {
      const Double factor = static_cast<Double>(i) / static_cast<Double>(aantal - 1);
      punten.push_back({frequentieTekst(factor), std::numbers::pi * factor});
    }
  }

  std::string uitvoer = "frequentie,omega,versterking,dB\n";
  for (const auto& punt : punten) {
    const Double versterking = Programma::versterking(punt.omega);
    uitvoer += '"' + punt.frequentie + "\",";
    schrijfGetal(uitvoer, punt.omega);
    uitvoer += ',';
    schrijfGetal(uitvoer, versterking);
    uitvoer += ',';
    schrijfGetal(uitvoer, 20.0 * std::log10(versterking));
    uitvoer += '\n';
  }
  std::cout << uitvoer << std::flush;
  return 0;
}

template <typename Programma>
int voerUit(const Keuzes& keuzes)
{
  if (keuzes.respons) {
    return schrijfRespons<Programma>(keuzes);
  }
  if (!keuzes.png.empty()) {
    return schrijfCyclusPng<Programma>(keuzes);
  }
  return schrijfCyclusCsv<Programma>(keuzes);
}

template <std::size_t N>
std::vector<std::string> alsTeksten(const std::array<std::string_view, N>& labels,
                                    std::size_t aantal)
{
  return {labels.begin(), labels.begin() + static_cast<std::ptrdiff_t>(aantal)};
}

} // namespace

int main(int argc, char** argv)
{
  CLI::App app{"Runs one processing cycle of iir_demo or fir_demo and prints the input and the\n"
               "filtered signal as CSV (n,signaal,gefilterd, 128 rows), or writes the picture\n"
               "of the graph panel as PNG; or prints the magnitude response of the filter.",
               "filtercyclus"};
  Keuzes keuzes;

  app.add_option("--programma", keuzes.programma, "Which program's filter: iir or fir")
      ->required()
      ->check(eenVan({IIRProgramma::naam, FIRProgramma::naam}));
  auto* signaal = app.add_option("--signaal", keuzes.signaal, "Test signal")
                      ->check(eenVan(alsTeksten(signaalNamen, signaalNamen.size())))
                      ->capture_default_str();
  auto* amplitude =
      app.add_option("--amplitude", keuzes.amplitude,
                     "Peak value, an integer in 0..32768 (default: 8192 for iir, 20000 for fir)")
          ->check(geheelTussen(0, maxAmplitude));
  auto* frequentie =
      app.add_option("--frequentie", keuzes.frequentie, "Angular frequency, as the choice names it")
          ->check(eenVan(alsTeksten(frequentieLabels, frequentieFactoren.size())))
          ->capture_default_str();
  auto* png = app.add_option("--png", keuzes.png,
                             "Write the picture of the graph panel to this PNG file instead");
  auto* grootte = app.add_option("--grootte", keuzes.grootte,
                                 "Client size of the graph panel for --png, WIDTHxHEIGHT")
                      ->check(grootteValidator())
                      ->capture_default_str()
                      ->needs(png);
  auto* respons =
      app.add_flag("--respons", keuzes.respons,
                   "Print the magnitude response of the filter (frequentie,omega,versterking,dB)")
          ->excludes(signaal, amplitude, frequentie, png, grootte);
  app.add_option("--punten", keuzes.punten,
                 "With --respons: this many frequencies evenly from 0 to pi, instead of the "
                 "eight of the choice")
      ->check(geheelTussen(minPunten, maxPunten))
      ->needs(respons);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& hulp) {
    return app.exit(hulp);
  } catch (const CLI::ParseError& fout) {
    std::cerr << "filtercyclus: " << fout.what() << " (see --help)\n";
    return foutStatus;
  }
  if (png->count() > 0 && keuzes.png.empty()) {
    std::cerr << "filtercyclus: --png: the file name is empty\n";
    return foutStatus;
  }

  try {
    return keuzes.programma == IIRProgramma::naam ? voerUit<IIRProgramma>(keuzes)
                                                  : voerUit<FIRProgramma>(keuzes);
  } catch (const std::exception& fout) { // out of memory, a failing stream
    std::cerr << "filtercyclus: " << fout.what() << '\n';
    return 1;
  }
}
