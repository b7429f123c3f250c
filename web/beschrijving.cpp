// What a page shows before any cycle, as JSON.
// SPDX-License-Identifier: MIT
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
// The same on a touch screen, which has no F5.
constexpr std::string_view opnieuwAanraakTekst =
    "Laad de pagina opnieuw om opnieuw te beginnen: tik op ↻ bij het adres of veeg de pagina "
    "omlaag.";
// The step buttons beside the readout on a touch screen, and what they say
// to a screen reader.
constexpr std::string_view stapTerugTekst = "◀";
constexpr std::string_view stapVooruitTekst = "▶";
constexpr std::string_view stapTerugNaam = "Vorig monster";
constexpr std::string_view stapVooruitNaam = "Volgend monster";
// A 16-bit sample of this size is full scale, 1.0, in the sound played.
constexpr UInt32 volleSchaal = 32768;
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
      .tekst("opnieuwAanraking", opnieuwAanraakTekst)
      .tekst("stapTerug", stapTerugTekst)
      .tekst("stapVooruit", stapVooruitTekst)
      .tekst("stapTerugNaam", stapTerugNaam)
      .tekst("stapVooruitNaam", stapVooruitNaam)
      .getal("volleSchaal", volleSchaal)
      .tekst("luister", luisterTekst)
      .tekst("tabel", tabelTekst)
      .veld("tabelKoppen", jsonLijst(tabelKoppen))
      .getal("monsters", static_cast<long long>(BlokLengte))
      .getal("minimumApparaatBreedte", minimumApparaatBreedte)
      .getal("kopTekstPunten", kopTekstPunten)
      .getal("kostenRegels", static_cast<long long>(programma.kostenRegels))
      .klaar();
}
