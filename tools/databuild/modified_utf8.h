// Java's modified UTF-8, the string encoding of writeUTF and readUTF: each UTF-16 unit on its
// own in one to three bytes (U+0000 as C0 80, each surrogate as three bytes), behind an
// unsigned 16-bit big-endian byte count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/databuild/big_endian_writer.h"

namespace databuild {

// The largest encoding the 16-bit count can describe.
constexpr size_t kMaxModifiedUtf8Length = 65535;

// The bytes of text, without the count.
std::vector<uint8_t> EncodeModifiedUtf8(std::u16string_view text);

// Decodes as readUTF does: a lead byte 0xxxxxxx is one unit (a single 00 byte included),
// 110xxxxx and 1110xxxx take one and two 10xxxxxx bytes; any other lead, a bad continuation
// byte or a sequence cut off by the end gives nullopt.
std::optional<std::u16string> DecodeModifiedUtf8(std::span<const uint8_t> bytes);

// The writeUTF form: count, then bytes. An encoding longer than the count can say is a
// BuildError (writeUTF itself would write a wrong count).
void WriteUtf(BigEndianWriter& out, std::u16string_view text);

}  // namespace databuild
