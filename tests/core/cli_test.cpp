// filtercyclus run as a real process: what it prints, and how it refuses bad
// input.
#include "cyclus.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "iir_programma.h"
#include "testsignaal.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Uitkomst {
  int status = -1;
  std::string uit;
  std::string fout;
};

std::string leesAlles(int fd)
{
  std::string tekst;
  std::array<char, 4096> buffer{};
  ssize_t gelezen = 0;
  while ((gelezen = read(fd, buffer.data(), buffer.size())) > 0) {
    tekst.append(buffer.data(), static_cast<std::size_t>(gelezen));
  }
  close(fd);
  return tekst;
}

// Runs filtercyclus with `argumenten`; stderr goes to a file so that neither
// pipe can fill up while the other is read.
Uitkomst draai(const std::vector<std::string>& argumenten, bool zonderScherm = false)
{
  char foutPad[] = "/tmp/filtercyclus-stderr-XXXXXX";
  const int foutFd = mkstemp(foutPad);
  int pijp[2];
  if (foutFd < 0 || pipe(pijp) != 0) {
    return {};
  }
  const pid_t kind = fork();
  if (kind == 0) {
    if (zonderScherm) {
      unsetenv("DISPLAY");
      unsetenv("WAYLAND_DISPLAY");
    }
    dup2(pijp[1], STDOUT_FILENO);
    dup2(foutFd, STDERR_FILENO);
    close(pijp[0]);
    std::vector<char*> argv;
    std::string programma = FILTERCYCLUS;
    argv.push_back(programma.data());
    std::vector<std::string> kopie = argumenten;
    for (auto& a : kopie) {
      argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    execv(programma.c_str(), argv.data());
    _exit(127);
  }
  close(pijp[1]);
  Uitkomst uitkomst;
  uitkomst.uit = leesAlles(pijp[0]);
  int status = 0;
  waitpid(kind, &status, 0);
  uitkomst.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  lseek(foutFd, 0, SEEK_SET);
  uitkomst.fout = leesAlles(foutFd);
  unlink(foutPad);
  return uitkomst;
}

std::vector<std::string> regels(const std::string& tekst)
{
  std::vector<std::string> r;
  std::istringstream stroom(tekst);
  for (std::string regel; std::getline(stroom, regel);) {
    r.push_back(regel);
  }
  return r;
}

template <typename Monster>
Monster lees(std::string_view veld)
{
  Monster waarde{};
  const auto [einde, fout] = std::from_chars(veld.data(), veld.data() + veld.size(), waarde);
  EXPECT_TRUE(fout == std::errc{} && einde == veld.data() + veld.size()) << veld;
  return waarde;
}

// Every row must read back to exactly the samples of the core's cycle.
template <typename Programma>
void vergelijkMetKern(const Uitkomst& uitkomst, UInt32 keuze, UInt32 amplitude, UInt32 frequentie)
{
  ASSERT_EQ(uitkomst.status, 0) << uitkomst.fout;
  EXPECT_EQ(uitkomst.fout, "");
  const auto r = regels(uitkomst.uit);
  ASSERT_EQ(r.size(), BlokLengte + 1);
  EXPECT_EQ(r[0], "n,signaal,gefilterd");
  const auto verwacht = draaiCyclus<Programma>(
      keuze, static_cast<typename Programma::Amplitude>(amplitude), *hoekFrequentie(frequentie));
  using Monster = typename Programma::Monster;
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    const std::string& regel = r[n + 1];
    const auto komma1 = regel.find(',');
    const auto komma2 = regel.find(',', komma1 + 1);
    ASSERT_NE(komma2, std::string::npos) << regel;
    EXPECT_EQ(regel.substr(0, komma1), std::to_string(n));
    const std::string_view rij(regel);
    EXPECT_EQ(lees<Monster>(rij.substr(komma1 + 1, komma2 - komma1 - 1)), verwacht.signaal[n]);
    EXPECT_EQ(lees<Monster>(rij.substr(komma2 + 1)), verwacht.gefilterd[n]);
  }
}

TEST(Filtercyclus, StandaardIsDeStartToestandVanElkProgramma)
{
  const auto iir = draai({"--programma", "iir"});
  vergelijkMetKern<IIRProgramma>(iir, cosinus, 8192, startFrequentieKeuze);
  EXPECT_EQ(regels(iir.uit)[1].substr(0, 7), "0,8192,");

  const auto fir = draai({"--programma", "fir"});
  vergelijkMetKern<FIRProgramma>(fir, cosinus, 20000, startFrequentieKeuze);
  EXPECT_EQ(regels(fir.uit)[1], "0,20000,9");
  EXPECT_EQ(regels(fir.uit)[2], "1,19021,6");
}

