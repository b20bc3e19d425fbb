// cGame's text utilities: UTF-8 decoding of the text table's bytes and numbers written with
// three-digit groups. Both read only inside the bytes they are given.
#include <string>

#include "game/cgame.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kEmpty = 46;         // string constant: the empty string
constexpr int32_t kPadTwoZeros = 308;  // before a group below 10
constexpr int32_t kPadOneZero = 238;   // before a group below 100
constexpr int32_t kSeparatorA = 307;   // kinds 0, 7, 8, 9
constexpr int32_t kSeparatorB = 306;   // kinds 1, 5; 11, 14 from 10000
constexpr int32_t kSeparatorC = 151;   // kinds 3, 12, 13; 2, 4, 6, 10 from 10000

bool IsContinuation(int32_t byte) {
  return (byte & 0xC0) == 0x80;
}

// The units of UTF-8 bytes[0 .. length - 1]; false at the first malformed sequence. Lead
// bytes 0xF0..0xFF are taken as three-byte leads (their low four bits used), as 0xE0..0xEF.
bool DecodeUnits(const uint8_t* bytes, int32_t length, std::u16string* units) {
  int32_t pos = 0;
  while (pos < length) {
    const int32_t c = bytes[pos];
    if (c < 0x80) {
      units->push_back(static_cast<char16_t>(c));
      pos += 1;
    } else if ((c & 0xE0) == 0xE0 && pos + 2 < length && IsContinuation(bytes[pos + 1]) &&
               IsContinuation(bytes[pos + 2])) {
      units->push_back(static_cast<char16_t>((c & 0x0F) << 12 | (bytes[pos + 1] & 0x3F) << 6 |
                                             (bytes[pos + 2] & 0x3F)));
      pos += 3;
    } else if ((c & 0xC0) == 0xC0 && pos + 1 < length && IsContinuation(bytes[pos + 1])) {
      units->push_back(static_cast<char16_t>((c & 0x1F) << 6 | (bytes[pos + 1] & 0x3F)));
      pos += 2;
    } else {
      return false;
    }
  }
  return true;
}

String* StringOfUnits(const std::u16string& units) {
  String* string = NewObject<String>();
  if (string) string->initFromUnits(units.data(), 0, static_cast<int32_t>(units.size()));
  return string;
}

std::u16string Constant(int32_t n) {
  String* text = GetConstantString(n);
  return text ? std::u16string(text->characters, text->length()) : std::u16string();
}

std::u16string Decimal(int32_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

// The separator constant of kind for n, -1 for no grouping, kEmpty for an empty separator.
int32_t SeparatorOf(int32_t kind, int32_t n) {
  switch (kind) {
    case 0:
    case 7:
    case 8:
    case 9:
      return kSeparatorA;
    case 1:
    case 5:
      return kSeparatorB;
    case 2:
    case 4:
    case 6:
    case 10:
      return n >= 10000 ? kSeparatorC : kEmpty;
    case 3:
    case 12:
    case 13:
      return kSeparatorC;
    case 11:
    case 14:
      return n >= 10000 ? kSeparatorB : kEmpty;
    default:
      return -1;
  }
}

}  // namespace

String* cGame::decodeUtf8(ByteArray* data, int32_t off, int32_t len) {
  if (!NullCheck(data)) return GetConstantString(kEmpty);
  if (!BytesInside("cGame::decodeUtf8", off, len, data->length)) return GetConstantString(kEmpty);
  std::u16string units;
  const auto* bytes = reinterpret_cast<const uint8_t*>(data->elements() + off);
  if (!DecodeUnits(bytes, len, &units)) return GetConstantString(kEmpty);
  return StringOfUnits(units);
}

// Groups are written from the right; the leading group is written without padding.
String* cGame::formatNumber(int32_t n, int32_t kind) {
  const int32_t separatorId = SeparatorOf(kind, n);
  if (n < 1000 || separatorId < 0) return StringOfUnits(Constant(kEmpty) + Decimal(n));
  const std::u16string separator = Constant(separatorId);
  std::u16string result = Constant(kEmpty);
  int32_t group = n % 1000;
  int32_t rest = n / 1000;
  while (group != 0 || rest != 0) {
    const std::u16string padding = group < 10    ? Constant(kPadTwoZeros)
                                   : group < 100 ? Constant(kPadOneZero)
                                                 : u"";
    result = padding + Decimal(group) + result;
    group = rest % 1000;
    rest = rest / 1000;
    if (rest != 0) {
      result = separator + result;
    } else if (group != 0) {
      result = Decimal(group) + separator + result;
      group = 0;
    }
  }
  return StringOfUnits(result);
}
