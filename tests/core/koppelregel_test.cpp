// The link rule of the careful replacement, against the kernel's own rule
// for following links (Documentation/admin-guide/sysctl/fs.rst,
// protected_symlinks) and POSIX path resolution, worked by hand.
// SPDX-License-Identifier: MIT
#include "koppelregel.h"

#include <gtest/gtest.h>

TEST(Koppelregel, VolgtAlleenWaarDeKernelVolgt)
{
  constexpr UInt32 root = 0;
  constexpr UInt32 ik = 1000;
  constexpr UInt32 ander = 2000;
  struct Geval {
    KoppelMap map;
    UInt32 koppelingEigenaar;
    UInt32 gebruiker;
    bool volgen;
  };
  const Geval gevallen[] = {
      {{true, true, root}, ik, ik, true},       // /tmp, my own link
      {{true, true, root}, root, ik, true},     // /tmp, the folder owner's link
      {{true, true, root}, ander, ik, false},   // /tmp, someone else's link
      {{true, true, root}, ander, root, false}, // root is held to it too
      {{true, true, ander}, ander, ik, true},   // a shared folder of another owner
      {{true, false, root}, ander, ik, true},   // sticky, only its owner writes
      {{false, true, root}, ander, ik, true},   // everyone writes, not sticky
      {{false, false, root}, ander, ik, true},  // an ordinary folder
  };
  for (const auto& g : gevallen) {
    EXPECT_EQ(magVolgen(g.map, g.koppelingEigenaar, g.gebruiker), g.volgen)
        << g.map.plakkerig << g.map.voorIedereen << ' ' << g.koppelingEigenaar << ' '
        << g.gebruiker;
  }
}

TEST(Koppelregel, EenRelatiefDoelVanuitDeMapVanDeKoppeling)
{
  struct Geval {
    const char* koppeling;
    const char* doel;
    const char* pad;
  };
  const Geval gevallen[] = {
      {"map/koppeling", "doel", "map/doel"},
      {"koppeling", "doel", "doel"},
      {"/koppeling", "doel", "/doel"},
      {"a/b/koppeling", "../doel", "a/b/../doel"},
      {"/tmp/koppeling", "/etc/doel", "/etc/doel"},
  };
  for (const auto& g : gevallen) {
    EXPECT_EQ(koppelDoel(g.koppeling, g.doel), std::filesystem::path(g.pad)) << g.koppeling;
  }
}
