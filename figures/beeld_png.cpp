// The graph panel's picture as PNG bytes, through libpng.
// SPDX-License-Identifier: MIT
#include "png_uitvoer.h"

#include <new>
#include <png.h>

namespace {

void pngFout(png_structp png, png_const_charp /*bericht*/)
{
  png_longjmp(png, 1);
}

void pngWaarschuwing(png_structp /*png*/, png_const_charp /*bericht*/)
{
}

struct PngBytes {
  std::string bytes;
  bool geenGeheugen = false;
};

// No C++ exception may cross libpng's C frames: running out of memory is
// noted and reported once libpng has returned.
void pngSchrijf(png_structp png, png_bytep data, png_size_t lengte)
{
  auto* uitvoer = static_cast<PngBytes*>(png_get_io_ptr(png));
  try {
    if (!uitvoer->geenGeheugen) {
      uitvoer->bytes.append(reinterpret_cast<const char*>(data), lengte);
    }
  } catch (const std::bad_alloc&) {
    uitvoer->geenGeheugen = true;
  }
}

void pngLeeg(png_structp /*png*/)
{
}

// Kept apart from any C++ object with a destructor: longjmp skips them.
bool codeer(const Beeld& beeld, PngBytes* bytes)
{
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, pngFout, pngWaarschuwing);
  if (png == nullptr) {
    return false;
  }
  png_infop info = png_create_info_struct(png);
  // libpng reports its errors by longjmp to here; nothing on this path has a
  // destructor to skip.
  if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) { // NOLINT(cert-err52-cpp)
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, bytes, pngSchrijf, pngLeeg);
  png_set_IHDR(png, info, static_cast<png_uint_32>(beeld.breedte),
               static_cast<png_uint_32>(beeld.hoogte), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const std::size_t rijLengte = 3 * static_cast<std::size_t>(beeld.breedte);
  for (Int y = 0; y < beeld.hoogte; ++y) {
    png_write_row(png, beeld.rgb.data() + static_cast<std::size_t>(y) * rijLengte);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

} // namespace

std::string pngVan(const Beeld& beeld)
{
  PngBytes uitvoer;
  // Encoding to memory fails only for want of memory.
  if (!codeer(beeld, &uitvoer) || uitvoer.geenGeheugen) {
    throw std::bad_alloc();
  }
  return std::move(uitvoer.bytes);
}
