// filtercyclus's library in-process: the command line read into choices, and
// every output as the bytes the tool writes.
// SPDX-License-Identifier: MIT
#include "cyclus_uitvoer.h"
#include "fir_programma.h"
#include "grafiekhulp.h"
#include "iir_programma.h"
#include "keuzes.h"
#include "png_hulp.h"
#include "polengrafiek.h"
#include "proces_hulp.h"
#include "regels.h"
#include "respons.h"
#include "responsgrafiek.h"
#include "spectrumgrafiek.h"
#include "tekening.h"
#include "uitvoer.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

Keuzes keuzesVan(const std::vector<std::string>& argumenten)
{
  const Ontleding ontleding = leesKeuzes(argumenten);
  const auto* afsluiting = std::get_if<Afsluiting>(&ontleding);
  EXPECT_EQ(afsluiting, nullptr) << (afsluiting != nullptr ? afsluiting->fout : "");
  return afsluiting == nullptr ? std::get<Keuzes>(ontleding) : Keuzes{};
}

// What the tool writes to stdout for these arguments, made in-process.
std::string csvVan(const std::vector<std::string>& argumenten)
{
  const auto uitvoer = uitvoerVoor(keuzesVan(argumenten));
  EXPECT_EQ(uitvoer.size(), 1u);
  EXPECT_TRUE(uitvoer.front().doel.standaardUitvoer);
  EXPECT_EQ(uitvoer.front().naam, "CSV");
  return uitvoer.front().bytes();
}

template <typename Monster>
Monster lees(std::string_view veld)
{
  Monster waarde{};
  const auto [einde, fout] = std::from_chars(veld.data(), veld.data() + veld.size(), waarde);
  EXPECT_TRUE(fout == std::errc{} && einde == veld.data() + veld.size()) << veld;
  return waarde;
}

// Every signal at every frequency, for both programs and at several
// amplitudes, is checked row by row against an independent computation of
// both filters in tests/core/onafhankelijk.py.

// Rows worked out by hand for the FIR filter (see the FIR tests): the
// impulse of 20000 times the taps, shifted right by 15, and the step's end.
TEST(FiltercyclusCsv, RijenMetHandwaarden)
{
  const struct {
    std::vector<std::string> argumenten;
    std::size_t n;
    const char* rij;
  } gevallen[] = {
      {{"--programma", "fir", "--signaal", "impulsfunktie", "--amplitude", "20000"},
       32,
       "32,20000,9"},
      {{"--programma", "fir", "--signaal", "impulsfunktie", "--amplitude", "20000"}, 33, "33,0,-3"},
      {{"--programma", "fir", "--signaal", "impulsfunktie", "--amplitude", "20000"},
       62,
       "62,0,10996"},
      {{"--programma", "fir", "--signaal", "stapfunktie", "--amplitude", "20000"},
       127,
       "127,20000,20004"},
      {{"--programma", "iir", "--signaal", "stapfunktie", "--amplitude", "0"}, 40, "40,0,0"},
  };
  for (const auto& geval : gevallen) {
    const auto r = regels(csvVan(geval.argumenten));
    ASSERT_EQ(r.size(), BlokLengte + 1);
    EXPECT_EQ(r[geval.n + 1], geval.rij);
  }
}

struct FouteInvoer {
  std::vector<std::string> argumenten;
  std::string genoemd; // what the message must name
};

