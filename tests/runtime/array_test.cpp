#include "runtime/array.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "runtime/string.h"
#include "runtime/system.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

using ArrayTest = RuntimeTest;

struct Made {
  const char* name;
  Array* (*make)(int32_t length);
  int16_t classId;
  int32_t elementSize;
};

const Made kAllClasses[] = {
    {"ObjectArray", [](int32_t n) -> Array* { return NewObjectArray(cid::Object, n); },
     cid::ObjectArray, 8},
    {"BoolArray", [](int32_t n) -> Array* { return NewBoolArray(n); }, cid::BoolArray, 1},
    {"ByteArray", [](int32_t n) -> Array* { return NewByteArray(n); }, cid::ByteArray, 1},
    {"CharArray", [](int32_t n) -> Array* { return NewCharArray(n); }, cid::CharArray, 2},
    {"ShortArray", [](int32_t n) -> Array* { return NewShortArray(n); }, cid::ShortArray, 2},
    {"IntArray", [](int32_t n) -> Array* { return NewIntArray(n); }, cid::IntArray, 4},
    {"Long64Array", [](int32_t n) -> Array* { return NewLong64Array(n); }, cid::Long64Array, 8},
    {"FloatArray", [](int32_t n) -> Array* { return NewFloatArray(n); }, cid::FloatArray, 4},
    {"DoubleArray", [](int32_t n) -> Array* { return NewDoubleArray(n); }, cid::DoubleArray, 8},
};

bool AllZero(Array* array) {
  auto* bytes = static_cast<const unsigned char*>(array->body);
  for (int32_t i = 0; i < array->length * array->elementSize(); i++) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

TEST_F(ArrayTest, EveryClassMakesAZeroFilledBodyOfItsElementSize) {
  for (const Made& row : kAllClasses) {
    SCOPED_TRACE(row.name);
    Array* array = row.make(5);
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->classId, row.classId);
    EXPECT_TRUE(array->marked());
    EXPECT_EQ(array->collectable, 1);
    EXPECT_EQ(array->length, 5);
    EXPECT_EQ(array->elementSize(), row.elementSize);
    ASSERT_NE(array->body, nullptr);
    EXPECT_TRUE(AllZero(array));
  }
}

TEST_F(ArrayTest, LengthZeroHasNoBodyAndItsFinalizeFreesNothing) {
  for (const Made& row : kAllClasses) {
    SCOPED_TRACE(row.name);
    Array* array = row.make(0);
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->length, 0);
    EXPECT_EQ(array->body, nullptr);
    array->finalize();
    EXPECT_EQ(array->body, nullptr);
  }
}

TEST_F(ArrayTest, NegativeLengthIsReportedAndGivesAnEmptyArray) {
  for (const Made& row : kAllClasses) {
    SCOPED_TRACE(row.name);
    TraceCapture trace;
    Array* array = row.make(-3);
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->length, 0);
    EXPECT_EQ(array->body, nullptr);
    ASSERT_EQ(trace.lines().size(), 2u);
    EXPECT_EQ(trace.lines()[0], "length of array should be >= 0");
    EXPECT_EQ(trace.lines()[1], "stacktrace:\n");
  }
}

TEST_F(ArrayTest, NativesBuildABodyWithAllocDataAndRegisterData) {
  IntArray* array = NewIntArray(0);
  EXPECT_EQ(array->allocData(), nullptr);  // below 1 element
  array->length = 4;
  array->body = array->allocData();
  ASSERT_NE(array->body, nullptr);
  array->registerData(&array->body);
  EXPECT_TRUE(AllZero(array));
  for (int32_t i = 0; i < 4; i++) IntArray::set(array, i, 100 + i);
  ForceDataHeapCompaction();
  for (int32_t i = 0; i < 4; i++) EXPECT_EQ(IntArray::get(array, i), 100 + i);
}

// ---- Element accessors ---------------------------------------------------------------------

TEST_F(ArrayTest, AccessorsNarrowAndSignExtend) {
  ByteArray* bytes = NewByteArray(2);
  ByteArray::set(bytes, 0, 0x1FF);
  ByteArray::set(bytes, 1, 0x7F);
  EXPECT_EQ(ByteArray::get(bytes, 0), -1);
  EXPECT_EQ(ByteArray::get(bytes, 1), 127);

  ShortArray* shorts = NewShortArray(1);
  shorts->elements()[0] = static_cast<int16_t>(0x8001);
  EXPECT_EQ(ShortArray::get(shorts, 0), -32767);

  IntArray* ints = NewIntArray(1);
  IntArray::set(ints, 0, INT_MIN);
  EXPECT_EQ(IntArray::get(ints, 0), INT_MIN);

  Long64Array* longs = NewLong64Array(2);
  Long64Array::set(longs, 0, static_cast<int32_t>(0x89ABCDEF), 0x01234567);
  Long64Array::set(longs, 1, -1, -1);
  EXPECT_EQ(longs->elements()[0], 0x0123456789ABCDEFLL);
  EXPECT_EQ(longs->elements()[1], -1);
}

