// What the window says about a cycle in words.
// SPDX-License-Identifier: MIT
#include "venstertekst.h"

#include "frequenties.h"
#include "getaltekst.h"
#include "testsignaal.h"

#include <algorithm>

std::string monsterTekst(Double waarde)
{
  return alsZinGetal(kortsteTekst(waarde));
}

std::string monsterTekst(Int16 waarde)
{
  return alsZinGetal(kortsteTekst(waarde));
}

std::string afgerondTekst(Double waarde)
{
  return alsZinGetal(vasteTekst(waarde, 0));
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

std::string kostenTekst(std::span<const KostenRegel> regels)
{
  std::string tekst;
  for (const KostenRegel& regel : regels) {
    tekst += (tekst.empty() ? "" : "\n") + std::string(regel.label) + ": " +
             alsZinGetal(vasteTekst(regel.waarde, regel.decimalen));
  }
  return tekst;
}

std::string alsZinnen(const std::string& regels)
{
  std::string zinnen;
  std::size_t begin = 0;
  while (begin < regels.size()) {
    const auto einde = std::min(regels.find('\n', begin), regels.size());
    if (einde > begin) {
      zinnen += (zinnen.empty() ? "" : " ") + regels.substr(begin, einde - begin) + '.';
    }
    begin = einde + 1;
  }
  return zinnen;
}