TEST(FiltercyclusKeuzes, FouteInvoerGeeftStatus2EnEenRegel)
{
  const std::vector<FouteInvoer> gevallen = {
      {{}, "--programma"},
      {{"--signaal", "cosinus"}, "--programma"},
      {{"--programma", "dsp"}, "dsp"},
      {{"--programma", "iir", "--bogus"}, "--bogus"},
      {{"--programma", "iir", "--signaal", "zaagtand"}, "zaagtand"},
      {{"--programma", "iir", "--frequentie", "0,3*PI"}, "0,3*PI"},
      {{"--programma", "iir", "--frequentie", ""}, "--frequentie"},
      {{"--programma", "fir", "--amplitude", "32769"}, "32769"},
      {{"--programma", "fir", "--amplitude", "-1"}, "-1"},
      {{"--programma", "fir", "--amplitude", "1.5"}, "1.5"},
      {{"--programma", "fir", "--amplitude", "abc"}, "abc"},
      {{"--programma", "fir", "--amplitude", "1e3"}, "1e3"},
      {{"--programma", "fir", "--amplitude", "99999999999999999999"}, "99999999999999999999"},
      {{"--programma", "fir", "--amplitude"}, "--amplitude"},
      {{"--programma", "iir", "extra"}, "extra"},
      {{"--programma", "iir", "--grootte", "600x600"}, "--png"},
      {{"--programma", "iir", "--png", "/tmp/x.png", "--grootte", "127x500"}, "127x500"},
      {{"--programma", "iir", "--png", "/tmp/x.png", "--grootte", "512x1"}, "512x1"},
      {{"--programma", "iir", "--png", "/tmp/x.png", "--grootte", "10001x500"}, "10001x500"},
      {{"--programma", "iir", "--png", "/tmp/x.png", "--grootte", "512*500"}, "512*500"},
      {{"--programma", "iir", "--png", "/tmp/x.png", "--grootte", "x500"}, "x500"},
      {{"--programma", "iir", "--svg", "/tmp/x.svg", "--grootte", "512x"}, "512x"},
      {{"--programma", "iir", "--svg", "/tmp/x.svg", "--grootte", "123456x500"}, "123456x500"},
      {{"--programma", "iir", "--png", ""}, "--png"},
      {{"--programma", "iir", "--svg", ""}, "--svg"},
      {{"--programma", "iir", "--png", "-", "--svg", "-"}, "stdout"},
      {{"--programma", "iir", "--respons", "--signaal", "blokgolf"}, "--signaal"},
      {{"--programma", "iir", "--respons", "--png", "-", "--svg", "-"}, "stdout"},
      {{"--programma", "iir", "--respons", "--svg", "x.svg", "--grootte", "399x600"}, "399x600"},
      {{"--programma", "iir", "--respons", "--svg", "x.svg", "--punten", "9"}, "--svg"},
      {{"--programma", "iir", "--punten", "10"}, "--respons"},
      {{"--programma", "iir", "--respons", "--punten", "1"}, "'1'"},
      {{"--programma", "iir", "--respons", "--punten", "100001"}, "100001"},
      {{"--programma", "fir", "--coefficienten", "--signaal", "cosinus"}, "--signaal"},
      {{"--programma", "iir", "--coefficienten", "--respons"}, "--respons"},
      {{"--programma", "iir", "--coefficienten", "--svg", "x.svg"}, "--svg"},
  };
  for (const auto& geval : gevallen) {
    const Ontleding ontleding = leesKeuzes(geval.argumenten);
    std::string beschrijving;
    for (const auto& a : geval.argumenten) {
      beschrijving += a + ' ';
    }
    const auto* afsluiting = std::get_if<Afsluiting>(&ontleding);
    ASSERT_NE(afsluiting, nullptr) << beschrijving;
    EXPECT_EQ(afsluiting->status, 2) << beschrijving;
    EXPECT_EQ(afsluiting->uitvoer, "") << beschrijving;
    EXPECT_NE(afsluiting->fout.find(geval.genoemd), std::string::npos)
        << beschrijving << "-> " << afsluiting->fout;
    EXPECT_EQ(afsluiting->fout.find('\n'), std::string::npos) << beschrijving;
    EXPECT_EQ(afsluiting->fout.rfind("filtercyclus: ", 0), 0u) << afsluiting->fout;
  }
}

