// Running a program as a real process for the tests: what it writes on
// stdout and stderr, and how it ends.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct Uitkomst {
  int status = -1; // as a shell reports it: the exit status, or 128 + the signal that ended it
  std::string uit;
  std::string fout;
};

// Where the child's stdout goes.
enum class StdoutNaar {
  pijp,                  // read by the test
  volApparaat,           // /dev/full: every write fails "No space left on device"
  gesloten,              // no stdout at all
  geslotenPijp,          // a pipe whose reader has gone, SIGPIPE as a shell leaves it
  geslotenPijpGenegeerd, // the same with SIGPIPE ignored
};

struct ProcesOpties {
  StdoutNaar stdoutNaar = StdoutNaar::pijp;
  std::string werkMap;       // empty: the test's own
  bool zonderScherm = false; // without DISPLAY and WAYLAND_DISPLAY
  bool alsNiemand = false;   // as the user "nobody" (the test runs as root)
  std::string ookLidVan;     // with alsNiemand: a group "nobody" is a member of too
};

inline std::string leesAlles(int fd)
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

// In the child, between fork and exec: only async-signal-safe calls.
inline void zetKindKlaar(const ProcesOpties& opties, const int pijp[2], int foutFd)
{
  if (opties.zonderScherm) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
  }
  if (!opties.werkMap.empty() && chdir(opties.werkMap.c_str()) != 0) {
    _exit(126);
  }
  switch (opties.stdoutNaar) {
  case StdoutNaar::pijp:
    dup2(pijp[1], STDOUT_FILENO);
    break;
  case StdoutNaar::volApparaat: {
    const int vol = open("/dev/full", O_WRONLY);
    dup2(vol, STDOUT_FILENO);
    break;
  }
  case StdoutNaar::gesloten:
    close(STDOUT_FILENO);
    break;
  case StdoutNaar::geslotenPijp:
  case StdoutNaar::geslotenPijpGenegeerd:
    // Stays as it is set across exec.
    (void)signal(SIGPIPE, opties.stdoutNaar == StdoutNaar::geslotenPijp ? SIG_DFL : SIG_IGN);
    dup2(pijp[1], STDOUT_FILENO);
    break;
  }
  dup2(foutFd, STDERR_FILENO);
  if (pijp[0] >= 0) {
    close(pijp[0]);
  }
  close(pijp[1]);
}

// Runs `programma` with `argumenten`; stderr goes to a file so that neither
// pipe can fill up while the other is read.
inline Uitkomst draaiProces(const std::string& programma,
                            const std::vector<std::string>& argumenten,
                            const ProcesOpties& opties = {})
{
  char foutPad[] = "/tmp/filterdemo-stderr-XXXXXX";
  const int foutFd = mkstemp(foutPad);
  int pijp[2];
  if (foutFd < 0 || pipe(pijp) != 0) {
    return {};
  }
  const bool geslotenPijp = opties.stdoutNaar == StdoutNaar::geslotenPijp ||
                            opties.stdoutNaar == StdoutNaar::geslotenPijpGenegeerd;
  if (geslotenPijp) {
    close(pijp[0]); // the reader is gone before anything is written
    pijp[0] = -1;
  }
  const passwd* niemand = opties.alsNiemand ? getpwnam("nobody") : nullptr;
  if (opties.alsNiemand && niemand == nullptr) {
    return {};
  }
  const group* extra = opties.ookLidVan.empty() ? nullptr : getgrnam(opties.ookLidVan.c_str());
  if (!opties.ookLidVan.empty() && extra == nullptr) {
    return {};
  }
  const gid_t groepen[] = {extra != nullptr ? extra->gr_gid : gid_t{}};
  const std::size_t aantalGroepen = extra != nullptr ? 1 : 0;
  std::vector<std::string> kopie = argumenten;
  std::string pad = programma;
  std::vector<char*> argv{pad.data()};
  for (auto& a : kopie) {
    argv.push_back(a.data());
  }
  argv.push_back(nullptr);

  const pid_t kind = fork();
  if (kind == 0) {
    zetKindKlaar(opties, pijp, foutFd);
    if (niemand != nullptr && (setgroups(aantalGroepen, groepen) != 0 ||
                               setgid(niemand->pw_gid) != 0 || setuid(niemand->pw_uid) != 0)) {
      _exit(125);
    }
    execvp(pad.c_str(), argv.data());
    _exit(127);
  }
  close(pijp[1]);
  Uitkomst uitkomst;
  if (!geslotenPijp) {
    uitkomst.uit = leesAlles(pijp[0]);
  }
  int status = 0;
  waitpid(kind, &status, 0);
  uitkomst.status = WIFEXITED(status)     ? WEXITSTATUS(status)
                    : WIFSIGNALED(status) ? 128 + WTERMSIG(status)
                                          : -1;
  lseek(foutFd, 0, SEEK_SET);
  uitkomst.fout = leesAlles(foutFd);
  unlink(foutPad);
  return uitkomst;
}
