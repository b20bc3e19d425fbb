// Images from PNG bytes, with fixtures written by libpng: the pixel type each kind of PNG
// gives, the conversions of grey, 16-bit and interlaced images, and every refusal with its
// trace (no header, over the caps, a header libpng contradicts, data cut short), and ancillary
// chunks that libpng skips without holding them, whatever length they declare.
#include <gtest/gtest.h>
#include <zlib.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "platform/png_decoder.h"
#include "runtime/application_impl.h"
#include "runtime/memory_manager.h"
#include "tests/platform/canvas.h"
#include "tests/platform/png_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using ImagePngTest = RuntimeTest;

ByteArray* MakeBytes(const std::vector<uint8_t>& bytes) {
  ByteArray* array = NewByteArray(static_cast<int32_t>(bytes.size()));
  if (!bytes.empty()) memcpy(array->elements(), bytes.data(), bytes.size());
  return array;
}

Image* Decode(const std::vector<uint8_t>& png) {
  return Image::createImage(MakeBytes(png), 0, static_cast<int32_t>(png.size()));
}

bool HasLineStarting(const TraceCapture& trace, const std::string& prefix) {
  for (const std::string& line : trace.lines()) {
    if (line.rfind(prefix, 0) == 0) return true;
  }
  return false;
}

// A w x h RGB image whose pixel i has the colour colours[i].
std::vector<uint8_t> RgbPng(int w, int h, const std::vector<uint32_t>& colours) {
  PngSpec spec;
  spec.width = w;
  spec.height = h;
  spec.colourType = 2;
  for (uint32_t c : colours) {
    spec.rows.insert(spec.rows.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
  }
  return WritePng(spec);
}

TEST_F(ImagePngTest, APaletteWithTransparencyGivesAKeyedImage) {
  PngSpec spec;
  spec.width = 2;
  spec.height = 2;
  spec.colourType = 3;
  spec.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255};
  spec.paletteAlpha = {0, 128, 255};  // clear, half, opaque
  spec.rows = {0, 1, 2, 1};
  Image* image = Decode(WritePng(spec));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_pixelType, Image::kRgb565Keyed);
  const auto* pixels = reinterpret_cast<uint16_t*>(image->getPixelArray()->elements());
  EXPECT_EQ(pixels[0], 0xF81F);  // the clear entry is the key
  EXPECT_EQ(pixels[1], 0x07E0);  // the half-transparent entry is opaque
  EXPECT_EQ(pixels[2], 0x001F);
  EXPECT_EQ(ArgbOf(image), (std::vector<uint32_t>{0, 0xFF00FF00, 0xFF0000FF, 0xFF00FF00}));
}

