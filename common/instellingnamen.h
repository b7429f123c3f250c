// The names of a cycle's three settings, as filtercyclus's options write
// them (--signaal) and a page's link (signaal=); their values are the texts
// of signaalNamen and frequentieLabels, and a whole number for the amplitude.
#pragma once

#include <string_view>

inline constexpr std::string_view signaalInstelling = "signaal";
inline constexpr std::string_view amplitudeInstelling = "amplitude";
inline constexpr std::string_view frequentieInstelling = "frequentie";
