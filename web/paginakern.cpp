// The browser pages' way into the core, compiled to WebAssembly: the window's
// settings and its cycle, the panel's picture as a list of fills, and every
// text the page shows. The page's JavaScript only passes the controls' events
// in and puts the fills on its canvas; every rule stays here, in C++.
//
// One module serves both pages: the page names its program once, and from
// then on every call works on that program's window.

#include "beschrijving.h"
#include "cyclus.h"
#include "fir_exact.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "geluid.h"
#include "getaltekst.h"
#include "iir_programma.h"
#include "rasteriseer.h"
#include "responsgrafiek.h"
#include "testsignaal.h"

#include <algorithm>
#include <cmath>
#include <emscripten/emscripten.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// "Luister" plays what filtercyclus --wav writes by default: two seconds of
// the signal, half a second of silence, and the filter's output.
constexpr std::size_t luisterMonstersLang = 2 * standaardBemonstering;
constexpr std::size_t luisterStilteLang = standaardBemonstering / 2;

// A fill as the page reads it from memory: x0, y0, x1, y1 (inclusive) and the
// colour as 0xRRGGBB.
constexpr std::size_t getallenPerVlak = 5;

class Venster {
public:
  Venster() = default;
  Venster(const Venster&) = delete;
  Venster& operator=(const Venster&) = delete;
  virtual ~Venster() = default;

  [[nodiscard]] virtual std::string beschrijving() const = 0;
  virtual UInt32 zetAmplitude(Double waarde) = 0;
  virtual void kiesFrequentie(UInt32 keuze) = 0;
  virtual void teken(UInt32 signaal) = 0;
  virtual void maakSchoon() = 0;
  [[nodiscard]] virtual std::vector<Vlak> vlakkenVoor(Int breedte, Int hoogte) const = 0;
  [[nodiscard]] virtual Double monster(bool gefilterd, std::size_t n) const = 0;
  [[nodiscard]] virtual std::vector<Int16> luisterMonsters() const = 0;
  [[nodiscard]] virtual std::string kostenTekst() const = 0;
  [[nodiscard]] virtual std::string responsSvg() const = 0;
};

// What 16-bit arithmetic cost the shown cycle: only the FIR computes in 16
// bits.
template <typename Programma>
std::string kostenVan(const CyclusResultaat<Programma>& /*cyclus*/)
{
  return {};
}

template <>
std::string kostenVan(const CyclusResultaat<FIRProgramma>& cyclus)
{
  const FirAfwijking afwijking =
      firAfwijking(cyclus.signaal.data(), cyclus.gefilterd.data(), BlokLengte);
  return "Grootste afwijking van de exacte uitkomst: " +
         metKomma(vasteTekst(afwijking.grootsteAfwijking, 2)) +
         "\nVerzadigd: " + std::to_string(afwijking.verzadigd);
}

// The window's settings for the next cycle, its last cycle, and whether the
// panel shows it: after "Stop" the panel stays empty, also when it is redrawn.
template <typename Programma>
class VensterVan final : public Venster {
  using Amplitude = typename Programma::Amplitude;

public:
  [[nodiscard]] std::string beschrijving() const override
  {
    return paginaBeschrijving({.titel = Programma::titel,
                               .kopTekst = Programma::kopTekst,
                               .startAmplitude = Programma::startAmplitude});
  }

  // As the window's amplitude control: a value out of range is brought into
  // it, a value that is no number leaves the amplitude as it was.
  UInt32 zetAmplitude(Double waarde) override
  {
    if (!std::isnan(waarde)) {
      const Double binnen = std::clamp(waarde, 0.0, static_cast<Double>(maxAmplitude));
      amplitude = static_cast<Amplitude>(std::lround(binnen));
    }
    return amplitude;
  }

  // The two empty items leave the frequency as it was.
  void kiesFrequentie(UInt32 keuze) override
  {
    if (const auto frequentie = hoekFrequentie(keuze)) {
      hoekFreq = *frequentie;
      frequentieKeuze = keuze;
    }
  }

  void teken(UInt32 signaal) override
  {
    cyclus = draaiCyclus<Programma>(signaal, amplitude, hoekFreq);
    getekendSignaal = signaal;
    zichtbaar = true;
  }

  void maakSchoon() override { zichtbaar = false; }

  [[nodiscard]] std::vector<Vlak> vlakkenVoor(Int breedte, Int hoogte) const override
  {
    std::optional<Tekening> tekening;
    if (zichtbaar && cyclus) {
      tekening = maakTekening(cyclus->signaal, cyclus->gefilterd, breedte, hoogte);
    }
    return vlakken(tekening, breedte, hoogte);
  }

  [[nodiscard]] Double monster(bool gefilterd, std::size_t n) const override
  {
    if (!cyclus || n >= BlokLengte) {
      return 0.0;
    }
    return static_cast<Double>(gefilterd ? cyclus->gefilterd[n] : cyclus->signaal[n]);
  }

  // The shown cycle's signal at its settings, as sound.
  [[nodiscard]] std::vector<Int16> luisterMonsters() const override
  {
    if (!zichtbaar) {
      return {};
    }
    return ::luisterMonsters<Programma>(getekendSignaal, amplitude, hoekFreq, luisterMonstersLang,
                                        luisterStilteLang);
  }

  [[nodiscard]] std::string kostenTekst() const override
  {
    return zichtbaar && cyclus ? kostenVan(*cyclus) : std::string{};
  }

