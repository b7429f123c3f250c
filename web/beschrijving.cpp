#include "beschrijving.h"

#include "frequenties.h"
#include "json.h"
#include "tekening.h"
#include "teksten.h"
#include "testsignaal.h"

#include <string_view>

namespace {

// Shown when "Einde" could not close the page: the browser lets a script
// close only a page that a script opened.
constexpr std::string_view beeindigdTekst = "Het programma is beëindigd.";
// Plays the shown cycle's signal and the filter's answer to it.
constexpr std::string_view luisterTekst = "Luister";

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
      .tekst("luister", luisterTekst)
      .tekst("geenGetal", geenGetalTekst)
      .getal("minimumBreedte", minimumBreedte)
      .getal("minimumHoogte", minimumHoogte)
      .getal("kopTekstPunten", kopTekstPunten)
      .klaar();
}
