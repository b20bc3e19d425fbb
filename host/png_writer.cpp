// The PNG writer over libpng. The image goes to a temporary file beside the target, which is
// flushed to disk and renamed over the target, so a crash never leaves a torn file.
#include "host/png_writer.h"

#include <png.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/file_folders.h"
#include "host/trace_line.h"

namespace host {
namespace {

void WidenRow(const uint16_t* in, int width, uint8_t* out) {
  for (int x = 0; x < width; x++) {
    uint16_t p = in[x];
    uint8_t r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
    out[3 * x + 0] = static_cast<uint8_t>((r << 3) | (r >> 2));
    out[3 * x + 1] = static_cast<uint8_t>((g << 2) | (g >> 4));
    out[3 * x + 2] = static_cast<uint8_t>((b << 3) | (b >> 2));
  }
}

void OnPngError(png_structp png, png_const_charp message) {
  DebugLog("WritePng565: libpng: %s", message);
  std::longjmp(png_jmpbuf(png), 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Encodes into an open stream. Everything with a destructor lives in the caller, because an
// encoding error leaves this function by longjmp.
bool Encode(FILE* file, const uint16_t* pixels, int width, int height, int pitch,
            std::vector<uint8_t>& row) {
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const auto* base = reinterpret_cast<const uint8_t*>(pixels);
  for (int y = 0; y < height; y++) {
    WidenRow(reinterpret_cast<const uint16_t*>(base + static_cast<size_t>(y) * pitch), width,
             row.data());
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WritePng565(const std::string& path, const uint16_t* pixels, int width, int height, int pitch,
                 std::string* why) {
  const auto fail = [&](const std::string& reason) {
    DebugLog("WritePng565: %s: %s", path.c_str(), reason.c_str());
    if (why) *why = reason;
    return false;
  };
  if (width <= 0 || height <= 0 || pitch < width * 2) {
    return fail("bad frame size " + std::to_string(width) + " x " + std::to_string(height) +
                ", pitch " + std::to_string(pitch));
  }
  std::string temporary = path + ".tmp";
  FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return fail(std::string("cannot create: ") + std::strerror(errno));
  std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
  bool written = Encode(file, pixels, width, height, pitch, row);
  written = std::fflush(file) == 0 && written;
  written = fsync(fileno(file)) == 0 && written;
  written = std::fclose(file) == 0 && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    std::remove(temporary.c_str());
    return fail(std::string("write failed: ") + std::strerror(error));
  }
  SyncFolder(ParentFolder(path));  // makes the rename itself durable
  return true;
}

}  // namespace host
