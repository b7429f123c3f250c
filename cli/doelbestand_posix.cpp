// The careful replacement and the standard streams on POSIX systems.
// SPDX-License-Identifier: MIT
#include "doelbestand.h"
#include "doelbestand_gedeeld.h"
#include "koppelregel.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using doelbestand::kanNiet;
using doelbestand::pogingen;
using doelbestand::willekeurigeLetters;

namespace {

std::string systeemTekst(int nummer)
{
  return std::strerror(nummer);
}

bool schrijfAlles(int fd, std::string_view bytes)
{
  while (!bytes.empty()) {
    const ssize_t geschreven = write(fd, bytes.data(), bytes.size());
    if (geschreven < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(geschreven));
  }
  return true;
}

std::string mapVan(const std::string& pad)
{
  const auto schuine = pad.rfind('/');
  if (schuine == std::string::npos) {
    return ".";
  }
  return schuine == 0 ? "/" : pad.substr(0, schuine);
}

std::string naamVan(const std::string& pad)
{
  const auto schuine = pad.rfind('/');
  return schuine == std::string::npos ? pad : pad.substr(schuine + 1);
}

// Follows symbolic links to the path the bytes really go to, which may not
// exist yet (a link to a file still to be made). An error number otherwise.
struct Gevolgd {
  std::string pad;
  int fout = 0;
};

// The link rule (koppelregel.h) for the link at `koppeling`.
int volgenToegestaan(const std::string& koppeling, const struct stat& info)
{
  struct stat map {};
  if (stat(mapVan(koppeling).c_str(), &map) != 0) {
    return errno;
  }
  const KoppelMap koppelMap{(map.st_mode & S_ISVTX) != 0, (map.st_mode & S_IWOTH) != 0, map.st_uid};
  return magVolgen(koppelMap, info.st_uid, geteuid()) ? 0 : EACCES;
}

Gevolgd volgKoppelingen(std::string pad)
{
  std::vector<char> doel(PATH_MAX);
  for (int i = 0; i < grootsteKeten; ++i) {
    struct stat info {};
    if (lstat(pad.c_str(), &info) != 0) {
      return {pad, errno == ENOENT ? 0 : errno};
    }
    if (!S_ISLNK(info.st_mode)) {
      return {pad, 0};
    }
    if (const int fout = volgenToegestaan(pad, info); fout != 0) {
      return {pad, fout};
    }
    const ssize_t lengte = readlink(pad.c_str(), doel.data(), doel.size());
    if (lengte < 0) {
      return {pad, errno};
    }
    if (static_cast<std::size_t>(lengte) >= doel.size()) {
      return {pad, ENAMETOOLONG};
    }
    pad = koppelDoel(pad, std::string(doel.data(), static_cast<std::size_t>(lengte))).string();
  }
  return {pad, ELOOP};
}

const char* soortVan(mode_t modus)
{
  if (S_ISDIR(modus)) {
    return "a directory";
  }
  if (S_ISCHR(modus) || S_ISBLK(modus)) {
    return "a device";
  }
  if (S_ISFIFO(modus)) {
    return "a FIFO";
  }
  return S_ISSOCK(modus) ? "a socket" : "not a regular file";
}

// Something else was put at the path between looking at it and opening it.
constexpr const char* verwisseld = "replaced while being written, left as it is";

// Whether the user may write the existing file `gezien` was judged from:
// opened for writing without truncating it, so it stays as it is, and
// without following a link, so that what is opened is what was judged.
std::optional<std::string> magSchrijven(const std::string& pad, const struct stat& gezien)
{
  const int fd = open(pad.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    return errno == ELOOP ? std::string(verwisseld) : systeemTekst(errno);
  }
  struct stat geopend {};
  const bool gelukt = fstat(fd, &geopend) == 0;
  const int reden = errno;
  close(fd);
  if (!gelukt) {
    return systeemTekst(reden);
  }
  if (geopend.st_dev != gezien.st_dev || geopend.st_ino != gezien.st_ino) {
    return std::string(verwisseld);
  }
  return std::nullopt;
}

// A hidden name beside the file, within the directory's limit on a name's
// length however long the file's own name is.
std::string tijdelijkeNaam(const std::string& map, const std::string& naam)
{
  const long grens = pathconf(map.c_str(), _PC_NAME_MAX);
  const std::size_t naamGrens = grens > 0 ? static_cast<std::size_t>(grens) : NAME_MAX;
  const std::string achter = "." + willekeurigeLetters<char>();
  const std::size_t ruimte = naamGrens - 1 - achter.size();
  return map + "/." + naam.substr(0, ruimte) + achter;
}

// The replaced file's group for everyone who may give it (a member of the
// group), and its owner as well where root writes. Without the right to do
// so the new file is the writer's, as any new file would be: no reason to
// refuse, as cp and gnulib's tools do. Before the mode, which a change of
// owner would strip of its set-id bits.
void neemEigenaarOver(int fd, const struct stat& oud)
{
  const uid_t eigenaar = geteuid() == 0 ? oud.st_uid : static_cast<uid_t>(-1);
  [[maybe_unused]] const int genegeerd = fchown(fd, eigenaar, oud.st_gid);
}

// After the rename: the folder's new entry on the disk too, so that success
// means the new file survives a power cut. A folder the user may write but
// not read cannot be opened; then the whole file system is synced instead.
int zetNaamOpSchijf(const std::string& map, int fd)
{
  const int mapFd = open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (mapFd < 0) {
    return syncfs(fd) == 0 ? 0 : errno;
  }
  const int reden = fsync(mapFd) == 0 || errno == EINVAL ? 0 : errno;
  close(mapFd);
  return reden;
}

// Occupies a closed standard stream with a descriptor that cannot be written.
void vulGat(int fd)
{
  if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) {
    return;
  }
  const int nieuw = open("/dev/null", O_RDONLY);
  if (nieuw >= 0 && nieuw != fd) {
    dup2(nieuw, fd);
    close(nieuw);
  }
}

} // namespace

