// Strings to and from bytes: ISO-8859-1, UTF-8 (the zero unit as C0 80, as Java's modified
// UTF-8 writes it) and the raw double-byte "SJIS" codes. Decoders build the text in the
// application's shared StringBuffer and never read past the end of their input.
#include <algorithm>
#include <mutex>

#include "runtime/application.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/modified_utf8.h"
#include "runtime/range_check.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kSharedBufferCapacity = 256;

// Guards the shared decoding buffer. A decoder that finds it taken uses a buffer of its own
// instead of waiting, so no thread ever blocks here while another allocates (an allocation
// may wait for every thread to park for a collection).
std::mutex sharedBufferLock;

enum class Encoding { kLatin1, kUtf8, kSjis, kUnknown };

// Prefix tests, in the device's order: an empty name is taken as UTF-8.
Encoding EncodingNamed(String* name) {
  if (!name) return Encoding::kLatin1;
  if (name->equalsIgnoreCaseChars("UTF-8") || name->equalsIgnoreCaseChars("UTF8"))
    return Encoding::kUtf8;
  if (name->equalsChars("ISO-8859-1")) return Encoding::kLatin1;
  if (name->equalsChars("SJIS")) return Encoding::kSjis;
  return Encoding::kUnknown;
}

// The first characters of a string as 8-bit text, for trace lines.
void PrintableName(String* name, char* out, int32_t size) {
  int32_t n = std::min(name->length(), size - 1);
  for (int32_t i = 0; i < n; i++) {
    char16_t unit = name->characters[i];
    out[i] = unit >= 32 && unit < 127 ? static_cast<char>(unit) : '?';
  }
  out[n] = 0;
}

// The byte at index; read through the array each time, as appending may move its body.
uint8_t ByteAt(ByteArray* bytes, int32_t index) {
  return static_cast<uint8_t>(bytes->elements()[index]);
}

// Bytes in the UTF-8 sequence a lead byte starts, by its high four bits: 0-7 one, 12-13 two,
// 14 three; 0 for a byte that cannot start one (8-11 continue a sequence, 15 starts a form
// longer than 16 bits).
int32_t SequenceSize(uint8_t lead) {
  switch (lead >> 4) {
    case 8:
    case 9:
    case 10:
    case 11:
    case 15:
      return 0;
    case 12:
    case 13:
      return 2;
    case 14:
      return 3;
    default:
      return 1;
  }
}

// Appends the units of UTF-8 bytes to out. A byte that cannot start a unit is skipped and a
// sequence cut off by the end is dropped; continuation bytes are taken as they come (their
// low six bits). Returns the number of bytes skipped or dropped.
int32_t DecodeUtf8(ByteArray* bytes, Span span, StringBuffer* out) {
  int32_t skipped = 0;
  int32_t i = span.begin;
  while (i < span.end) {
    uint8_t lead = ByteAt(bytes, i);
    int32_t size = SequenceSize(lead);
    if (size == 0) {
      skipped++;
      i++;
      continue;
    }
    if (size > span.end - i) {
      skipped += span.end - i;
      break;
    }
    int32_t unit = lead;
    if (size == 2) unit = ((lead & 0x1F) << 6) | (ByteAt(bytes, i + 1) & 0x3F);
    if (size == 3) {
      unit = ((lead & 0x0F) << 12) | ((ByteAt(bytes, i + 1) & 0x3F) << 6) |
             (ByteAt(bytes, i + 2) & 0x3F);
    }
    out->append(static_cast<char16_t>(unit));
    i += size;
  }
  return skipped;
}

// A byte of 0x80-0x9F or 0xE0-0xFF leads a two-byte code, kept raw as (lead << 8) | next;
// any other byte is its own unit. A lead byte with nothing after it is dropped.
int32_t DecodeSjis(ByteArray* bytes, Span span, StringBuffer* out) {
  for (int32_t i = span.begin; i < span.end; i++) {
    uint8_t b = ByteAt(bytes, i);
    bool lead = b >= 0x80 && (b < 0xA0 || b >= 0xE0);
    if (!lead) {
      out->append(static_cast<char16_t>(b));
      continue;
    }
    if (i + 1 == span.end) return 1;
    out->append(static_cast<char16_t>((b << 8) | ByteAt(bytes, ++i)));
  }
  return 0;
}

// The application's decoding buffer, made on first use; the caller holds sharedBufferLock.
StringBuffer* GetSharedStringBuffer() {
  Application* application = GetApplication();
  if (!application) return nullptr;
  if (!application->sharedStringBuffer) {
    application->sharedStringBuffer = NewObject<StringBuffer>(kSharedBufferCapacity);
  }
  return application->sharedStringBuffer;
}

}  // namespace

