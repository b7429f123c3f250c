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
Uitkomst draai(const std::vector<std::string>& argumenten)
{
  char foutPad[] = "/tmp/filtercyclus-stderr-XXXXXX";
  const int foutFd = mkstemp(foutPad);
  int pijp[2];
  if (foutFd < 0 || pipe(pijp) != 0) {
    return {};
  }
  const pid_t kind = fork();
  if (kind == 0) {
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

template <typename Monster> Monster lees(std::string_view veld)
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