TEST_F(ImagePngTest, PixelTypesAndConversions) {
  struct Case {
    const char* name;
    PngSpec spec;
    int32_t type;
    std::vector<uint32_t> argb;
  };
  std::vector<Case> cases;
  {
    PngSpec s;
    s.width = 2;
    s.colourType = 6;
    s.rows = {0x12, 0x34, 0x56, 0x78, 0xFF, 0xFF, 0xFF, 0x00};
    cases.push_back({"RGBA gives ARGB4444", s, Image::kArgb4444, {0x77113355, 0x00FFFFFF}});
  }
  {
    PngSpec s;
    s.width = 2;
    s.colourType = 2;
    s.rows = {0xFF, 0x00, 0xFF, 0x10, 0x20, 0x30};
    cases.push_back({"opaque RGB with magenta is keyed", s, Image::kRgb565Keyed, {0, 0xFF102031}});
  }
  {
    PngSpec s;
    s.width = 2;
    s.colourType = 2;
    s.rows = {0xFF, 0x00, 0xFE, 0x10, 0x20, 0x30};
    cases.push_back({"opaque RGB near magenta", s, Image::kRgb565Keyed, {0, 0xFF102031}});
  }
  {
    PngSpec s;
    s.width = 2;
    s.colourType = 2;
    s.rows = {0xFF, 0x08, 0xFF, 0x10, 0x20, 0x30};
    cases.push_back({"opaque RGB without the key", s, Image::kRgb565, {0xFFFF08FF, 0xFF102031}});
  }
  {
    PngSpec s;
    s.width = 3;
    s.colourType = 0;
    s.rows = {0x00, 0x80, 0xFF};
    cases.push_back({"grey", s, Image::kRgb565, {0xFF000000, 0xFF838183, 0xFFFFFFFF}});
  }
  {
    PngSpec s;
    s.width = 2;
    s.colourType = 0;
    s.bitDepth = 16;
    s.rows = {0xFF, 0x00, 0x80, 0xFF};
    cases.push_back({"16-bit grey", s, Image::kRgb565, {0xFFFFFFFF, 0xFF838183}});
  }
  {
    PngSpec s;
    s.width = 8;
    s.colourType = 0;
    s.bitDepth = 1;
    s.rows = {0xA0};  // 1 0 1 0 0 0 0 0
    cases.push_back({"1-bit grey",
                     s,
                     Image::kRgb565,
                     {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFF000000,
                      0xFF000000, 0xFF000000}});
  }
  {
    PngSpec s;
    s.width = 1;
    s.colourType = 2;
    s.bitDepth = 16;
    s.rows = {0xFF, 0xFF, 0x00, 0x00, 0x10, 0x01};
    cases.push_back({"16-bit RGB", s, Image::kRgb565, {0xFFFF0010}});
  }
  {
    PngSpec s;
    s.width = 2;
    s.colourType = 4;
    s.rows = {0xFF, 0xFF, 0x40, 0x80};
    cases.push_back({"grey with alpha is ARGB4444", s, Image::kArgb4444, {0xFFFFFFFF, 0x88444444}});
  }
  {
    PngSpec s;
    s.width = 2;
    s.colourType = 0;
    s.colourKeyed = true;
    s.keyGrey = 0x40;
    s.rows = {0x40, 0x41};
    cases.push_back({"grey with a key colour", s, Image::kRgb565Keyed, {0, 0xFF414041}});
  }
  {
    PngSpec s;
    s.width = 5;
    s.height = 5;
    s.colourType = 2;
    s.interlaced = true;
    std::vector<uint32_t> argb;
    for (int i = 0; i < 25; i++) {
      s.rows.insert(s.rows.end(), {uint8_t(i * 8), 0, uint8_t(248 - i * 8)});
      argb.push_back(0xFF000000u | uint32_t(i * 255 / 31) << 16 | uint32_t((31 - i) * 255 / 31));
    }
    cases.push_back({"interlaced", s, Image::kRgb565, argb});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> png = WritePng(c.spec);
    ASSERT_FALSE(png.empty());
    TraceCapture trace;
    Image* image = Decode(png);
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(trace.lines().empty());
    EXPECT_FALSE(image->isMutable());
    EXPECT_EQ(image->width, c.spec.width);
    EXPECT_EQ(image->height, c.spec.height);
    EXPECT_EQ(image->m_pixelType, c.type);
    EXPECT_EQ(ArgbOf(image), c.argb);
  }
}

