#include "keuzes.h"

#include "fir_programma.h"
#include "iir_programma.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>

namespace {

constexpr Grootte kleinsteCyclus = {static_cast<Int>(BlokLengte), 2};
constexpr Grootte kleinsteGrafiek = {400, 250};
constexpr Int grootsteZijde = 10000;
constexpr Grootte grootsteGrootte = {grootsteZijde, grootsteZijde};
constexpr UInt32 minPunten = 2;
constexpr UInt32 maxPunten = 100000;
constexpr UInt32 minDuur = microsecondenPerSeconde / 10; // 0,1 s
constexpr UInt32 maxDuur = 60 * microsecondenPerSeconde;
constexpr std::size_t duurDecimalen = 6; // microseconds
constexpr UInt32 minBemonstering = 8000;
constexpr UInt32 maxBemonstering = 48000;

std::string grootteTekst(const Grootte& g)
{
  return std::to_string(g.breedte) + "x" + std::to_string(g.hoogte);
}

// An option's line: the option, then the items of a list from column 24,
// separated by ", " and wrapped within 80 columns; `standaard` is marked.
template <std::size_t N>
std::string lijstRegels(std::string optie, const std::array<std::string_view, N>& teksten,
                        std::size_t aantal, std::size_t standaard)
{
  constexpr std::size_t kolom = 24;
  constexpr std::size_t breedte = 80;
  std::string tekst = "  " + optie;
  tekst.resize(kolom, ' ');
  std::size_t regelBegin = 0;
  for (std::size_t i = 0; i < aantal; ++i) {
    const std::string woord = std::string(teksten[i]) + (i == standaard ? " (default)" : "") +
                              (i + 1 < aantal ? "," : "");
    if (i > 0 && tekst.size() - regelBegin + 1 + woord.size() > breedte) {
      tekst += "\n";
      regelBegin = tekst.size();
      tekst += std::string(kolom, ' ');
    } else if (i > 0) {
      tekst += ' ';
    }
    tekst += woord;
  }
  return tekst + "\n";
}

// Every line within 80 columns: the text is for a terminal and for the
// manual page made from it. The numbers and lists come from the constants
// the options are checked against.
std::string hulpTekst()
{
  const auto getal = [](auto waarde) { return std::to_string(waarde); };
  std::string tekst =
      "Usage: filtercyclus --programma iir|fir [--signaal SIGNAAL] [--amplitude A]\n"
      "                    [--frequentie LABEL] [--png FILE] [--svg FILE]\n"
      "                    [--grootte BREEDTExHOOGTE] [--wav FILE [--duur SECONDEN]\n"
      "                    [--bemonstering HZ]]\n"
      "       filtercyclus --programma fir [--signaal ...] --exact\n"
      "       filtercyclus --programma iir|fir --respons [--punten N]\n"
      "       filtercyclus --programma iir|fir --respons --svg|--png FILE\n"
      "                    [--grootte BREEDTExHOOGTE]\n"
      "       filtercyclus --programma iir|fir --coefficienten\n"
      "\n"
      "Runs one processing cycle of iir_demo or fir_demo without a window and prints\n"
      "the input and the filtered signal as CSV (n,signaal,gefilterd, " +
      getal(BlokLengte) +
      " rows), or\n"
      "writes the graph panel's picture as PNG or SVG. With --respons: the magnitude\n"
      "response of the filter as CSV (frequentie,omega,versterking,dB,fase,\n"
      "groepslooptijd: phase in radians unwrapped from DC, group delay in samples),\n"
      "or as a plot.\n"
      "With --coefficienten: the filter's coefficients as the engine uses them, as\n"
      "CSV (fir: k,h in Q15; iir: sectie,b0,b1,b2,a1,a2, section 0 the gain).\n"
      "\n"
      "Options:\n"
      "  --programma iir|fir   which program's signal and filter (required)\n" +
      lijstRegels("--signaal SIGNAAL", signaalNamen, signaalNamen.size(), Keuzes{}.signaal) +
      "  --amplitude A         peak value, an integer in 0.." + getal(maxAmplitude) +
      "\n"
      "                        (default: " +
      getal(IIRProgramma::startAmplitude) + " for iir, " + getal(FIRProgramma::startAmplitude) +
      " for fir)\n" +
      lijstRegels("--frequentie LABEL", frequentieLabels, frequentieFactoren.size(),
                  startFrequentieKeuze) +
      "  --png FILE            write the picture (with --respons: the plot) as PNG,\n"
      "                        instead of the CSV\n"
      "  --svg FILE            the same as SVG\n"
      "  --grootte BxH         size in pixels: of the panel for a cycle (default\n"
      "                        " +
      grootteTekst(standaardCyclusGrootte) + ", from " + grootteTekst(kleinsteCyclus) +
      "), of the plot for --respons\n"
      "                        (default " +
      grootteTekst(standaardGrafiekGrootte) + ", from " + grootteTekst(kleinsteGrafiek) +
      "); at most " + grootteTekst(grootsteGrootte) +
      "\n"
      "  --wav FILE            the signal, half a second of silence and the filtered\n"
      "                        signal as a mono 16-bit WAV, each sample halved\n"
      "  --duur SECONDEN       with --wav: the signal's length, 0,1..60 (default 2;\n"
      "                        a decimal comma or point, at most six decimals)\n"
      "  --bemonstering HZ     with --wav: samples per second, " +
      getal(minBemonstering) + ".." + getal(maxBemonstering) +
      " (default\n"
      "                        " +
      getal(standaardBemonstering) +
      ")\n"
      "  --exact               fir only: a fourth CSV column, the exact result of\n"
      "                        the " +
      getal(FilterLengte) +
      " taps without rounding or saturation\n"
      "  --respons             the filter's magnitude response instead of a cycle\n"
      "  --punten N            with --respons as CSV: N frequencies evenly from 0 to pi\n"
      "                        (" +
      getal(minPunten) + ".." + getal(maxPunten) +
      ") instead of the eight of the choice\n"
      "  --coefficienten       the filter's coefficients as CSV instead of a cycle\n"
      "  --version             print the version and exit\n"
      "  -h, --help            print this help and exit\n"
      "\n"
      "FILE \"-\" is stdout; --png, --svg and --wav may be given together, but only\n"
      "one of them can be \"-\". An existing file is replaced whole, unless you may\n"
      "not write it: the new file keeps the old one's mode, its group where you may\n"
      "give it (as a member of the group), and its owner where root writes; it does\n"
      "not keep hard links (the other names keep the old contents), ACLs or extended\n"
      "attributes. Through a symbolic link its target is written, but in a sticky\n"
      "folder that everyone may write (such as /tmp) only a link of your own or of\n"
      "the folder's owner is followed. Anything other than a regular file (a\n"
      "directory, a device, a FIFO) is left alone and refused. Exit status 0 means\n"
      "the files written are on the disk.\n";
  if (!grafiekAlsPng()) {
    tekst += "This build writes the response plot as SVG only (--respons --svg).\n";
  }
  tekst += "\n"
           "Exit status: " +
           getal(statusGelukt) + " success, " + getal(statusSchrijfFout) +
           " an output could not be written, " + getal(statusGebruiksFout) +
           " usage error.\n"
           "\n"
           "Examples:\n"
           "  filtercyclus --programma fir --signaal stapfunktie --amplitude 20000\n"
           "  filtercyclus --programma iir --respons --svg iir-respons.svg\n";
  return tekst;
}

// The index of `tekst` among the first `aantal` of `teksten`. The list is
// shown separated by " | ", since the frequency texts contain commas.
template <std::size_t N>
UInt32 indexVan(const std::array<std::string_view, N>& teksten, std::size_t aantal,
                const std::string& optie, const std::string& tekst)
{
  const auto begin = teksten.begin();
  const auto einde = begin + static_cast<std::ptrdiff_t>(aantal);
  const auto gevonden = std::find(begin, einde, tekst);
  if (gevonden != einde && !tekst.empty()) {
    return static_cast<UInt32>(gevonden - begin);
  }
  std::string lijst;
  for (auto t = begin; t != einde; ++t) {
    lijst += (lijst.empty() ? "" : " | ") + std::string(*t);
  }
  throw CLI::ValidationError(optie, "'" + tekst + "' is not one of: " + lijst);
}

// Only plain decimal digits: "1e3", "+5", " 7" and "0x10" are refused rather
// than read in some surprising way; so is a number beyond a UInt32.
std::optional<UInt32> cijfers(std::string_view tekst)
{
  UInt32 waarde = 0;
  const char* einde = tekst.data() + tekst.size();
  const auto [stop, fout] = std::from_chars(tekst.data(), einde, waarde);
  if (tekst.empty() || tekst.front() < '0' || tekst.front() > '9' || fout != std::errc{} ||
      stop != einde) {
    return std::nullopt;
  }
  return waarde;
}

UInt32 geheelGetal(const std::string& optie, const std::string& tekst, UInt32 kleinste,
                   UInt32 grootste)
{
  const auto waarde = cijfers(tekst);
  if (!waarde || *waarde < kleinste || *waarde > grootste) {
    throw CLI::ValidationError(optie, "'" + tekst + "' is not an integer in " +
                                          std::to_string(kleinste) + ".." +
                                          std::to_string(grootste));
  }
  return *waarde;
}

// Seconds as digits with at most one decimal comma or point and at most six
// decimals, read exactly as a whole number of microseconds: "0,5" and "0.5"
// are 500000, "60" is 60000000.
UInt32 leesDuur(const std::string& tekst)
{
  const auto fout = [&] {
    return CLI::ValidationError("--duur", "'" + tekst +
                                              "' is not a number of seconds from 0,1 to 60 "
                                              "(at most six decimals)");
  };
  const auto scheiding = tekst.find_first_of(",.");
  const std::string heel = tekst.substr(0, scheiding);
  std::string decimalen = scheiding == std::string::npos ? "" : tekst.substr(scheiding + 1);
  if (heel.size() > 2 || (scheiding != std::string::npos && decimalen.empty()) ||
      decimalen.size() > duurDecimalen) {
    throw fout();
  }
  decimalen.resize(duurDecimalen, '0');
  const auto seconden = cijfers(heel);
  const auto microseconden = cijfers(decimalen);
  if (!seconden || !microseconden) {
    throw fout();
  }
  const UInt32 waarde = *seconden * microsecondenPerSeconde + *microseconden;
  if (waarde < minDuur || waarde > maxDuur) {
    throw fout();
  }
  return waarde;
}

// BREEDTExHOOGTE, each one to five digits; the range is checked once it is
// known what the size is for.
Grootte leesGrootte(const std::string& tekst)
{
  const auto x = tekst.find('x');
  const auto zijde = [](std::string_view deel) {
    const auto waarde = deel.size() <= 5 ? cijfers(deel) : std::nullopt;
    return waarde ? static_cast<Int>(*waarde) : -1;
  };
  const std::string_view t(tekst);
  const Grootte grootte = x == std::string::npos
                              ? Grootte{-1, -1}
                              : Grootte{zijde(t.substr(0, x)), zijde(t.substr(x + 1))};
  if (grootte.breedte < 0 || grootte.hoogte < 0) {
    throw CLI::ValidationError("--grootte", "'" + tekst + "' is not WIDTHxHEIGHT");
  }
  return grootte;
}

std::optional<std::string> grootteFout(const Grootte& grootte, const Grootte& kleinste,
                                       const std::string& waarvoor)
{
  if (grootte.breedte >= kleinste.breedte && grootte.hoogte >= kleinste.hoogte &&
      grootte.breedte <= grootsteZijde && grootte.hoogte <= grootsteZijde) {
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
  if (keuzes.respons && keuzes.png && !grafiekAlsPng()) {
    return "--png: this build writes the response plot as SVG only";
  }
  if (keuzes.respons) {
    return grootteFout(keuzes.grootte, kleinsteGrafiek, "for the response plot");
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

bool grafiekAlsPng()
{
#ifdef FILTERDEMO_CAIRO
  return true;
#else
  return false;
#endif
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
                               return indexVan(std::array<std::string_view, 2>{"iir", "fir"}, 2,
                                               "--programma", t) == 0
                                          ? ProgrammaKeuze::iir
                                          : ProgrammaKeuze::fir;
                             }))
      ->required();
  auto* signaal = app.add_option_function<std::string>(
      "--signaal", kies(keuzes.signaal, [](const auto& t) {
        return indexVan(signaalNamen, signaalNamen.size(), "--signaal", t);
      }));
  auto* amplitude =
      app.add_option_function<std::string>("--amplitude", kies(keuzes.amplitude, [](const auto& t) {
                                             return geheelGetal("--amplitude", t, 0, maxAmplitude);
                                           }));
  auto* frequentie = app.add_option_function<std::string>(
      "--frequentie", kies(keuzes.frequentie, [](const auto& t) {
        return indexVan(frequentieLabels, frequentieFactoren.size(), "--frequentie", t);
      }));
  auto* png = app.add_option_function<std::string>(
      "--png", kies(keuzes.png, [](const auto& t) { return leesDoel("--png", t); }));
  auto* svg = app.add_option_function<std::string>(
      "--svg", kies(keuzes.svg, [](const auto& t) { return leesDoel("--svg", t); }));
  auto* grootteOptie =
      app.add_option_function<std::string>("--grootte", kies(grootte, leesGrootte));
  auto* respons =
      app.add_flag("--respons", keuzes.respons)->excludes(signaal, amplitude, frequentie);
  app.add_option_function<std::string>(
         "--punten",
         kies(keuzes.punten,
              [](const auto& t) { return geheelGetal("--punten", t, minPunten, maxPunten); }))
      ->needs(respons)
      ->excludes(png, svg);
  auto* wav = app.add_option_function<std::string>(
                     "--wav", kies(keuzes.wav, [](const auto& t) { return leesDoel("--wav", t); }))
                  ->excludes(respons);
  app.add_option_function<std::string>("--duur", kies(keuzes.duurMicroseconden, leesDuur))
      ->needs(wav);
  app.add_option_function<std::string>("--bemonstering",
                                       kies(keuzes.bemonstering,
                                            [](const auto& t) {
                                              return geheelGetal("--bemonstering", t,
                                                                 minBemonstering, maxBemonstering);
                                            }))
      ->needs(wav);
  auto* exact = app.add_flag("--exact", keuzes.exact)->excludes(respons, png, svg, wav);
  app.add_flag("--coefficienten", keuzes.coefficienten)
      ->excludes(signaal, amplitude, frequentie, png, svg, respons, grootteOptie, wav, exact);
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
  keuzes.grootte =
      grootte.value_or(keuzes.respons ? standaardGrafiekGrootte : standaardCyclusGrootte);
  if (const auto fout = combinatieFout(keuzes, grootte.has_value())) {
    return Afsluiting{statusGebruiksFout, {}, "filtercyclus: " + *fout + " (see --help)"};
  }
  return keuzes;
}