TEST(Filtercyclus, ElkSignaalEnElkeFrequentie)
{
  for (UInt32 keuze = 0; keuze < signaalNamen.size(); ++keuze) {
    for (UInt32 f = 0; f < frequentieFactoren.size(); ++f) {
      const std::string signaal(signaalNamen[keuze]);
      const std::string frequentie(frequentieLabels[f]);
      vergelijkMetKern<IIRProgramma>(draai({"--programma", "iir", "--signaal", signaal,
                                            "--frequentie", frequentie, "--amplitude", "32768"}),
                                     keuze, 32768, f);
      vergelijkMetKern<FIRProgramma>(draai({"--programma", "fir", "--signaal", signaal,
                                            "--frequentie", frequentie, "--amplitude", "1"}),
                                     keuze, 1, f);
    }
  }
}

TEST(Filtercyclus, GrensAmplitudes)
{
  vergelijkMetKern<FIRProgramma>(
      draai({"--programma", "fir", "--signaal", "stapfunktie", "--amplitude", "32768"}),
      stapfunktie, 32768, startFrequentieKeuze);
  vergelijkMetKern<IIRProgramma>(draai({"--programma=iir", "--amplitude=0"}), cosinus, 0,
                                 startFrequentieKeuze);
}

TEST(Filtercyclus, HulpGaatNaarStdout)
{
  const auto hulp = draai({"--help"});
  EXPECT_EQ(hulp.status, 0);
  EXPECT_NE(hulp.uit.find("--programma"), std::string::npos);
  EXPECT_NE(hulp.uit.find("--frequentie"), std::string::npos);
}

struct FouteInvoer {
  std::vector<std::string> argumenten;
  std::string genoemd; // what the message must name
};

TEST(Filtercyclus, FouteInvoerGeeftStatus2EnEenRegel)
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
      {{"--programma", "iir", "--png", ""}, "--png"},
      {{"--programma", "iir", "--respons", "--signaal", "blokgolf"}, "--signaal"},
      {{"--programma", "iir", "--respons", "--png", "-", "--svg", "-"}, "stdout"},
      {{"--programma", "iir", "--punten", "10"}, "--respons"},
      {{"--programma", "iir", "--respons", "--punten", "1"}, "'1'"},
      {{"--programma", "iir", "--respons", "--punten", "100001"}, "100001"},
  };
  for (const auto& geval : gevallen) {
    const auto uitkomst = draai(geval.argumenten);
    std::string beschrijving;
    for (const auto& a : geval.argumenten) {
      beschrijving += a + ' ';
    }
    EXPECT_EQ(uitkomst.status, 2) << beschrijving;
    EXPECT_EQ(uitkomst.uit, "") << beschrijving;
    EXPECT_NE(uitkomst.fout.find(geval.genoemd), std::string::npos)
        << beschrijving << "-> " << uitkomst.fout;
    EXPECT_EQ(regels(uitkomst.fout).size(), 1u) << beschrijving << "-> " << uitkomst.fout;
  }
}

} // namespace

