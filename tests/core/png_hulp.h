// What the tests read back from files and PNG bytes, written once for the
// tool's in-process and process tests.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "rasteriseer.h"

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

// The picture in a PNG, as the rasteriser's Beeld: nothing when libpng cannot
// read it or when any pixel is not fully opaque (every picture the tool
// writes or a renderer makes of it must be).
inline std::optional<Beeld> leesPng(const std::string& bytes)
{
  png_image kop{};
  kop.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&kop, bytes.data(), bytes.size()) == 0) {
    return std::nullopt;
  }
  kop.format = PNG_FORMAT_RGBA;
  std::vector<UInt8> rgba(PNG_IMAGE_SIZE(kop));
  if (png_image_finish_read(&kop, nullptr, rgba.data(), 0, nullptr) == 0) {
    return std::nullopt;
  }
  Beeld beeld{static_cast<Int>(kop.width), static_cast<Int>(kop.height), {}};
  for (std::size_t i = 0; i < rgba.size(); i += 4) {
    if (rgba[i + 3] != 255) {
      return std::nullopt;
    }
    beeld.rgb.insert(beeld.rgb.end(), {rgba[i], rgba[i + 1], rgba[i + 2]});
  }
  return beeld;
}