TEST_F(ArrayTest, AccessorsOnANullArrayTraceAndReadZero) {
  TraceCapture trace;
  EXPECT_EQ(ByteArray::get(nullptr, 0), 0);
  IntArray::set(nullptr, 0, 1);
  EXPECT_EQ(ShortArray::get(nullptr, 0), 0);
  Long64Array::set(nullptr, 0, 1, 1);
  EXPECT_EQ(std::count(trace.lines().begin(), trace.lines().end(), "NullPointer"), 4);
}

// Out-of-range indexes on a block between two others: nothing outside the block changes, the
// block itself is unchanged, reads give 0, and each access writes one trace line. Under the
// sanitizer build the arena poisoning catches any stray byte as well.
TEST_F(ArrayTest, OutOfRangeAccessesLeaveNeighbouringBlocksUnchanged) {
  ByteArray* before = NewByteArray(16);
  IntArray* target = NewIntArray(4);
  ByteArray* after = NewByteArray(16);
  memset(before->body, 0xA5, 16);
  memset(after->body, 0x5A, 16);
  const int32_t indexes[] = {-1, -4, 4, 5, 8, INT_MIN, INT_MAX};
  for (int32_t index : indexes) {
    SCOPED_TRACE(index);
    TraceCapture trace;
    IntArray::set(target, index, 0x7777777);
    EXPECT_EQ(IntArray::get(target, index), 0);
    EXPECT_EQ(trace.lines().size(), 2u);
  }
  ByteArray* bytes = NewByteArray(3);
  TraceCapture trace;
  ByteArray::set(bytes, 3, 9);
  ByteArray::set(bytes, -1, 9);
  Long64Array::set(NewLong64Array(1), 1, 9, 9);
  EXPECT_EQ(ShortArray::get(NewShortArray(2), 2), 0);
  EXPECT_EQ(trace.lines().size(), 4u);
  EXPECT_EQ(trace.lines()[0], "ByteArray::set: index 3 out of range (length 3)");

  EXPECT_TRUE(AllZero(target));
  EXPECT_TRUE(AllZero(bytes));
  for (int32_t i = 0; i < 16; i++) {
    EXPECT_EQ(before->elements()[i], static_cast<int8_t>(0xA5));
    EXPECT_EQ(after->elements()[i], static_cast<int8_t>(0x5A));
  }
}

// ---- Fills and CharArray::toString ---------------------------------------------------------

TEST_F(ArrayTest, FillsStoreExactlyTheGivenValues) {
  IntArray* ints = NewIntArray(7);
  EXPECT_EQ(FillIntArray(ints, 6, 16, 17, 19, 20, 22, 23), ints);
  EXPECT_EQ(std::vector<int32_t>(ints->elements(), ints->elements() + 7),
            (std::vector<int32_t>{16, 17, 19, 20, 22, 23, 0}));

  ByteArray* bytes = FillByteArray(NewByteArray(3), 3, 0x101, -1, 200);
  EXPECT_EQ(std::vector<int8_t>(bytes->elements(), bytes->elements() + 3),
            (std::vector<int8_t>{1, -1, -56}));

  CharArray* chars = FillCharArray(NewCharArray(2), 2, 0x12345, 'A');
  EXPECT_EQ(std::u16string(chars->elements(), 2), (std::u16string{char16_t(0x2345), u'A'}));
}

