#include "png_bestand.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// libpng reports errors through longjmp; the handler keeps the message.
void pngFout(png_structp png, png_const_charp bericht)
{
  auto* tekst = static_cast<std::string*>(png_get_error_ptr(png));
  *tekst = bericht;
  png_longjmp(png, 1);
}

void pngWaarschuwing(png_structp /*png*/, png_const_charp /*bericht*/)
{
}

// Kept apart from any C++ object with a destructor: longjmp skips them.
bool codeer(const Beeld& beeld, std::FILE* bestand, std::string& fout)
{
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &fout, pngFout, pngWaarschuwing);
  if (png == nullptr) {
    fout = "out of memory";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  // libpng reports its errors by longjmp to here; nothing on this path has a
  // destructor to skip.
  if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) { // NOLINT(cert-err52-cpp)
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, bestand);
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

std::string schrijfPng(const Beeld& beeld, const std::string& pad)
{
  std::string tijdelijk = pad + ".XXXXXX";
  const int fd = mkstemp(tijdelijk.data());
  if (fd < 0) {
    return "cannot create '" + pad + "': " + std::strerror(errno);
  }
  std::FILE* bestand = fdopen(fd, "wb");
  if (bestand == nullptr) {
    const std::string reden = std::strerror(errno);
    close(fd);
    unlink(tijdelijk.c_str());
    return "cannot write '" + pad + "': " + reden;
  }

  std::string fout;
  bool gelukt = codeer(beeld, bestand, fout);
  // A full disk may only show when the buffered data is flushed.
  gelukt = std::fflush(bestand) == 0 && gelukt;
  if (std::fclose(bestand) != 0) {
    gelukt = false;
  }
  // mkstemp makes the file private; a picture is for sharing.
  const mode_t masker = umask(0);
  umask(masker);
  gelukt = gelukt && chmod(tijdelijk.c_str(), 0666 & ~masker) == 0;
  if (!gelukt || std::rename(tijdelijk.c_str(), pad.c_str()) != 0) {
    const std::string reden = fout.empty() ? std::strerror(errno) : fout;
    unlink(tijdelijk.c_str());
    return "cannot write '" + pad + "': " + reden;
  }
  return {};
}
