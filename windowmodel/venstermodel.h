// The window of both programs without a toolkit: its settings and their rules, the Teken/Stop
// toggle and what it locks, the cycle on screen with the settings it was drawn with, and everything
// shown beside that cycle. The wxWidgets window (shell/grafiek.h) and the browser page
// (web/paginakern.cpp) pass their controls' events in and show what this says; neither states a
// rule of its own. `Programma` states what differs per program (iir_programma.h, fir_programma.h).
// SPDX-License-Identifier: MIT
#pragma once

#include "aflezing.h"
#include "algdef.h"
#include "berekening.h"
#include "cyclus.h"
#include "cyclus_csv.h"
#include "geluid.h"
#include "getypt.h"
#include "link.h"
#include "testsignaal.h"
#include "venstertekst.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    bool tabel = false; // the drawn cycle offered as a table
  };

  // --- Events. While a cycle is drawn the settings are locked: these
  // change nothing then.

  // An index that names no signal is ignored.
  void kiesSignaal(UInt32 signaal)
  {
    meldingenWeg();
    if (!vergrendeld() && signaal < signaalNamen.size()) {
      instelling.signaal = signaal;
    }
  }

  // A value out of 0..maxAmplitude is brought into it and rounded to the
  // nearest whole number, a half away from zero; NaN or an infinity leaves the amplitude as
  // it was. Returns the amplitude now set.
  Amplitude zetAmplitude(Double waarde)
  {
    meldingenWeg();
    if (!vergrendeld() && std::isfinite(waarde)) {
      const Double binnen = std::clamp(waarde, 0.0, static_cast<Double>(maxAmplitude));
      instelling.amplitude = static_cast<Amplitude>(std::lround(binnen));
    }
    return instelling.amplitude;
  }

  // Typed text (leesGetypt); false for text it does not take, which leaves
  // the amplitude as it was. The note beside the box says what happened.
  bool zetAmplitudeTekst(std::string_view tekst)
  {
    GetypteInvoer invoer = leesGetypt(tekst, 0.0, static_cast<Double>(maxAmplitude));
    if (invoer.waarde) {
      zetAmplitude(*invoer.waarde);
    }
    if (!vergrendeld()) {
      amplitudeNoot = std::move(invoer.melding);
    }
    return invoer.waarde.has_value();
  }

  // The arrow keys' step, as the window's spin control takes it: `stap`
  // whole units, kept in range.
  void stapAmplitude(Int stap) { zetAmplitude(static_cast<Double>(instelling.amplitude) + stap); }

  // The two empty items, and an index beyond them, leave the frequency as it
  // was.
  void kiesFrequentie(UInt32 keuze)
  {
    meldingenWeg();
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
    meldingenWeg();
    lezer.wis();
    tabelOpen = false;
    speelt = false;
    if (getekend) {
      getekend.reset();
    } else {
      getekend =
          Getekend{instelling, draaiCyclus<Programma>(instelling.signaal, instelling.amplitude,
                                                      instelling.hoekFreq, meld)};
      verborgen = false;
    }
    return vergrendeld();
  }

  // A link's settings (fragment.h) with the command line's names and values:
  // signaal, amplitude, frequentie, and teken without a value. Each is taken
  // as the control would take it; what names no setting or value is ignored
  // and named in the message.
  FragmentUitkomst pasFragmentToe(std::string_view fragment) { return pasLinkToe(*this, fragment); }

  // A link followed as if the page were opened at it: the window at its
  // start values (a drawn cycle stopped), the link's settings, Teken when it
  // asks for it, and its message until the next event.
  FragmentUitkomst volgLink(std::string_view fragment)
  {
    instelling = Instellingen{};
    if (getekend) {
      schakel();
    }
    verborgen = false;
    FragmentUitkomst uitkomst = pasFragmentToe(fragment);
    if (uitkomst.teken) {
      schakel();
    }
    meldingenWeg();
    linkNoot = uitkomst.melding;
    return uitkomst;
  }

  // A students' link: what answers the experiment's question hides until Teken.
  void verbergAntwoorden() { verborgen = !vergrendeld(); }

  // --- The readout (Aflezer): none until a sample is chosen, none after Teken or Stop.
  void leesMonster(std::size_t n) { lezer.lees(getekend ? n : BlokLengte); }
  void schuifAflezing(Int stap) { getekend ? lezer.schuif(stap) : lezer.wis(); }
  void leesBij(Double x, Int breedte) { lezer.leesBij(x, getekend ? breedte : 0); }

  // "Luister" pressed: plays the drawn cycle, or stops what plays.
  void wisselLuister() { speelt = getekend && !speelt; }
  void luisterKlaar() { speelt = false; }
  // "Toon als tabel" pressed: shows or hides the drawn cycle as a table.
  void wisselTabel() { tabelOpen = getekend && !tabelOpen; }

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
            .luister = !vrij,
            .tabel = !vrij};
  }

  [[nodiscard]] const std::optional<std::size_t>& gelezenMonster() const { return lezer.monster(); }
  [[nodiscard]] bool speeltGeluid() const { return speelt; }
  [[nodiscard]] bool tabelGetoond() const { return tabelOpen; }
  [[nodiscard]] bool antwoordenVerborgen() const { return verborgen; }
  // The line under the panel about a link's ignored parts, and the note
  // beside the amplitude's box; each gone at the next event.
  [[nodiscard]] const std::string& linkMelding() const { return linkNoot; }
  [[nodiscard]] const std::string& amplitudeMelding() const { return amplitudeNoot; }

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
    return ::kostenTekst(Programma::kosten(getekend->cyclus.signaal, getekend->cyclus.gefilterd,
                                           bij.signaal, bij.amplitude, bij.hoekFreq));
  }

  // Sample n of the drawn cycle in words, by default the sample read; empty
  // when nothing is drawn or read, or n is beyond the block.
  [[nodiscard]] std::string aflezing(std::optional<std::size_t> n = std::nullopt) const
  {
    n = n ? n : lezer.monster();
    if (!getekend || !n || *n >= BlokLengte) {
      return {};
    }
    return aflezingTekst(*n, monsterTekst(getekend->cyclus.signaal.at(*n)),
                         monsterTekst(getekend->cyclus.gefilterd.at(*n)));
  }

  // How the output read comes about (berekening.h); an empty table while
  // none is read.
  [[nodiscard]] Berekening berekening() const
  {
    if (!getekend || !lezer.monster()) {
      return {};
    }
    const Instellingen& b = getekend->instellingen;
    return Programma::berekening(b.signaal, b.amplitude, b.hoekFreq, *lezer.monster());
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
    std::string tekst = "Getekend: " + instellingVan(getekend->instellingen) + ". Uitvoer van " +
                        afgerondTekst(static_cast<Double>(*kleinste)) + " tot " +
                        afgerondTekst(static_cast<Double>(*grootste)) + ".";
    const std::string kosten = kostenTekst();
    return kosten.empty() ? tekst : tekst + ' ' + alsZinnen(kosten);
  }

  // The settings as a link's fragment, which pasFragmentToe reads back;
  // with "teken" while a cycle is drawn, and "proef" while answers are hidden.
  [[nodiscard]] std::string fragment() const
  {
    return linkFragment(instelling.signaal, instelling.amplitude, instelling.frequentieKeuze,
                        verborgen, vergrendeld());
  }

private:
  static std::string instellingVan(const Instellingen& bij)
  {
    return instellingTekst(bij.signaal, bij.amplitude, bij.frequentieKeuze);
  }

  void meldingenWeg()
  {
    linkNoot.clear();
    amplitudeNoot.clear();
  }

  Instellingen instelling;
  std::optional<Getekend> getekend;
  Aflezer lezer;
  bool speelt = false; // Luister plays the drawn cycle
  bool tabelOpen = false;
  bool verborgen = false; // a students' link before its first Teken
  std::string linkNoot;
  std::string amplitudeNoot;
};
