// The frame the three plots share: design sizes, the title, the axes' titles and the dB scale.
// SPDX-License-Identifier: MIT
#pragma once

#include "figuur.h"

#include <string>
#include <vector>

// The response and the spectrum plot are designed at 960 x 600 pixels, the
// pole-zero plot at 600 x 600; other sizes scale them.
inline constexpr Double ontwerpBreedte = 960.0;
inline constexpr Double ontwerpHoogte = 600.0;
inline constexpr Double titelGrootte = 24.0;
inline constexpr Double asTitelGrootte = 17.0;
inline constexpr Double schaalGrootte = 14.0;
inline constexpr Double stapDb = 10.0; // between the dB scale's lines

// A plot's title centred on `midden`, bold, in every plot at the one size
// that plots of `grootte` give their titles: the design's size scaled by the
// text's scale, no wider than the width's share the design gives it, and not
// below the smallest text.
void zetTitel(const std::string& titel, Double midden, Double t, Grootte grootte,
              std::vector<Vorm>& vormen);

// The axes' titles of a plot area from `linksBoven` to `rechtsOnder`: Ω
// centred under it, and `yTitel` turned a quarter at the left, fitted to the
// plot's height and moved up or down from the area's middle where it would
// stick out.
void zetAsTitels(const std::string& yTitel, Plek linksBoven, Plek rechtsOnder, Double t,
                 Grootte grootte, std::vector<Vorm>& vormen);

// The dB scale of a plot area that spans `bovenDb` (top) to `onderDb`: a line
// every stapDb and at its left as many values as fit, counted from 0 dB; a
// 0 dB line below the top stands out.
void decibelRaster(Plek linksBoven, Plek rechtsOnder, Double bovenDb, Double onderDb, Double s,
                   Double t, std::vector<Vorm>& vormen);
