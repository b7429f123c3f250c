#include "beschrijving.h"

#include "frequenties.h"
#include "json.h"
#include "tekening.h"
#include "teksten.h"
#include "testsignaal.h"

#include <array>
#include <string_view>

namespace {

// Shown when "Einde" could not close the page: the browser lets a script
// close only a page that a script opened.
constexpr std::string_view beeindigdTekst = "Het programma is beëindigd.";
// Under beeindigdTekst: a page cannot start itself again, its reader can.
constexpr std::string_view opnieuwTekst = "Laad de pagina opnieuw (F5) om opnieuw te beginnen.";
// Plays the shown cycle's signal and the filter's answer to it.
constexpr std::string_view luisterTekst = "Luister";
// The drawn cycle's samples as a table, and its column heads.
constexpr std::string_view tabelTekst = "Toon als tabel";
constexpr std::array<std::string_view, 3> tabelKoppen = {"n", "invoer", "uitvoer"};
// The page's panel keeps at least two device pixels a bar: at one, the 128
// bars of each series merge into one block.
constexpr Int minimumStaafPixels = 2;
constexpr Int minimumApparaatBreedte = minimumStaafPixels * static_cast<Int>(BlokLengte);

template <typename Teksten>
std::string jsonLijst(const Teksten& teksten)
{
  std::string uit = "[";
  for (const std::string_view tekst : teksten) {
    uit += (uit.size() > 1 ? "," : "") + jsonTekst(tekst);
  }
  return uit + ']';
}

} // namespace

std::string paginaBeschrijving(const ProgrammaTeksten& programma)
{
  return JsonObject{}
      .tekst("titel", programma.titel)
      .tekst("kopTekst", programma.kopTekst)
      .tekst("signaalLabel", signaalLabel)
      .veld("signalen", jsonLijst(signaalNamen))
      .getal("startSignaal", cosinus)
      .tekst("amplitudeLabel", amplitudeLabelTekst)
      .getal("maxAmplitude", maxAmplitude)
      .getal("startAmplitude", programma.startAmplitude)
      .tekst("frequentieLabel", frequentieLabelTekst)
      .veld("frequenties", jsonLijst(frequentieLabels))
      .getal("startFrequentie", startFrequentieKeuze)
      .tekst("teken", tekenTekst)
      .tekst("stop", stopTekst)
      .tekst("einde", eindeTekst)
      .tekst("beeindigd", beeindigdTekst)
      .tekst("opnieuw", opnieuwTekst)
      .tekst("luister", luisterTekst)
      .tekst("tabel", tabelTekst)
      .veld("tabelKoppen", jsonLijst(tabelKoppen))
      .tekst("geenGetal", geenGetalTekst)
      .getal("monsters", static_cast<long long>(BlokLengte))
      .getal("minimumApparaatBreedte", minimumApparaatBreedte)
      .getal("kopTekstPunten", kopTekstPunten)
      .getal("kostenRegels", static_cast<long long>(programma.kostenRegels))
      .klaar();
}
