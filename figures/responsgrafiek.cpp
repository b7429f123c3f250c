// The magnitude response of a filter as a plot.
// SPDX-License-Identifier: MIT
#include "responsgrafiek.h"

#include "frequenties.h"
#include "getaltekst.h"
#include "grafiekhulp.h"
#include "grafiekkader.h"
#include "labelplaatser.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr Kleur krommeKleur{31, 95, 191};
constexpr Kleur labelRand{190, 190, 190};

constexpr Double labelGrootte = 13.0; // the smallest text, at the design size

struct Opmaak {
  Double s = 1.0; // scale against the design size
  // The scale of the text and of the margins that hold it: s, or more where
  // the smallest text would be under kleinsteLetter.
  Double t = 1.0;
  Vak gebied; // the plot area

  // Whether the text is drawn larger than the plot around it: then the eight
  // frequencies' labels no longer fit, and are left out.
  [[nodiscard]] bool krap() const { return t > s; }

  [[nodiscard]] Double x(Double omega) const
  {
    return gebied.x0 + omega / std::numbers::pi * (gebied.x1 - gebied.x0);
  }
  [[nodiscard]] Double y(Double dB) const
  {
    return gebied.y0 +
           (grafiekBovenDb - dB) / (grafiekBovenDb - grafiekOnderDb) * (gebied.y1 - gebied.y0);
  }
};

Opmaak opmaakVoor(Grootte grootte)
{
  Opmaak o;
  const Double b = grootte.breedte;
  const Double h = grootte.hoogte;
  o.s = schaalVoor(grootte, ontwerpBreedte, ontwerpHoogte);
  o.t = tekstSchaal(o.s, labelGrootte);
  o.gebied = {95.0 * o.t, 70.0 * o.t, b - 40.0 * o.t, h - 85.0 * o.t};
  return o;
}

void raster(const Opmaak& o, std::vector<Vorm>& vormen)
{
  const Plek linksBoven{o.gebied.x0, o.gebied.y0};
  const Plek rechtsOnder{o.gebied.x1, o.gebied.y1};
  frequentieRaster(linksBoven, rechtsOnder, o.s, o.t, schaalGrootte, vormen);
  decibelRaster(linksBoven, rechtsOnder, grafiekBovenDb, grafiekOnderDb, o.s, o.t, vormen);
}

std::vector<Plek> krommePunten(const Opmaak& o, VersterkingVan versterking)
{
  // At least two points a pixel: the stop band's notches stay sharp.
  const auto stappen = static_cast<Int>(std::max(1000.0, 2.0 * (o.gebied.x1 - o.gebied.x0)));
  std::vector<Plek> punten;
  punten.reserve(static_cast<std::size_t>(stappen) + 1);
  for (Int i = 0; i <= stappen; ++i) {
    const Double omega = std::numbers::pi * static_cast<Double>(i) / stappen;
    // A transmission zero has no finite dB; far below the plot is as good.
    const Double dB = std::clamp(inDecibel(versterking(omega)), -400.0, 100.0);
    punten.push_back({o.x(omega), o.y(dB)});
  }
  return punten;
}

constexpr Double merkStraal = 5.5; // of a frequency's mark, at the design size

Plek merkPlek(const Opmaak& o, Double omega, Double versterking)
{
  return {o.x(omega), std::clamp(o.y(inDecibel(versterking)), o.gebied.y0, o.gebied.y1)};
}

// `bezet`: places the labels must keep clear of.
void frequentieMerken(const Opmaak& o, VersterkingVan versterking, const std::vector<Plek>& kromme,
                      const std::vector<Vak>& bezet, std::vector<Vorm>& vormen)
{
  const Double s = o.s;
  const Double straal = merkStraal * s;
  const Respons respons = berekenRespons(versterking, std::nullopt);
  Plaatser plaatser{o.gebied, o.s, kromme, {}, bezet, {}};
  std::vector<Plek> merken;
  for (const auto& punt : respons) {
    const Plek merk = merkPlek(o, punt.omega, punt.versterking);
    merken.push_back(merk);
    plaatser.merken.push_back({merk.x - straal, merk.y - straal, merk.x + straal, merk.y + straal});
  }
  if (o.krap()) {
    for (const Plek& merk : merken) {
      vormen.emplace_back(Cirkel{merk, straal, merkKleur, wit, 1.5 * s});
    }
    return;
  }
  // From the highest frequency down: in the crowded pass band each label then
  // finds its place below and left of the ones already placed, and no line to
  // a mark runs through another label.
  std::vector<Vorm> labels;
  for (std::size_t i = respons.size(); i-- > 0;) {
    const std::string naam(frequentieLabels[*respons[i].keuze]);
    const std::string waarde = decibelTekst(inDecibel(respons[i].versterking));
    const Double rand = 5.0 * s;
    const Double regel = labelGrootte * 1.25 * s;
    const Double breedte = std::max(tekstBreedte(naam, labelGrootte * s, true),
                                    tekstBreedte(waarde, labelGrootte * s, false)) +
                           2 * rand;
    const Double hoogte = 2 * regel + 2 * rand - 0.25 * labelGrootte * s;
    const Vak vak = plaatser.plaats(merken[i], breedte, hoogte);
    const Plek aanhechting = naastePunt(vak, merken[i]);
    vormen.emplace_back(Lijn{merken[i], aanhechting, kaderKleur, 1.0 * s});
    labels.emplace_back(Rechthoek{{vak.x0, vak.y0}, breedte, hoogte, wit, labelRand, 1.0 * s});
    const Double midden = (vak.x0 + vak.x1) / 2;
    labels.emplace_back(rechteTekst({midden, vak.y0 + rand + labelGrootte * s}, naam,
                                    labelGrootte * s, Letter::vet));
    labels.emplace_back(rechteTekst({midden, vak.y0 + rand + labelGrootte * s + regel}, waarde,
                                    labelGrootte * s, Letter::gewoon));
  }
  for (const Plek& merk : merken) {
    vormen.emplace_back(Cirkel{merk, straal, merkKleur, wit, 1.5 * s});
  }
  vormen.insert(vormen.end(), labels.begin(), labels.end());
}

