// filtercyclus: one processing cycle of iir_demo or fir_demo without a window,
// printed as CSV. For preparing lecture material, checking a hand calculation,
// and testing the programs end to end.

#include "cyclus.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "iir_programma.h"
#include "testsignaal.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr int foutStatus = 2;

struct Keuzes {
  std::string programma;
  std::string signaal = std::string(signaalNamen[cosinus]);
  std::string frequentie = std::string(frequentieLabels[startFrequentieKeuze]);
  std::optional<UInt32> amplitude;
};

// Accepts exactly one of `toegestaan`. The list is shown separated by " | ",
// since the frequency texts themselves contain commas.
CLI::Validator eenVan(std::vector<std::string> toegestaan)
{
  std::string lijst;
  for (const auto& tekst : toegestaan) {
    lijst += (lijst.empty() ? "" : " | ") + tekst;
  }
  auto controle = [toegestaan, lijst](const std::string& tekst) -> std::string {
    if (std::find(toegestaan.begin(), toegestaan.end(), tekst) != toegestaan.end()) {
      return {};
    }
    return "'" + tekst + "' is not one of: " + lijst;
  };
  return {controle, "{" + lijst + "}"};
}

template <std::size_t N>
std::vector<std::string> alsTeksten(const std::array<std::string_view, N>& labels,
                                    std::size_t aantal)
{
  return {labels.begin(), labels.begin() + static_cast<std::ptrdiff_t>(aantal)};
}

template <std::size_t N>
UInt32 indexVan(const std::array<std::string_view, N>& labels, const std::string& tekst)
{
  return static_cast<UInt32>(std::find(labels.begin(), labels.end(), tekst) - labels.begin());
}

// Only plain decimal digits: "1e3", "+5", " 7" and "0x10" are refused rather
// than read in some surprising way.
std::string controleerAmplitude(const std::string& tekst)
{
  const bool alleenCijfers =
      !tekst.empty() && tekst.size() <= 6 &&
      std::all_of(tekst.begin(), tekst.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (alleenCijfers && std::stoul(tekst) <= maxAmplitude) {
    return {};
  }
  return "'" + tekst + "' is not an integer in 0..32768";
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

template <typename Programma> void schrijfCyclus(const Keuzes& keuzes)
{
  const UInt32 keuze = indexVan(signaalNamen, keuzes.signaal);
  const Float hoekFreq = *hoekFrequentie(indexVan(frequentieLabels, keuzes.frequentie));
  const auto amplitude = static_cast<typename Programma::Amplitude>(
      keuzes.amplitude.value_or(Programma::startAmplitude));

  const auto cyclus = draaiCyclus<Programma>(keuze, amplitude, hoekFreq,
                                             [](const char* tekst) { std::cerr << tekst << '\n'; });

  std::string uitvoer = "n,signaal,gefilterd\n";
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    uitvoer += std::to_string(n) + ',';
    schrijfGetal(uitvoer, cyclus.signaal[n]);
    uitvoer += ',';
    schrijfGetal(uitvoer, cyclus.gefilterd[n]);
    uitvoer += '\n';
  }
  std::cout << uitvoer << std::flush;
}

} // namespace

int main(int argc, char** argv)
{
  CLI::App app{"Runs one processing cycle of iir_demo or fir_demo and prints the input and\n"
               "the filtered signal as CSV (n,signaal,gefilterd), 128 rows.",
               "filtercyclus"};
  Keuzes keuzes;
  std::string amplitudeTekst;

  app.add_option("--programma", keuzes.programma, "Which program's filter: iir or fir")
      ->required()
      ->check(eenVan({IIRProgramma::naam, FIRProgramma::naam}));
  app.add_option("--signaal", keuzes.signaal, "Test signal")
      ->check(eenVan(alsTeksten(signaalNamen, signaalNamen.size())))
      ->capture_default_str();
  app.add_option("--amplitude", amplitudeTekst,
                 "Peak value, an integer in 0..32768 (default: 8192 for iir, 20000 for fir)")
      ->check(CLI::Validator(controleerAmplitude, "INT in 0..32768"));
  app.add_option("--frequentie", keuzes.frequentie, "Angular frequency, as the choice names it")
      ->check(eenVan(alsTeksten(frequentieLabels, frequentieFactoren.size())))
      ->capture_default_str();

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& hulp) {
    return app.exit(hulp);
  } catch (const CLI::ParseError& fout) {
    std::cerr << "filtercyclus: " << fout.what() << " (see --help)\n";
    return foutStatus;
  }

  if (!amplitudeTekst.empty()) {
    keuzes.amplitude = static_cast<UInt32>(std::stoul(amplitudeTekst));
  }
  if (keuzes.programma == IIRProgramma::naam) {
    schrijfCyclus<IIRProgramma>(keuzes);
  } else {
    schrijfCyclus<FIRProgramma>(keuzes);
  }
  return 0;
}