TEST(FiltercyclusKeuzes, UitvoerEnDoelen)
{
  const auto beide = uitvoerVoor(keuzesVan({"--programma", "fir", "--svg", "-", "--png", "p"}));
  ASSERT_EQ(beide.size(), 2u);
  EXPECT_EQ(beide[0].naam, "--png");
  EXPECT_FALSE(beide[0].doel.standaardUitvoer);
  EXPECT_EQ(beide[0].doel.pad, "p");
  EXPECT_EQ(beide[1].naam, "--svg");
  EXPECT_TRUE(beide[1].doel.standaardUitvoer);

  const Keuzes cyclus = keuzesVan({"--programma", "iir", "--png", "x"});
  EXPECT_EQ(cyclus.grootte.breedte, 512);
  EXPECT_EQ(cyclus.grootte.hoogte, 500);
  const Keuzes grafiek = keuzesVan({"--programma", "iir", "--respons", "--svg", "x"});
  EXPECT_EQ(grafiek.grootte.breedte, 960);
  EXPECT_EQ(grafiek.grootte.hoogte, 600);
  const Keuzes klein =
      keuzesVan({"--programma", "iir", "--respons", "--svg", "x", "--grootte", "400x250"});
  EXPECT_EQ(klein.grootte.hoogte, 250);
  const Keuzes gekozen = keuzesVan({"--programma", "fir", "--signaal", "impulsfunktie",
                                    "--frequentie", "0,9*PI", "--amplitude", "7"});
  EXPECT_EQ(gekozen.programma, ProgrammaKeuze::fir);
  EXPECT_EQ(gekozen.signaal, impulsfunktie);
  EXPECT_EQ(gekozen.frequentie, 7u);
  EXPECT_EQ(gekozen.amplitude, 7u);
}

std::vector<std::string> velden(const std::string& regel)
{
  std::vector<std::string> v;
  std::string veld;
  bool tussenAanhalingstekens = false;
  for (const char c : regel) {
    if (c == '"') {
      tussenAanhalingstekens = !tussenAanhalingstekens;
    } else if (c == ',' && !tussenAanhalingstekens) {
      v.push_back(veld);
      veld.clear();
    } else {
      veld += c;
    }
  }
  v.push_back(veld);
  return v;
}

// Rows from the filters' design tables as published, written out by hand.
TEST(FiltercyclusCoefficienten, AlsDeRekenkernZeGebruikt)
{
  const auto fir = regels(csvVan({"--programma", "fir", "--coefficienten"}));
  ASSERT_EQ(fir.size(), 62u);
  const std::vector<std::pair<std::size_t, std::string>> firRijen = {
      {0, "k,h"}, {1, "0,16"}, {2, "1,-4"}, {29, "28,-1591"}, {31, "30,18017"}, {61, "60,16"}};
  for (const auto& [i, rij] : firRijen) {
    EXPECT_EQ(fir[i], rij);
  }
  long som = 0;
  for (std::size_t i = 1; i < fir.size(); ++i) {
    som += std::stol(fir[i].substr(fir[i].find(',') + 1));
  }
  EXPECT_EQ(som, 32775) << "the taps' sum, a DC gain of 32775/32768";

  EXPECT_EQ(
      regels(csvVan({"--programma", "iir", "--coefficienten"})),
      (std::vector<std::string>{
          "sectie,b0,b1,b2,a1,a2",
          "0,0.51615906391,0,0,0,0",
          "1,0.7776382699331,0.4908779174325,0.7776382699331,0.1074131298721,0.8559698954839",
          "2,0.8144293542159,0.6001828338982,0.8144293542159,0.1485514710581,0.6186239641556",
          "3,0.7485207296405,0.7085061289624,0.7485207296405,0.2249254723762,0.428406853158",
          "4,0.6402019868512,0.7979739416136,0.6402019868512,0.3162749074981,0.2750753846405",
          "5,0.5405199753053,0.859783121813,0.5405199753053,0.4024802753935,0.1587022884367",
          "6,0.4118972566877,0.7754465411765,0.4118972566877,0.4641954702153,0.08472534046386",
          "7,0.4096996863761,0.4096996863761,0,0.2433203441677,0",
      }));
}

// |H| of both filters at the eight Float frequencies of the choice, from the
// coefficient tables in Python's complex arithmetic:
//   python3 tests/core/versterkingen.py
struct Versterkingen {
  Double iir;
  Double fir;
};
constexpr Versterkingen versterkingTabel[] = {
    {0.9999999999998068, 1.000213623046875},
    {0.9999999999998073, 1.00016251493831},
    {0.9999999999998087, 0.9996390628360902},
    {0.999999999999815, 1.0002565822589478},
    {0.9999986060866809, 0.9995949028183319},
    {9.99990679152467e-05, 0.00505345150296515},
    {2.5298769155332457e-05, 0.0001609567473358204},
    {2.808547452228891e-05, 0.00033036125145928974},
};