TEST_F(ImagePngTest, AnOddWidthPadsEachRowAndReadsBackByRow) {
  Image* image = Decode(RgbPng(3, 2, {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x0808F8}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->rowLength, 8);
  const auto* pixels = reinterpret_cast<uint16_t*>(image->getPixelArray()->elements());
  EXPECT_EQ(pixels[3], 0);  // the padding pixel of the first row
  EXPECT_EQ(pixels[4], 0xF800);
  IntArray* row = NewIntArray(3);
  image->getRGB(row, 0, 3, 0, 1, 3, 1);
  EXPECT_EQ(static_cast<uint32_t>(row->elements()[0]), 0xFFFF0000u);
  EXPECT_EQ(static_cast<uint32_t>(row->elements()[1]), 0xFFFFFFFFu);
  EXPECT_EQ(static_cast<uint32_t>(row->elements()[2]), 0xFF0808FFu);
}

TEST_F(ImagePngTest, BytesAfterIendAreIgnored) {
  const std::vector<uint8_t> png = RgbPng(2, 1, {0x102030, 0x405060});
  std::vector<uint8_t> longer = png;
  const std::vector<uint8_t> stray = PngChunk("IHDR", IhdrData(9, 9, 8, 6));
  longer.insert(longer.end(), stray.begin(), stray.end());
  longer.insert(longer.end(), {1, 2, 3});
  TraceCapture trace;
  Image* image = Decode(longer);
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(trace.lines().empty());
  EXPECT_EQ(image->width, 2);
  EXPECT_EQ(ArgbOf(image), ArgbOf(Decode(png)));
}

TEST_F(ImagePngTest, ThePngMayStartInsideItsArray) {
  const std::vector<uint8_t> png = RgbPng(1, 1, {0xFFFFFF});
  std::vector<uint8_t> framed = {9, 9, 9};
  framed.insert(framed.end(), png.begin(), png.end());
  framed.insert(framed.end(), {9, 9});
  ByteArray* data = MakeBytes(framed);
  Image* image = Image::nativeCreateImage(data, 3, static_cast<int32_t>(png.size()));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(ArgbOf(image), std::vector<uint32_t>{0xFFFFFFFF});

  struct Case {
    int32_t offset, length;
  };
  for (const Case& c : {Case{-1, 10}, Case{3, -1}, Case{5, static_cast<int32_t>(png.size()) + 1},
                        Case{INT_MAX, INT_MAX}}) {
    TraceCapture trace;
    EXPECT_EQ(Image::createImage(data, c.offset, c.length), nullptr);
    EXPECT_TRUE(HasLineStarting(trace, "createImage: PNG bytes")) << c.offset << " " << c.length;
  }
  TraceCapture trace;
  EXPECT_EQ(Image::createImage(nullptr, 0, 0), nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

TEST_F(ImagePngTest, UnusableHeadersGiveNullWithTheCause) {
  const std::vector<uint8_t> png = RgbPng(2, 2, {1, 2, 3, 4});
  const size_t idat = FindChunk(png, "IDAT");
  const size_t iend = FindChunk(png, "IEND");
  const std::vector<uint8_t> signature(png.begin(), png.begin() + 8);
  auto headerOnly = [&](uint32_t w, uint32_t h, uint8_t colourType) {
    std::vector<uint8_t> bytes = signature;
    const std::vector<uint8_t> ihdr = PngChunk("IHDR", IhdrData(w, h, 8, colourType));
    bytes.insert(bytes.end(), ihdr.begin(), ihdr.end());
    return bytes;
  };
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* line;  // the start of the trace line
  };
  const Case cases[] = {
      {"empty", {}, "createImage: the PNG data has no readable IHDR chunk"},
      {"cut inside the IHDR", std::vector<uint8_t>(png.begin(), png.begin() + 20),
       "createImage: PNG chunk \"IHDR\" at byte 8 declares 13 bytes, past the end of the 20 "
       "bytes of data"},
      {"cut inside IDAT", std::vector<uint8_t>(png.begin(), png.begin() + idat + 12),
       "createImage: PNG chunk \"IDAT\" at byte 33 declares"},
      {"IEND first", InsertAt(signature, 8, PngChunk("IEND", {})),
       "createImage: the PNG data has no readable IHDR chunk"},
      {"no chunks at all, only text", std::vector<uint8_t>(40, 'x'),
       "createImage: PNG chunk \"xxxx\" at byte 8 declares 2021161080 bytes"},
      {"wider than the cap", WritePng([] {
         PngSpec s;
         s.width = 5000;
         s.colourType = 0;
         return s;
       }()),
       "createImage: a PNG of 5000 x 1 pixels is refused"},
      {"width 0", headerOnly(0, 5, 2), "createImage: a PNG of 0 x 5 pixels is refused"},
      {"a width that reads negative", headerOnly(0x80000000u, 5, 2),
       "createImage: a PNG of -2147483648 x 5 pixels is refused"},
      {"within the cap but beyond the data heap", headerOnly(4096, 4096, 6),
       "Image::initPixels: 4096 x 4096 pixels of type 2"},
      {"a later IHDR that libpng never reads",
       InsertAt(png, iend, PngChunk("IHDR", IhdrData(3, 3, 8, 2))),
       "createImage: libpng reads 2 x 2, depth 8, colour type 2 where the header gives 3 x 3"},
  };
  ASSERT_NE(idat, std::string::npos);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCapture trace;
    EXPECT_EQ(Decode(c.bytes), nullptr);
    EXPECT_TRUE(HasLineStarting(trace, c.line)) << (trace.lines().empty() ? "" : trace.lines()[0]);
  }
}

TEST_F(ImagePngTest, LibpngErrorsAfterAGoodHeaderLeaveABlankImage) {
  PngSpec spec;
  spec.width = 4;
  spec.height = 4;
  spec.colourType = 6;
  spec.rows.assign(4 * 4 * 4, 0xC3);
  const std::vector<uint8_t> png = WritePng(spec);
  const size_t idat = FindChunk(png, "IDAT");
  std::vector<uint8_t> badCrc = png;
  badCrc[idat + 8] ^= 0x40;  // the first data byte of IDAT; its CRC no longer matches
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"cut before IDAT", std::vector<uint8_t>(png.begin(), png.begin() + idat)},
      {"IDAT damaged", badCrc},
      {"a critical chunk libpng does not know", InsertAt(png, idat, PngChunk("CRIT", {1, 2, 3}))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCapture trace;
    Image* image = Decode(c.bytes);
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(HasLineStarting(trace, "createImage: PNG error: "));
    EXPECT_EQ(trace.lines().size(), 1u);
    EXPECT_EQ(image->width, 4);
    EXPECT_EQ(image->m_pixelType, Image::kRgb565);
    EXPECT_EQ(ArgbOf(image), std::vector<uint32_t>(16, 0xFF000000));
  }
}

