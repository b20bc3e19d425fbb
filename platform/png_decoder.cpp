// The PNG header walk and the libpng decoder. The walk reads each field only after checking
// that the bytes are there; the decoder feeds libpng through a read callback that refuses to
// pass the end of the data, so a short PNG takes libpng's error path, never a stray read.
#include "platform/png_decoder.h"

#include <png.h>

#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// ---- Header walk ----------------------------------------------------------------------------
//
// After the 8-byte signature, chunks follow each other:
//   length  4  big-endian, bytes of data only
//   type    4  ASCII name
//   data    length
//   CRC     4
// IHDR data: width 4, height 4, bit depth 1, colour type 1, then compression, filter and
// interlace methods (1 each), which the walk does not need.

constexpr int64_t kSignatureSize = 8;
constexpr int64_t kChunkHeadSize = 8;
constexpr int64_t kChunkCrcSize = 4;
constexpr int64_t kIhdrFieldsSize = 10;

constexpr uint32_t ChunkType(const char (&name)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(name[0])) << 24 |
         static_cast<uint32_t>(static_cast<uint8_t>(name[1])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(name[2])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(name[3]));
}

uint32_t BigEndian32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | p[3];
}

// ---- libpng callbacks -----------------------------------------------------------------------

struct PngDecodeState {
  const uint8_t* data;
  size_t length;
  size_t position;     // next byte PngReadCallback hands out
  png_bytep rowBlock;  // every row, rowBytes apart
  png_bytepp rows;
  char* message;
  size_t messageSize;
  PngMemoryUse memory;
};

void PngReadCallback(png_structp png, png_bytep out, size_t count) {
  auto* state = static_cast<PngDecodeState*>(png_get_io_ptr(png));
  if (count > state->length - state->position) png_error(png, "the data ends inside the PNG");
  memcpy(out, state->data + state->position, count);
  state->position += count;
}

png_voidp PngMallocCallback(png_structp png, png_alloc_size_t size) {
  PngMemoryUse& memory = static_cast<PngDecodeState*>(png_get_mem_ptr(png))->memory;
  memory.requests++;
  if (size > memory.largestRequest) memory.largestRequest = size;
  return size <= kLargestLibpngBlock ? malloc(size) : nullptr;
}

void PngFreeCallback(png_structp, png_voidp block) {
  free(block);
}

// Keeps libpng's text for the caller's trace line and abandons the decoding.
void PngErrorCallback(png_structp png, png_const_charp text) {
  auto* state = static_cast<PngDecodeState*>(png_get_error_ptr(png));
  snprintf(state->message, state->messageSize, "%s", text);
  png_longjmp(png, 1);
}

// Warnings (a damaged ancillary chunk, say) change nothing that is decoded.
void PngWarningCallback(png_structp, png_const_charp) {}

// ---- Row conversion -------------------------------------------------------------------------

uint16_t Rgb565(const uint8_t* p) {
  return static_cast<uint16_t>((p[0] & 0xF8) << 8 | (p[1] & 0xFC) << 3 | p[2] >> 3);
}

// Rows of channels bytes per pixel (3 RGB, 4 RGBA) into 16-bit pixels; an odd width leaves
// the last pixel of each pixel row as it is.
void ConvertRows(png_bytepp rows, int32_t channels, bool keyed, bool argb4444, int32_t width,
                 int32_t height, uint16_t* pixels, int32_t stride) {
  for (int32_t y = 0; y < height; y++) {
    const uint8_t* in = rows[y];
    uint16_t* out = pixels + static_cast<ptrdiff_t>(y) * stride;
    for (int32_t x = 0; x < width; x++, in += channels) {
      if (keyed) {
        out[x] = in[3] == 0 ? javax_microedition_lcdui_Image::kColourKey : Rgb565(in);
      } else if (argb4444) {
        out[x] = static_cast<uint16_t>((in[3] >> 4) << 12 | (in[0] >> 4) << 8 | (in[1] >> 4) << 4 |
                                       in[2] >> 4);
      } else {
        out[x] = Rgb565(in);
      }
    }
  }
}