// The chosen frequency under the curve: a line from top to bottom and a ring
// around its mark, so the curve and the mark stay on top.
void gekozenMerk(const Opmaak& o, Double omega, Double versterking, std::vector<Vorm>& vormen)
{
  const Double s = o.s;
  const Double x = o.x(omega);
  vormen.emplace_back(Lijn{{x, o.gebied.y0}, {x, o.gebied.y1}, merkKleur, 1.5 * s});
  vormen.emplace_back(
      Cirkel{merkPlek(o, omega, versterking), 2.2 * merkStraal * s, wit, merkKleur, 2.0 * s});
}

// The chosen frequency's gain as text in the plot's top right corner, where
// both filters' curves lie far below; returns the box it takes.
Vak gekozenLabel(const Opmaak& o, const std::string& tekst, std::vector<Vorm>& vormen)
{
  const Double s = o.s;
  const Double t = o.t;
  const Double grootte = (labelGrootte + 2.0) * t;
  const Double rand = 6.0 * t;
  const Double breedte = tekstBreedte(tekst, grootte, true) + 2 * rand;
  const Double hoogte = grootte + 2 * rand;
  const Vak vak{o.gebied.x1 - 8.0 * t - breedte, o.gebied.y0 + 8.0 * t, o.gebied.x1 - 8.0 * t,
                o.gebied.y0 + 8.0 * t + hoogte};
  vormen.emplace_back(Rechthoek{{vak.x0, vak.y0}, breedte, hoogte, wit, merkKleur, 1.5 * s});
  vormen.emplace_back(rechteTekst({(vak.x0 + vak.x1) / 2, vak.y1 - rand - 0.2 * grootte}, tekst,
                                  grootte, Letter::vet, Anker::midden, merkKleur));
  return vak;
}

} // namespace

std::string gekozenTekst(VersterkingVan versterking, UInt32 keuze)
{
  const auto omega = hoekFrequentie(keuze);
  if (!omega) {
    return {};
  }
  return std::string(frequentieLabels[keuze]) + ": " +
         decibelTekst(inDecibel(versterking(static_cast<Double>(*omega))));
}

std::string decibelTekst(Double dB)
{
  const std::string tekst = metKomma(vasteTekst(std::abs(dB), 1));
  const bool negatief = dB < 0.0 && tekst != "0,0";
  return (negatief ? minTeken : "") + tekst + " dB";
}

Figuur responsGrafiek(const std::string& titel, VersterkingVan versterking, Grootte grootte,
                      std::optional<UInt32> gekozen)
{
  const Opmaak o = opmaakVoor(grootte);
  const Double s = o.s;
  Figuur figuur;
  figuur.breedte = grootte.breedte;
  figuur.hoogte = grootte.hoogte;
  auto& vormen = figuur.vormen;

  raster(o, vormen);
  const auto gekozenOmega = gekozen ? hoekFrequentie(*gekozen) : std::nullopt;
  if (gekozenOmega) {
    gekozenMerk(o, *gekozenOmega, versterking(*gekozenOmega), vormen);
  }
  const Rechthoek gebied{{o.gebied.x0, o.gebied.y0},
                         o.gebied.x1 - o.gebied.x0,
                         o.gebied.y1 - o.gebied.y0,
                         wit,
                         std::nullopt,
                         0.0};
  const std::vector<Plek> kromme = krommePunten(o, versterking);
  vormen.emplace_back(Kromme{kromme, gebied, krommeKleur, 2.5 * s});
  // The frame over the grid's ends and the curve's clipped edge.
  kader({o.gebied.x0, o.gebied.y0}, {o.gebied.x1, o.gebied.y1}, 1.2 * s, vormen);
  std::vector<Vak> bezet;
  if (gekozenOmega) {
    bezet.push_back(gekozenLabel(o, gekozenTekst(versterking, *gekozen), vormen));
  }
  frequentieMerken(o, versterking, kromme, bezet, vormen);

  const Double t = o.t;
  zetTitel(titel, (o.gebied.x0 + o.gebied.x1) / 2, t, grootte, vormen);
  zetAsTitels("Versterking (dB)", {o.gebied.x0, o.gebied.y0}, {o.gebied.x1, o.gebied.y1}, t,
              grootte, vormen);
  return figuur;
}