void bereidStandaardStromenVoor()
{
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    vulGat(fd);
  }
}

std::optional<std::string> schrijfNaarStdout(std::string_view bytes)
{
  if (!schrijfAlles(STDOUT_FILENO, bytes)) {
    return systeemTekst(errno);
  }
  return std::nullopt;
}

std::optional<std::string> sluitStdout()
{
  if (close(STDOUT_FILENO) != 0 && errno != EINTR) {
    return systeemTekst(errno);
  }
  return std::nullopt;
}

std::optional<std::string> schrijfBestand(const std::string& gevraagd, std::string_view bytes)
{
  const Gevolgd gevolgd = volgKoppelingen(gevraagd);
  if (gevolgd.fout != 0) {
    return kanNiet(gevraagd, systeemTekst(gevolgd.fout));
  }
  const std::string& pad = gevolgd.pad;
  const std::string naam = naamVan(pad);
  if (naam.empty()) {
    return kanNiet(gevraagd, systeemTekst(EISDIR));
  }

  struct stat oud {};
  const bool bestaat = lstat(pad.c_str(), &oud) == 0;
  if (!bestaat && errno != ENOENT) {
    return kanNiet(gevraagd, systeemTekst(errno));
  }
  if (bestaat && !S_ISREG(oud.st_mode)) {
    return kanNiet(gevraagd, std::string(soortVan(oud.st_mode)) + ", left as it is");
  }
  if (bestaat) {
    if (const auto fout = magSchrijven(pad, oud)) {
      return kanNiet(gevraagd, *fout);
    }
  }

  const std::string map = mapVan(pad);
  std::string tijdelijk;
  int fd = -1;
  for (int i = 0; i < pogingen && fd < 0; ++i) {
    tijdelijk = tijdelijkeNaam(map, naam);
    // 0666 under the umask, as for any new file; an existing file's bits are
    // set below.
    fd = open(tijdelijk.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) {
      break;
    }
  }
  if (fd < 0) {
    return kanNiet(gevraagd, systeemTekst(errno));
  }

  if (bestaat) {
    neemEigenaarOver(fd, oud);
  }
  bool gelukt = !bestaat || fchmod(fd, oud.st_mode & 07777) == 0;
  gelukt = gelukt && schrijfAlles(fd, bytes);
  // A full disk or a failing device may only show when the data reaches it;
  // and the rename below must not reach the disk before the data does.
  gelukt = gelukt && (fsync(fd) == 0 || errno == EINVAL);
  int reden = gelukt ? 0 : errno;
  if (gelukt && rename(tijdelijk.c_str(), pad.c_str()) != 0) {
    gelukt = false;
    reden = errno;
  }
  if (!gelukt) {
    close(fd);
    unlink(tijdelijk.c_str());
    return kanNiet(gevraagd, systeemTekst(reden));
  }
  reden = zetNaamOpSchijf(map, fd);
  if (close(fd) != 0 && reden == 0) {
    reden = errno;
  }
  if (reden != 0) {
    return kanNiet(gevraagd, systeemTekst(reden));
  }
  return std::nullopt;
}
