// Mono 16-bit PCM WAV files as filtercyclus writes them.
// SPDX-License-Identifier: MIT
#include "wav.h"

namespace {

constexpr UInt16 pcmFormaat = 1;
constexpr UInt16 kanalen = 1;
constexpr UInt16 bitsPerMonster = 16;
constexpr UInt16 bytesPerMonster = bitsPerMonster / 8;

void schrijf16(std::string& bytes, UInt16 waarde)
{
  bytes += static_cast<char>(waarde & 0xFFU);
  bytes += static_cast<char>(waarde >> 8U);
}

void schrijf32(std::string& bytes, UInt32 waarde)
{
  schrijf16(bytes, static_cast<UInt16>(waarde & 0xFFFFU));
  schrijf16(bytes, static_cast<UInt16>(waarde >> 16U));
}

} // namespace

// The longest sequence filtercyclus makes (2·60 s + 0,5 s at 48000 samples
// per second) is far below the 4 GiB a RIFF size can state.
std::string wavVan(const std::vector<Int16>& monsters, UInt32 bemonstering)
{
  const auto dataBytes = static_cast<UInt32>(monsters.size() * bytesPerMonster);
  std::string bytes;
  bytes.reserve(44 + std::size_t{dataBytes});
  bytes += "RIFF";
  schrijf32(bytes, 36 + dataBytes);
  bytes += "WAVEfmt ";
  schrijf32(bytes, 16);
  schrijf16(bytes, pcmFormaat);
  schrijf16(bytes, kanalen);
  schrijf32(bytes, bemonstering);
  schrijf32(bytes, bemonstering * kanalen * bytesPerMonster);
  schrijf16(bytes, kanalen * bytesPerMonster);
  schrijf16(bytes, bitsPerMonster);
  bytes += "data";
  schrijf32(bytes, dataBytes);
  for (const Int16 monster : monsters) {
    schrijf16(bytes, static_cast<UInt16>(monster));
  }
  return bytes;
}
