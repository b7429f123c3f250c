// What the careful replacement does when the path it is given is a symbolic
// link: it writes the link's target, as any program that opens the path
// would. Link after link, a relative target read from the link's own folder,
// at most grootsteKeten of them (more is taken for a loop, as the kernel
// takes it). A link the kernel would not follow either is refused: Linux's
// fs.protected_symlinks, which keeps anyone from planting a link where
// another user's program writes.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <filesystem>

inline constexpr int grootsteKeten = 40; // as the kernel allows

// Where the link at `koppeling`, whose text is `doel`, leads.
std::filesystem::path koppelDoel(const std::filesystem::path& koppeling,
                                 const std::filesystem::path& doel);

// The folder that holds a link.
struct KoppelMap {
  bool plakkerig = false;    // sticky: only an entry's owner may remove it
  bool voorIedereen = false; // everyone may write it
  UInt32 eigenaar = 0;
};

// In a sticky folder that everyone may write, a link is followed only for
// its owner, or when it is the folder owner's; anywhere else always. Root is
// held to it as well.
bool magVolgen(const KoppelMap& map, UInt32 koppelingEigenaar, UInt32 gebruiker);
