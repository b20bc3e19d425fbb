// The Connector class's own static operations over its connection native.
#include "javame/connector.h"

#include "javame/connection.h"
#include "javame/data_input_stream.h"
#include "javame/data_output_stream.h"
#include "runtime/exceptions.h"
#include "runtime/object.h"

namespace {

// The connection's interface of class T, after the null check on the connection.
template <class T>
T* InterfaceOf(Object* connection) {
  if (!NullCheck(connection)) return nullptr;
  auto* found = static_cast<T*>(connection->getInterface(T::kClassId));
  NullCheck(found);
  return found;
}

}  // namespace

Object* javax_microedition_io_Connector::open(String* name) {
  return open(name, READ_WRITE);
}

Object* javax_microedition_io_Connector::open(String* name, int32_t mode) {
  return open(name, mode, false);
}

java_io_InputStream* javax_microedition_io_Connector::openInputStream(String* name) {
  Object* connection = open(name, READ);
  if (GetPendingException()) return nullptr;
  auto* input = InterfaceOf<javax_microedition_io_InputConnection>(connection);
  return input ? input->openInputStream() : nullptr;
}

java_io_OutputStream* javax_microedition_io_Connector::openOutputStream(String* name) {
  Object* connection = open(name, WRITE);
  if (GetPendingException()) return nullptr;
  auto* output = InterfaceOf<javax_microedition_io_OutputConnection>(connection);
  return output ? output->openOutputStream() : nullptr;
}

java_io_DataInputStream* javax_microedition_io_Connector::openDataInputStream(String* name) {
  java_io_InputStream* stream = openInputStream(name);
  return stream ? NewObject<java_io_DataInputStream>(stream) : nullptr;
}

java_io_DataOutputStream* javax_microedition_io_Connector::openDataOutputStream(String* name) {
  java_io_OutputStream* stream = openOutputStream(name);
  return stream ? NewObject<java_io_DataOutputStream>(stream) : nullptr;
}