// ---- Ancillary chunks ----------------------------------------------------------------------

// The kinds of ancillary chunk whose data libpng would read whole: texts, compressed and
// international texts, the colour profile, calibration, scale and suggested palette.
const char* const kAncillaryChunks[] = {"tEXt", "zTXt", "iTXt", "iCCP", "pCAL", "sCAL", "sPLT"};

// A chunk of the type whose length field says declared; its data as far as the PNG holds it.
std::vector<uint8_t> DeclaredChunk(const std::string& type, uint32_t declared,
                                   const std::vector<uint8_t>& data) {
  std::vector<uint8_t> chunk = PngChunk(type, data);
  for (int i = 0; i < 4; i++) chunk[i] = static_cast<uint8_t>(declared >> (24 - 8 * i));
  return chunk;
}

// A keyword, its end and the compression method byte, then deflated zeros: what a compressed
// text or a colour profile holds, inflating to far more than the chunk.
std::vector<uint8_t> CompressedChunkData(size_t inflatedSize) {
  std::vector<uint8_t> data = {'k', 'e', 'y', 0, 0};
  const std::vector<uint8_t> zeros(inflatedSize, 0);
  uLongf size = compressBound(zeros.size());
  std::vector<uint8_t> deflated(size);
  compress2(deflated.data(), &size, zeros.data(), zeros.size(), 9);
  data.insert(data.end(), deflated.begin(), deflated.begin() + size);
  return data;
}

// A chunk that claims some 2^30 bytes in a PNG of a few dozen is refused by the header walk:
// libpng never sees the length.
TEST_F(ImagePngTest, AChunkDeclaringMoreThanTheDataIsRefusedBeforeLibpngReadsIt) {
  const std::vector<uint8_t> png = RgbPng(2, 2, {1, 2, 3, 4});
  const size_t idat = FindChunk(png, "IDAT");
  for (const char* type : kAncillaryChunks) {
    SCOPED_TRACE(type);
    TraceCapture trace;
    const std::vector<uint8_t> bytes =
        InsertAt(png, idat, DeclaredChunk(type, (1u << 30) - 7, {'k', 0, 'v'}));
    EXPECT_EQ(Decode(bytes), nullptr);
    ASSERT_EQ(trace.lines().size(), 1u);
    EXPECT_EQ(trace.lines()[0],
              "createImage: PNG chunk \"" + std::string(type) +
                  "\" at byte 33 declares 1073741817 bytes, past the end of the " +
                  std::to_string(bytes.size()) + " bytes of data");
  }
}

