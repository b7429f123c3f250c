// What the tests read back from files and PNG bytes, written once for the
// tool's in-process and process tests.
#pragma once

#include "algdef.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <png.h>
#include <string>
#include <vector>

// The whole file, or nothing when it cannot be read.
inline std::string leesBestand(const std::filesystem::path& pad)
{
  std::ifstream in(pad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Pixels {
  Int breedte = 0;
  Int hoogte = 0;
  std::vector<UInt8> rgba;

  [[nodiscard]] const UInt8* pixel(Int x, Int y) const
  {
    return &rgba[4 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(breedte) +
                      static_cast<std::size_t>(x))];
  }
};

inline std::optional<Pixels> leesPng(const std::string& bytes)
{
  png_image kop{};
  kop.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&kop, bytes.data(), bytes.size()) == 0) {
    return std::nullopt;
  }
  kop.format = PNG_FORMAT_RGBA;
  Pixels pixels{static_cast<Int>(kop.width), static_cast<Int>(kop.height), {}};
  pixels.rgba.resize(PNG_IMAGE_SIZE(kop));
  if (png_image_finish_read(&kop, nullptr, pixels.rgba.data(), 0, nullptr) == 0) {
    return std::nullopt;
  }
  return pixels;
}