TEST_F(ArrayTest, FillsStoreNothingBeyondTheArrayOrTheCount) {
  IntArray* ints = NewIntArray(2);
  FillIntArray(ints, 0, 5, 6);
  FillIntArray(ints, -1, 5, 6);
  EXPECT_TRUE(AllZero(ints));

  IntArray* before = NewIntArray(2);
  IntArray* small = NewIntArray(2);
  IntArray* after = NewIntArray(2);
  TraceCapture trace;
  FillIntArray(small, 4, 1, 2, 3, 4);
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"FillIntArray: 4 values for an array of length 2"}));
  EXPECT_EQ(IntArray::get(small, 1), 2);
  EXPECT_TRUE(AllZero(before));
  EXPECT_TRUE(AllZero(after));

  // A count above the values given stores only those given.
  FillIntArray(ints, 2, 9);
  EXPECT_EQ(IntArray::get(ints, 0), 9);
  EXPECT_EQ(IntArray::get(ints, 1), 0);

  EXPECT_EQ(FillByteArray(nullptr, 1, 1), nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

TEST_F(ArrayTest, CharArrayToStringStopsAtTheFirstZero) {
  struct Row {
    std::u16string units;
    std::u16string expected;
  };
  const Row rows[] = {
      {std::u16string(u"AB\0C", 4), u"AB"},
      {u"ABC", u"ABC"},
      {std::u16string(u"\0A", 2), u""},
      {u"", u""},
      {u"a string longer than fourteen", u"a string longer than fourteen"},
  };
  for (const Row& row : rows) {
    CharArray* array = NewCharArray(static_cast<int32_t>(row.units.size()));
    std::copy(row.units.begin(), row.units.end(), array->elements());
    String* text = array->toString();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->classId, cid::String);
    EXPECT_EQ(UnitsOf(text), row.expected);
  }
}

// ---- java_lang_System::arraycopy ------------------------------------------------------------

TEST_F(ArrayTest, CopyWithinOneArrayHandlesOverlapBothWays) {
  DoubleArray* a = NewDoubleArray(3);
  EXPECT_TRUE(AllZero(a));
  a->elements()[0] = 1.5;
  a->elements()[1] = 2.5;
  a->elements()[2] = 3.5;
  java_lang_System::arraycopy(a, 0, a, 1, 2);
  EXPECT_EQ(std::vector<double>(a->elements(), a->elements() + 3),
            (std::vector<double>{1.5, 1.5, 2.5}));

  IntArray* b = FillIntArray(NewIntArray(4), 4, 1, 2, 3, 4);
  java_lang_System::arraycopy(b, 1, b, 0, 3);
  EXPECT_EQ(std::vector<int32_t>(b->elements(), b->elements() + 4),
            (std::vector<int32_t>{2, 3, 4, 4}));
}

TEST_F(ArrayTest, CopyBetweenArraysMovesWholeElements) {
  DoubleArray* from = NewDoubleArray(3);
  DoubleArray* to = NewDoubleArray(4);
  for (int i = 0; i < 3; i++) from->elements()[i] = -1.0 / (i + 1);
  to->elements()[3] = 9.0;
  java_lang_System::arraycopy(from, 0, to, 0, 3);
  EXPECT_EQ(memcmp(from->body, to->body, 24), 0);
  EXPECT_EQ(to->elements()[3], 9.0);

  // References are whole pointers.
  ObjectArray* objects = NewObjectArray(cid::Object, 2);
  ObjectArray* copies = NewObjectArray(cid::Object, 2);
  objects->elements()[0] = objects;
  objects->elements()[1] = copies;
  java_lang_System::arraycopy(objects, 0, copies, 0, 2);
  EXPECT_EQ(copies->elements()[0], objects);
  EXPECT_EQ(copies->elements()[1], copies);

  // A count of 0 copies nothing and checks nothing.
  TraceCapture trace;
  java_lang_System::arraycopy(nullptr, -5, nullptr, 99, 0);
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(ArrayTest, CopyThatCannotBeMadeCopiesNothing) {
  IntArray* before = NewIntArray(4);
  IntArray* source = FillIntArray(NewIntArray(4), 4, 1, 2, 3, 4);
  IntArray* destination = NewIntArray(4);
  IntArray* after = NewIntArray(4);
  FloatArray* floats = NewFloatArray(4);
  String* text = NewJavaString("abcd");
  struct Row {
    const char* name;
    Object* source;
    int32_t sourcePosition;
    Object* destination;
    int32_t destinationPosition;
    int32_t count;
  };
  const Row rows[] = {
      {"null source", nullptr, 0, destination, 0, 1},
      {"null destination", source, 0, nullptr, 0, 1},
      {"not an array", text, 0, destination, 0, 1},
      {"other class", source, 0, floats, 0, 1},
      {"negative source position", source, -1, destination, 0, 2},
      {"negative destination position", source, 0, destination, -1, 2},
      {"negative count", source, 0, destination, 0, -1},
      {"past the source", source, 2, destination, 0, 3},
      {"past the destination", source, 0, destination, 3, 2},
      {"sum overflows 32 bits", source, INT_MAX, destination, 0, INT_MAX},
      {"count overflows 32 bits", source, 1, destination, 1, INT_MAX},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TraceCapture trace;
    java_lang_System::arraycopy(row.source, row.sourcePosition, row.destination,
                                row.destinationPosition, row.count);
    EXPECT_FALSE(trace.lines().empty());
    EXPECT_TRUE(AllZero(destination));
    EXPECT_TRUE(AllZero(floats));
  }
  EXPECT_TRUE(AllZero(before));
  EXPECT_TRUE(AllZero(after));
  EXPECT_EQ(std::vector<int32_t>(source->elements(), source->elements() + 4),
            (std::vector<int32_t>{1, 2, 3, 4}));
}

// ---- The array over a foreign buffer -------------------------------------------------------

TEST_F(ArrayTest, ArrayOverABufferSharesItAndNeverFreesIt) {
  int16_t pixels[6] = {1, 2, 3, 4, 5, -6};
  ShortArrayOverBuffer* screen = NewShortArrayOverBuffer(pixels, 6);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->classId, cid::ShortArray);
  EXPECT_TRUE(InstanceOf(screen, cid::ShortArray));
  EXPECT_EQ(screen->body, pixels);
  EXPECT_EQ(ShortArray::get(screen, 5), -6);
  pixels[0] = 42;
  EXPECT_EQ(ShortArray::get(screen, 0), 42);

  // The same class as any ShortArray, so it copies to and from them.
  ShortArray* copy = NewShortArray(6);
  java_lang_System::arraycopy(screen, 0, copy, 0, 6);
  EXPECT_EQ(ShortArray::get(copy, 5), -6);

  ForceDataHeapCompaction();
  EXPECT_EQ(screen->body, pixels);
  screen->finalize();  // freeing stack memory here would be caught by the sanitizers
  EXPECT_EQ(screen->body, nullptr);
  EXPECT_EQ(pixels[5], -6);
}