TEST(FiltercyclusRespons, DeAchtFrequentiesVanDeKeuze)
{
  const auto iir = regels(csvVan({"--programma", "iir", "--respons"}));
  const auto fir = regels(csvVan({"--programma", "fir", "--respons"}));
  ASSERT_EQ(iir.size(), 9u);
  ASSERT_EQ(fir.size(), 9u);
  EXPECT_EQ(iir[0], "frequentie,omega,versterking,dB,fase,groepslooptijd");
  for (std::size_t i = 0; i < 8; ++i) {
    const auto v = velden(iir[i + 1]);
    const auto w = velden(fir[i + 1]);
    ASSERT_EQ(v.size(), 6u) << iir[i + 1];
    ASSERT_EQ(w.size(), 6u) << fir[i + 1];
    EXPECT_EQ(v[0], frequentieLabels[i]);
    EXPECT_EQ(lees<Double>(v[1]), static_cast<Double>(*hoekFrequentie(static_cast<UInt32>(i))));
    const auto [iirVerwacht, firVerwacht] = versterkingTabel[i];
    EXPECT_NEAR(lees<Double>(v[2]), iirVerwacht, 1e-13 * iirVerwacht) << v[0];
    EXPECT_NEAR(lees<Double>(w[2]), firVerwacht, 1e-13 * firVerwacht) << w[0];
    EXPECT_NEAR(lees<Double>(v[3]), 20.0 * std::log10(iirVerwacht), 1e-9) << v[0];
  }
  EXPECT_NEAR(lees<Double>(velden(iir[6])[3]), -80.0, 0.05);
  EXPECT_NEAR(lees<Double>(velden(fir[6])[3]), -45.9, 0.05);
}

TEST(FiltercyclusRespons, GelijkVerdeeldeFrequenties)
{
  const auto r = regels(csvVan({"--programma", "fir", "--respons", "--punten", "5"}));
  ASSERT_EQ(r.size(), 6u);
  const char* teksten[] = {"DC", "0,25*PI", "0,5*PI", "0,75*PI", "1*PI"};
  for (std::size_t i = 0; i < 5; ++i) {
    const auto v = velden(r[i + 1]);
    EXPECT_EQ(v[0], teksten[i]);
    EXPECT_NEAR(lees<Double>(v[1]), std::numbers::pi * static_cast<Double>(i) / 4.0, 1e-15);
  }
  EXPECT_EQ(lees<Double>(velden(r[5])[1]), std::numbers::pi) << "pi inclusive";
  EXPECT_EQ(regels(csvVan({"--programma", "iir", "--respons", "--punten", "100000"})).size(),
            100001u);
}

// How many pixels differ between two pictures of the same size.
std::size_t verschil(const Beeld& a, const Beeld& b)
{
  if (a.breedte != b.breedte || a.hoogte != b.hoogte) {
    return static_cast<std::size_t>(-1);
  }
  std::size_t anders = 0;
  for (Int y = 0; y < a.hoogte; ++y) {
    for (Int x = 0; x < a.breedte; ++x) {
      const auto i = static_cast<std::ptrdiff_t>(a.index(x, y));
      const bool gelijk = std::equal(a.rgb.begin() + i, a.rgb.begin() + i + 3, b.rgb.begin() + i);
      anders += gelijk ? 0U : 1U;
    }
  }
  return anders;
}

bool heeftKleur(const Beeld& beeld, const Kleur& kleur)
{
  for (Int y = 0; y < beeld.hoogte; ++y) {
    for (Int x = 0; x < beeld.breedte; ++x) {
      if (beeld.is(x, y, kleur)) {
        return true;
      }
    }
  }
  return false;
}

