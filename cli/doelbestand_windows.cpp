// The careful replacement and the standard streams on Windows.
// SPDX-License-Identifier: MIT
#include "doelbestand.h"
#include "doelbestand_gedeeld.h"
#include "koppelregel.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <windows.h>

using doelbestand::kanNiet;
using doelbestand::pogingen;
using doelbestand::willekeurigeLetters;

namespace {

std::string systeemTekst(DWORD code)
{
  char* tekst = nullptr;
  const DWORD lengte = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<LPSTR>(&tekst), 0, nullptr);
  std::string uit =
      lengte > 0 && tekst != nullptr ? std::string(tekst, lengte) : "error " + std::to_string(code);
  LocalFree(tekst);
  while (!uit.empty() &&
         (uit.back() == '\n' || uit.back() == '\r' || uit.back() == '.' || uit.back() == ' ')) {
    uit.pop_back();
  }
  return uit;
}

std::string laatsteFout()
{
  return systeemTekst(GetLastError());
}

// Windows counts a name's limit in UTF-16 units.
constexpr std::size_t naamGrens = 255;

std::wstring tijdelijkeNaam(const std::wstring& naam)
{
  const std::wstring achter = L"." + willekeurigeLetters<wchar_t>() + L".tmp";
  return L"." + naam.substr(0, naamGrens - 1 - achter.size()) + achter;
}

bool schrijfAlles(HANDLE bestand, std::string_view bytes)
{
  while (!bytes.empty()) {
    const auto deel = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30U));
    DWORD geschreven = 0;
    if (WriteFile(bestand, bytes.data(), deel, &geschreven, nullptr) == 0) {
      return false;
    }
    bytes.remove_prefix(geschreven);
  }
  return true;
}

} // namespace

void bereidStandaardStromenVoor()
{
  _setmode(_fileno(stdout), _O_BINARY);
}

std::optional<std::string> schrijfNaarStdout(std::string_view bytes)
{
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
      std::fflush(stdout) != 0) {
    return std::strerror(errno != 0 ? errno : EIO);
  }
  return std::nullopt;
}

std::optional<std::string> sluitStdout()
{
  if (std::fclose(stdout) != 0) {
    return std::strerror(errno);
  }
  return std::nullopt;
}

std::optional<std::string> schrijfBestand(const std::string& gevraagd, std::string_view bytes)
{
  namespace fs = std::filesystem;
  std::error_code fout;
  fs::path pad(gevraagd);
  for (int i = 0; i < grootsteKeten && fs::is_symlink(fs::symlink_status(pad, fout)); ++i) {
    pad = koppelDoel(pad, fs::read_symlink(pad, fout));
  }
  // ReplaceFileW wants full paths (a bare name fails "The directory name is
  // invalid").
  pad = fs::absolute(pad, fout);
  const std::wstring breed = pad.wstring();
  const DWORD kenmerken = GetFileAttributesW(breed.c_str());
  const bool bestaat = kenmerken != INVALID_FILE_ATTRIBUTES;
  if (bestaat) {
    if ((kenmerken & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return kanNiet(gevraagd, "a directory, left as it is");
    }
    if ((kenmerken & FILE_ATTRIBUTE_READONLY) != 0) {
      return kanNiet(gevraagd, systeemTekst(ERROR_ACCESS_DENIED));
    }
    HANDLE oud = CreateFileW(breed.c_str(), GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (oud == INVALID_HANDLE_VALUE) {
      return kanNiet(gevraagd, laatsteFout());
    }
    const DWORD soort = GetFileType(oud);
    CloseHandle(oud);
    if (soort != FILE_TYPE_DISK) {
      return kanNiet(gevraagd, "not a regular file, left as it is");
    }
  }

  const fs::path map = pad.has_parent_path() ? pad.parent_path() : fs::path(L".");
  std::wstring tijdelijk;
  HANDLE bestand = INVALID_HANDLE_VALUE;
  for (int i = 0; i < pogingen && bestand == INVALID_HANDLE_VALUE; ++i) {
    tijdelijk = (map / tijdelijkeNaam(pad.filename().wstring())).wstring();
    bestand = CreateFileW(tijdelijk.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (bestand == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
      break;
    }
  }
  if (bestand == INVALID_HANDLE_VALUE) {
    return kanNiet(gevraagd, laatsteFout());
  }
  bool gelukt = schrijfAlles(bestand, bytes) && FlushFileBuffers(bestand) != 0;
  DWORD code = gelukt ? 0 : GetLastError();
  if (CloseHandle(bestand) == 0 && gelukt) {
    gelukt = false;
    code = GetLastError();
  }
  // ReplaceFileW keeps the replaced file's attributes and security; a new
  // file takes the directory's, as any new file there would.
  if (gelukt) {
    gelukt = bestaat ? ReplaceFileW(breed.c_str(), tijdelijk.c_str(), nullptr,
                                    REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                     : MoveFileExW(tijdelijk.c_str(), breed.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    code = gelukt ? 0 : GetLastError();
  }
  if (!gelukt) {
    DeleteFileW(tijdelijk.c_str());
    return kanNiet(gevraagd, systeemTekst(code));
  }
  return std::nullopt;
}
