// Where filtercyclus puts its bytes: stdout, or a file replaced with care for
// what stands at its path. Everything that differs between POSIX and Windows
// about files and standard streams is behind this header, in
// doelbestand_posix.cpp and doelbestand_windows.cpp (CMake builds one).
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Once, before anything else is opened or written. POSIX: a closed standard
// stream gets a placeholder that refuses writes, so that no file opened later
// takes its number and a write to it fails as it should. Windows: stdout is
// binary, so the bytes are the same as on Linux (LF line ends).
void bereidStandaardStromenVoor();

// Writes all of `bytes` to stdout; on failure the system's reason.
std::optional<std::string> schrijfNaarStdout(std::string_view bytes);

// Closes stdout after the last write: an error the system only reports at
// the close still counts. On failure the system's reason.
std::optional<std::string> sluitStdout();

// Puts `bytes` in the file at `gevraagd`, whole or not at all, through a temporary
// file beside it that is renamed into place:
// - an existing regular file keeps its permission bits, its group where the
//   user may give it, its owner where root writes, and is refused where the
//   user may not write it; its hard links, ACLs and extended attributes are
//   not carried over;
// - through a symbolic link, the link's target is written, except for a link
//   the kernel would not follow either (koppelregel.h);
// - a directory, device, FIFO or socket is refused and left as it is.
// On success the new file is on the disk. Nothing is left behind on failure.
// Returns a description of what went wrong, naming the path, or nothing.
std::optional<std::string> schrijfBestand(const std::string& gevraagd, std::string_view bytes);
