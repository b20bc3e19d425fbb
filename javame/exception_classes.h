// The class library's exception classes, each a java_lang_Throwable with its class id and
// superclass chain as the class table gives them.
#pragma once

#include "runtime/exceptions.h"

class java_lang_Exception : public java_lang_Throwable {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Exception;
  using java_lang_Throwable::java_lang_Throwable;
};

class java_io_IOException : public java_lang_Exception {
 public:
  static constexpr int16_t kClassId = cid::java_io_IOException;
  using java_lang_Exception::java_lang_Exception;
};

// A stream ended before the value being read was complete.
class java_io_EOFException : public java_io_IOException {
 public:
  static constexpr int16_t kClassId = cid::java_io_EOFException;
  using java_io_IOException::java_io_IOException;
};

// The bytes of readUTF are not modified UTF-8.
class java_io_UTFDataFormatException : public java_io_IOException {
 public:
  static constexpr int16_t kClassId = cid::java_io_UTFDataFormatException;
  using java_io_IOException::java_io_IOException;
};