TEST_F(ArrayTest, ArrayOverABufferWithABadLengthOrNoBufferIsEmpty) {
  int16_t pixels[2] = {};
  TraceCapture trace;
  ShortArrayOverBuffer* negative = NewShortArrayOverBuffer(pixels, -1);
  EXPECT_EQ(negative->length, 0);
  EXPECT_EQ(negative->body, nullptr);
  EXPECT_TRUE(trace.contains("length of array should be >= 0"));
  ShortArrayOverBuffer* none = NewShortArrayOverBuffer(nullptr, 4);
  EXPECT_EQ(none->length, 0);
  EXPECT_EQ(ShortArray::get(none, 0), 0);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

// ---- Compaction ----------------------------------------------------------------------------

// Bodies of every class, interleaved with bodies that are freed, keep their exact bytes
// when the data heap is compacted under them.
TEST_F(ArrayTest, BodiesKeepTheirExactContentsThroughACompaction) {
  constexpr int kClasses = sizeof kAllClasses / sizeof kAllClasses[0];
  Array* kept[kClasses] = {};
  Array* dropped[kClasses] = {};
  for (int c = 0; c < kClasses; c++) {
    dropped[c] = kAllClasses[c].make(37 + c);
    kept[c] = kAllClasses[c].make(50 + c);
    auto* bytes = static_cast<unsigned char*>(kept[c]->body);
    for (int32_t i = 0; i < kept[c]->length * kept[c]->elementSize(); i++)
      bytes[i] = static_cast<unsigned char>(i * 7 + c);
  }
  ObjectArray* references = static_cast<ObjectArray*>(kept[0]);
  for (int32_t i = 0; i < references->length; i++) references->elements()[i] = kept[i % kClasses];
  for (Array* array : dropped) array->finalize();
  void* bodies[kClasses];
  for (int c = 0; c < kClasses; c++) bodies[c] = kept[c]->body;

  ForceDataHeapCompaction();

  int moved = 0;
  for (int c = 0; c < kClasses; c++) moved += kept[c]->body != bodies[c];
  EXPECT_GT(moved, 0);  // the compaction did move bodies under their arrays

  for (int c = 0; c < kClasses; c++) {
    SCOPED_TRACE(kAllClasses[c].name);
    ASSERT_EQ(kept[c]->length, 50 + c);
    auto* bytes = static_cast<const unsigned char*>(kept[c]->body);
    if (c == 0) continue;
    for (int32_t i = 0; i < kept[c]->length * kept[c]->elementSize(); i++) {
      ASSERT_EQ(bytes[i], static_cast<unsigned char>(i * 7 + c)) << i;
    }
  }
  for (int32_t i = 0; i < references->length; i++)
    EXPECT_EQ(references->elements()[i], kept[i % kClasses]);
}

}  // namespace
