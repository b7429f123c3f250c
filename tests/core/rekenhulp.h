// A fixture for tests of both engines' arithmetic variants.
// SPDX-License-Identifier: MIT
#pragma once

#include "rekenkern.h"

#include <gtest/gtest.h>

// A test run once on the portable arithmetic and once on the fastest this
// processor has; instantiate with elkeRekenkern.
class OpElkeRekenkern : public testing::TestWithParam<Rekenkern> {
protected:
  void SetUp() override { kiesRekenkern(GetParam()); }
  void TearDown() override { kiesRekenkern(Rekenkern::snelste); }
};

inline const auto elkeRekenkern = testing::Values(Rekenkern::basis, Rekenkern::snelste);
