// Record-store tests: a started runtime over fresh roots, stores opened by name, and the
// store files read and planted byte for byte where the store keeps them.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "javame/record_store.h"
#include "javame/vector.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"

class RecordStoreTest : public LibraryTest {
 protected:
  using Store = javax_microedition_rms_RecordStore;

  // The folder of this application's stores, relative to a root.
  static constexpr const char* kStoreFolder = "program files/marquent/plimora/";

  static Store* Open(const char* name, bool create) {
    return Store::openRecordStore(NewJavaString(name), create);
  }
  static ByteArray* Bytes(const std::string& bytes) {
    ByteArray* array = NewByteArray(static_cast<int32_t>(bytes.size()));
    if (!bytes.empty()) memcpy(array->elements(), bytes.data(), bytes.size());
    return array;
  }
  static std::string Text(ByteArray* array) {
    if (!array) return "<null>";
    return std::string(reinterpret_cast<const char*>(array->elements()),
                       static_cast<size_t>(array->length));
  }
  // Big-endian int32 values, as the index file holds them.
  static std::string Ints(const std::vector<int32_t>& values) {
    std::string bytes;
    for (const int32_t value : values) {
      for (int shift = 24; shift >= 0; shift -= 8) {
        bytes += static_cast<char>(static_cast<uint32_t>(value) >> shift);
      }
    }
    return bytes;
  }
  static std::vector<int32_t> Ids(Store* store) {
    std::vector<int32_t> ids;
    for (int32_t i = 0; i < store->recordIds->size(); i++) {
      ids.push_back(store->recordIdAt(i));
    }
    return ids;
  }
  static std::string IndexName(const std::string& store) {
    return std::string(kStoreFolder) + "rs_" + store + ".rms";
  }
  static std::string RecordName(const std::string& store, int32_t id) {
    return IndexName(store) + "_rec" + std::to_string(id) + ".rms";
  }
  std::optional<std::string> IndexFile(const std::string& store) const {
    return Contents(save_, IndexName(store));
  }
  std::optional<std::string> RecordFile(const std::string& store, int32_t id) const {
    return Contents(save_, RecordName(store, id));
  }
};
