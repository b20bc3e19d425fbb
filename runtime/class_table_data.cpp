// The class table's constant data: the name and the superclass id of every class, in
// class-id order.
#include "runtime/class_table_data.h"

const char* const kClassNames[kClassCount] = {
    "Object",
    "Class",
    "String",
    "StringBuffer",
    "ObjectArray",
    "BoolArray",
    "ByteArray",
    "CharArray",
    "ShortArray",
    "IntArray",
    "Long64Array",
    "FloatArray",
    "DoubleArray",
    "com_samsung_util_AudioClip",
    "com_sun_cldc_i18n_uclc_DefaultCaseConverter",
    "java_io_ByteArrayInputStream",
    "java_io_ByteArrayOutputStream",
    "java_io_ConsoleOutputStream",
    "java_io_DataInputStream",
    "java_io_DataOutputStream",
    "java_io_EOFException",
    "java_io_InputStream",
    "java_io_IOException",
    "java_io_OutputStream",
    "java_io_PrintStream",
    "java_io_UTFDataFormatException",
    "java_lang_ArithmeticException",
    "java_lang_ArrayIndexOutOfBoundsException",
    "java_lang_ArrayStoreException",
    "java_lang_Boolean",
    "java_lang_Byte",
    "java_lang_Character",
    "java_lang_ClassNotFoundException",
    "java_lang_Double",
    "java_lang_Error",
    "java_lang_Exception",
    "java_lang_Float",
    "java_lang_IllegalArgumentException",
    "java_lang_IllegalStateException",
    "java_lang_IndexOutOfBoundsException",
    "java_lang_Integer",
    "java_lang_InterruptedException",
    "java_lang_Long",
    "java_lang_Math",
    "java_lang_NullPointerException",
    "java_lang_NumberFormatException",
    "java_lang_Runnable",
    "java_lang_Runtime",
    "java_lang_RuntimeException",
    "java_lang_StringDecoder",
    "java_lang_System",
    "java_lang_Thread",
    "java_lang_Throwable",
    "java_util_Calendar",
    "java_util_CalendarImpl",
    "java_util_Date",
    "java_util_EmptyStackException",
    "java_util_Enumeration",
    "java_util_Hashtable_HashtableEnumerator",
    "java_util_Hashtable",
    "java_util_HashtableEntry",
    "java_util_NoSuchElementException",
    "java_util_Random",
    "java_util_Stack",
    "java_util_TaskQueue",
    "java_util_Timer",
    "java_util_TimerTask",
    "java_util_TimerThread",
    "java_util_TimeZone",
    "java_util_TimeZoneImpl",
    "java_util_Vector",
    "javax_microedition_io_Connection",
    "javax_microedition_io_ConnectionNotFoundException",
    "javax_microedition_io_Connector",
    "javax_microedition_io_ContentConnection",
    "javax_microedition_io_File",
    "javax_microedition_io_HttpConnection",
    "javax_microedition_io_InputConnection",
    "javax_microedition_io_OutputConnection",
    "javax_microedition_io_ResourceInputStream",
    "javax_microedition_io_SocketConnection",
    "javax_microedition_io_StreamConnection",
    "javax_microedition_lcdui_Canvas",
    "javax_microedition_lcdui_Command",
    "javax_microedition_lcdui_CommandListener",
    "javax_microedition_lcdui_Display",
    "javax_microedition_lcdui_Displayable",
    "javax_microedition_lcdui_Font",
    "javax_microedition_lcdui_Graphics",
    "javax_microedition_lcdui_Image",
    "javax_microedition_lcdui_game_GameCanvas",
    "javax_microedition_lcdui_game_Sprite",
    "javax_microedition_media_Control",
    "javax_microedition_media_Controllable",
    "javax_microedition_media_Manager",
    "javax_microedition_media_MediaException",
    "javax_microedition_media_Player",
    "javax_microedition_media_PlayerListener",
    "javax_microedition_media_control_MIDIControl",
    "javax_microedition_media_control_RateControl",
    "javax_microedition_media_control_TempoControl",
    "javax_microedition_media_control_VolumeControl",
    "javax_microedition_midlet_MIDlet",
    "javax_microedition_rms_InvalidRecordIDException",
    "javax_microedition_rms_RecordComparator",
    "javax_microedition_rms_RecordEnumeration",
    "javax_microedition_rms_RecordEnumerationImpl",
    "javax_microedition_rms_RecordFilter",
    "javax_microedition_rms_RecordListener",
    "javax_microedition_rms_RecordStore",
    "javax_microedition_rms_RecordStoreException",
    "javax_microedition_rms_RecordStoreFullException",
    "javax_microedition_rms_RecordStoreNotFoundException",
    "javax_microedition_rms_RecordStoreNotOpenException",
    "ASprite",
    "Bubble",
    "cActor",
    "cGame_CBubbleBunch",
    "cGame",
    "MQLibPlayer",
    "MarqPLIM",
    "MQPixEffects",
    "IActorData",
    "IBossMonkey",
    "IBossSpider",
    "ICheats",
    "IDefines",
    "IExtraLevels",
    "IItemDrop",
    "ILoading",
    "IMenus",
    "IPortraits",
    "IProgression",
    "ISelectLevelMenu",
    "ISound",
    "IStatisticsScreen",
    "ITentMenu",
    "HttpConnectionImpl",
    "SocketConnectionImpl",
    "SocketInputStream",
    "SocketOutputStream",
};