namespace {

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

TEST(FiltercyclusRespons, DeAchtFrequentiesVanDeKeuze)
{
  const auto iir = draai({"--programma", "iir", "--respons"});
  ASSERT_EQ(iir.status, 0) << iir.fout;
  const auto r = regels(iir.uit);
  ASSERT_EQ(r.size(), 9u);
  EXPECT_EQ(r[0], "frequentie,omega,versterking,dB");
  for (std::size_t i = 0; i < 8; ++i) {
    const auto v = velden(r[i + 1]);
    ASSERT_EQ(v.size(), 4u) << r[i + 1];
    EXPECT_EQ(v[0], frequentieLabels[i]);
    EXPECT_EQ(lees<Double>(v[1]), static_cast<Double>(*hoekFrequentie(static_cast<UInt32>(i))));
    EXPECT_EQ(lees<Double>(v[2]), IIRProgramma::versterking(lees<Double>(v[1])));
  }
  EXPECT_NEAR(lees<Double>(velden(r[6])[3]), -80.0, 0.05);

  const auto fir = draai({"--programma", "fir", "--respons"});
  ASSERT_EQ(fir.status, 0) << fir.fout;
  EXPECT_NEAR(lees<Double>(velden(regels(fir.uit)[6])[3]), -45.9, 0.05);
}

TEST(FiltercyclusRespons, GelijkVerdeeldeFrequenties)
{
  const auto uitkomst = draai({"--programma", "fir", "--respons", "--punten", "5"});
  ASSERT_EQ(uitkomst.status, 0) << uitkomst.fout;
  const auto r = regels(uitkomst.uit);
  ASSERT_EQ(r.size(), 6u);
  const char* teksten[] = {"DC", "0,25*PI", "0,5*PI", "0,75*PI", "1*PI"};
  for (std::size_t i = 0; i < 5; ++i) {
    const auto v = velden(r[i + 1]);
    EXPECT_EQ(v[0], teksten[i]);
    EXPECT_NEAR(lees<Double>(v[1]), std::numbers::pi * static_cast<Double>(i) / 4.0, 1e-15);
  }
  EXPECT_EQ(lees<Double>(velden(r[5])[1]), std::numbers::pi) << "pi inclusive";
  EXPECT_EQ(regels(draai({"--programma", "iir", "--respons", "--punten", "100000"}).uit).size(),
            100001u);
}

bool isPng(const std::string& pad, unsigned breedte, unsigned hoogte)
{
  std::ifstream in(pad, std::ios::binary);
  std::array<unsigned char, 24> kop{};
  in.read(reinterpret_cast<char*>(kop.data()), kop.size());
  const auto be32 = [&](std::size_t i) {
    return (unsigned{kop[i]} << 24U) | (unsigned{kop[i + 1]} << 16U) |
           (unsigned{kop[i + 2]} << 8U) | unsigned{kop[i + 3]};
  };
  return in && kop[1] == 'P' && kop[2] == 'N' && kop[3] == 'G' && be32(16) == breedte &&
         be32(20) == hoogte;
}

TEST(FiltercyclusPng, ZonderSchermInDeGevraagdeGrootte)
{
  const std::string pad = testing::TempDir() + "cyclus.png";
  const auto uitkomst = draai({"--programma", "fir", "--png", pad}, true);
  ASSERT_EQ(uitkomst.status, 0) << uitkomst.fout;
  EXPECT_EQ(uitkomst.uit, "");
  EXPECT_TRUE(isPng(pad, 512, 500));
  ASSERT_EQ(draai({"--programma", "iir", "--png", pad, "--grootte", "128x2"}, true).status, 0);
  EXPECT_TRUE(isPng(pad, 128, 2));
  std::remove(pad.c_str());
}

// A failed write leaves neither the file nor a temporary beside it.
TEST(FiltercyclusPng, MisluktSchrijvenLaatNietsAchter)
{
  const std::string map = testing::TempDir() + "alleen-lezen";
  std::filesystem::remove_all(map);
  std::filesystem::create_directory(map);
  const std::string pad = map + "/cyclus.png";
  {
    std::ofstream(pad) << "old";
  }
  std::filesystem::permissions(map, std::filesystem::perms::owner_read |
                                        std::filesystem::perms::owner_exec);
  const auto uitkomst = draai({"--programma", "fir", "--png", pad});
  const bool alsRoot = geteuid() == 0; // root writes anywhere
  if (!alsRoot) {
    EXPECT_EQ(uitkomst.status, 1);
    EXPECT_NE(uitkomst.fout.find(pad), std::string::npos) << uitkomst.fout;
    std::ifstream oud(pad);
    std::string inhoud;
    oud >> inhoud;
    EXPECT_EQ(inhoud, "old") << "the old file stays as it was";
  }
  std::filesystem::permissions(map, std::filesystem::perms::owner_all);
  std::size_t bestanden = 0;
  for ([[maybe_unused]] const auto& bestand : std::filesystem::directory_iterator(map)) {
    ++bestanden;
  }
  EXPECT_EQ(bestanden, 1u) << "no temporary file left behind";

  // A directory in place of the file fails for root as well.
  const std::string mapAlsPad = map + "/sub";
  std::filesystem::create_directory(mapAlsPad);
  const auto opMap = draai({"--programma", "fir", "--png", mapAlsPad});
  EXPECT_EQ(opMap.status, 1);
  EXPECT_EQ(opMap.uit, "");
  EXPECT_EQ(regels(opMap.fout).size(), 1u) << opMap.fout;
  bestanden = 0;
  for ([[maybe_unused]] const auto& bestand : std::filesystem::directory_iterator(map)) {
    ++bestanden;
  }
  EXPECT_EQ(bestanden, 2u) << "no temporary file left behind";
  std::filesystem::remove_all(map);
}

} // namespace
