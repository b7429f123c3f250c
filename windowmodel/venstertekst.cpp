#include "venstertekst.h"

#include "fir_exact.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "getaltekst.h"
#include "testsignaal.h"

#include <array>

namespace {

constexpr std::string_view minTeken = "\u2212";

std::string alsZin(std::string tekst)
{
  tekst = metKomma(std::move(tekst));
  if (tekst.starts_with('-')) {
    tekst.replace(0, 1, minTeken);
  }
  return tekst;
}

} // namespace

std::string monsterTekst(Double waarde)
{
  return alsZin(kortsteTekst(waarde));
}

std::string monsterTekst(Int16 waarde)
{
  return alsZin(kortsteTekst(waarde));
}

std::string afgerondTekst(Double waarde)
{
  return alsZin(vasteTekst(waarde, 0));
}

std::string instellingTekst(UInt32 signaal, UInt32 amplitude, UInt32 frequentieKeuze)
{
  std::string tekst = signaal < signaalNamen.size() ? std::string(signaalNamen.at(signaal)) : "";
  tekst += ", amplitude " + std::to_string(amplitude);
  if (gebruiktFrequentie(signaal) && frequentieKeuze < frequentieLabels.size()) {
    tekst += ", frequentie " + std::string(frequentieLabels.at(frequentieKeuze));
  }
  return tekst;
}

std::string aflezingTekst(std::size_t n, const std::string& invoer, const std::string& uitvoer)
{
  return "n = " + std::to_string(n) + ": invoer " + invoer + ", uitvoer " + uitvoer;
}

std::string kostenTekst(const CyclusResultaat<FIRProgramma>& cyclus, UInt32 signaal,
                        UInt32 amplitude, Float hoekFreq)
{
  std::array<Double, BlokLengte> exact{};
  firExactSignaal(signaal, amplitude, hoekFreq, exact);
  const FirAfwijking afwijking = firAfwijking(exact, cyclus.signaal, cyclus.gefilterd);
  return "Grootste afwijking van de exacte uitkomst: " +
         alsZin(vasteTekst(afwijking.grootsteAfwijking, 2)) +
         "\nGemiddelde afwijking: " + alsZin(vasteTekst(afwijking.gemiddeldeAfwijking, 2)) +
         "\nVerzadigd: " + std::to_string(afwijking.verzadigd);
}
