// One seed source per fuzz target, listed in kSeedSources under the target's name; the Ogg,
// MP3 and AMR targets' sources need the builder program's encoders and are added in
// BuildFuzzSeeds.
#include "tools/databuild/fuzz_seeds.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "tools/databuild/app_descriptor_writer.h"
#include "tools/databuild/app_properties.h"
#include "tools/databuild/archive_writer.h"
#include "tools/databuild/big_endian_writer.h"
#include "tools/databuild/bitmap_fonts.h"
#include "tools/databuild/boot_sprites.h"
#include "tools/databuild/build_error.h"
#include "tools/databuild/constants_writer.h"
#include "tools/databuild/data_cursor_writer.h"
#include "tools/databuild/data_set.h"
#include "tools/databuild/game_texts.h"
#include "tools/databuild/http_response_writer.h"
#include "tools/databuild/layout_writer.h"
#include "tools/databuild/level_plan.h"
#include "tools/databuild/level_writer.h"
#include "tools/databuild/little_endian.h"
#include "tools/databuild/loader_content.h"
#include "tools/databuild/loader_tables_writer.h"
#include "tools/databuild/lzma_writer.h"
#include "tools/databuild/maths_tables.h"
#include "tools/databuild/midi_writer.h"
#include "tools/databuild/modified_utf8.h"
#include "tools/databuild/pack_writer.h"
#include "tools/databuild/particle_content.h"
#include "tools/databuild/particle_definitions_writer.h"
#include "tools/databuild/png_writer.h"
#include "tools/databuild/sound_content.h"
#include "tools/databuild/sound_fixtures.h"
#include "tools/databuild/sound_synth.h"
#include "tools/databuild/sprite_writer.h"
#include "tools/databuild/string_constants.h"
#include "tools/databuild/text_table_writer.h"
#include "tools/databuild/value_tree_writer.h"
#include "tools/databuild/wav_writer.h"