  // The filter's magnitude response as filtercyclus --respons --svg draws
  // it, the chosen frequency marked with its gain. The impulse and the step
  // keep the mark where the (then disabled) frequency control stands.
  [[nodiscard]] std::string responsSvg() const override
  {
    return figuurSvg(responsGrafiek(Programma::grafiekTitel, Programma::versterking,
                                    standaardGrafiekGrootte, frequentieKeuze));
  }

private:
  Amplitude amplitude = Programma::startAmplitude;
  Float hoekFreq = startHoekFreq;
  UInt32 frequentieKeuze = startFrequentieKeuze; // the item that set hoekFreq
  std::optional<CyclusResultaat<Programma>> cyclus;
  UInt32 getekendSignaal = cosinus;
  bool zichtbaar = false;
};

std::unique_ptr<Venster> venster;
std::string tekst;               // the last text handed out; valid until the next one
std::vector<Int32> vlakGetallen; // the last fills handed out
std::vector<Int16> geluid;       // the last sound handed out

const char* geefTekst(std::string nieuw)
{
  tekst = std::move(nieuw);
  return tekst.c_str();
}

Int32 alsGetal(const Kleur& kleur)
{
  return (Int32{kleur.rood} << 16) | (Int32{kleur.groen} << 8) | Int32{kleur.blauw};
}

} // namespace

extern "C" {

// Chooses the program by its name ("iir", "fir") and starts its window at
// its start values; false for a name that names no program.
EMSCRIPTEN_KEEPALIVE int kiesProgramma(const char* naam)
{
  const std::string_view gevraagd = naam;
  if (gevraagd == IIRProgramma::naam) {
    venster = std::make_unique<VensterVan<IIRProgramma>>();
  } else if (gevraagd == FIRProgramma::naam) {
    venster = std::make_unique<VensterVan<FIRProgramma>>();
  } else {
    return 0;
  }
  return 1;
}

// The page's texts, items and start values as JSON.
EMSCRIPTEN_KEEPALIVE const char* beschrijving()
{
  return geefTekst(venster->beschrijving());
}

// The amplitude the next cycle uses, after the control's value `waarde`
// (NaN for text that is no number).
EMSCRIPTEN_KEEPALIVE UInt32 zetAmplitude(Double waarde)
{
  return venster->zetAmplitude(waarde);
}

EMSCRIPTEN_KEEPALIVE void kiesFrequentie(UInt32 keuze)
{
  venster->kiesFrequentie(keuze);
}

EMSCRIPTEN_KEEPALIVE int gebruiktFrequentieVan(UInt32 signaal)
{
  return gebruiktFrequentie(signaal) ? 1 : 0;
}

// "Teken": one cycle of signal `signaal` at the current settings, shown from
// now on.
EMSCRIPTEN_KEEPALIVE void tekenCyclus(UInt32 signaal)
{
  venster->teken(signaal);
}

// "Stop": the panel shows nothing until the next cycle.
EMSCRIPTEN_KEEPALIVE void maakPaneelSchoon()
{
  venster->maakSchoon();
}

// The fills of the panel's picture at breedte x hoogte device pixels; the
// numbers stand at vlakkenAdres(), getallenPerVlak a fill.
EMSCRIPTEN_KEEPALIVE Int vlakkenVoor(Int breedte, Int hoogte)
{
  const std::vector<Vlak> lijst = venster->vlakkenVoor(breedte, hoogte);
  vlakGetallen.clear();
  for (const Vlak& vlak : lijst) {
    vlakGetallen.insert(vlakGetallen.end(),
                        {vlak.x0, vlak.y0, vlak.x1, vlak.y1, alsGetal(vlak.kleur)});
  }
  return static_cast<Int>(lijst.size());
}

EMSCRIPTEN_KEEPALIVE const Int32* vlakkenAdres()
{
  return vlakGetallen.data();
}

EMSCRIPTEN_KEEPALIVE Int getallenPerVlakVan()
{
  return static_cast<Int>(getallenPerVlak);
}

// Sample n of the last cycle's input (gefilterd 0) or output (1).
EMSCRIPTEN_KEEPALIVE Double cyclusMonster(int gefilterd, int n)
{
  return n < 0 ? 0.0 : venster->monster(gefilterd != 0, static_cast<std::size_t>(n));
}

// "Luister": the samples of the shown cycle's sound at luisterAdres(), none
// while no cycle is shown; played at luisterBemonstering() a second.
EMSCRIPTEN_KEEPALIVE Int luisterMonstersVoor()
{
  geluid = venster->luisterMonsters();
  return static_cast<Int>(geluid.size());
}

EMSCRIPTEN_KEEPALIVE const Int16* luisterAdres()
{
  return geluid.data();
}

EMSCRIPTEN_KEEPALIVE UInt32 luisterBemonstering()
{
  return standaardBemonstering;
}

// For the FIR's shown cycle, what its 16-bit arithmetic cost, a line per
// fact; empty otherwise.
EMSCRIPTEN_KEEPALIVE const char* kostenTekst()
{
  return geefTekst(venster->kostenTekst());
}

// The magnitude response plot as SVG, the chosen frequency marked.
EMSCRIPTEN_KEEPALIVE const char* responsSvg()
{
  return geefTekst(venster->responsSvg());
}

// The sample whose bars stand at device column x of a panel `breedte` device
// pixels wide, by the picture's own scale: a click's readout. Right of the
// last bar, the last; -1 left of the panel or where no bar can be drawn.
EMSCRIPTEN_KEEPALIVE int staafOnder(Int x, Int breedte)
{
  const auto schaal = schaalVoor(breedte, 1);
  if (!schaal || schaal->staafBreedte == 0 || x < 0) {
    return -1;
  }
  return static_cast<int>(std::min(x / schaal->staafBreedte, static_cast<Int>(BlokLengte) - 1));
}

} // extern "C"
