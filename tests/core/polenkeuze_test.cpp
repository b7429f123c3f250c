// Picking a zero or pole of the z-plane plot by a point, and stepping through them.
// SPDX-License-Identifier: MIT
#include "polengrafiek.h"
#include "polenkeuze.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <variant>

namespace {

// Known roots: zeros at ±j, −1 and 0,5 twice; poles at 0,8·e^(±j0,3π) and
// 0 three times.
NullenEnPolen bekend()
{
  const Wortel pool = std::polar(0.8, 0.3 * std::numbers::pi);
  return {{{0.0, 1.0}, {0.0, -1.0}, {-1.0, 0.0}, {0.5, 0.0}, {0.5, 0.0}},
          {pool, std::conj(pool), 0.0, 0.0, 0.0}};
}

TEST(PolenKeuze, DichtstePuntEnZijnTekst)
{
  const Grootte grootte{600, 600};
  // The plot's own unit circle says where z lies: its centre and radius.
  Plek midden;
  Double eenheid = 0.0;
  for (const Vorm& vorm : polenGrafiek("IIR", bekend(), grootte).vormen) {
    if (const auto* cirkel = std::get_if<Cirkel>(&vorm); cirkel && cirkel->straal > eenheid) {
      midden = cirkel->midden;
      eenheid = cirkel->straal;
    }
  }
  // A point of the z-plane, and the root nearest it in words.
  const struct {
    Wortel z;
    const char* tekst;
  } gevallen[] = {
      {{0.1, 0.9}, "nulpunt: hoek 0,500\u03C0, straal 1,000"},
      {{-0.2, -1.3}, "nulpunt: hoek \u22120,500\u03C0, straal 1,000"},
      {{-1.4, 0.3}, "nulpunt: hoek 1,000\u03C0, straal 1,000"},
      {{0.4, -0.05}, "nulpunt: hoek 0,000\u03C0, straal 0,500, multipliciteit 2"},
      {{0.5, 0.6}, "pool: hoek 0,300\u03C0, straal 0,800"},
      {{0.45, -0.7}, "pool: hoek \u22120,300\u03C0, straal 0,800"},
      {{-0.1, 0.1}, "pool in de oorsprong, multipliciteit 3"},
  };
  const auto punten = polenPunten(bekend(), grootte);
  for (const auto& [z, tekst] : gevallen) {
    const Plek plek{midden.x + z.real() * eenheid, midden.y - z.imag() * eenheid};
    const auto i = dichtstePunt(punten, plek);
    ASSERT_TRUE(i) << z;
    EXPECT_EQ(polenPuntTekst(punten[*i]), tekst) << z;
  }
  // Forward from none round the circle by angle, back from none the last.
  const char* volgorde[] = {"pool in de oorsprong, multipliciteit 3",
                            "nulpunt: hoek 0,000\u03C0, straal 0,500, multipliciteit 2",
                            "pool: hoek 0,300\u03C0, straal 0,800",
                            "nulpunt: hoek 0,500\u03C0, straal 1,000",
                            "nulpunt: hoek 1,000\u03C0, straal 1,000",
                            "nulpunt: hoek \u22120,500\u03C0, straal 1,000",
                            "pool: hoek \u22120,300\u03C0, straal 0,800"};
  std::optional<std::size_t> i;
  for (const char* tekst : volgorde) {
    i = puntNa(punten, i, 1);
    ASSERT_TRUE(i);
    EXPECT_EQ(polenPuntTekst(punten[*i]), tekst);
  }
  EXPECT_EQ(puntNa(punten, i, 1), 0u);
  EXPECT_EQ(puntNa(punten, std::nullopt, -1), punten.size() - 1);
  EXPECT_EQ(puntNa(punten, 0, -1), punten.size() - 1);
  EXPECT_FALSE(puntNa({}, std::nullopt, 1));
}

} // namespace
