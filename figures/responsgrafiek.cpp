#include "responsgrafiek.h"

#include "frequenties.h"
#include "getaltekst.h"
#include "grafiekhulp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr Kleur krommeKleur{31, 95, 191};
constexpr Kleur labelRand{190, 190, 190};

// Sizes for a plot of 960 x 600 pixels; other sizes scale them.
constexpr Double ontwerpBreedte = 960.0;
constexpr Double ontwerpHoogte = 600.0;
constexpr Double titelGrootte = 24.0;
constexpr Double asTitelGrootte = 17.0;
constexpr Double schaalGrootte = 14.0;
constexpr Double labelGrootte = 13.0;
constexpr Double stapDb = 10.0;

struct Vak {
  Double x0 = 0.0;
  Double y0 = 0.0;
  Double x1 = 0.0;
  Double y1 = 0.0;

  [[nodiscard]] bool raakt(const Vak& ander, Double marge) const
  {
    return x0 - marge < ander.x1 && ander.x0 < x1 + marge && y0 - marge < ander.y1 &&
           ander.y0 < y1 + marge;
  }
  [[nodiscard]] bool bevat(const Vak& ander) const
  {
    return ander.x0 >= x0 && ander.x1 <= x1 && ander.y0 >= y0 && ander.y1 <= y1;
  }
};

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
  const Double s = o.s;
  const Double t = o.t;
  frequentieRaster({o.gebied.x0, o.gebied.y0}, {o.gebied.x1, o.gebied.y1}, s, t, schaalGrootte,
                   vormen);
  const auto lijnen = static_cast<Int>(-grafiekOnderDb / stapDb);
  const Int yStap = schaalStap(o.y(-stapDb) - o.y(0.0), 1.5 * schaalGrootte * t);
  for (Int i = 0; i <= lijnen; ++i) {
    const Double dB = -stapDb * i;
    const Double y = o.y(dB);
    vormen.emplace_back(
        Lijn{{o.gebied.x0, y}, {o.gebied.x1, y}, dB == 0.0 ? nulLijnKleur : rasterKleur, 1.0 * s});
    if (i % yStap == 0) {
      const std::string tekst = dB == 0.0 ? "0" : minTeken + std::to_string(static_cast<Int>(-dB));
      vormen.emplace_back(rechteTekst({o.gebied.x0 - 10.0 * t, y + 5.0 * t}, tekst,
                                      schaalGrootte * t, Letter::gewoon, Anker::einde));
    }
  }
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

// The point of the box nearest to `p`.
Plek naastePunt(const Vak& vak, Plek p)
{
  return {std::clamp(p.x, vak.x0, vak.x1), std::clamp(p.y, vak.y0, vak.y1)};
}

struct Verbinding {
  Plek van;
  Plek naar;

  [[nodiscard]] bool kruist(const Vak& vak) const
  {
    constexpr int stappen = 32;
    for (int i = 1; i < stappen; ++i) {
      const Double t = static_cast<Double>(i) / stappen;
      const Plek p{van.x + t * (naar.x - van.x), van.y + t * (naar.y - van.y)};
      if (p.x > vak.x0 && p.x < vak.x1 && p.y > vak.y0 && p.y < vak.y1) {
        return true;
      }
    }
    return false;
  }
};

// Where a frequency's label goes: the first of a list of places around its
// mark that stays inside the plot and clear of the curve, the marks, the
// other labels and the lines that tie them to their marks.
struct Plaatser {
  const Opmaak& o;
  const std::vector<Plek>& kromme;
  std::vector<Vak> merken;
  std::vector<Vak> labels;
  std::vector<Verbinding> verbindingen;

  [[nodiscard]] bool vrij(const Vak& vak, const Verbinding& verbinding) const
  {
    if (!o.gebied.bevat(vak)) {
      return false;
    }
    const Double marge = 3.0 * o.s;
    for (const Vak& ander : labels) {
      if (vak.raakt(ander, marge) || verbinding.kruist(ander)) {
        return false;
      }
    }
    for (const Vak& merk : merken) {
      if (vak.raakt(merk, marge)) {
        return false;
      }
    }
    for (const Verbinding& ander : verbindingen) {
      if (ander.kruist(vak)) {
        return false;
      }
    }
    return std::none_of(kromme.begin(), kromme.end(), [&](const Plek& p) {
      const Double y = std::clamp(p.y, o.gebied.y0, o.gebied.y1);
      return p.x > vak.x0 - marge && p.x < vak.x1 + marge && y > vak.y0 - marge &&
             y < vak.y1 + marge;
    });
  }

  Vak plaats(Plek merk, Double breedte, Double hoogte)
  {
    const Double afstand = 10.0 * o.s;
    const Double x0 = std::clamp(merk.x - breedte / 2, o.gebied.x0 + 2.0 * o.s,
                                 o.gebied.x1 - 2.0 * o.s - breedte);
    std::vector<Vak> kandidaten;
    for (Int rij = 0; rij < 6; ++rij) {
      const Double verder = rij * (hoogte + 6.0 * o.s);
      kandidaten.push_back(
          {x0, merk.y + afstand + verder, x0 + breedte, merk.y + afstand + verder + hoogte});
      kandidaten.push_back(
          {x0, merk.y - afstand - verder - hoogte, x0 + breedte, merk.y - afstand - verder});
    }
    kandidaten.push_back(
        {merk.x + afstand, merk.y - hoogte / 2, merk.x + afstand + breedte, merk.y + hoogte / 2});
    kandidaten.push_back(
        {merk.x - afstand - breedte, merk.y - hoogte / 2, merk.x - afstand, merk.y + hoogte / 2});
    const auto verbindingNaar = [merk](const Vak& vak) {
      return Verbinding{merk, naastePunt(vak, merk)};
    };
    const auto gekozen = std::find_if(kandidaten.begin(), kandidaten.end(), [&](const Vak& vak) {
      return vrij(vak, verbindingNaar(vak));
    });
    const Vak vak = gekozen != kandidaten.end() ? *gekozen : kandidaten.front();
    labels.push_back(vak);
    verbindingen.push_back(verbindingNaar(vak));
    return vak;
  }
};

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
  Plaatser plaatser{o, kromme, {}, bezet, {}};
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
  const Double midden = (o.gebied.x0 + o.gebied.x1) / 2;
  // The title, centred over the plot area, within the plot's width, but not
  // below the smallest text.
  const Double ruimte = 2.0 * std::min(midden, grootte.breedte - midden) - 20.0 * t;
  vormen.emplace_back(rechteTekst({midden, 42.0 * t}, titel,
                                  titelLetter(titel, titelGrootte, t, ruimte), Letter::vet));
  vormen.emplace_back(rechteTekst({midden, grootte.hoogte - 22.0 * t}, "Ω (rad/sample)",
                                  asTitelGrootte * t, Letter::gewoon));
  vormen.emplace_back(staandeTekst({32.0 * t, (o.gebied.y0 + o.gebied.y1) / 2}, "Versterking (dB)",
                                   asTitelGrootte * t));
  return figuur;
}