// ---- Bytes to strings ---------------------------------------------------------------------

String::String(ByteArray* bytes, int32_t offset, int32_t length)
    : String(bytes, offset, length, nullptr) {}

String::String(ByteArray* bytes) : String(bytes, 0, bytes ? bytes->length : 0, nullptr) {}

String::String(ByteArray* bytes, String* encoding)
    : String(bytes, 0, bytes ? bytes->length : 0, encoding) {}

String::String(ByteArray* bytes, int32_t offset, int32_t length, String* encoding) : String() {
  if (!NullCheck(bytes)) return;
  Span span = ClampRange("String(byte[],int,int)", offset, static_cast<int64_t>(offset) + length,
                         bytes->length);
  Encoding kind = EncodingNamed(encoding);
  if (kind == Encoding::kUnknown) {
    char name[64];
    PrintableName(encoding, name, sizeof name);
    DebugLog("String: unknown encoding \"%s\", the text is left empty", name);
    return;
  }
  if (kind == Encoding::kLatin1) {
    initFilled(span.size(), [&](char16_t* out) {
      for (int32_t i = 0; i < span.size(); i++) out[i] = ByteAt(bytes, span.begin + i);
    });
    return;
  }
  std::unique_lock<std::mutex> lock(sharedBufferLock, std::try_to_lock);
  StringBuffer* buffer = lock.owns_lock() ? GetSharedStringBuffer() : nullptr;
  if (!buffer) buffer = NewObject<StringBuffer>(kSharedBufferCapacity);
  if (!buffer) return;
  buffer->setLength(0);
  buffer->ensureCapacity(span.size() + 1);  // never more units than bytes
  int32_t skipped =
      kind == Encoding::kUtf8 ? DecodeUtf8(bytes, span, buffer) : DecodeSjis(bytes, span, buffer);
  if (skipped > 0) {
    DebugLog("String: %d malformed %s byte(s) skipped", skipped,
             kind == Encoding::kUtf8 ? "UTF-8" : "SJIS");
  }
  initFromBuffer(buffer);
}

// ---- Strings to bytes ---------------------------------------------------------------------

ByteArray* String::getBytes() {
  ByteArray* bytes = NewByteArray(length());
  if (!bytes) return nullptr;
  // Our characters are read after the array is made: making it may move them.
  for (int32_t i = 0; i < bytes->length; i++)
    bytes->elements()[i] = static_cast<int8_t>(characters[i]);
  return bytes;
}

ByteArray* String::getBytes(String* encoding) {
  if (!NullCheck(encoding)) return nullptr;
  if (EncodingNamed(encoding) != Encoding::kUtf8) {
    char name[64];
    PrintableName(encoding, name, sizeof name);
    DebugLog("String::getBytes: encoding \"%s\" not supported", name);
    return nullptr;
  }
  const int64_t size = ModifiedUtf8Length(characters, length());
  if (size > INT32_MAX) {
    DebugLog("String::getBytes: %lld bytes are too many", static_cast<long long>(size));
    return nullptr;
  }
  ByteArray* bytes = NewByteArray(static_cast<int32_t>(size));
  if (!bytes || bytes->length != size) return bytes;
  // Our characters are read after the array is made: making it may move them.
  EncodeModifiedUtf8(characters, length(), reinterpret_cast<uint8_t*>(bytes->elements()));
  return bytes;
}

// ---- Modified UTF-8 -----------------------------------------------------------------------

int64_t ModifiedUtf8Length(const char16_t* units, int32_t count) {
  int64_t size = 0;
  for (int32_t i = 0; i < count; i++) {
    const char16_t u = units[i];
    size += u >= 1 && u <= 127 ? 1 : u <= 2047 ? 2 : 3;
  }
  return size;
}

void EncodeModifiedUtf8(const char16_t* units, int32_t count, uint8_t* out) {
  for (int32_t i = 0; i < count; i++) {
    const char16_t u = units[i];
    if (u >= 1 && u <= 127) {
      *out++ = static_cast<uint8_t>(u);
    } else if (u <= 2047) {
      *out++ = static_cast<uint8_t>(0xC0 | ((u >> 6) & 0x1F));
      *out++ = static_cast<uint8_t>(0x80 | (u & 0x3F));
    } else {
      *out++ = static_cast<uint8_t>(0xE0 | (u >> 12));
      *out++ = static_cast<uint8_t>(0x80 | ((u >> 6) & 0x3F));
      *out++ = static_cast<uint8_t>(0x80 | (u & 0x3F));
    }
  }
}
