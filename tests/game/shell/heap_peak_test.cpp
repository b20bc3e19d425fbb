// The managed heaps' peak use over the whole data set: start-up with every work array, then
// every entry of every pack read and kept (the sounds as the sound tables keep them), the text
// table and the maths tables loaded. Both peaks must leave the heaps a wide margin; the figures
// are written to the test's output (the README keeps them).
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/application.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/memory_manager.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "tests/support/library_fixture.h"
#include "tools/databuild/data_set.h"

namespace {

class HeapPeakTest : public LibraryTest {};

TEST_F(HeapPeakTest, TheWholeDataSetFitsTheHeapsWithMargin) {
  PlantDataSetPacks();
  cGame::loadTextPack(GetConstantString(273), 0);
  cGame::loadMathTables();
  cGame::loadFixedPointTables();
  // Every entry of every pack, all held at once.
  const std::vector<databuild::Pack> packs = databuild::DataSetPacks();
  ObjectArray* held = NewObjectArray(cid::ObjectArray, static_cast<int32_t>(packs.size()));
  ASSERT_NE(held, nullptr);
  int32_t pack = 0;
  for (const databuild::Pack& written : packs) {
    cGame::openPack(NewJavaString(written.name.c_str()));
    ObjectArray* entries =
        NewObjectArray(cid::ByteArray, static_cast<int32_t>(written.entries.size()));
    held->elements()[pack++] = entries;
    for (int32_t e = 0; e < entries->length; e++) entries->elements()[e] = cGame::readPackEntry(e);
    cGame::closeResourceStream();
  }
  CollectNow();
  Application* application = GetApplication();
  const int32_t objects = application->objectHeap->peakUsed();
  const int32_t data = application->dataHeap->peakUsed();
  std::printf("managed heap peak: objects %d of %d bytes, data %d of %d bytes\n", objects,
              kObjectHeapSize, data, kDataHeapSize);
  RecordProperty("object_heap_peak", objects);
  RecordProperty("data_heap_peak", data);
  EXPECT_LT(objects, kObjectHeapSize / 2);
  EXPECT_LT(data, kDataHeapSize / 2);
}

}  // namespace
