// filtercyclus run as a real process, for what only a process shows: the
// exit status, stdout and stderr, and what happens to the files it writes.
// Its outputs themselves are tested in-process (uitvoer_test.cpp).
// SPDX-License-Identifier: MIT
#include "png_hulp.h"
#include "proces_hulp.h"
#include "regels.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// "nobody" may not be able to reach the build tree (a checkout under a
// private directory), so it runs a copy of the tool in the shared temporary
// directory.
std::string programmaVoorNiemand()
{
  static const std::string kopie = [] {
    const fs::path map = fs::path(testing::TempDir()) / "filtercyclus-als-niemand";
    fs::create_directories(map);
    fs::permissions(map, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
    fs::copy_file(FILTERCYCLUS, map / "filtercyclus", fs::copy_options::overwrite_existing);
    return (map / "filtercyclus").string();
  }();
  return kopie;
}

Uitkomst draai(const std::vector<std::string>& argumenten, const ProcesOpties& opties = {})
{
  return draaiProces(opties.alsNiemand ? programmaVoorNiemand() : std::string(FILTERCYCLUS),
                     argumenten, opties);
}

// The default run, the CSVs and the usage errors as a process (status,
// stdout, stderr) are checked against an independent computation in
// onafhankelijk.py.

TEST(Filtercyclus, HulpEnVersieGaanNaarStdout)
{
  const auto hulp = draai({"--help"});
  EXPECT_EQ(hulp.status, 0);
  EXPECT_EQ(hulp.fout, "");
  for (const char* deel : {"--programma", "--signaal", "--amplitude", "--frequentie", "--png",
                           "--svg", "--grootte", "--respons", "--punten", "--version",
                           "Exit status: 0 success, 1 an output could not be written, 2 usage"}) {
    EXPECT_NE(hulp.uit.find(deel), std::string::npos) << deel;
  }
  const auto r = regels(hulp.uit);
  for (const auto& regel : r) {
    EXPECT_LE(regel.size(), 80u) << regel;
  }
  const auto voorbeelden = std::find(r.begin(), r.end(), "Examples:");
  ASSERT_GE(r.end() - voorbeelden, 3);
  EXPECT_EQ(voorbeelden[1].rfind("  filtercyclus --programma ", 0), 0u);
  EXPECT_EQ(voorbeelden[2].rfind("  filtercyclus --programma ", 0), 0u);

  const auto versie = draai({"--version"});
  EXPECT_EQ(versie.status, 0);
  EXPECT_EQ(versie.uit, std::string("filtercyclus ") + FILTERDEMO_VERSIE + "\n");
  EXPECT_EQ(versie.fout, "");
}

// A PNG file libpng reads, of the given size.
bool isPng(const fs::path& pad, Int breedte, Int hoogte)
{
  const auto pixels = leesPng(leesBestand(pad));
  return pixels && pixels->breedte == breedte && pixels->hoogte == hoogte;
}

TEST(FiltercyclusPng, ZonderSchermInDeGevraagdeGrootte)
{
  const std::string pad = testing::TempDir() + "cyclus.png";
  ProcesOpties zonderScherm;
  zonderScherm.zonderScherm = true;
  const auto uitkomst = draai({"--programma", "fir", "--png", pad}, zonderScherm);
  ASSERT_EQ(uitkomst.status, 0) << uitkomst.fout;
  EXPECT_EQ(uitkomst.uit, "");
  EXPECT_TRUE(isPng(pad, 512, 500));
  ASSERT_EQ(draai({"--programma", "iir", "--png", pad, "--grootte", "128x2"}, zonderScherm).status,
            0);
  EXPECT_TRUE(isPng(pad, 128, 2));
  fs::remove(pad);
}

bool begintMetPng(const fs::path& pad)
{
  return leesBestand(pad).rfind("\x89PNG", 0) == 0;
}

fs::perms rechten(const fs::path& pad)
{
  return fs::status(pad).permissions() & fs::perms::mask;
}

const bool alsRoot = geteuid() == 0;
const std::string naam250(250, 'n');
const auto groepsSchrijfbaar = fs::perms::owner_read | fs::perms::owner_write |
                               fs::perms::group_read | fs::perms::group_write |
                               fs::perms::others_read;
const std::string naamMax(NAME_MAX, 'm');

// A row of the table: the target made in a fresh directory (the process's
// working directory), the run, and what must hold afterwards.
struct Doelgeval {
  std::string naam;
  std::function<void(const fs::path& map)> maak;
  std::vector<std::string> argumenten;
  StdoutNaar stdoutNaar = StdoutNaar::pijp;
  int status = 0;
  std::string inRegel; // what the one line on stderr must say; empty: no line
  std::function<void(const fs::path& map, const Uitkomst& uitkomst)> controle;
  bool alsGewoneGebruiker = false; // root may write anything: run as "nobody"
  std::string ookLidVan{};         // as "nobody": a member of this group too
  bool alleenAlsRoot = false;      // needs files of another user
};

void maakNiets(const fs::path& /*map*/)
{
}

void oudBestand(const fs::path& pad, fs::perms modus)
{
  std::ofstream(pad) << "old";
  fs::permissions(pad, modus);
}

// A file or directory that belongs to the user the row runs as.
void geefAanGebruiker(const fs::path& pad)
{
  if (alsRoot) {
    const passwd* niemand = getpwnam("nobody");
    ASSERT_NE(niemand, nullptr);
    ASSERT_EQ(lchown(pad.c_str(), niemand->pw_uid, niemand->pw_gid), 0);
  }
}

gid_t groepNummer(const char* naam)
{
  const group* groep = getgrnam(naam);
  return groep != nullptr ? groep->gr_gid : static_cast<gid_t>(-1);
}

// A folder such as /tmp: everyone may write, only an entry's owner remove.
void gedeeldeMap(const fs::path& pad)
{
  fs::create_directory(pad);
  fs::permissions(pad, fs::perms::all | fs::perms::sticky_bit);
}

std::vector<Doelgeval> doelgevallen()
{
  using fs::perms;
  const auto alleenLezen = perms::owner_read | perms::group_read | perms::others_read;
  return {
      {"stdout is /dev/full",
       maakNiets,
       {"--programma", "iir"},
       StdoutNaar::volApparaat,
       1,
       "cannot write the CSV to stdout: No space left on device",
       nullptr},
      {"stdout closed",
       maakNiets,
       {"--programma", "iir"},
       StdoutNaar::gesloten,
       1,
       "cannot write the CSV to stdout: Bad file descriptor",
       nullptr},
      {"pipe closed early: ended by SIGPIPE, silently, as cat is",
       maakNiets,
       {"--programma", "iir", "--wav", "-"},
       StdoutNaar::geslotenPijp,
       128 + SIGPIPE,
       "",
       nullptr},
      {"pipe closed early, SIGPIPE ignored",
       maakNiets,
       {"--programma", "fir", "--respons"},
       StdoutNaar::geslotenPijpGenegeerd,
       1,
       "cannot write the CSV to stdout: Broken pipe",
       nullptr},
      {"--png - to a full stdout",
       maakNiets,
       {"--programma", "fir", "--png", "-"},
       StdoutNaar::volApparaat,
       1,
       "cannot write the --png to stdout: No space left on device",
       nullptr},
      {"--png - is stdout",
       maakNiets,
       {"--programma", "fir", "--png", "-"},
       StdoutNaar::pijp,
       0,
       "",
       [](const fs::path& map, const Uitkomst& u) {
         EXPECT_EQ(u.uit.rfind("\x89PNG", 0), 0u);
         EXPECT_FALSE(fs::exists(map / "-")) << "no file named -";
       }},
      {"--svg - beside --png FILE",
       maakNiets,
       {"--programma", "iir", "--svg", "-", "--png", "c.png"},
       StdoutNaar::pijp,
       0,
       "",
       [](const fs::path& map, const Uitkomst& u) {
         EXPECT_EQ(u.uit.rfind("<?xml", 0), 0u);
         EXPECT_TRUE(isPng(map / "c.png", 512, 500));
       }},
      {"missing directory",
       maakNiets,
       {"--programma", "iir", "--png", "geen/map/x.png"},
       StdoutNaar::pijp,
       1,
       "cannot write 'geen/map/x.png': No such file or directory",
       nullptr},
      {"mode 640 kept",
       [](const fs::path& map) {
         oudBestand(map / "c.png", perms::owner_read | perms::owner_write | perms::group_read);
       },
       {"--programma", "fir", "--png", "c.png"},
       StdoutNaar::pijp,
       0,
       "",
       [](const fs::path& map, const Uitkomst&) {
         EXPECT_TRUE(begintMetPng(map / "c.png"));
         EXPECT_EQ(rechten(map / "c.png"),
                   perms::owner_read | perms::owner_write | perms::group_read);
       }},
      {"read-only file",
       [=](const fs::path& map) {
         geefAanGebruiker(map);
         oudBestand(map / "c.png", alleenLezen);
         geefAanGebruiker(map / "c.png");
       },
       {"--programma", "fir", "--png", "c.png"},
       StdoutNaar::pijp,
       1,
       "--png: cannot write 'c.png': Permission denied",
       [=](const fs::path& map, const Uitkomst&) {
         EXPECT_EQ(leesBestand(map / "c.png"), "old");
         EXPECT_EQ(rechten(map / "c.png"), alleenLezen);
       },
       true},
      {"read-only directory",
       [](const fs::path& map) {
         fs::create_directory(map / "ro");
         oudBestand(map / "ro" / "c.png", perms::owner_read | perms::owner_write);
         geefAanGebruiker(map / "ro" / "c.png");
         geefAanGebruiker(map / "ro");
         fs::permissions(map / "ro", perms::owner_read | perms::owner_exec);
       },
       {"--programma", "fir", "--svg", "ro/c.png"},
       StdoutNaar::pijp,
       1,
       "--svg: cannot write 'ro/c.png': Permission denied",
       [](const fs::path& map, const Uitkomst&) {
         EXPECT_EQ(leesBestand(map / "ro" / "c.png"), "old");
         fs::permissions(map / "ro", perms::owner_all);
         EXPECT_EQ(std::distance(fs::directory_iterator(map / "ro"), fs::directory_iterator()), 1)
             << "no temporary file left behind";
       },
       true},
      {"symlink",
       [](const fs::path& map) {
         fs::create_directory(map / "doel");
         oudBestand(map / "doel" / "c.png", perms::owner_read | perms::owner_write);
         fs::create_symlink("doel/c.png", map / "koppeling.png");
       },
       {"--programma", "fir", "--png", "koppeling.png"},
       StdoutNaar::pijp,
       0,
       "",
       [](const fs::path& map, const Uitkomst&) {
         EXPECT_TRUE(fs::is_symlink(map / "koppeling.png")) << "stays a link";
         EXPECT_EQ(fs::read_symlink(map / "koppeling.png"), "doel/c.png");
         EXPECT_TRUE(begintMetPng(map / "doel" / "c.png"));
         EXPECT_EQ(rechten(map / "doel" / "c.png"), perms::owner_read | perms::owner_write);
       }},
      {"link another user planted in a shared folder, as root",
       [](const fs::path& map) {
         oudBestand(map / "geheim", perms::owner_read | perms::owner_write);
         gedeeldeMap(map / "gedeeld");
         fs::create_symlink("../geheim", map / "gedeeld" / "fig.png");
         geefAanGebruiker(map / "gedeeld" / "fig.png");
       },
       {"--programma", "fir", "--png", "gedeeld/fig.png"},
       StdoutNaar::pijp,
       1,
       "--png: cannot write 'gedeeld/fig.png': Permission denied",
       [](const fs::path& map, const Uitkomst&) {
         EXPECT_EQ(leesBestand(map / "geheim"), "old");
         EXPECT_EQ(rechten(map / "geheim"), perms::owner_read | perms::owner_write);
         EXPECT_EQ(std::distance(fs::directory_iterator(map / "gedeeld"), fs::directory_iterator()),
                   1);
       },
       false,
       "",
       true},
      // The user's own link, then one of the shared folder's owner.
      {"chain of trusted links in a shared folder",
       [](const fs::path& map) {
         geefAanGebruiker(map);
         oudBestand(map / "doel.png", perms::owner_read | perms::owner_write);
         geefAanGebruiker(map / "doel.png");
         gedeeldeMap(map / "gedeeld");
         fs::create_symlink("../doel.png", map / "gedeeld" / "van-de-eigenaar.png");
         fs::create_symlink("van-de-eigenaar.png", map / "gedeeld" / "eigen.png");
         geefAanGebruiker(map / "gedeeld" / "eigen.png");
       },
       {"--programma", "fir", "--png", "gedeeld/eigen.png"},
       StdoutNaar::pijp,
       0,
       "",
       [](const fs::path& map, const Uitkomst&) { EXPECT_TRUE(begintMetPng(map / "doel.png")); },
       true,
       "",
       true},
      // root:users 0664 written by a member of "users": the rest of the group
      // can still write it.
      {"group member keeps the group",
       [](const fs::path& map) {
         geefAanGebruiker(map);
         oudBestand(map / "c.png", groepsSchrijfbaar);
         ASSERT_EQ(chown((map / "c.png").c_str(), 0, groepNummer("users")), 0);
       },
       {"--programma", "fir", "--png", "c.png"},
       StdoutNaar::pijp,
       0,
       "",
       [](const fs::path& map, const Uitkomst&) {
         struct stat info {};
         ASSERT_EQ(stat((map / "c.png").c_str(), &info), 0);
         EXPECT_EQ(info.st_gid, groepNummer("users"));
         EXPECT_EQ(rechten(map / "c.png"), groepsSchrijfbaar);
         EXPECT_TRUE(begintMetPng(map / "c.png"));
       },
       true,
       "users",
       true},
      {"symlink to a file still to be made",
       [](const fs::path& map) { fs::create_symlink("nieuw.svg", map / "koppeling.svg"); },
       {"--programma", "fir", "--svg", "koppeling.svg"},
       StdoutNaar::pijp,
       0,
       "",
       [](const fs::path& map, const Uitkomst&) {
         EXPECT_TRUE(fs::is_symlink(map / "koppeling.svg"));
         EXPECT_EQ(leesBestand(map / "nieuw.svg").rfind("<?xml", 0), 0u);
       }},
      {"FIFO",
       [](const fs::path& map) { ASSERT_EQ(mkfifo((map / "f").c_str(), 0644), 0); },
       {"--programma", "fir", "--png", "f"},
       StdoutNaar::pijp,
       1,
       "--png: cannot write 'f': a FIFO, left as it is",
       [](const fs::path& map, const Uitkomst&) { EXPECT_TRUE(fs::is_fifo(map / "f")); }},
      {"directory",
       [](const fs::path& map) { fs::create_directory(map / "sub"); },
       {"--programma", "fir", "--png", "sub"},
       StdoutNaar::pijp,
       1,
       "--png: cannot write 'sub': a directory, left as it is",
       [](const fs::path& map, const Uitkomst&) { EXPECT_TRUE(fs::is_empty(map / "sub")); }},
      // As root this is the case that matters: the device must not become a PNG.
      {"device",
       maakNiets,
       {"--programma", "fir", "--png", "/dev/null"},
       StdoutNaar::pijp,
       1,
       "--png: cannot write '/dev/null': a device, left as it is",
       [](const fs::path&, const Uitkomst&) { EXPECT_TRUE(fs::is_character_file("/dev/null")); }},
      {"250-byte name",
       maakNiets,
       {"--programma", "fir", "--png", naam250},
       StdoutNaar::pijp,
       0,
       "",
       [](const fs::path& map, const Uitkomst&) { EXPECT_TRUE(begintMetPng(map / naam250)); }},
      {"NAME_MAX name",
       maakNiets,
       {"--programma", "fir", "--svg", naamMax},
       StdoutNaar::pijp,
       0,
       "",
       [](const fs::path& map, const Uitkomst&) {
         EXPECT_EQ(leesBestand(map / naamMax).rfind("<?xml", 0), 0u);
       }},
      {"longer than NAME_MAX",
       maakNiets,
       {"--programma", "fir", "--png", std::string(NAME_MAX + 1, 'l')},
       StdoutNaar::pijp,
       1,
       "File name too long",
       nullptr},
  };
}

// One table of write failures and kinds of target: status, the one line on
// stderr, the target afterwards, and nothing left behind.
TEST(FiltercyclusDoel, SchrijfFoutenEnSoortenDoel)
{
  for (const auto& geval : doelgevallen()) {
    if (geval.alleenAlsRoot && !alsRoot) {
      continue;
    }
    SCOPED_TRACE(geval.naam);
    const fs::path map = fs::path(testing::TempDir()) / "filtercyclus-doel";
    fs::remove_all(map);
    fs::create_directory(map);
    geval.maak(map);
    ProcesOpties opties;
    opties.stdoutNaar = geval.stdoutNaar;
    opties.werkMap = map;
    opties.alsNiemand = geval.alsGewoneGebruiker && alsRoot;
    opties.ookLidVan = geval.ookLidVan;
    const auto voor = std::distance(fs::directory_iterator(map), fs::directory_iterator());
    const auto uitkomst = draai(geval.argumenten, opties);

    EXPECT_EQ(uitkomst.status, geval.status) << uitkomst.fout;
    if (geval.inRegel.empty()) {
      EXPECT_EQ(uitkomst.fout, "");
    } else {
      EXPECT_EQ(regels(uitkomst.fout).size(), 1u) << uitkomst.fout;
      EXPECT_EQ(uitkomst.fout.rfind("filtercyclus: ", 0), 0u) << uitkomst.fout;
      EXPECT_NE(uitkomst.fout.find(geval.inRegel), std::string::npos) << uitkomst.fout;
    }
    if (geval.status != 0 && geval.stdoutNaar == StdoutNaar::pijp) {
      EXPECT_EQ(uitkomst.uit, "");
    }
    if (geval.controle) {
      geval.controle(map, uitkomst);
    }
    for (const auto& bestand : fs::directory_iterator(map)) {
      EXPECT_NE(bestand.path().filename().string().front(), '.')
          << "temporary file left behind: " << bestand.path();
    }
    if (geval.status != 0) {
      EXPECT_EQ(std::distance(fs::directory_iterator(map), fs::directory_iterator()), voor)
          << "a failure adds nothing";
    }
    fs::permissions(map, fs::perms::owner_all);
    fs::remove_all(map);
  }
}

} // namespace