namespace databuild {

namespace {

using Seed = std::vector<uint8_t>;

// UTF-16 units, low byte first: the form in which modified_utf8_round_trip reads its text.
Seed Utf16Bytes(std::u16string_view text) {
  Seed bytes;
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

// One control byte, then the bytes of a text: the form of the network targets' inputs.
Seed ByteThenText(uint8_t first, std::string_view text) {
  Seed bytes(1 + text.size());
  bytes[0] = first;
  std::copy(text.begin(), text.end(), bytes.begin() + 1);
  return bytes;
}

// Every text of the constant table, and the units at the edges of the encoding (U+0000, the
// two- and three-byte limits, a surrogate pair), each as units and as encoded bytes.
std::vector<Seed> ModifiedUtf8Seeds() {
  std::vector<Seed> seeds;
  for (const StringConstant& constant : StringConstantTable()) {
    seeds.push_back(Utf16Bytes(constant.text));
  }
  using namespace std::string_view_literals;  // u"\0"sv keeps its one unit
  constexpr std::u16string_view kEdges[] = {u"\0"sv, u"\u007F\u0080"sv, u"\u07FF\u0800"sv,
                                            u"\u20AC\uFFFF"sv, u"\U0001F600"sv};
  for (const std::u16string_view text : kEdges) {
    seeds.push_back(Utf16Bytes(text));
    seeds.push_back(EncodeModifiedUtf8(text));
  }
  std::sort(seeds.begin(), seeds.end());
  seeds.erase(std::unique(seeds.begin(), seeds.end()), seeds.end());
  return seeds;
}

// Payloads of the builder's LZMA writer: small texts, runs and mixed bytes under several
// coder settings, and a long one cut short (its end reads as 0xFF).
std::vector<Seed> LzmaSeeds() {
  std::string text;
  for (const StringConstant& constant : StringConstantTable()) {
    for (const char16_t unit : constant.text) text.push_back(static_cast<char>(unit));
    text.push_back('\n');
    if (text.size() > 2000) break;
  }
  Seed runs;
  for (int i = 0; i < 600; i++) runs.push_back(static_cast<uint8_t>(i / 37 % 3 == 0 ? 0 : i % 7));
  Seed mixed;
  uint32_t state = 1;
  for (int i = 0; i < 300; i++) {
    state = state * 1664525 + 1013904223;
    mixed.push_back(static_cast<uint8_t>(state >> 24));
  }
  const std::vector<Seed> inputs = {{}, {'A'}, Seed(text.begin(), text.end()), runs, mixed};
  constexpr LzmaSettings kSettings[] = {{3, 0, 2, 1 << 16}, {0, 2, 0, 4096}, {1, 1, 4, 4096}};
  std::vector<Seed> seeds;
  for (const Seed& input : inputs) {
    for (const LzmaSettings& settings : kSettings) {
      seeds.push_back(WriteLzmaPayload(input, settings));
    }
  }
  Seed cut = WriteLzmaPayload(Seed(text.begin(), text.end()));
  cut.resize(cut.size() / 2);
  seeds.push_back(cut);
  return seeds;
}

// The data set's own constants.bin, whole and cut inside a string, and small pools: none,
// and one with U+0000 and U+20AC.
std::vector<Seed> ConstantPoolSeeds() {
  const Seed whole = WriteConstantsFile(StringConstantTable());
  const StringConstant small[] = {{0, std::u16string_view(u"\0 and \u20AC", 7), "seed"},
                                  {1, u"", "seed"}};
  return {whole, Seed(whole.begin(), whole.begin() + whole.size() / 2), WriteConstantsFile({}),
          WriteConstantsFile(small)};
}

// data_input_stream reads a 16-bit limit, then operation bytes, each followed by what its read
// takes: 0 readBoolean, 1 readShort, 2 readInt, 3 readLong, 4 skipBytes (a count byte),
// 5 readFully (a length byte), 6 readUTF, 7 an array read. Seeds run every read over good
// data, then the same cut short by the limit, and a text whose second byte is no continuation.
std::vector<Seed> DataInputStreamSeeds() {
  BigEndianWriter script;
  script.writeU8(0);
  script.writeU8(1);
  script.writeU8(1);
  script.writeU16(0xFFFE);
  script.writeU8(2);
  script.writeI32(-2);
  script.writeU8(3);
  script.writeI32(0x01020304);
  script.writeI32(0x05060708);
  script.writeU8(4);
  script.writeU8(2);
  script.writeU16(0);
  script.writeU8(5);
  script.writeU8(3);
  script.writeBytes(std::vector<uint8_t>{7, 8, 9});
  script.writeU8(6);
  using namespace std::string_view_literals;  // u"\0"sv keeps its one unit
  WriteUtf(script, u"Plimora \u20AC \0 \U0001F600"sv);
  script.writeU8(7);
  script.writeBytes(std::vector<uint8_t>(16, 0x5A));
  const Seed& ops = script.bytes();

  auto withLimit = [](uint16_t limit, std::span<const uint8_t> body) {
    Seed seed = {static_cast<uint8_t>(limit >> 8), static_cast<uint8_t>(limit)};
    seed.insert(seed.end(), body.begin(), body.end());
    return seed;
  };
  const Seed malformed = {6, 0x00, 0x02, 0xC3, 0x28};
  return {withLimit(0xFFFF, ops), withLimit(static_cast<uint16_t>(ops.size() / 2), ops),
          withLimit(0xFFFF, malformed)};
}

// image_natives reads its whole input as PNG bytes and its last 128 bytes as 32 little-endian
// int32 arguments: 0 colour (and pixel type % 3 of its own source), 1-4 setClip, 5-6
// translate, 7-14 drawRegion, 15 the drawRGB array's length, 16-22 drawRGB, 23 the getRGB
// array's length, 24-29 getRGB, 30-31 arc angles. Seeds are small PNGs of every colour type,
// each followed by argument sets that draw, turn, clip and read back.
std::vector<Seed> ImageNativesSeeds() {
  const std::vector<PngPicture> pictures = {
      {3, 2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 0, 255, 9, 9, 9, 200, 100, 50}, {}, {}},
      {2, 2, 3, {0, 1, 2, 1}, {255, 0, 0, 0, 255, 0, 0, 0, 255}, {0, 128}},
      {2, 2, 6, {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 40, 40, 40, 255}, {}, {}},
      {4, 1, 0, {0, 85, 170, 255}, {}, {}},
      {2, 1, 4, {200, 0, 100, 255}, {}, {}},
      {5, 3, 2, std::vector<uint8_t>(45, 0x7F), {}, {}},
  };
  const std::vector<std::vector<int32_t>> argumentSets = {
      {0xFFFFFF, 0, 0, 32, 24, 1, 1, 0,  0, 2, 2, 0, 4, 4, 0, 16,
       0,        4, 2, 2,  4,  4, 1, 16, 0, 2, 0, 0, 2, 2, 0, 360},
      {0x00FF00, -3, 2,  20, 30, 0, -1, 0, 0, 2,  1, 5, 30, 20, 40, 24,
       20,       -4, -1, 0,  4,  3, 0,  8, 6, -2, 0, 0, 1,  1,  90, 180},
  };
  std::vector<Seed> seeds;
  for (const PngPicture& picture : pictures) {
    for (const std::vector<int32_t>& arguments : argumentSets) {
      Seed seed = EncodePng(picture);
      for (const int32_t value : arguments) PutU32(seed, static_cast<uint32_t>(value));
      seeds.push_back(std::move(seed));
    }
  }
  return seeds;
}

// The data set's own "app.jad", and descriptors with what the reader must get through: LF
// and bare CR line ends, no last line end, blank lines, lines without ':', colons in a value,
// a repeated key, an empty key or value, and bytes above 127.
std::vector<Seed> AppDescriptorSeeds() {
  const Seed written = WriteAppDescriptor(AppPropertyTable());
  const std::string_view texts[] = {
      "MIDlet-Name: Game\nMIDlet-Version:1.0",
      "\n\nno colon here\r\nTime: 10:30\r\n\r\n",
      "Key: first\nKey: second\n : empty key\nEmpty:\n",
      "a:b\rc:d\n\te\t:\t f \t\n",
      "Caf\xE9: cr\xE8me \xFF\n:",
  };
  std::vector<Seed> seeds = {written};
  for (const std::string_view text : texts) seeds.emplace_back(text.begin(), text.end());
  return seeds;
}

// A short sound of each layout: 8-bit mono (a game effect), 16-bit mono, 16-bit stereo.
std::vector<PcmSound> ShortSounds() {
  std::vector<PcmSound> sounds = {GameSound(13)};
  for (const uint16_t channels : {1, 2}) {
    SoundMix mix(channels == 1 ? 44100 : 8000, channels);
    mix.add({Wave::kSine, 440, 880, 20, 12000, 2, 5}, 0);
    sounds.push_back(mix.take(16));
  }
  return sounds;
}

// wav_header reads its whole input as a sound file. Seeds: a WAV of each layout, one whose
// PCM is empty, one whose data length runs past the file's end, one cut inside the header.
std::vector<Seed> WavHeaderSeeds() {
  std::vector<Seed> seeds;
  for (const PcmSound& sound : ShortSounds()) seeds.push_back(WriteWav(sound));
  seeds.push_back(WriteWav(PcmSound{}));
  Seed overlong = seeds.back();
  overlong[41] = 0x10;  // data length 4096, no bytes behind it
  seeds.push_back(overlong);
  seeds.push_back(Seed(seeds.front().begin(), seeds.front().begin() + 30));
  return seeds;
}

// ogg_player reads its whole input as an Ogg Vorbis file. Seeds: the short sounds encoded by
// the builder program's encoder, a stream without audio, and one cut short.
std::vector<Seed> OggPlayerSeeds(OggEncoder encode) {
  std::vector<Seed> seeds;
  for (const PcmSound& sound : ShortSounds()) seeds.push_back(encode(sound));
  seeds.push_back(encode(PcmSound{}));
  const Seed& mono = seeds.front();
  seeds.push_back(Seed(mono.begin(), mono.begin() + mono.size() * 3 / 4));
  return seeds;
}

// Seeds of an encoded sound: the sound, the same cut at three quarters, and the first bytes.
std::vector<Seed> EncodedSeeds(SoundEncoder encode, const std::vector<PcmSound>& sounds) {
  std::vector<Seed> seeds;
  for (const PcmSound& sound : sounds) seeds.push_back(encode(sound));
  const Seed first = seeds.front();
  seeds.push_back(Seed(first.begin(), first.begin() + first.size() * 3 / 4));
  seeds.push_back(Seed(first.begin(), first.begin() + std::min<size_t>(first.size(), 12)));
  return seeds;
}

// A short tone of the rate and channels.
PcmSound ShortTone(uint32_t rate, uint16_t channels) {
  SoundMix mix(rate, channels);
  mix.add({Wave::kSine, 440, 660, 60, 12000, 2, 5}, 0);
  return mix.take(16);
}

// midi_file reads its whole input as a standard MIDI file. Seeds: both fixture tunes, a tune of
// every event kind the reader knows (system exclusive, a meta text, pitch bend, pressure), and
// the first tune cut inside its track.
std::vector<Seed> MidiFileSeeds() {
  MidiSong every{0, 480, {{ProgramChange(0, 9, 0), NoteOn(0, 9, 36, 120), NoteOff(240, 9, 36)}}};
  every.tracks[0].push_back({0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7}});
  every.tracks[0].push_back({0, {0xFF, 0x01, 0x02, 'h', 'i'}});
  every.tracks[0].push_back({10, {0xE0, 0x00, 0x40}});
  every.tracks[0].push_back({10, {0xD0, 0x40}});
  every.tracks[0].push_back({10, {0xB0, 0x07, 0x64}});
  const Seed tune = WriteMidi(MidiFixtureFormat0());
  return {tune, WriteMidi(MidiFixtureFormat1()), WriteMidi(every),
          Seed(tune.begin(), tune.begin() + tune.size() / 2)};
}

// text_arguments reads 16 little-endian int32 arguments, then the text as UTF-16 units: 0
// anchor, 1-2 x and y, 3-4 offset and length, 5-8 clip, 9-10 translation, 11 colour, 12 the
// operation (% 4: string, substring, chars, char). Seeds: texts with every anchor, across each
// edge of the screen, controls and a surrogate pair.
std::vector<Seed> TextArgumentsSeeds() {
  const std::vector<std::vector<int32_t>> arguments = {
      {0, 10, 10, 0, 5, 0, 0, 480, 800, 0, 0, 0xFFFFFF, 0, 0, 0, 0},
      {17, 240, 400, 1, 3, 10, 10, 300, 300, 5, -5, 0xFF00FF, 1, 0, 0, 0},
      {24, 2, -4, 0, 4, 0, 0, 480, 800, 0, 0, 0x00FF00, 2, 0, 0, 0},
      {33, 479, 801, 2, 2, -20, -20, 900, 900, -3, 7, 0x0000FF, 3, 0, 0, 0},
      {68, -30, 12, 0, 100, 0, 0, 480, 800, 470, 790, 0xF81F, 0, 0, 0, 0},
  };
  const std::u16string_view texts[] = {u"Plimora", u"xy	z", u"😀 A", u"W", u"Été ￿"};
  std::vector<Seed> seeds;
  for (size_t i = 0; i < arguments.size(); i++) {
    Seed seed;
    for (const int32_t value : arguments[i]) PutU32(seed, static_cast<uint32_t>(value));
    const Seed units = Utf16Bytes(texts[i]);
    seed.insert(seed.end(), units.begin(), units.end());
    seeds.push_back(std::move(seed));
  }
  return seeds;
}

// The start of the data set's own "data.bar" (its index and first entries; the later entries
// then lie past the end), the same cut inside its index, and a small archive with names that
// differ only in case (written by hand: the writer refuses them).
std::vector<Seed> ArchiveIndexSeeds() {
  const Seed archive = BuildDataSet().front().bytes;
  const Seed whole(archive.begin(), archive.begin() + std::min<size_t>(archive.size(), 16384));
  const ArchiveEntry small[] = {{"a", {'x'}}, {"b/c.bin", {1, 2, 3}}};
  BigEndianWriter twins;
  twins.writeU16(2);
  for (const char16_t* name : {u"Same", u"same"}) {
    WriteUtf(twins, name);
    twins.writeI32(24);
    twins.writeI32(1);
  }
  twins.writeU8('!');
  return {whole, Seed(whole.begin(), whole.begin() + 40), WriteArchive(small), twins.take()};
}

// data_cursor's input: an operation count k, k operation bytes (the low 3 bits: 0 readByte,
// 1 readShort, 2 readInt, 3 readIntArray, 4 readShortArray, 5 readByteArray, 6 and 7 cursor
// moves), then the data, which is also both entries of the maths and data packs. Seeds: the
// data set's own maths tables with no operations, and every read over the builder's layout,
// then the same cut short.
std::vector<Seed> DataCursorSeeds() {
  auto withOps = [](std::span<const uint8_t> ops, std::span<const uint8_t> data) {
    Seed seed = {static_cast<uint8_t>(ops.size())};
    for (const uint8_t op : ops) seed.push_back(op);
    for (const uint8_t byte : data) seed.push_back(byte);
    return seed;
  };
  DataCursorWriter mixed;
  mixed.writeByte(-2);
  mixed.writeShort(-300);
  mixed.writeInt(0x12345678);
  mixed.writeIntArray(std::vector<int32_t>{1, -1});
  mixed.writeShortArray(std::vector<int32_t>{7, 65535});
  mixed.writeByteArray(std::vector<int32_t>{1, 2, 3});
  const Seed& all = mixed.bytes();
  const std::vector<uint8_t> everyRead = {0, 1, 2, 3, 4, 5, 6 | 4 << 3, 2, 7 | 1 << 3, 0};
  return {withOps(Seed{}, WriteAngleTables()),
          withOps(Seed{}, WriteBoardTables()),
          withOps(Seed{}, WriteValueTree(ValueNode::Ints(FixedCosineTable()))),
          withOps(Seed{}, WriteValueTree(ValueNode::Ints(FixedSquareRootTable()))),
          withOps(everyRead, all),
          withOps(everyRead, std::span<const uint8_t>(all).first(all.size() - 5))};
}

// pack_reader's input: the base file and part 1 behind 16-bit big-endian lengths, then part 2.
Seed PackInput(const Pack& pack) {
  const std::vector<ArchiveEntry> files = WritePack(pack);
  Seed seed;
  for (size_t k = 0; k < 3; k++) {
    const Seed empty;
    const Seed& file = k < files.size() ? files[k].bytes : empty;
    if (k < 2) {
      seed.push_back(static_cast<uint8_t>(file.size() >> 8));
      seed.push_back(static_cast<uint8_t>(file.size()));
    }
    seed.insert(seed.end(), file.begin(), file.end());
  }
  return seed;
}

std::vector<Seed> ValueTreeSeeds() {
  using Node = ValueNode;
  return {
      WriteValueTree(Node::Ints({-1, 1, 70000, -40000})),
      WriteValueTree(Node::Objects({Node::Bytes({1, 2, 255}), Node::Shorts({-300, 7}),
                                    Node::Objects({Node::Ints({}), Node::Objects({})})})),
      WriteValueTree(Node::Bytes(std::vector<int32_t>(300, 9))),
  };
}

// Packs over three parts with plain, LZMA, empty and value-tree entries, and one part alone.
std::vector<Seed> PackReaderSeeds() {
  const Seed tree = ValueTreeSeeds()[1];
  const Seed text = {'p', 'l', 'a', 'i', 'n'};
  Pack parts{"p",
             {PackEntry::Plain(0, tree), PackEntry::Lzma(3, text), PackEntry::Empty(),
              PackEntry::Plain(126, text), PackEntry::Lzma(0, tree), PackEntry::Plain(9, {})},
             {0, 2, 4}};
  Pack single{"p", {PackEntry::Plain(1, text), PackEntry::Lzma(2, tree)}, {0}};
  return {PackInput(parts), PackInput(single)};
}

std::vector<Seed> TextTableSeeds() {
  const std::vector<std::string> small = {"abc", "",
                                          "d\xC3\xA9"
                                          "f",
                                          "\xE2\x82\xAC 1,000"};
  return {WriteTextTable(GameTexts()), WriteTextTable(small), {3, 0, 0, 0, 3, 0, 0, 0}};
}

// Record stores as record_store_open reads them (an index file behind its uint16 length, then
// each record behind its own): the game's progress store, a store with a record deleted and an
// empty one, an empty index left by an old delete, and indexes cut short, with ids below 1 or
// repeated, or with the largest last id.
std::vector<Seed> RecordStoreSeeds() {
  auto store = [](std::vector<int32_t> index, size_t keep, std::vector<Seed> records) {
    BigEndianWriter file;
    for (const int32_t value : index) file.writeI32(value);
    BigEndianWriter seed;
    keep = std::min(keep, file.bytes().size());
    seed.writeU16(static_cast<uint16_t>(keep));
    seed.writeBytes(std::span(file.bytes()).first(keep));
    for (const Seed& record : records) {
      seed.writeU16(static_cast<uint16_t>(record.size()));
      seed.writeBytes(record);
    }
    return seed.take();
  };
  const Seed progress(264, 0x5A);
  const size_t whole = SIZE_MAX;
  return {store({1, 1, 1}, whole, {progress}),
          store({3, 2, 1, 3}, whole, {{'o', 'n', 'e'}, {}, {'t', 'h', 'r', 'e', 'e'}}),
          store({0, 0}, whole, {}),
          store({}, 0, {{'x'}}),
          store({9, 3, 4}, 11, {{'a'}, {'b'}, {'c'}, {'d'}}),
          store({2, 5, 3, 0, -1, 3, 1}, whole, {{'a'}, {}, {'c'}}),
          store({0x7FFFFFFF, 1, 0x7FFFFFFF}, whole, {{'m'}})};
}

// calendar_fields reads a zone (int32 raw offset; two rules of month, day, day of week and
// time / 400000 as bytes; int16 savings in minutes), an int64 time, then steps of an operation
// byte, a field byte and an int32 value. Seeds: zones that switch in each rule mode, each at a
// time near one of its switches, with every kind of step.
std::vector<Seed> CalendarFieldsSeeds() {
  struct ZoneSeed {
    int32_t raw;
    int8_t start[4];
    int8_t end[4];
    int16_t savings;
    int64_t time;
  };
  constexpr int32_t kHour = 3600000;
  const ZoneSeed zones[] = {
      {-5 * kHour, {2, 8, -1, 18}, {10, 1, -1, 18}, 60, 1236495600000},  // US-like
      {kHour, {2, -1, 1, 9}, {9, -1, 1, 9}, 60, 1238288400000},          // last Sundays
      {10 * kHour, {9, 1, 1, 18}, {3, 1, 1, 27}, 60, 1231977600000},     // southern
      {0, {0, 1, 0, 0}, {11, 31, 0, 108}, 2880, 1262217600000},          // two days
      {0, {2, -25, -1, 0}, {9, -25, -1, 0}, 30, -12219292800000},        // on or before
  };
  // (operation, field, value): set month 13, get the day of week, the time, a far time, the
  // texts, an offset, the zone, the fields' ranges; a bad field.
  const int32_t steps[][3] = {{0, 2, 13},  {1, 7, 0},       {2, 0, 0}, {3, 30, 123456789},
                              {4, 0, 0},   {5, 0x45, 2009}, {6, 1, 0}, {7, 0, 0},
                              {0, 11, 25}, {0, 3, 1},       {4, 0, 0}, {7, 0, 0}};
  std::vector<Seed> seeds;
  for (const ZoneSeed& zone : zones) {
    Seed seed;
    PutU32(seed, static_cast<uint32_t>(zone.raw));
    for (int8_t value : zone.start) seed.push_back(static_cast<uint8_t>(value));
    for (int8_t value : zone.end) seed.push_back(static_cast<uint8_t>(value));
    PutU16(seed, static_cast<uint16_t>(zone.savings));
    PutU32(seed, static_cast<uint32_t>(zone.time));
    PutU32(seed, static_cast<uint32_t>(static_cast<uint64_t>(zone.time) >> 32));
    for (const auto& step : steps) {
      seed.push_back(static_cast<uint8_t>(step[0]));
      seed.push_back(static_cast<uint8_t>(step[1]));
      PutU32(seed, static_cast<uint32_t>(step[2]));
    }
    seeds.push_back(seed);
  }
  return seeds;
}

// font_text reads a header (anchor, half the wrapping width, scale, restore and limit; u16
// table bytes, u16 sprite bytes), a character table as shorts, a font sprite and a text as
// UTF-16 units. Seeds: the body font with its table and texts with every escape; the same
// texts over a font whose metrics frame is short and whose table is cut.
std::vector<Seed> FontTextSeeds() {
  std::vector<uint8_t> table;
  for (const int32_t v : FontCharMap()) PutU16(table, static_cast<uint32_t>(v) & 0xFFFF);
  const std::vector<uint8_t> font = WriteSprite(FontSprite(FontKind::kBody));
  SpriteData small;
  SpriteModule box;
  box.kind = ModuleKind::kEmptyBox;
  small.modules.push_back(box);
  const SpriteFModule parts[] = {{0, 0, -4, 0}, {0, 5, 0, 0}};
  AddFrame(small, parts);
  AddFrame(small, std::span(parts + 1, 1));
  const std::vector<uint8_t> tiny = WriteSprite(small);
  const std::u16string texts[] = {
      u"Tap to continue", u"A\\^B\\^ \\_under\\_ \\1one \x01\x01p\x01\xFFq \x02\x05",
      u"aaa bbb ccc\nddd   eee", u"\\", std::u16string(40, u'w') + u" x"};
  std::vector<Seed> seeds;
  for (const std::u16string& text : texts) {
    for (const bool whole : {true, false}) {
      const std::vector<uint8_t>& sprite = whole ? font : tiny;
      const size_t tableBytes = whole ? table.size() : 6;
      if (sprite.size() > 0xFFFF) throw BuildError("font_text seed: the sprite is too large");
      Seed seed = {17, 60, static_cast<uint8_t>(whole ? 0xFF : 128), 7};
      PutU16(seed, static_cast<uint32_t>(tableBytes));
      PutU16(seed, static_cast<uint32_t>(sprite.size()));
      for (size_t i = 0; i < tableBytes; i++) seed.push_back(table[i]);
      for (const uint8_t byte : sprite) seed.push_back(byte);
      for (const uint8_t byte : Utf16Bytes(text)) seed.push_back(byte);
      seeds.push_back(seed);
    }
  }
  return seeds;
}

// format_string reads an argument count byte, then a template as UTF-16 units. Seeds: the
// templates at the edges of the placeholders.
std::vector<Seed> FormatStringSeeds() {
  const std::u16string templates[] = {u"a%s0b", u"%s1 and %s0", u"ends in %",    u"%s",
                                      u"%s5",   u"%%s0",        u"100% sure %s9"};
  std::vector<Seed> seeds;
  for (const std::u16string& t : templates) {
    Seed seed = {2};
    const Seed units = Utf16Bytes(t);
    seed.insert(seed.end(), units.begin(), units.end());
    seeds.push_back(seed);
  }
  return seeds;
}

// sprite_load reads its whole input as a sprite. Seeds: the boot sprites, a small sprite in
// every palette format and pixel encoding (with rectangles, shapes, an animation and a
// second palette), and one of them cut inside its pixels.
std::vector<Seed> SpriteLoadSeeds() {
  std::vector<Seed> seeds = {WriteSprite(LogoSprite()), WriteSprite(ControlBarSprite())};
  const int kFormats[] = {0x8888, 0x4444, 0x5515, 0x6505};
  const int kEncodings[] = {0x5602, 0x1600, 0x0400, 0x0200, 0x64F0, 0x27F1, 0x56F2, 0xA256};
  for (size_t e = 0; e < std::size(kEncodings); e++) {
    SpriteData s;
    s.flags = sprite_flags::kImagesAllowed | sprite_flags::kPaletteSection |
              sprite_flags::kFrameRects | (e % 2 ? sprite_flags::kComputedBounds : 0) |
              (e % 3 ? 0 : sprite_flags::kWideFrameValues | sprite_flags::kWideModuleSizes);
    s.paletteFormat = kFormats[e % 4];
    s.pixelEncoding = kEncodings[e];
    for (int p = 0; p < 2; p++)
      s.palettes.push_back({0, 0xFF102030u + p, 0xFFF0E0D0u, 0xFF00FF00u});
    SpriteModule image;
    image.width = 6;
    image.height = 5;
    for (int i = 0; i < 30; i++) image.pixels.push_back(static_cast<uint8_t>((i / 7 + i) % 2));
    if (s.pixelEncoding == 0xA256) image.alphas.assign(30, 0x80);
    SpriteModule box;
    box.kind = e % 2 ? ModuleKind::kFilledRect : ModuleKind::kFilledArc;
    box.colour = 0x80FF0000;
    box.width = 7;
    box.height = 4;
    if (box.kind == ModuleKind::kFilledArc) box.params = {0, 180};
    s.modules = {image, box};
    const SpriteFModule parts[] = {{0, -3, 2, static_cast<int>(e % 8)}, {1, 4, -1, 0}};
    const SpriteRect rects[] = {{-2, 1, 9, 4}};
    AddFrame(s, parts, rects);
    const SpriteAFrame frames[] = {{0, 2, 3, -4, 5}};
    AddAnimation(s, frames);
    seeds.push_back(WriteSprite(s));
  }
  seeds.push_back(Seed(seeds.back().begin(), seeds.back().end() - 5));
  return seeds;
}

// progress_record reads its whole input as record 1 of the progress store (264 bytes): the
// record of a reset progress, one with every byte set, one a byte short, one a byte long, and
// one whose indexes lie outside their tables.
std::vector<Seed> ProgressRecordSeeds() {
  Seed reset(264, 0);
  reset[0] = 0xFF;
  for (int i = 1; i <= 12; i++) reset[i] = 0xFE;
  reset[15] = 1;
  for (int w = 0; w < 12; w++) {
    for (int c = 1; c < 14; c++) reset[41 + 14 * w + c] = 0xFE;
  }
  for (int i = 248; i < 256; i++) reset[i] = 0xFF;
  Seed varied(264);
  for (int i = 0; i < 264; i++) varied[i] = static_cast<uint8_t>(i % 3);
  Seed outside = reset;
  for (const int at : {0, 1, 13, 42, 100, 261, 262}) outside[at] = 0x7F;
  return {reset, varied, Seed(reset.begin(), reset.end() - 1),
          [&] {
            Seed longer = reset;
            longer.push_back(9);
            return longer;
          }(),
          outside};
}

// loader_tables: a table selector, a section number or world, then the entry: each of the
// data set's loader tables whole, and cut inside its last record.
std::vector<Seed> LoaderTablesSeeds() {
  const std::vector<std::pair<int, Seed>> tables = {
      {0, WriteByteTriples(HintRecords())},    {1, WriteIndexedTriples(WorldInfoRecords())},
      {2, WriteByteTriples(BossRecords())},    {3, WriteLookups(LightingRecords(), LookupQuads())},
      {4, WriteLineSections(LightingLines())}, {5, WriteLevelLists(WorldLevelLists())},
  };
  std::vector<Seed> seeds;
  for (const auto& [table, bytes] : tables) {
    for (const size_t length : {bytes.size(), bytes.size() - 1}) {
      Seed seed = {static_cast<uint8_t>(table), static_cast<uint8_t>(table == 4 ? 1 : 2)};
      seed.insert(seed.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
      seeds.push_back(seed);
    }
  }
  return seeds;
}

// level_header reads its whole input as a level: levels of the data set, a header whose
// dialogue lists pass their six-entry tables, and a header cut inside its parameters.
std::vector<Seed> LevelHeaderSeeds() {
  std::vector<Seed> seeds;
  for (const int world : {0, 7, 10, 11}) seeds.push_back(WriteLevel(PlannedLevel(world, 0)));
  LevelHeader crowded = PlannedLevel(3, 4).header;
  crowded.intro.assign(7, crowded.intro[0]);
  crowded.lost.assign(9, crowded.lost[0]);
  seeds.push_back(WriteLevelHeader(crowded));
  const Seed whole = WriteLevelHeader(PlannedLevel(1, 1).header);
  seeds.push_back(Seed(whole.begin(), whole.begin() + 70));
  return seeds;
}

// level_record reads its whole input as a level record: every level of the data set.
std::vector<Seed> LevelRecordSeeds() {
  std::vector<Seed> seeds;
  for (int world = 0; world < kLevelWorldCount; world++) {
    for (int level = 0; level < LevelsInWorld(world); level++) {
      seeds.push_back(WriteLevel(PlannedLevel(world, level)));
    }
  }
  return seeds;
}

// particle_definitions reads its whole input as the definitions entry. Seeds: the game's
// definitions, and records the parser must cope with: a B record before any A record, rows of
// 3 and of 20 values, unknown record types, and the game's entry cut inside a record.
std::vector<Seed> ParticleDefinitionsSeeds() {
  const std::vector<ParticleDefinition> game = GameParticleDefinitions();
  const Seed whole = WriteParticleDefinitions(game);
  std::vector<int> twenty(20, 30);
  const ParticleRecord odd[] = {{2, {0, 1, 300, 10, 0, 0}},
                                {1, {0, 360, 100}},
                                {7, {}},
                                {2, {1, 0, 400}},
                                {1, game[0].a},
                                {1, twenty},
                                {2, twenty},
                                {0, {}}};
  return {whole, WriteParticleRecords(odd), Seed(whole.begin(), whole.end() - 3)};
}

// http_response reads a step byte (reads of 1 + step % 64 bytes; bit 7 a body limit of 100),
// then the server's bytes. Seeds: 200 with and without a Content-Length, 404, odd and repeated
// headers, chunked, short and truncated responses, each under a few steps.
std::vector<Seed> HttpResponseSeeds() {
  const std::string big(300, 'b');
  const std::string responses[] = {
      WriteHttpResponse({200, "OK", {{"Content-Type", "text/plain"}}, "hello"}),
      WriteHttpResponse({200, "OK", {}, "to the end", false}),
      WriteHttpResponse({404, "Not Found", {}, "<html>gone</html>"}),
      WriteHttpResponse({200, "OK", {{"X-A", "1"}, {"x-a", " 2 "}, {"Odd", ""}}, big}),
      "HTTP/1.1 204\r\n\r\n",
      "HTTP/1.0 200 OK\r\nno colon\r\n:empty name\r\nContent-Length: 007\r\n\r\n1234567",
      "HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
      "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nshort",
      "HTTP/1.0 200 OK\r\nContent-Len",
      "garbage\r\n\r\n",
  };
  std::vector<Seed> seeds;
  for (const std::string& response : responses) {
    for (const uint8_t step : {uint8_t{0}, uint8_t{6}, uint8_t{0x3F | 0x80}}) {
      seeds.push_back(ByteThenText(step, response));
    }
  }
  return seeds;
}

// connection_url reads UTF-16 units, low byte first. Seeds: the URLs connections open and
// those they refuse.
std::vector<Seed> ConnectionUrlSeeds() {
  constexpr std::u16string_view kUrls[] = {
      u"http://h/p?q=1",
      u"socket://127.0.0.1:5000",
      u"http://h:8080",
      u"http://h/a:b",
      u"http://h",
      u"http://h?q",
      u"h/x",
      u"http://:80/",
      u"http://h:/x",
      u"http://h:99999/",
      u"http://h:8x/",
      u"https://h/",
      u"http://hé/€",
      u"ftp://h",
  };
  std::vector<Seed> seeds;
  for (const std::u16string_view url : kUrls) seeds.push_back(Utf16Bytes(url));
  return seeds;
}

// recv_line reads a maximum byte, then the bytes a peer sends. Seeds: lines with CR LF, LF and
// stray CRs, a line longer than the maximum, an empty line and none at all.
std::vector<Seed> RecvLineSeeds() {
  const std::pair<uint8_t, std::string_view> lines[] = {
      {16, "ab\r\ncd\n"}, {4, "abcdef\n"}, {8, "a\rb\n\nlast"}, {1, "x\n"}, {0, "y\n"}, {32, ""},
  };
  std::vector<Seed> seeds;
  for (const auto& [maximum, text] : lines) seeds.push_back(ByteThenText(maximum, text));
  return seeds;
}

// layout_records reads its input as the screen layout and as a menu: the data set's 20
// layout entries.
std::vector<Seed> LayoutRecordsSeeds() {
  return LayoutEntries();
}

struct SeedSource {
  std::string_view target;
  std::vector<Seed> (*seeds)();
};

constexpr SeedSource kSeedSources[] = {
    {"app_descriptor", AppDescriptorSeeds},
    {"archive_index", ArchiveIndexSeeds},
    {"calendar_fields", CalendarFieldsSeeds},
    {"connection_url", ConnectionUrlSeeds},
    {"constant_pool_loader", ConstantPoolSeeds},
    {"data_cursor", DataCursorSeeds},
    {"data_input_stream", DataInputStreamSeeds},
    {"font_text", FontTextSeeds},
    {"format_string", FormatStringSeeds},
    {"http_response", HttpResponseSeeds},
    {"image_natives", ImageNativesSeeds},
    {"layout_records", LayoutRecordsSeeds},
    {"level_header", LevelHeaderSeeds},
    {"level_record", LevelRecordSeeds},
    {"loader_tables", LoaderTablesSeeds},
    {"lzma_decode", LzmaSeeds},
    {"midi_file", MidiFileSeeds},
    {"modified_utf8_round_trip", ModifiedUtf8Seeds},
    {"pack_reader", PackReaderSeeds},
    {"particle_definitions", ParticleDefinitionsSeeds},
    {"progress_record", ProgressRecordSeeds},
    {"record_store_open", RecordStoreSeeds},
    {"recv_line", RecvLineSeeds},
    {"sprite_load", SpriteLoadSeeds},
    {"text_arguments", TextArgumentsSeeds},
    {"text_table", TextTableSeeds},
    {"value_tree", ValueTreeSeeds},
    {"wav_header", WavHeaderSeeds},
};

void AddSeeds(std::vector<OutputFile>& files, std::string_view target,
              const std::vector<Seed>& seeds) {
  for (size_t i = 0; i < seeds.size(); i++) {
    files.push_back({std::string(target) + "/" + std::to_string(i), seeds[i]});
  }
}

}  // namespace

std::vector<OutputFile> BuildFuzzSeeds(const SoundEncoders& encoders) {
  std::vector<OutputFile> files;
  for (const SeedSource& source : kSeedSources) AddSeeds(files, source.target, source.seeds());
  AddSeeds(files, "ogg_player", OggPlayerSeeds(encoders.ogg));
  AddSeeds(
      files, "mp3_decoder",
      EncodedSeeds(encoders.mp3, {ShortTone(22050, 1), ShortTone(44100, 2), ShortTone(8000, 1)}));
  AddSeeds(files, "amr_decoder", EncodedSeeds(encoders.amr, {ShortTone(8000, 1)}));
  return files;
}

}  // namespace databuild
