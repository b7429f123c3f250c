// The window of both programs without a toolkit: its settings and their
// rules, the Teken/Stop toggle and what it locks, the cycle on screen with
// the settings it was drawn with, and everything shown beside that cycle.
// The wxWidgets window (shell/grafiek.h) and the browser page
// (web/paginakern.cpp) pass their controls' events in and show what this
// says; neither states a rule of its own. `Programma` states what differs
// per program (iir_programma.h, fir_programma.h).
#pragma once

#include "algdef.h"
#include "berekening.h"
#include "cyclus.h"
#include "cyclus_csv.h"
#include "fragment.h"
#include "frequenties.h"
#include "geluid.h"
#include "getypt.h"
#include "instellingnamen.h"
#include "testsignaal.h"
#include "venstertekst.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A link's key without a value that presses Teken once the page is ready.
inline constexpr std::string_view tekenSleutel = "teken";

// What a link's settings asked for beyond the settings themselves.
struct FragmentUitkomst {
  bool teken = false;  // press Teken once the page is ready
  std::string melding; // one line naming what was ignored, or empty
};

template <typename Programma>
class VensterModel {
public:
  using Soort = Programma;
  using Amplitude = typename Programma::Amplitude;

  // What the next press of Teken draws.
  struct Instellingen {
    UInt32 signaal = cosinus;
    Amplitude amplitude = Programma::startAmplitude;
    UInt32 frequentieKeuze = startFrequentieKeuze; // the item that set hoekFreq
    Float hoekFreq = startHoekFreq;
  };

  struct Getekend {
    Instellingen instellingen;
    CyclusResultaat<Programma> cyclus;
  };

  // Which controls take input.
  struct Besturing {
    bool signaal = true;
    bool amplitude = true;
    bool frequentie = true;
    bool luister = false;
  };

  // --- Events. While a cycle is drawn the settings are locked: these
  // change nothing then.

  // An index that names no signal is ignored.
  void kiesSignaal(UInt32 signaal)
  {
    if (!vergrendeld() && signaal < signaalNamen.size()) {
      instelling.signaal = signaal;
    }
  }

  // A value out of 0..maxAmplitude is brought into it and rounded to the
  // nearest whole number, a half away from zero; NaN leaves the amplitude as
  // it was. Returns the amplitude now set.
  Amplitude zetAmplitude(Double waarde)
  {
    if (!vergrendeld() && !std::isnan(waarde)) {
      const Double binnen = std::clamp(waarde, 0.0, static_cast<Double>(maxAmplitude));
      instelling.amplitude = static_cast<Amplitude>(std::lround(binnen));
    }
    return instelling.amplitude;
  }

  // Typed text (getypteWaarde); false for text that is no number, which
  // leaves the amplitude as it was.
  bool zetAmplitudeTekst(std::string_view tekst)
  {
    const auto waarde = getypteWaarde(tekst);
    if (waarde) {
      zetAmplitude(*waarde);
    }
    return waarde.has_value();
  }

  // The two empty items, and an index beyond them, leave the frequency as it
  // was.
  void kiesFrequentie(UInt32 keuze)
  {
    if (const auto frequentie = hoekFrequentie(keuze); frequentie && !vergrendeld()) {
      instelling.hoekFreq = *frequentie;
      instelling.frequentieKeuze = keuze;
    }
  }

  // The toggle: Teken runs one cycle at the settings and locks them, Stop
  // empties the panel and unlocks them. True when a cycle is drawn now.
  // `meld` hears what the filter reports.
  bool schakel(Melder meld = nullptr)
  {
    if (getekend) {
      getekend.reset();
    } else {
      getekend =
          Getekend{instelling, draaiCyclus<Programma>(instelling.signaal, instelling.amplitude,
                                                      instelling.hoekFreq, meld)};
    }
    return vergrendeld();
  }

  // A link's settings (fragment.h) with the command line's names and values:
  // signaal, amplitude, frequentie, and teken without a value. Each is taken
  // as the control would take it; what names no setting or value is ignored
  // and named in the message.
  FragmentUitkomst pasFragmentToe(std::string_view fragment)
  {
    FragmentUitkomst uitkomst;
    std::vector<std::string> genegeerd;
    for (const FragmentDeel& deel : fragmentDelen(fragment)) {
      if (!pasToe(deel, uitkomst)) {
        genegeerd.push_back(deel.tekst);
      }
    }
    uitkomst.melding = genegeerdMelding(genegeerd);
    return uitkomst;
  }

  // --- What the window shows.

  [[nodiscard]] const Instellingen& instellingen() const { return instelling; }
  [[nodiscard]] bool vergrendeld() const { return getekend.has_value(); }
  // The cycle on the panel, none after Stop.
  [[nodiscard]] const std::optional<Getekend>& cyclus() const { return getekend; }

  // The frequency control only for a signal that has a frequency; Luister
  // only while a cycle is drawn.
  [[nodiscard]] Besturing besturing() const
  {
    const bool vrij = !vergrendeld();
    return {.signaal = vrij,
            .amplitude = vrij,
            .frequentie = vrij && gebruiktFrequentie(instelling.signaal),
            .luister = !vrij};
  }

