// Places labels in a plot clear of its curve, its marks and one another.
// SPDX-License-Identifier: MIT
#include "labelplaatser.h"

#include <algorithm>

Plek naastePunt(const Vak& vak, Plek p)
{
  return {std::clamp(p.x, vak.x0, vak.x1), std::clamp(p.y, vak.y0, vak.y1)};
}

bool Verbinding::kruist(const Vak& vak) const
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

bool Plaatser::vrij(const Vak& vak, const Verbinding& verbinding) const
{
  if (!gebied.bevat(vak)) {
    return false;
  }
  const Double marge = 3.0 * s;
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
    const Double y = std::clamp(p.y, gebied.y0, gebied.y1);
    return p.x > vak.x0 - marge && p.x < vak.x1 + marge && y > vak.y0 - marge && y < vak.y1 + marge;
  });
}

Vak Plaatser::plaats(Plek merk, Double breedte, Double hoogte)
{
  const Double afstand = 10.0 * s;
  const Double x0 =
      std::clamp(merk.x - breedte / 2, gebied.x0 + 2.0 * s, gebied.x1 - 2.0 * s - breedte);
  std::vector<Vak> kandidaten;
  for (Int rij = 0; rij < 6; ++rij) {
    const Double verder = rij * (hoogte + 6.0 * s);
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
  const auto gekozen = std::find_if(kandidaten.begin(), kandidaten.end(),
                                    [&](const Vak& vak) { return vrij(vak, verbindingNaar(vak)); });
  const Vak vak = gekozen != kandidaten.end() ? *gekozen : kandidaten.front();
  labels.push_back(vak);
  verbindingen.push_back(verbindingNaar(vak));
  return vak;
}