TEST(FiltercyclusSvg, RsvgConvertTekentDePngPixels)
{
  struct Geval {
    std::vector<std::string> argumenten;
    Grootte grootte;
  };
  const std::vector<Geval> gevallen = {
      {{"--programma", "iir"}, {512, 500}},
      {{"--programma", "fir", "--signaal", "blokgolf", "--frequentie", "0,9*PI"}, {600, 700}},
      {{"--programma", "iir", "--signaal", "stapfunktie", "--amplitude", "32768"}, {1000, 333}},
      {{"--programma", "iir", "--signaal", "impulsfunktie", "--amplitude", "32768"}, {128, 2}},
      {{"--programma", "iir", "--signaal", "blokgolf", "--frequentie", "DC"}, {257, 64}},
  };
  const std::string map = testing::TempDir();
  for (const auto& geval : gevallen) {
    auto argumenten = geval.argumenten;
    const std::string grootte =
        std::to_string(geval.grootte.breedte) + "x" + std::to_string(geval.grootte.hoogte);
    argumenten.insert(argumenten.end(), {"--png", "p", "--svg", "s", "--grootte", grootte});
    const Keuzes keuzes = keuzesVan(argumenten);
    const auto uitvoer = uitvoerVoor(keuzes);
    ASSERT_EQ(uitvoer.size(), 2u);

    const auto png = leesPng(uitvoer[0].bytes());
    ASSERT_TRUE(png) << grootte;
    EXPECT_TRUE(heeftKleur(*png, asKleur)) << grootte;
    EXPECT_TRUE(heeftKleur(*png, invoerKleur)) << grootte;

    const std::string svg = map + "cyclus.svg";
    const std::string weergave = map + "cyclus-rsvg.png";
    std::ofstream(svg, std::ios::binary) << uitvoer[1].bytes();
    const auto rsvg = draaiProces("rsvg-convert", {svg, "-o", weergave});
    ASSERT_EQ(rsvg.status, 0) << "rsvg-convert (librsvg2-bin) is needed: " << rsvg.fout;
    const auto weergegeven = leesPng(leesBestand(weergave));
    ASSERT_TRUE(weergegeven) << grootte;
    EXPECT_EQ(verschil(*weergegeven, *png), 0u) << grootte;
    std::filesystem::remove(svg);
    std::filesystem::remove(weergave);
  }
}

std::size_t tel(const std::string& tekst, const std::string& deel)
{
  std::size_t aantal = 0;
  for (auto i = tekst.find(deel); i != std::string::npos; i = tekst.find(deel, i + 1)) {
    ++aantal;
  }
  return aantal;
}

// The plot's texts are text, in Dutch, and each frequency of the choice is
// named with its label and the gain the engine gives it.
TEST(FiltercyclusGrafiek, SvgNoemtDeAchtFrequentiesMetHunVersterking)
{
  // The gains of versterkingTabel to one decimal, by hand.
  const struct {
    const char* programma;
    const char* titel;
    std::array<std::string, 8> labels;
  } programmas[] = {{"iir",
                     "Amplitudekarakteristiek van het IIR-filter",
                     {"0,0 dB", "0,0 dB", "0,0 dB", "0,0 dB", "0,0 dB", "\u221280,0 dB",
                      "\u221291,9 dB", "\u221291,0 dB"}},
                    {"fir",
                     "Amplitudekarakteristiek van het FIR-filter",
                     {"0,0 dB", "0,0 dB", "0,0 dB", "0,0 dB", "0,0 dB", "\u221245,9 dB",
                      "\u221275,9 dB", "\u221269,6 dB"}}};
  for (const auto& p : programmas) {
    const auto uitvoer =
        uitvoerVoor(keuzesVan({"--programma", p.programma, "--respons", "--svg", "-"}));
    const std::string svg = uitvoer.at(0).bytes();
    EXPECT_EQ(svg, uitvoer.at(0).bytes()) << "the same bytes every time";
    EXPECT_NE(svg.find(std::string(">") + p.titel + "</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Versterking (dB)</text>"), std::string::npos);
    EXPECT_NE(svg.find(">\u03a9 (rad/sample)</text>"), std::string::npos);
    EXPECT_EQ(tel(svg, "<text "), tel(svg, "font-family=\"sans-serif\""));
    for (std::size_t i = 0; i < frequentieFactoren.size(); ++i) {
      const std::string label(frequentieLabels[i]);
      EXPECT_NE(svg.find(">" + label + "</text>"), std::string::npos) << label;
      EXPECT_NE(svg.find(">" + p.labels[i] + "</text>"), std::string::npos) << label;
    }
    for (const char* as :
         {">DC</text>", ">0,5*PI</text>", ">1*PI</text>", ">0</text>", ">\u2212100</text>"}) {
      EXPECT_NE(svg.find(as), std::string::npos) << as;
    }
  }
  EXPECT_EQ(decibelTekst(-80.00008), "\u221280,0 dB");
  EXPECT_EQ(decibelTekst(-0.0031), "0,0 dB");
  EXPECT_EQ(decibelTekst(0.0019), "0,0 dB");
  EXPECT_EQ(decibelTekst(-45.928), "\u221245,9 dB");
}