// Large ancillary chunks that the data does hold are skipped unread: libpng's largest block
// stays far below the chunk's length (or what it inflates to), and the pixels are those of the
// same image without the chunk.
TEST_F(ImagePngTest, AncillaryChunksAreSkippedWithoutLibpngHoldingThem) {
  const std::vector<uint32_t> colours = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF,
                                         0x102030, 0x405060, 0x708090, 0xA0B0C0};
  const std::vector<uint8_t> png = RgbPng(4, 2, colours);
  const size_t idat = FindChunk(png, "IDAT");
  const std::vector<uint32_t> plain = ArgbOf(Decode(png));
  constexpr size_t kChunkSize = 300 * 1024;
  constexpr size_t kInflatedSize = 16 * 1024 * 1024;
  for (const char* type : kAncillaryChunks) {
    const bool compressed = std::string(type) == "zTXt" || std::string(type) == "iCCP";
    std::vector<uint8_t> data = {'k', 'e', 'y', 0};
    data.resize(kChunkSize, 'v');
    if (compressed) data = CompressedChunkData(kInflatedSize);
    const std::vector<uint8_t> bytes = InsertAt(png, idat, PngChunk(type, data));
    SCOPED_TRACE(testing::Message() << type << ", " << data.size() << " bytes");

    TraceCapture trace;
    Image* image = Decode(bytes);
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(trace.lines().empty()) << trace.lines()[0];
    EXPECT_EQ(ArgbOf(image), plain);

    PngHeader header;
    ByteArray* managed = MakeBytes(bytes);
    ASSERT_EQ(ReadPngHeader(managed, 0, managed->length, &header), 1);
    Image* target = NewObject<Image>();
    ASSERT_TRUE(target->initPixels(header.width, header.height, Image::kRgb565, 0));
    char message[256] = "";
    PngMemoryUse memory;
    EXPECT_EQ(DecodePngToImage(
                  target, header, bytes.data(), bytes.size(),
                  reinterpret_cast<uint16_t*>(static_cast<ShortArray*>(target->pixels)->elements()),
                  message, sizeof message, &memory),
              PngDecodeResult::kDecoded)
        << message;
    EXPECT_GT(memory.requests, 0u);
    EXPECT_LT(memory.largestRequest, 64u * 1024) << "a block the size of the chunk was asked for";
  }
}

// The image and its pixels are made before the PNG bytes are read; when making them compacts
// the data heap and moves the bytes, the decoder must read them where they now are.
class ImagePngMovingDataTest : public ::testing::Test {
 protected:
  void SetUp() override { context_.init(kObjectHeapSize, 256 * 1024); }
  void TearDown() override { context_.close(); }
  ApplicationImpl context_;
  Application& application_ = *context_.application;
};

void DropBody(ByteArray* array) {
  FreeDataMemory(array->body);
  array->body = nullptr;
  array->length = 0;
}

TEST_F(ImagePngMovingDataTest, TheDecoderReadsThePngWhereCompactionMovedIt) {
  // 150 x 150 pixels (45000 bytes) in rows that repeat, so the PNG itself stays small.
  std::vector<uint32_t> colours(150 * 150);
  for (size_t i = 0; i < colours.size(); i++)
    colours[i] = static_cast<uint32_t>(i % 150) * 0x010203u;
  const std::vector<uint8_t> png = RgbPng(150, 150, colours);
  ASSERT_LT(png.size(), 10000u);
  // Holes of 40000 bytes on both sides of the PNG, and 20000 free bytes at the end where the
  // PNG can move: only moving it makes a block big enough for the pixels.
  MemoryManager* heap = application_.dataHeap;
  ByteArray* before = NewByteArray(40000);
  ByteArray* data = MakeBytes(png);
  ByteArray* after = NewByteArray(40000);
  ByteArray* fence = NewByteArray(heap->freeBytes() - 20000 - 4 * heap->headerSize());
  DropBody(before);
  DropBody(after);
  const void* oldBody = data->body;

  Image* image = Image::createImage(data, 0, static_cast<int32_t>(png.size()));
  ASSERT_NE(data->body, oldBody) << "the layout no longer makes the pixels move the PNG";
  ASSERT_NE(image, nullptr);
  EXPECT_GT(fence->length, 0);
  const std::vector<uint32_t> argb = ArgbOf(image);
  for (size_t i = 0; i < 150; i++) {
    const uint16_t p = Graphics::Rgb888ToRgb565(colours[i]);
    const uint32_t expected = 0xFF000000u | uint32_t((p >> 11) * 255 / 31) << 16 |
                              uint32_t(((p >> 5) & 63) * 255 / 63) << 8 |
                              uint32_t((p & 31) * 255 / 31);
    ASSERT_EQ(argb[i], expected) << i;
    ASSERT_EQ(argb[i + 149 * 150], expected) << i;
  }
}

}  // namespace
