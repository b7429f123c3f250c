// Phase and group delay of a filter's frequency response.
// SPDX-License-Identifier: MIT
#include "fase.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Double polynoomLooptijd(const Double* coefficienten, std::size_t lengte, Double omega)
{
  const Double midden = static_cast<Double>(lengte - 1) / 2.0;
  const auto term = [&](std::size_t k) {
    return coefficienten[k] * std::polar(1.0, -omega * (static_cast<Double>(k) - midden));
  };
  std::complex<Double> teller = 0.0;
  std::complex<Double> noemer = 0.0;
  // Terms k and lengte−1−k are added as a pair first: for symmetric
  // coefficients the pair's real part in the numerator and its imaginary
  // part in the denominator are then exactly 0, and the delay the centre.
  for (std::size_t k = 0; 2 * k < lengte; ++k) {
    const std::size_t spiegel = lengte - 1 - k;
    const Double afstand = static_cast<Double>(k) - midden;
    const bool paar = spiegel != k;
    teller += afstand * term(k) - (paar ? afstand * term(spiegel) : 0.0);
    noemer += term(k) + (paar ? term(spiegel) : 0.0);
  }
  return midden + (teller / noemer).real();
}

std::vector<Double> ontvouwdeFase(OverdrachtVan overdracht, const std::vector<Double>& omegas)
{
  constexpr Double tweePi = 2.0 * std::numbers::pi;
  constexpr Double grootsteStap = std::numbers::pi / 8192.0;
  std::vector<Double> fasen;
  fasen.reserve(omegas.size());
  Double omega = 0.0;
  Double hoofdwaarde = std::arg(overdracht(0.0));
  Double fase = hoofdwaarde;
  for (const Double doel : omegas) {
    const Double begin = omega;
    const Double stappen = std::max(0.0, std::ceil((doel - begin) / grootsteStap));
    for (Double i = 1.0; i <= stappen; i += 1.0) {
      omega = i == stappen ? doel : begin + (doel - begin) * (i / stappen);
      const Double volgende = std::arg(overdracht(omega));
      fase += std::remainder(volgende - hoofdwaarde, tweePi); // in [−π, π]
      hoofdwaarde = volgende;
    }
    fasen.push_back(fase);
  }
  return fasen;
}
