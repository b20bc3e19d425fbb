#include "runtime/object.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "javame/thread.h"
#include "runtime/string.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

// A class whose constructor sets only some fields: the rest must stay zero, and the header
// written before construction must survive it.
class PartlyInitialised : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_Vector;
  explicit PartlyInitialised(int32_t v) { second = v; }
  int32_t first;
  int32_t second;
  Object* third;
};

using ObjectTest = RuntimeTest;

TEST_F(ObjectTest, NewObjectIsMarkedAndCollectableExceptThreads) {
  Object* plain = NewObject<Object>();
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->classId, cid::Object);
  EXPECT_TRUE(plain->marked());
  EXPECT_EQ(plain->collectable, 1);
  EXPECT_EQ(plain->flags, 1);

  Object* thread = NewObject<java_lang_Thread>();
  EXPECT_EQ(thread->classId, cid::java_lang_Thread);
  EXPECT_TRUE(thread->marked());
  EXPECT_EQ(thread->collectable, 0);
}

TEST_F(ObjectTest, HeaderWrittenBeforeConstructionSurvivesAndUntouchedFieldsAreZero) {
  auto* object = NewObject<PartlyInitialised>(7);
  EXPECT_EQ(object->classId, cid::java_util_Vector);
  EXPECT_EQ(object->collectable, 1);
  EXPECT_EQ(object->flags, 1);
  EXPECT_EQ(object->first, 0);
  EXPECT_EQ(object->second, 7);
  EXPECT_EQ(object->third, nullptr);
}

TEST_F(ObjectTest, InitHeaderMatchesTheInPlaceWrite) {
  alignas(Object) unsigned char a[sizeof(Object)] = {};
  WriteHeaderInPlace(a, cid::java_lang_Thread);
  auto* b = NewObject<Object>();
  Object::initHeader(b, cid::java_lang_Thread);
  EXPECT_EQ(memcmp(a + sizeof(void*), reinterpret_cast<char*>(b) + sizeof(void*),
                   sizeof(Object) - sizeof(void*)),
            0);
}

TEST_F(ObjectTest, ToStringGivesClassIdAndStableAddress) {
  auto* vector = NewObject<PartlyInitialised>(0);
  char expected[64];
  snprintf(expected, sizeof expected, "Object_id=70 @0x%x", ObjectAddress32(vector));
  EXPECT_EQ(TextOf(vector->toString()), expected);
  EXPECT_EQ(static_cast<uint32_t>(vector->hashCode()), ObjectAddress32(vector));
}

TEST_F(ObjectTest, EqualsIsIdentity) {
  Object* a = NewObject<Object>();
  Object* b = NewObject<Object>();
  EXPECT_TRUE(a->equals(a));
  EXPECT_FALSE(a->equals(b));
  EXPECT_FALSE(a->equals(nullptr));
}

TEST_F(ObjectTest, CloneIsRefusedWithItsTrace) {
  TraceCapture trace;
  Object* a = NewObject<Object>();
  EXPECT_EQ(a->clone(), nullptr);
  ASSERT_EQ(trace.lines().size(), 2u);
  EXPECT_EQ(trace.lines()[0], "clone");
  EXPECT_EQ(trace.lines()[1], "stacktrace:\n");
}

TEST_F(ObjectTest, PlainObjectAnswersNoInterface) {
  Object* a = NewObject<Object>();
  EXPECT_EQ(a->getInterface(cid::java_lang_Runnable), nullptr);
}

}  // namespace
