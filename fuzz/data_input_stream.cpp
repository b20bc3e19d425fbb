// Fuzz target: DataInputStream's typed reads over any bytes. The first two bytes are the limit
// of a ResourceInputStream over a ByteArrayInputStream of the rest; then each step reads one
// operation byte and the read it names. Every read ends and consumes at least its operation
// byte, nothing is read or written outside its array (the sanitizers watch the heap arenas),
// both streams keep their positions inside their bounds, and a text that readUTF gives comes
// back unchanged through writeUTF, or is refused whole when its encoding outgrows the count.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_runtime.h"
#include "javame/byte_array_input_stream.h"
#include "javame/byte_array_output_stream.h"
#include "javame/data_input_stream.h"
#include "javame/data_output_stream.h"
#include "javame/resource_input_stream.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 1024 * 1024;
constexpr int kRunsPerCollection = 64;

// The text through writeUTF and back through readUTF.
void CheckRoundTrip(String* text) {
  auto* bytes = NewObject<java_io_ByteArrayOutputStream>();
  NewObject<java_io_DataOutputStream>(bytes)->writeUTF(text);
  if (GetPendingException()) {
    FuzzCheck(InstanceOf(GetPendingException(), cid::java_io_UTFDataFormatException));
    FuzzCheck(bytes->size() == 0);
    ClearPendingException();
    return;
  }
  auto* in = NewObject<java_io_DataInputStream>(
      NewObject<java_io_ByteArrayInputStream>(bytes->toByteArray()));
  String* back = in->readUTF();
  FuzzCheck(!GetPendingException() && back && back->compareTo(text) == 0);
}

// One read named by op; the exceptions it may raise are the end of the data and bad text.
void Step(java_io_DataInputStream* in, int32_t op) {
  switch (op % 8) {
    case 0:
      in->readBoolean();
      break;
    case 1:
      in->readShort();
      break;
    case 2:
      in->readInt();
      break;
    case 3:
      in->readLong();
      break;
    case 4:
      in->skipBytes(in->readUnsignedByte());
      break;
    case 5: {
      ByteArray* b = NewByteArray(in->readUnsignedByte());
      if (!GetPendingException()) in->readFully(b, op >> 3 & 3, b->length - (op >> 5));
      break;
    }
    case 6: {
      String* text = in->readUTF();
      if (text) CheckRoundTrip(text);
      break;
    }
    case 7:
      in->read(NewByteArray(16), op >> 3 & 7, op >> 5);
      break;
  }
  Object* pending = GetPendingException();
  FuzzCheck(!pending || InstanceOf(pending, cid::java_io_EOFException) ||
            InstanceOf(pending, cid::java_io_UTFDataFormatException));
  ClearPendingException();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application = StartFuzzRuntime(kFuzzDataHeapSize, nullptr);
  static int runs = 0;
  if (size < 2) return 0;
  ByteArray* bytes = FuzzBytes(data + 2, size - 2);
  auto* array = NewObject<java_io_ByteArrayInputStream>(bytes);
  auto* bounded =
      NewObject<javax_microedition_io_ResourceInputStream>(array, data[0] << 8 | data[1]);
  auto* in = NewObject<java_io_DataInputStream>(bounded);
  for (int32_t before = bounded->position;; before = bounded->position) {
    const int32_t op = in->read();
    if (op < 0) break;
    Step(in, op);
    FuzzCheck(bounded->position > before && bounded->position <= bounded->limit);
    FuzzCheck(array->pos <= array->count && array->count == bytes->length);
  }
  if (++runs % kRunsPerCollection == 0) application->getObjectManager()->gc(kGcForced);
  return 0;
}