// Everything between png_read_info and the conversion; libpng errors land on the setjmp.
// Nothing with a destructor lives here, and the row buffers are held by state, so the
// caller frees them whichever way this ends.
PngDecodeResult RunDecode(png_structp png, png_infop info, PngDecodeState* state,
                          javax_microedition_lcdui_Image* image, const PngHeader& header,
                          uint16_t* pixels) {
  if (setjmp(png_jmpbuf(png))) return PngDecodeResult::kFailed;
  png_set_read_fn(png, state, PngReadCallback);
  png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
  png_set_chunk_malloc_max(png, kLargestLibpngBlock);
  // Every chunk but IHDR, PLTE, tRNS, IDAT and IEND is skipped through a small buffer: its data
  // is never kept, inflated or even held whole, whatever length it declares.
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_set_expand(png);
  png_read_info(png, info);
  const uint32_t width = png_get_image_width(png, info), height = png_get_image_height(png, info);
  const int32_t bitDepth = png_get_bit_depth(png, info), colourType = png_get_color_type(png, info);
  if (width != static_cast<uint32_t>(header.width) ||
      height != static_cast<uint32_t>(header.height) || bitDepth != header.bitDepth ||
      colourType != header.colourType) {
    snprintf(state->message, state->messageSize,
             "libpng reads %u x %u, depth %d, colour type %d where the header gives %d x %d, "
             "depth %d, colour type %d",
             width, height, bitDepth, colourType, header.width, header.height, header.bitDepth,
             header.colourType);
    return PngDecodeResult::kMismatch;
  }
  // Grey becomes RGB and 16-bit channels 8-bit, so every row is RGB or RGBA bytes.
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const int32_t channels = png_get_channels(png, info);
  const size_t rowBytes = png_get_rowbytes(png, info);
  if (png_get_bit_depth(png, info) != 8 || (channels != 3 && channels != 4) ||
      rowBytes < static_cast<size_t>(width) * channels) {
    png_error(png, "rows are not 8-bit RGB or RGBA after the transforms");
  }
  state->rows = static_cast<png_bytepp>(malloc(height * sizeof(png_bytep)));
  state->rowBlock = static_cast<png_bytep>(malloc(height * rowBytes));
  if (!state->rows || !state->rowBlock) png_error(png, "no memory for the rows");
  for (uint32_t y = 0; y < height; y++) state->rows[y] = state->rowBlock + y * rowBytes;
  png_read_image(png, state->rows);

  const bool alpha = channels == 4;
  const bool keyed = alpha && png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  const bool argb4444 = alpha && image->m_pixelType == javax_microedition_lcdui_Image::kArgb4444;
  ConvertRows(state->rows, channels, keyed, argb4444, header.width, header.height, pixels,
              image->rowLength / 2);
  return PngDecodeResult::kDecoded;
}

}  // namespace

int32_t ReadPngHeader(ByteArray* data, int32_t offset, int32_t length, PngHeader* out) {
  *out = PngHeader{};
  const auto* bytes = reinterpret_cast<const uint8_t*>(data->elements()) + offset;
  bool found = false;
  int64_t position = kSignatureSize;
  while (position + kChunkHeadSize <= length) {
    const int64_t size = BigEndian32(bytes + position);
    const uint32_t type = BigEndian32(bytes + position + 4);
    position += kChunkHeadSize;
    if (type == ChunkType("IEND")) break;
    if (size + kChunkCrcSize > length - position) {
      memcpy(out->overrunType, bytes + position - 4, 4);
      for (int i = 0; i < 4; i++) {
        if (!isprint(static_cast<unsigned char>(out->overrunType[i]))) out->overrunType[i] = '?';
      }
      out->overrunAt = position - kChunkHeadSize;
      out->overrunLength = size;
      return 0;
    }
    if (type == ChunkType("IHDR") && size >= kIhdrFieldsSize) {
      out->width = static_cast<int32_t>(BigEndian32(bytes + position));
      out->height = static_cast<int32_t>(BigEndian32(bytes + position + 4));
      out->bitDepth = bytes[position + 8];
      out->colourType = bytes[position + 9];
      found = true;
    } else if (type == ChunkType("PLTE")) {
      out->paletteEntryCount = static_cast<int32_t>(size / 3);
    } else if (type == ChunkType("tRNS")) {
      out->hasTransparency = true;
    }
    position += size + kChunkCrcSize;
  }
  return found ? 1 : 0;
}

PngDecodeResult DecodePngToImage(javax_microedition_lcdui_Image* image, const PngHeader& header,
                                 const uint8_t* data, size_t length, uint16_t* pixels,
                                 char* message, size_t messageSize, PngMemoryUse* memory) {
  PngDecodeState state{data, length, 0, nullptr, nullptr, message, messageSize, {}};
  png_structp png =
      png_create_read_struct_2(PNG_LIBPNG_VER_STRING, &state, PngErrorCallback, PngWarningCallback,
                               &state, PngMallocCallback, PngFreeCallback);
  if (!png) {
    snprintf(message, messageSize, "libpng could not start");
    return PngDecodeResult::kFailed;
  }
  png_infop info = png_create_info_struct(png);
  PngDecodeResult result = PngDecodeResult::kFailed;
  if (info) {
    result = RunDecode(png, info, &state, image, header, pixels);
  } else {
    snprintf(message, messageSize, "libpng could not start");
  }
  free(state.rows);
  free(state.rowBlock);
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  if (memory) *memory = state.memory;
  return result;
}
