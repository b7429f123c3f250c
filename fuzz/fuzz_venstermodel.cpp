// The window model on any link fragment and any typed amplitude, the two
// texts a page takes from outside: the settings stay in range, text that is
// no number changes nothing, the message stays one line, and the settings
// written as a fragment read back to the same settings without a message.
// SPDX-License-Identifier: MIT
#include "fir_programma.h"
#include "venstermodel.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void eis(bool waar)
{
  if (!waar) {
    std::abort();
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const std::string_view tekst(reinterpret_cast<const char*>(data), size);
  VensterModel<FIRProgramma> model;
  const FragmentUitkomst uitkomst = model.pasFragmentToe(tekst);
  eis(uitkomst.melding.find('\n') == std::string::npos);
  eis(model.instellingen().amplitude <= maxAmplitude);
  eis(model.instellingen().signaal < signaalNamen.size());
  eis(model.instellingen().frequentieKeuze < frequentieFactoren.size());

  VensterModel<FIRProgramma> terug;
  eis(terug.pasFragmentToe(model.fragment()).melding.empty());
  eis(terug.fragment() == model.fragment());

  const auto voor = model.instellingen().amplitude;
  if (!model.zetAmplitudeTekst(tekst)) {
    eis(model.instellingen().amplitude == voor);
  }
  eis(model.instellingen().amplitude <= maxAmplitude);
  return 0;
}
