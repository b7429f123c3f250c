// The frame the three plots share: design sizes, the title, the axes' titles and the dB scale.
// SPDX-License-Identifier: MIT
#include "grafiekkader.h"

#include "getaltekst.h"
#include "grafiekhulp.h"

#include <algorithm>
#include <cmath>

void zetTitel(const std::string& titel, Double midden, Double t, Grootte grootte,
              std::vector<Vorm>& vormen)
{
  const Double s = schaalVoor(grootte, ontwerpBreedte, ontwerpHoogte);
  const Double breed = grootte.breedte / ontwerpBreedte;
  const Double letter =
      std::max(kleinsteLetter, titelGrootte * std::min(tekstSchaal(s, schaalGrootte), breed));
  vormen.emplace_back(rechteTekst({midden, 42.0 * t}, titel, letter, Letter::vet));
}

void zetAsTitels(const std::string& yTitel, Plek linksBoven, Plek rechtsOnder, Double t,
                 Grootte grootte, std::vector<Vorm>& vormen)
{
  const Double h = grootte.hoogte;
  vormen.emplace_back(rechteTekst({(linksBoven.x + rechtsOnder.x) / 2, h - 22.0 * t},
                                  "Ω (rad/sample)", asTitelGrootte * t, Letter::gewoon));
  const Double letter = titelLetter(yTitel, asTitelGrootte, t, h - 20.0 * t);
  const Double helft = tekstBreedte(yTitel, letter, false) / 2;
  const Double midden = std::max(helft, std::min((linksBoven.y + rechtsOnder.y) / 2, h - helft));
  vormen.emplace_back(staandeTekst({32.0 * t, midden}, yTitel, letter));
}

void decibelRaster(Plek linksBoven, Plek rechtsOnder, Double bovenDb, Double onderDb, Double s,
                   Double t, std::vector<Vorm>& vormen)
{
  const auto y = [&](Double dB) {
    return linksBoven.y + (bovenDb - dB) / (bovenDb - onderDb) * (rechtsOnder.y - linksBoven.y);
  };
  const Double eerste = std::floor(bovenDb / stapDb); // the top line, in steps from 0 dB
  const auto lijnen = static_cast<Int>(eerste - onderDb / stapDb);
  const Int yStap = schaalStap(y(-stapDb) - y(0.0), 1.5 * schaalGrootte * t);
  for (Int i = 0; i <= lijnen; ++i) {
    const auto stap = static_cast<Int>(eerste) - i;
    const Double dB = stapDb * stap;
    const Double hoogte = y(dB);
    const bool nulLijn = dB == 0.0 && dB < bovenDb;
    vormen.emplace_back(Lijn{{linksBoven.x, hoogte},
                             {rechtsOnder.x, hoogte},
                             nulLijn ? nulLijnKleur : rasterKleur,
                             1.0 * s});
    if (stap % yStap == 0) {
      const std::string tekst = stap < 0
                                    ? minTeken + std::to_string(-stap * static_cast<Int>(stapDb))
                                    : std::to_string(stap * static_cast<Int>(stapDb));
      vormen.emplace_back(rechteTekst({linksBoven.x - 10.0 * t, hoogte + 5.0 * t}, tekst,
                                      schaalGrootte * t, Letter::gewoon, Anker::einde));
    }
  }
}
