// The class factory. Exactly the classes listed in kFactoryClassIds may be made by id; each
// joins the table of makers once it exists. Any other id gives null.
#include "runtime/instance_factory.h"

#include <algorithm>
#include <iterator>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "javame/boxed.h"
#include "javame/byte_array_input_stream.h"
#include "javame/byte_array_output_stream.h"
#include "javame/calendar.h"
#include "javame/console_output_stream.h"
#include "javame/data_input_stream.h"
#include "javame/data_output_stream.h"
#include "javame/date.h"
#include "javame/display.h"
#include "javame/exception_classes.h"
#include "javame/file.h"
#include "javame/font.h"
#include "javame/hashtable.h"
#include "javame/image.h"
#include "javame/print_stream.h"
#include "javame/random.h"
#include "javame/record_enumeration.h"
#include "javame/record_store.h"
#include "javame/resource_input_stream.h"
#include "javame/runtime.h"
#include "javame/time_zone.h"
#include "javame/timer.h"
#include "javame/vector.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"

namespace {

constexpr int16_t kFactoryClassIds[] = {
    cid::Object,
    cid::String,
    cid::StringBuffer,
    cid::java_io_ByteArrayInputStream,
    cid::java_io_ByteArrayOutputStream,
    cid::java_io_ConsoleOutputStream,
    cid::java_io_DataInputStream,
    cid::java_io_DataOutputStream,
    cid::java_io_EOFException,
    cid::java_io_PrintStream,
    cid::java_io_UTFDataFormatException,
    cid::java_lang_ArrayIndexOutOfBoundsException,
    cid::java_lang_Boolean,
    cid::java_lang_IllegalArgumentException,
    cid::java_lang_IllegalStateException,
    cid::java_lang_IndexOutOfBoundsException,
    cid::java_lang_Integer,
    cid::java_lang_NullPointerException,
    cid::java_lang_NumberFormatException,
    cid::java_lang_Runtime,
    cid::java_lang_RuntimeException,
    cid::java_lang_Thread,
    cid::java_util_Calendar,
    cid::java_util_Date,
    cid::java_util_EmptyStackException,
    cid::java_util_Hashtable_HashtableEnumerator,
    cid::java_util_Hashtable,
    cid::java_util_HashtableEntry,
    cid::java_util_NoSuchElementException,
    cid::java_util_Random,
    cid::java_util_TaskQueue,
    cid::java_util_TimerThread,
    cid::java_util_TimeZoneImpl,
    cid::java_util_Vector,
    cid::javax_microedition_io_File,
    cid::javax_microedition_io_ResourceInputStream,
    cid::javax_microedition_lcdui_Display,
    cid::javax_microedition_lcdui_Font,
    cid::javax_microedition_lcdui_Image,
    cid::javax_microedition_rms_InvalidRecordIDException,
    cid::javax_microedition_rms_RecordEnumerationImpl,
    cid::javax_microedition_rms_RecordStore,
    cid::javax_microedition_rms_RecordStoreException,
    cid::javax_microedition_rms_RecordStoreFullException,
    cid::javax_microedition_rms_RecordStoreNotFoundException,
    cid::ASprite,
    cid::Bubble,
    cid::cActor,
    cid::cGame_CBubbleBunch,
    cid::cGame,
    cid::MQLibPlayer,
};

constexpr bool MayBeMadeById(int16_t classId) {
  return std::find(std::begin(kFactoryClassIds), std::end(kFactoryClassIds), classId) !=
         std::end(kFactoryClassIds);
}

struct Maker {
  int16_t classId;
  Object* (*make)();
};

template <class T>
Object* Make() {
  static_assert(MayBeMadeById(T::kClassId), "only the listed classes may be made by id");
  return NewObject<T>();
}

// Add a class here when it is built, if it is in kFactoryClassIds.
constexpr Maker kMakers[] = {
    {cid::Object, &Make<Object>},
    {cid::String, &Make<String>},
    {cid::StringBuffer, &Make<StringBuffer>},
    {cid::java_io_ByteArrayInputStream, &Make<java_io_ByteArrayInputStream>},
    {cid::java_io_ByteArrayOutputStream, &Make<java_io_ByteArrayOutputStream>},
    {cid::java_io_ConsoleOutputStream, &Make<java_io_ConsoleOutputStream>},
    {cid::java_io_DataInputStream, &Make<java_io_DataInputStream>},
    {cid::java_io_DataOutputStream, &Make<java_io_DataOutputStream>},
    {cid::java_io_EOFException, &Make<java_io_EOFException>},
    {cid::java_io_PrintStream, &Make<java_io_PrintStream>},
    {cid::java_io_UTFDataFormatException, &Make<java_io_UTFDataFormatException>},
    {cid::java_lang_ArrayIndexOutOfBoundsException,
     &Make<java_lang_ArrayIndexOutOfBoundsException>},
    {cid::java_lang_Boolean, &Make<java_lang_Boolean>},
    {cid::java_lang_IllegalArgumentException, &Make<java_lang_IllegalArgumentException>},
    {cid::java_lang_IllegalStateException, &Make<java_lang_IllegalStateException>},
    {cid::java_lang_IndexOutOfBoundsException, &Make<java_lang_IndexOutOfBoundsException>},
    {cid::java_lang_Integer, &Make<java_lang_Integer>},
    {cid::java_lang_NullPointerException, &Make<java_lang_NullPointerException>},
    {cid::java_lang_NumberFormatException, &Make<java_lang_NumberFormatException>},
    {cid::java_lang_Runtime, &Make<java_lang_Runtime>},
    {cid::java_lang_RuntimeException, &Make<java_lang_RuntimeException>},
    {cid::java_lang_Thread, &Make<java_lang_Thread>},
    {cid::java_util_Calendar, &Make<java_util_Calendar>},
    {cid::java_util_Date, &Make<java_util_Date>},
    {cid::java_util_EmptyStackException, &Make<java_util_EmptyStackException>},
    {cid::java_util_Hashtable_HashtableEnumerator, &Make<java_util_Hashtable_HashtableEnumerator>},
    {cid::java_util_Hashtable, &Make<java_util_Hashtable>},
    {cid::java_util_HashtableEntry, &Make<java_util_HashtableEntry>},
    {cid::java_util_NoSuchElementException, &Make<java_util_NoSuchElementException>},
    {cid::java_util_Random, &Make<java_util_Random>},
    {cid::java_util_TaskQueue, &Make<java_util_TaskQueue>},
    {cid::java_util_TimerThread, &Make<java_util_TimerThread>},
    {cid::java_util_TimeZoneImpl, &Make<java_util_TimeZoneImpl>},
    {cid::java_util_Vector, &Make<java_util_Vector>},
    {cid::javax_microedition_io_File, &Make<javax_microedition_io_File>},
    {cid::javax_microedition_io_ResourceInputStream,
     &Make<javax_microedition_io_ResourceInputStream>},
    {cid::javax_microedition_lcdui_Display, &Make<javax_microedition_lcdui_Display>},
    {cid::javax_microedition_lcdui_Font, &Make<javax_microedition_lcdui_Font>},
    {cid::javax_microedition_lcdui_Image, &Make<javax_microedition_lcdui_Image>},
    {cid::javax_microedition_rms_InvalidRecordIDException,
     &Make<javax_microedition_rms_InvalidRecordIDException>},
    {cid::javax_microedition_rms_RecordEnumerationImpl,
     &Make<javax_microedition_rms_RecordEnumerationImpl>},
    {cid::javax_microedition_rms_RecordStore, &Make<javax_microedition_rms_RecordStore>},
    {cid::javax_microedition_rms_RecordStoreException,
     &Make<javax_microedition_rms_RecordStoreException>},
    {cid::javax_microedition_rms_RecordStoreFullException,
     &Make<javax_microedition_rms_RecordStoreFullException>},
    {cid::javax_microedition_rms_RecordStoreNotFoundException,
     &Make<javax_microedition_rms_RecordStoreNotFoundException>},
    {cid::ASprite, &Make<ASprite>},
    {cid::Bubble, &Make<Bubble>},
    {cid::cActor, &Make<cActor>},
    {cid::cGame_CBubbleBunch, &Make<cGame_CBubbleBunch>},
    {cid::cGame, &Make<cGame>},
    {cid::MQLibPlayer, &Make<MQLibPlayer>},
};

}  // namespace

Object* NewInstanceFactory::newInstance(int32_t classId) {
  for (const Maker& maker : kMakers) {
    if (maker.classId == classId) return maker.make();
  }
  return nullptr;
}