const int32_t kSuperclassIds[kClassCount] = {
    kNoSuperclass,  // 0 Object
    0,              // 1 Class
    0,              // 2 String
    0,              // 3 StringBuffer
    0,              // 4 ObjectArray
    0,              // 5 BoolArray
    0,              // 6 ByteArray
    0,              // 7 CharArray
    0,              // 8 ShortArray
    0,              // 9 IntArray
    0,              // 10 Long64Array
    0,              // 11 FloatArray
    0,              // 12 DoubleArray
    0,              // 13 com_samsung_util_AudioClip
    0,              // 14 com_sun_cldc_i18n_uclc_DefaultCaseConverter
    21,             // 15 java_io_ByteArrayInputStream
    23,             // 16 java_io_ByteArrayOutputStream
    23,             // 17 java_io_ConsoleOutputStream
    21,             // 18 java_io_DataInputStream
    23,             // 19 java_io_DataOutputStream
    22,             // 20 java_io_EOFException
    0,              // 21 java_io_InputStream
    35,             // 22 java_io_IOException
    0,              // 23 java_io_OutputStream
    23,             // 24 java_io_PrintStream
    22,             // 25 java_io_UTFDataFormatException
    48,             // 26 java_lang_ArithmeticException
    39,             // 27 java_lang_ArrayIndexOutOfBoundsException
    48,             // 28 java_lang_ArrayStoreException
    0,              // 29 java_lang_Boolean
    0,              // 30 java_lang_Byte
    0,              // 31 java_lang_Character
    35,             // 32 java_lang_ClassNotFoundException
    0,              // 33 java_lang_Double
    52,             // 34 java_lang_Error
    52,             // 35 java_lang_Exception
    0,              // 36 java_lang_Float
    48,             // 37 java_lang_IllegalArgumentException
    48,             // 38 java_lang_IllegalStateException
    48,             // 39 java_lang_IndexOutOfBoundsException
    0,              // 40 java_lang_Integer
    35,             // 41 java_lang_InterruptedException
    0,              // 42 java_lang_Long
    0,              // 43 java_lang_Math
    48,             // 44 java_lang_NullPointerException
    37,             // 45 java_lang_NumberFormatException
    0,              // 46 java_lang_Runnable
    0,              // 47 java_lang_Runtime
    35,             // 48 java_lang_RuntimeException
    0,              // 49 java_lang_StringDecoder
    0,              // 50 java_lang_System
    0,              // 51 java_lang_Thread
    0,              // 52 java_lang_Throwable
    0,              // 53 java_util_Calendar
    53,             // 54 java_util_CalendarImpl
    0,              // 55 java_util_Date
    48,             // 56 java_util_EmptyStackException
    0,              // 57 java_util_Enumeration
    0,              // 58 java_util_Hashtable_HashtableEnumerator
    0,              // 59 java_util_Hashtable
    0,              // 60 java_util_HashtableEntry
    48,             // 61 java_util_NoSuchElementException
    0,              // 62 java_util_Random
    70,             // 63 java_util_Stack
    0,              // 64 java_util_TaskQueue
    0,              // 65 java_util_Timer
    0,              // 66 java_util_TimerTask
    51,             // 67 java_util_TimerThread
    0,              // 68 java_util_TimeZone
    68,             // 69 java_util_TimeZoneImpl
    0,              // 70 java_util_Vector
    0,              // 71 javax_microedition_io_Connection
    22,             // 72 javax_microedition_io_ConnectionNotFoundException
    0,              // 73 javax_microedition_io_Connector
    0,              // 74 javax_microedition_io_ContentConnection
    0,              // 75 javax_microedition_io_File
    0,              // 76 javax_microedition_io_HttpConnection
    0,              // 77 javax_microedition_io_InputConnection
    0,              // 78 javax_microedition_io_OutputConnection
    21,             // 79 javax_microedition_io_ResourceInputStream
    0,              // 80 javax_microedition_io_SocketConnection
    0,              // 81 javax_microedition_io_StreamConnection
    86,             // 82 javax_microedition_lcdui_Canvas
    0,              // 83 javax_microedition_lcdui_Command
    0,              // 84 javax_microedition_lcdui_CommandListener
    0,              // 85 javax_microedition_lcdui_Display
    0,              // 86 javax_microedition_lcdui_Displayable
    0,              // 87 javax_microedition_lcdui_Font
    0,              // 88 javax_microedition_lcdui_Graphics
    0,              // 89 javax_microedition_lcdui_Image
    82,             // 90 javax_microedition_lcdui_game_GameCanvas
    0,              // 91 javax_microedition_lcdui_game_Sprite
    0,              // 92 javax_microedition_media_Control
    0,              // 93 javax_microedition_media_Controllable
    0,              // 94 javax_microedition_media_Manager
    35,             // 95 javax_microedition_media_MediaException
    0,              // 96 javax_microedition_media_Player
    0,              // 97 javax_microedition_media_PlayerListener
    0,              // 98 javax_microedition_media_control_MIDIControl
    0,              // 99 javax_microedition_media_control_RateControl
    0,              // 100 javax_microedition_media_control_TempoControl
    0,              // 101 javax_microedition_media_control_VolumeControl
    0,              // 102 javax_microedition_midlet_MIDlet
    110,            // 103 javax_microedition_rms_InvalidRecordIDException
    0,              // 104 javax_microedition_rms_RecordComparator
    0,              // 105 javax_microedition_rms_RecordEnumeration
    0,              // 106 javax_microedition_rms_RecordEnumerationImpl
    0,              // 107 javax_microedition_rms_RecordFilter
    0,              // 108 javax_microedition_rms_RecordListener
    0,              // 109 javax_microedition_rms_RecordStore
    35,             // 110 javax_microedition_rms_RecordStoreException
    110,            // 111 javax_microedition_rms_RecordStoreFullException
    110,            // 112 javax_microedition_rms_RecordStoreNotFoundException
    110,            // 113 javax_microedition_rms_RecordStoreNotOpenException
    0,              // 114 ASprite
    0,              // 115 Bubble
    0,              // 116 cActor
    0,              // 117 cGame_CBubbleBunch
    82,             // 118 cGame
    0,              // 119 MQLibPlayer
    102,            // 120 MarqPLIM
    0,              // 121 MQPixEffects
    0,              // 122 IActorData
    0,              // 123 IBossMonkey
    0,              // 124 IBossSpider
    0,              // 125 ICheats
    0,              // 126 IDefines
    0,              // 127 IExtraLevels
    0,              // 128 IItemDrop
    0,              // 129 ILoading
    0,              // 130 IMenus
    0,              // 131 IPortraits
    0,              // 132 IProgression
    0,              // 133 ISelectLevelMenu
    0,              // 134 ISound
    0,              // 135 IStatisticsScreen
    0,              // 136 ITentMenu
    0,              // 137 HttpConnectionImpl
    0,              // 138 SocketConnectionImpl
    21,             // 139 SocketInputStream
    23,             // 140 SocketOutputStream
};