  // The drawn cycle's signal at its settings as sound (geluid.h), none while
  // nothing is drawn.
  [[nodiscard]] std::vector<Int16> luisterMonsters() const
  {
    if (!getekend) {
      return {};
    }
    const Instellingen& bij = getekend->instellingen;
    return ::luisterMonsters<Programma>(bij.signaal, bij.amplitude, bij.hoekFreq,
                                        luisterInvoerLengte(standaardBemonstering),
                                        luisterStilteLengte(standaardBemonstering));
  }

  [[nodiscard]] std::string kostenTekst() const
  {
    if (!getekend) {
      return {};
    }
    const Instellingen& bij = getekend->instellingen;
    return ::kostenTekst(getekend->cyclus, bij.signaal, bij.amplitude, bij.hoekFreq);
  }

  // Sample n of the drawn cycle in words; empty when nothing is drawn or n
  // is beyond the block.
  [[nodiscard]] std::string aflezing(std::size_t n) const
  {
    if (!getekend || n >= BlokLengte) {
      return {};
    }
    return aflezingTekst(n, monsterTekst(getekend->cyclus.signaal.at(n)),
                         monsterTekst(getekend->cyclus.gefilterd.at(n)));
  }

  // How output n of the drawn cycle comes about (berekening.h); an empty
  // table when nothing is drawn or n is beyond the block.
  [[nodiscard]] Berekening berekening(std::size_t n) const
  {
    if (!getekend || n >= BlokLengte) {
      return {};
    }
    const Instellingen& bij = getekend->instellingen;
    return Programma::berekening(bij.signaal, bij.amplitude, bij.hoekFreq, n);
  }

  [[nodiscard]] std::string cyclusCsv() const
  {
    return getekend ? ::cyclusCsv(getekend->cyclus) : std::string{};
  }

  // What the panel shows, for a screen reader: the program and the drawn
  // cycle's settings.
  [[nodiscard]] std::string toegankelijkeNaam() const
  {
    return std::string(Programma::titel) + ": " +
           (getekend ? "invoer en uitvoer van " + instellingVan(getekend->instellingen)
                     : std::string("geen cyclus getekend"));
  }

  // What is announced once a cycle is drawn: its settings and the output's
  // range in whole numbers; empty after Stop.
  [[nodiscard]] std::string aankondiging() const
  {
    if (!getekend) {
      return {};
    }
    const auto& uitvoer = getekend->cyclus.gefilterd;
    const auto [kleinste, grootste] = std::minmax_element(uitvoer.begin(), uitvoer.end());
    return "Getekend: " + instellingVan(getekend->instellingen) + ". Uitvoer van " +
           afgerondTekst(static_cast<Double>(*kleinste)) + " tot " +
           afgerondTekst(static_cast<Double>(*grootste)) + ".";
  }

  // The settings as a link's fragment, which pasFragmentToe reads back;
  // with "teken" while a cycle is drawn.
  [[nodiscard]] std::string fragment() const
  {
    const auto deel = [](std::string_view naam, std::string_view waarde) {
      return std::string(naam) + '=' + fragmentWaarde(waarde);
    };
    std::string tekst = deel(signaalInstelling, signaalNamen.at(instelling.signaal)) + '&' +
                        deel(amplitudeInstelling, std::to_string(instelling.amplitude)) + '&' +
                        deel(frequentieInstelling, frequentieLabels.at(instelling.frequentieKeuze));
    return vergrendeld() ? tekst + '&' + std::string(tekenSleutel) : tekst;
  }

private:
  static std::string instellingVan(const Instellingen& bij)
  {
    return instellingTekst(bij.signaal, bij.amplitude, bij.frequentieKeuze);
  }

  // The index of `tekst` among the first `aantal` of `teksten`.
  template <typename Teksten>
  static std::optional<UInt32> indexVan(const Teksten& teksten, std::size_t aantal,
                                        const std::string& tekst)
  {
    const auto einde = teksten.begin() + static_cast<std::ptrdiff_t>(aantal);
    const auto gevonden = std::find(teksten.begin(), einde, tekst);
    if (gevonden == einde) {
      return std::nullopt;
    }
    return static_cast<UInt32>(gevonden - teksten.begin());
  }

  // False for a part that names no setting or no value of it.
  bool pasToe(const FragmentDeel& deel, FragmentUitkomst& uitkomst)
  {
    if (deel.naam == tekenSleutel) {
      uitkomst.teken = uitkomst.teken || !deel.waarde || deel.waarde->empty();
      return !deel.waarde || deel.waarde->empty();
    }
    if (!deel.waarde) {
      return false;
    }
    if (deel.naam == signaalInstelling) {
      const auto signaal = indexVan(signaalNamen, signaalNamen.size(), *deel.waarde);
      if (signaal) {
        kiesSignaal(*signaal);
      }
      return signaal.has_value();
    }
    if (deel.naam == frequentieInstelling) {
      const auto keuze = indexVan(frequentieLabels, frequentieFactoren.size(), *deel.waarde);
      if (keuze) {
        kiesFrequentie(*keuze);
      }
      return keuze.has_value();
    }
    return deel.naam == amplitudeInstelling && zetAmplitudeTekst(*deel.waarde);
  }

  Instellingen instelling;
  std::optional<Getekend> getekend;
};
