#include "runtime/class.h"

#include <gtest/gtest.h>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "javame/hashtable.h"
#include "javame/record_enumeration.h"
#include "javame/timer.h"
#include "runtime/instance_factory.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "tests/support/runtime_fixture.h"

namespace {

using ClassTest = RuntimeTest;

TEST_F(ClassTest, TableHoldsNamesIdsAndSuperclasses) {
  struct Row {
    int32_t id;
    const char* name;
    int32_t superclass;
  };
  const Row rows[] = {
      {0, "Object", kNoSuperclass},
      {2, "String", 0},
      {20, "java_io_EOFException", 22},
      {27, "java_lang_ArrayIndexOutOfBoundsException", 39},
      {45, "java_lang_NumberFormatException", 37},
      {63, "java_util_Stack", 70},
      {67, "java_util_TimerThread", 51},
      {90, "javax_microedition_lcdui_game_GameCanvas", 82},
      {103, "javax_microedition_rms_InvalidRecordIDException", 110},
      {113, "javax_microedition_rms_RecordStoreNotOpenException", 110},
      {118, "cGame", 82},
      {120, "MarqPLIM", 102},
      {136, "ITentMenu", 0},
      {137, "HttpConnectionImpl", 0},
      {139, "SocketInputStream", 21},
      {140, "SocketOutputStream", 23},
  };
  for (const Row& row : rows) {
    Class* record = Class::findById(row.id);
    ASSERT_NE(record, nullptr) << row.name;
    EXPECT_STREQ(record->name, row.name);
    EXPECT_EQ(record->id, row.id);
    EXPECT_EQ(record->superclassId, row.superclass) << row.name;
    EXPECT_EQ(record->classId, cid::Class);
    EXPECT_EQ(record->collectable, 0);
  }
  EXPECT_EQ(Class::findById(-1), nullptr);
  EXPECT_EQ(Class::findById(kClassCount), nullptr);
}

TEST_F(ClassTest, InstanceOfWalksTheSuperclassChain) {
  Object* timer = NewObject<java_util_TimerThread>();
  EXPECT_FALSE(InstanceOf(nullptr, cid::Object));
  EXPECT_TRUE(InstanceOf(timer, cid::java_util_TimerThread));
  EXPECT_TRUE(InstanceOf(timer, cid::java_lang_Thread));
  EXPECT_TRUE(InstanceOf(timer, cid::Object));
  EXPECT_FALSE(InstanceOf(timer, cid::java_util_Vector));
  EXPECT_FALSE(InstanceOf(timer, cid::String));

  Object* game = NewObject<cGame>();
  for (int32_t id : {cid::cGame, cid::javax_microedition_lcdui_Canvas,
                     cid::javax_microedition_lcdui_Displayable, cid::Object}) {
    EXPECT_TRUE(InstanceOf(game, id)) << id;
  }
  EXPECT_FALSE(InstanceOf(game, cid::javax_microedition_lcdui_game_GameCanvas));
}

TEST_F(ClassTest, InstanceOfAnswersTheInterfacesEachClassImplements) {
  struct Row {
    Object* object;
    std::vector<int32_t> interfaces;
  };
  const Row rows[] = {
      {NewObject<java_lang_Thread>(), {cid::java_lang_Runnable}},
      {NewObject<java_util_TimerThread>(), {cid::java_lang_Runnable}},
      {NewObject<MQLibPlayer>(), {cid::java_lang_Runnable}},
      {NewObject<cGame>(), {cid::java_lang_Runnable, cid::IDefines, cid::ILoading, cid::IMenus}},
      {NewObject<cActor>(), {cid::IActorData}},
      {NewObject<java_util_Hashtable_HashtableEnumerator>(), {cid::java_util_Enumeration}},
      {NewObject<javax_microedition_rms_RecordEnumerationImpl>(),
       {cid::javax_microedition_rms_RecordEnumeration}},
  };
  const int32_t allInterfaces[] = {cid::java_lang_Runnable,
                                   cid::java_util_Enumeration,
                                   cid::javax_microedition_rms_RecordEnumeration,
                                   cid::IActorData,
                                   cid::IDefines,
                                   cid::ILoading,
                                   cid::IMenus,
                                   cid::ISound};
  for (const Row& row : rows) {
    for (int32_t id : allInterfaces) {
      bool expected =
          std::find(row.interfaces.begin(), row.interfaces.end(), id) != row.interfaces.end();
      EXPECT_EQ(InstanceOf(row.object, id), expected)
          << "class " << row.object->classId << " interface " << id;
    }
  }
}

TEST_F(ClassTest, InterfaceSubObjectsLieInsideTheObjectAndAreDistinct) {
  auto* game = NewObject<cGame>();
  char* start = reinterpret_cast<char*>(game);
  std::vector<void*> seen;
  for (int32_t id : {cid::java_lang_Runnable, cid::IDefines, cid::ILoading, cid::IMenus}) {
    char* p = static_cast<char*>(game->getInterface(id));
    EXPECT_GE(p, start);
    EXPECT_LT(p, start + sizeof(cGame));
    EXPECT_EQ(std::find(seen.begin(), seen.end(), p), seen.end());
    seen.push_back(p);
  }
  // The runnable sub-object is the first word after the header.
  auto* thread = NewObject<java_lang_Thread>();
  EXPECT_EQ(static_cast<char*>(thread->getInterface(cid::java_lang_Runnable)),
            reinterpret_cast<char*>(thread) + sizeof(Object));
}

TEST_F(ClassTest, ForNameTakesDottedNamesAndComparesWholeNames) {
  EXPECT_EQ(Class::forName(NewJavaString("java.util.Vector")),
            Class::findById(cid::java_util_Vector));
  EXPECT_EQ(Class::forName(NewJavaString("java_util_Hashtable")),
            Class::findById(cid::java_util_Hashtable));
  EXPECT_EQ(Class::forName(NewJavaString("java.util")), nullptr);
  EXPECT_EQ(Class::forName(NewJavaString("java.util.Vectors")), nullptr);
  EXPECT_EQ(Class::forName(NewJavaString("")), nullptr);
  TraceCapture trace;
  EXPECT_EQ(Class::forName(nullptr), nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

TEST_F(ClassTest, GetNameGivesTheStoredName) {
  String* name = Class::getName(Class::findById(cid::java_util_Vector));
  ASSERT_NE(name, nullptr);
  EXPECT_TRUE(name->equals(NewJavaString("java_util_Vector")));
}

TEST_F(ClassTest, IsSubclassOfAndIsInstance) {
  Class* exception = Class::findById(cid::java_lang_Exception);
  Class* eof = Class::findById(cid::java_io_EOFException);
  EXPECT_TRUE(Class::isSubclassOf(eof, exception));
  EXPECT_FALSE(Class::isSubclassOf(exception, eof));
  EXPECT_TRUE(Class::isSubclassOf(eof, eof));
  EXPECT_FALSE(Class::isSubclassOf(nullptr, eof));
  EXPECT_TRUE(Class::isInstance(Class::findById(cid::java_lang_Thread),
                                NewObject<java_util_TimerThread>()));
  EXPECT_FALSE(Class::isInstance(Class::findById(cid::java_util_TimerThread),
                                 NewObject<java_lang_Thread>()));
}

// A superclass and a subclass that both have reference fields; either constructor may be
// the first to register for the subclass's record.
class Base : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_Vector;
  void registerBase() { RegisterReferenceFields(this, &a, &b); }
  Object* a;
  Object* b;
};

class Derived : public Base {
 public:
  static constexpr int16_t kClassId = cid::java_util_Stack;
  void registerOwn() { RegisterReferenceFields(this, &c); }
  Object* c;
};

std::vector<int32_t> Offsets(int32_t classId) {
  Class* record = Class::findById(classId);
  return std::vector<int32_t>(record->referenceFieldOffsets(),
                              record->referenceFieldOffsets() + record->referenceFieldCount());
}

TEST_F(ClassTest, SubclassListsInheritedAndOwnFieldsWhicheverRegistersFirst) {
  auto* first = NewObject<Derived>();
  auto offset = [first](void* field) {
    return static_cast<int32_t>(static_cast<char*>(field) - reinterpret_cast<char*>(first));
  };
  const std::vector<int32_t> all = {offset(&first->a), offset(&first->b), offset(&first->c)};

  first->registerBase();
  first->registerOwn();
  EXPECT_EQ(Offsets(cid::java_util_Stack), all);

  // Registering again, in either order, changes nothing.
  auto* second = NewObject<Derived>();
  second->registerOwn();
  second->registerBase();
  EXPECT_EQ(Offsets(cid::java_util_Stack), all);

  // The superclass's own record lists only its fields.
  auto* base = NewObject<Base>();
  base->registerBase();
  EXPECT_EQ(Offsets(cid::java_util_Vector), std::vector<int32_t>(all.begin(), all.begin() + 2));
}

TEST_F(ClassTest, OwnFieldsFirstThenInherited) {
  auto* object = NewObject<Derived>();
  object->registerOwn();
  object->registerBase();
  std::vector<int32_t> offsets = Offsets(cid::java_util_Stack);
  std::sort(offsets.begin(), offsets.end());
  auto offset = [object](void* field) {
    return static_cast<int32_t>(static_cast<char*>(field) - reinterpret_cast<char*>(object));
  };
  EXPECT_EQ(offsets,
            (std::vector<int32_t>{offset(&object->a), offset(&object->b), offset(&object->c)}));
}

TEST_F(ClassTest, FactoryMakesOnlyListedClassesThatExist) {
  struct Row {
    int32_t id;
    bool made;
  };
  const Row rows[] = {
      {cid::Object, true},
      {cid::String, true},
      {cid::StringBuffer, true},
      {cid::java_lang_Thread, true},
      {cid::cGame, true},
      {cid::Bubble, true},
      {cid::java_io_DataInputStream, true},
      {cid::java_io_EOFException, true},
      {cid::java_io_UTFDataFormatException, true},
      {cid::cActor, true},
      {cid::cGame_CBubbleBunch, true},
      {cid::MQLibPlayer, true},
      {cid::java_util_TimerThread, true},
      {cid::java_util_Hashtable_HashtableEnumerator, true},
      {cid::javax_microedition_rms_RecordEnumerationImpl, true},
      {cid::java_util_Vector, true},
      {cid::java_util_Hashtable, true},
      {cid::java_util_HashtableEntry, true},
      // Not listed, although the classes exist.
      {cid::Class, false},
      {cid::ObjectArray, false},
      {cid::java_lang_Throwable, false},
      {cid::javax_microedition_lcdui_Canvas, false},
      {cid::MarqPLIM, false},
      // Out of range.
      {-1, false},
      {120, false},
      {kClassCount, false},
      {1000, false},
  };
  for (const Row& row : rows) {
    Object* object = NewInstanceFactory::newInstance(row.id);
    EXPECT_EQ(object != nullptr, row.made) << row.id;
    if (object) {
      EXPECT_EQ(object->classId, row.id);
      EXPECT_TRUE(object->marked());
    }
  }
  // A factory-made string is the empty string.
  auto* text = static_cast<String*>(NewInstanceFactory::newInstance(cid::String));
  EXPECT_EQ(text->length(), 0);
}

TEST_F(ClassTest, CheckCastGivesNullForAWrongType) {
  TraceCapture trace;
  Object* thread = NewObject<java_lang_Thread>();
  EXPECT_EQ(CheckCast<java_lang_Thread>(thread), thread);
  EXPECT_EQ(CheckCast<java_lang_Thread>(nullptr), nullptr);
  EXPECT_TRUE(trace.lines().empty());
  EXPECT_EQ(CheckCast<java_util_TimerThread>(thread), nullptr);
  EXPECT_TRUE(trace.contains("check cast"));
}

}  // namespace
