// Identifiers of the controls that raise events. No window carries
// schoonKnopID; it is kept so the numbers stay as they are.
// SPDX-License-Identifier: MIT
#pragma once

enum knoppenIDs {
  startKnopID = 0,
  schoonKnopID = 1,
  eindeKnopID = 2,
  signaalKeuzeID = 3,
  signaalAmplitudeID = 4,
  signaalFreqKeuzeID = 5,
};