// The curve runs where the engine's response puts it, and stays inside the
// plot where it falls below the range.
TEST(FiltercyclusGrafiek, KrommeVolgtDeVersterkingBinnenHetGebied)
{
  const Figuur figuur = responsGrafiek("t", IIRProgramma::versterking, {960, 600});
  const Kromme* kromme = nullptr;
  for (const auto& vorm : figuur.vormen) {
    kromme = kromme != nullptr ? kromme : std::get_if<Kromme>(&vorm);
  }
  ASSERT_NE(kromme, nullptr);
  ASSERT_GE(kromme->punten.size(), 1000u);
  const Rechthoek& gebied = kromme->binnen;
  const Double onderDb = grafiekOnderDb;
  const auto yVan = [&](Double dB) {
    return gebied.hoek.y + (grafiekBovenDb - dB) / (grafiekBovenDb - onderDb) * gebied.hoogte;
  };
  EXPECT_NEAR(kromme->punten.front().x, gebied.hoek.x, 1e-9);
  EXPECT_NEAR(kromme->punten.front().y, yVan(0.0), 1e-6) << "0 dB at DC";
  EXPECT_NEAR(kromme->punten.back().x, gebied.hoek.x + gebied.breedte, 1e-9);
  EXPECT_GT(kromme->punten.back().y, gebied.hoek.y + gebied.hoogte) << "-379 dB at pi: below";
  const std::size_t bijNulZes = kromme->punten.size() * 6 / 10 - 1; // 0,6*PI of 1000 steps
  const Double omega = 0.6 * std::numbers::pi;
  EXPECT_NEAR(kromme->punten[bijNulZes + 1].y, yVan(inDecibel(IIRProgramma::versterking(omega))),
              1e-6);
}

TEST(FiltercyclusGrafiek, PngDoorCairoInDeGevraagdeGrootte)
{
  if (!grafiekAlsPng()) {
    GTEST_SKIP() << "built without cairo: the plot is SVG only";
  }
  const auto uitvoer = uitvoerVoor(
      keuzesVan({"--programma", "fir", "--respons", "--png", "-", "--grootte", "800x450"}));
  const std::string bytes = uitvoer.at(0).bytes();
  EXPECT_EQ(bytes, uitvoer.at(0).bytes()) << "the same bytes every time";
  const auto pixels = leesPng(bytes);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->breedte, 800);
  EXPECT_EQ(pixels->hoogte, 450);
  std::size_t wit = 0;
  std::size_t donker = 0;
  for (std::size_t i = 0; i < pixels->rgb.size(); i += 3) {
    const auto* p = &pixels->rgb[i];
    wit += p[0] == 255 && p[1] == 255 && p[2] == 255 ? 1 : 0;
    donker += p[0] < 80 && p[1] < 80 && p[2] < 80 ? 1 : 0; // text and frame
  }
  EXPECT_GT(wit, pixels->rgb.size() / 3 / 2) << "mostly white background";
  EXPECT_GT(donker, 2000u) << "text drawn";
}

