// Places labels in a plot clear of its curve, its marks and one another.
// SPDX-License-Identifier: MIT
#pragma once

#include "figuur.h"

#include <vector>

// A box in pixels, from its top left (x0, y0) to its bottom right (x1, y1).
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

// The point of the box nearest to `p`: where a label's line to its mark ends.
Plek naastePunt(const Vak& vak, Plek p);

// A straight line from a mark to its label.
struct Verbinding {
  Plek van;
  Plek naar;

  [[nodiscard]] bool kruist(const Vak& vak) const;
};

// Where a mark's label goes: the first of a list of places around the mark
// (below, above, further below and above, right, left) that stays inside
// `gebied` and clear of the curve, the marks, the labels placed before and
// the lines that tie them to their marks; the first place where none is.
// `s` scales the distances against the plot's design size.
struct Plaatser {
  Vak gebied;
  Double s = 1.0;
  const std::vector<Plek>& kromme;
  std::vector<Vak> merken;
  std::vector<Vak> labels; // what is already taken, labels or not
  std::vector<Verbinding> verbindingen;

  Vak plaats(Plek merk, Double breedte, Double hoogte);

private:
  [[nodiscard]] bool vrij(const Vak& vak, const Verbinding& verbinding) const;
};
