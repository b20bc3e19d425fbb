// The class library's exception and error classes below java_lang_Throwable. Each has exactly
// Throwable's two fields and operations; its C++ base is its superclass in the class table.
// Made without a text, an exception's message is string constant 46, the empty string.
#pragma once

#include <cstdint>

#include "runtime/exceptions.h"

// ---- Errors and checked exceptions ----------------------------------------------------------

class java_lang_Exception : public java_lang_Throwable {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Exception;
  using java_lang_Throwable::java_lang_Throwable;
};

class java_lang_Error : public java_lang_Throwable {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Error;
  using java_lang_Throwable::java_lang_Throwable;
};

class java_lang_ClassNotFoundException : public java_lang_Exception {
 public:
  static constexpr int16_t kClassId = cid::java_lang_ClassNotFoundException;
  using java_lang_Exception::java_lang_Exception;
};

class java_lang_InterruptedException : public java_lang_Exception {
 public:
  static constexpr int16_t kClassId = cid::java_lang_InterruptedException;
  using java_lang_Exception::java_lang_Exception;
};

class javax_microedition_media_MediaException : public java_lang_Exception {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_media_MediaException;
  using java_lang_Exception::java_lang_Exception;
};

// ---- Input and output -----------------------------------------------------------------------

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

// Bytes that are not modified UTF-8, or a text too long to be written as it.
class java_io_UTFDataFormatException : public java_io_IOException {
 public:
  static constexpr int16_t kClassId = cid::java_io_UTFDataFormatException;
  using java_io_IOException::java_io_IOException;
};

class javax_microedition_io_ConnectionNotFoundException : public java_io_IOException {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_ConnectionNotFoundException;
  using java_io_IOException::java_io_IOException;
};

// ---- Runtime exceptions ---------------------------------------------------------------------

class java_lang_RuntimeException : public java_lang_Exception {
 public:
  static constexpr int16_t kClassId = cid::java_lang_RuntimeException;
  using java_lang_Exception::java_lang_Exception;
};

class java_lang_ArithmeticException : public java_lang_RuntimeException {
 public:
  static constexpr int16_t kClassId = cid::java_lang_ArithmeticException;
  using java_lang_RuntimeException::java_lang_RuntimeException;
};

class java_lang_ArrayStoreException : public java_lang_RuntimeException {
 public:
  static constexpr int16_t kClassId = cid::java_lang_ArrayStoreException;
  using java_lang_RuntimeException::java_lang_RuntimeException;
};

class java_lang_IllegalArgumentException : public java_lang_RuntimeException {
 public:
  static constexpr int16_t kClassId = cid::java_lang_IllegalArgumentException;
  using java_lang_RuntimeException::java_lang_RuntimeException;
};

class java_lang_NumberFormatException : public java_lang_IllegalArgumentException {
 public:
  static constexpr int16_t kClassId = cid::java_lang_NumberFormatException;
  using java_lang_IllegalArgumentException::java_lang_IllegalArgumentException;
};

class java_lang_IllegalStateException : public java_lang_RuntimeException {
 public:
  static constexpr int16_t kClassId = cid::java_lang_IllegalStateException;
  using java_lang_RuntimeException::java_lang_RuntimeException;
};

class java_lang_IndexOutOfBoundsException : public java_lang_RuntimeException {
 public:
  static constexpr int16_t kClassId = cid::java_lang_IndexOutOfBoundsException;
  using java_lang_RuntimeException::java_lang_RuntimeException;
};

class java_lang_ArrayIndexOutOfBoundsException : public java_lang_IndexOutOfBoundsException {
 public:
  static constexpr int16_t kClassId = cid::java_lang_ArrayIndexOutOfBoundsException;
  using java_lang_IndexOutOfBoundsException::java_lang_IndexOutOfBoundsException;
  // The message is string constant 356 followed by the index in decimal.
  explicit java_lang_ArrayIndexOutOfBoundsException(int32_t index);
};

class java_lang_NullPointerException : public java_lang_RuntimeException {
 public:
  static constexpr int16_t kClassId = cid::java_lang_NullPointerException;
  using java_lang_RuntimeException::java_lang_RuntimeException;
};

class java_util_EmptyStackException : public java_lang_RuntimeException {
 public:
  static constexpr int16_t kClassId = cid::java_util_EmptyStackException;
  using java_lang_RuntimeException::java_lang_RuntimeException;
};

class java_util_NoSuchElementException : public java_lang_RuntimeException {
 public:
  static constexpr int16_t kClassId = cid::java_util_NoSuchElementException;
  using java_lang_RuntimeException::java_lang_RuntimeException;
};

// ---- Record stores --------------------------------------------------------------------------

class javax_microedition_rms_RecordStoreException : public java_lang_Exception {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_rms_RecordStoreException;
  using java_lang_Exception::java_lang_Exception;
};

class javax_microedition_rms_RecordStoreFullException
    : public javax_microedition_rms_RecordStoreException {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_rms_RecordStoreFullException;
  using javax_microedition_rms_RecordStoreException::javax_microedition_rms_RecordStoreException;
};

class javax_microedition_rms_RecordStoreNotFoundException
    : public javax_microedition_rms_RecordStoreException {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_rms_RecordStoreNotFoundException;
  using javax_microedition_rms_RecordStoreException::javax_microedition_rms_RecordStoreException;
};

class javax_microedition_rms_RecordStoreNotOpenException
    : public javax_microedition_rms_RecordStoreException {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_rms_RecordStoreNotOpenException;
  using javax_microedition_rms_RecordStoreException::javax_microedition_rms_RecordStoreException;
};

class javax_microedition_rms_InvalidRecordIDException
    : public javax_microedition_rms_RecordStoreException {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_rms_InvalidRecordIDException;
  using javax_microedition_rms_RecordStoreException::javax_microedition_rms_RecordStoreException;
};

// ---- Raising with a message constant --------------------------------------------------------

// Throws java_lang_IllegalArgumentException whose message is string constant text, or that
// constant followed by value in decimal.
void ThrowIllegalArgument(int32_t text);
void ThrowIllegalArgument(int32_t text, int32_t value);
// Throws java_lang_IllegalStateException whose message is string constant text.
void ThrowIllegalState(int32_t text);