// Drawn at the size a page shows it, each plot keeps its text at 11 px at
// least, within the figure, and a row of scale values without overlap (by the
// layout's width estimate). In the response plot the chosen gain is written
// at every size, and the eight frequencies' labels (each with a dB value) only
// where the design's sizes hold, from 13/11 of 960x600 down.
TEST(FiltercyclusGrafiek, TekstNergensKleinerDanElfPixels)
{
  const auto responsVan = [](Grootte g) {
    return responsGrafiek("t", FIRProgramma::versterking, g, 5);
  };
  const auto spectrumVan = [](Grootte g) {
    Spectrum lijnen{};
    lijnen.fill(volleSchaal / 10.0);
    return spectrumGrafiek(lijnen, lijnen, g, 5);
  };
  const auto polenVan = [](Grootte g) {
    return polenGrafiek("FIR", FIRProgramma::nullenEnPolen(), g, 5);
  };
  enum class Soort { respons, spectrum, polen };
  const struct {
    Soort soort;
    Grootte grootte;
    bool labels;
  } gevallen[] = {{Soort::respons, {300, 190}, false},  {Soort::respons, {505, 250}, false},
                  {Soort::respons, {811, 508}, false},  {Soort::respons, {813, 508}, true},
                  {Soort::respons, {960, 600}, true},   {Soort::respons, {1920, 1200}, true},
                  {Soort::spectrum, {300, 200}, false}, {Soort::spectrum, {400, 250}, false},
                  {Soort::spectrum, {600, 375}, false}, {Soort::polen, {300, 300}, false},
                  {Soort::polen, {300, 200}, false},    {Soort::polen, {400, 250}, false}};
  for (const auto& [soort, grootte, labels] : gevallen) {
    const Figuur figuur = soort == Soort::respons    ? responsVan(grootte)
                          : soort == Soort::spectrum ? spectrumVan(grootte)
                                                     : polenVan(grootte);
    const std::string waar = std::to_string(grootte.breedte) + "x" +
                             std::to_string(grootte.hoogte) + " #" +
                             std::to_string(static_cast<int>(soort));
    Double rijY = -1.0; // the baseline of the last upright text, and its end
    Double rijEinde = 0.0;
    for (const auto& vorm : figuur.vormen) {
      const auto* tekst = std::get_if<Tekst>(&vorm);
      if (tekst == nullptr) {
        continue;
      }
      EXPECT_GE(tekst->grootte, 11.0) << waar << " " << tekst->tekst;
      const Double lengte = tekstBreedte(tekst->tekst, tekst->grootte, tekst->vet);
      const Double deel = tekst->anker == Anker::begin    ? 0.0
                          : tekst->anker == Anker::midden ? 0.5
                                                          : 1.0;
      const Double langs =
          tekst->staand ? tekst->plek.y + deel * lengte : tekst->plek.x - deel * lengte;
      const Double einde = tekst->staand ? langs - lengte : langs + lengte;
      const Double rand = tekst->staand ? figuur.hoogte : figuur.breedte;
      EXPECT_GE(std::min(langs, einde), -0.5) << waar << " " << tekst->tekst;
      EXPECT_LE(std::max(langs, einde), rand + 0.5) << waar << " " << tekst->tekst;
      if (!tekst->staand) {
        if (tekst->plek.y == rijY) {
          EXPECT_LT(rijEinde, langs) << waar << " " << tekst->tekst;
        }
        rijY = tekst->plek.y;
        rijEinde = einde;
      }
    }
    if (soort == Soort::respons) {
      const std::string svg = figuurSvg(figuur);
      EXPECT_EQ(tel(svg, ">0,6*PI: \u221245,9 dB</text>"), 1u) << waar;
      EXPECT_EQ(tel(svg, " dB</text>"), labels ? 9u : 1u) << waar;
    }
  }
}

// The chosen frequency is marked with its gain in the labels' format; an item
// that names no frequency leaves the plot as it is without a choice.
TEST(FiltercyclusGrafiek, GekozenFrequentieMetHaarVersterking)
{
  EXPECT_EQ(gekozenTekst(IIRProgramma::versterking, 5), "0,6*PI: \u221280,0 dB");
  EXPECT_EQ(gekozenTekst(FIRProgramma::versterking, 0), "DC: 0,0 dB");
  EXPECT_EQ(gekozenTekst(FIRProgramma::versterking, 8), "");
  const auto svg = [](std::optional<UInt32> gekozen) {
    return figuurSvg(responsGrafiek("t", IIRProgramma::versterking, {960, 600}, gekozen));
  };
  const std::string zonder = svg(std::nullopt);
  EXPECT_EQ(svg(8), zonder);
  const std::string met = svg(5);
  EXPECT_EQ(tel(met, ">0,6*PI: \u221280,0 dB</text>"), 1u);
  EXPECT_EQ(tel(zonder, "<circle "), 8u);
  EXPECT_EQ(tel(met, "<circle "), 9u) << "a ring around the chosen mark";
}

} // namespace
