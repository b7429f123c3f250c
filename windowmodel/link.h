// A link's parts applied to a window model: the command line's names and
// values (signaal, amplitude, frequentie), `teken` to press Teken once the
// page is ready and `proef` for a students' link, which keeps what answers an
// experiment's question (response, poles and zeros) hidden until Teken.
// SPDX-License-Identifier: MIT
#pragma once

#include "fragment.h"
#include "frequenties.h"
#include "instellingnamen.h"
#include "testsignaal.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A link's key without a value that presses Teken once the page is ready.
inline constexpr std::string_view tekenSleutel = "teken";
// A link's key without a value: opened from a students' guide.
inline constexpr std::string_view proefSleutel = "proef";

// What a link's settings asked for beyond the settings themselves.
struct FragmentUitkomst {
  bool teken = false;  // press Teken once the page is ready
  std::string melding; // one line naming what was ignored, or empty
};

// One part taken as the control would take it; false for a part that names
// no setting or no value of it.
template <typename Model>
bool pasLinkDeelToe(Model& model, const FragmentDeel& deel, FragmentUitkomst& uitkomst)
{
  const bool zonderWaarde = !deel.waarde || deel.waarde->empty();
  if (deel.naam == tekenSleutel) {
    uitkomst.teken = uitkomst.teken || zonderWaarde;
    return zonderWaarde;
  }
  if (deel.naam == proefSleutel) {
    if (zonderWaarde) {
      model.verbergAntwoorden();
    }
    return zonderWaarde;
  }
  if (!deel.waarde) {
    return false;
  }
  if (deel.naam == signaalInstelling) {
    const auto signaal = indexVan(signaalNamen, signaalNamen.size(), *deel.waarde);
    if (signaal) {
      model.kiesSignaal(*signaal);
    }
    return signaal.has_value();
  }
  if (deel.naam == frequentieInstelling) {
    const auto keuze = indexVan(frequentieLabels, frequentieFactoren.size(), *deel.waarde);
    if (keuze) {
      model.kiesFrequentie(*keuze);
    }
    return keuze.has_value();
  }
  return deel.naam == amplitudeInstelling && model.zetAmplitudeTekst(*deel.waarde);
}

// Every part of `fragment` applied to `model` in order; what names no setting
// or value is ignored and named in the message (genegeerdMelding).
template <typename Model>
FragmentUitkomst pasLinkToe(Model& model, std::string_view fragment)
{
  FragmentUitkomst uitkomst;
  std::vector<std::string> genegeerd;
  for (const FragmentDeel& deel : fragmentDelen(fragment)) {
    if (!pasLinkDeelToe(model, deel, uitkomst)) {
      genegeerd.push_back(deel.tekst);
    }
  }
  uitkomst.melding = genegeerdMelding(genegeerd);
  return uitkomst;
}

// The settings as a link's fragment, which pasLinkDeelToe reads back: with
// "proef" while answers are hidden, with "teken" while a cycle is drawn.
inline std::string linkFragment(UInt32 signaal, UInt32 amplitude, UInt32 frequentieKeuze,
                                bool verborgen, bool getekend)
{
  const auto deel = [](std::string_view naam, std::string_view waarde) {
    return std::string(naam) + '=' + fragmentWaarde(waarde);
  };
  std::string tekst = deel(signaalInstelling, signaalNamen.at(signaal)) + '&' +
                      deel(amplitudeInstelling, std::to_string(amplitude)) + '&' +
                      deel(frequentieInstelling, frequentieLabels.at(frequentieKeuze));
  if (verborgen) {
    tekst = std::string(proefSleutel) + '&' + tekst;
  }
  return getekend ? tekst + '&' + std::string(tekenSleutel) : tekst;
}
