// RecordStore's opening, closing and whole-store operations, and the exceptions the record
// store and its enumeration raise.
#include "javame/record_store.h"

#include "javame/exception_classes.h"
#include "javame/file.h"
#include "javame/record_enumeration.h"
#include "javame/vector.h"
#include "platform/install_paths.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kEmptyString = 46;  // string constant: the empty string
constexpr int32_t kStoreFull = 49;    // string constant: RecordStoreFullException's text
constexpr int32_t kIndexPrefix = 51;  // string constant: starts every index file name
constexpr int32_t kFileSuffix = 52;   // string constant: ends every index and record file name

}  // namespace

// ---- Exceptions -------------------------------------------------------------------------------

void ThrowInvalidRecordId(int32_t value) {
  ThrowException(
      NewObject<javax_microedition_rms_InvalidRecordIDException>(String::valueOf(value)));
}

void ThrowRecordStoreFull() {
  ThrowException(
      NewObject<javax_microedition_rms_RecordStoreFullException>(GetConstantString(kStoreFull)));
}

void ThrowRecordStoreException(String* message) {
  ThrowException(NewObject<javax_microedition_rms_RecordStoreException>(message));
}

// ---- Opening and closing ----------------------------------------------------------------------

javax_microedition_rms_RecordStore* javax_microedition_rms_RecordStore::openRecordStore(
    String* name, bool createIfNecessary) {
  return openRecordStore(name, createIfNecessary, 0, true);
}

javax_microedition_rms_RecordStore* javax_microedition_rms_RecordStore::openRecordStore(
    String* name, bool createIfNecessary, int32_t, bool) {
  String* none = GetConstantString(kEmptyString);
  return openRecordStore(name, none, none, createIfNecessary);
}

javax_microedition_rms_RecordStore* javax_microedition_rms_RecordStore::openRecordStore(
    String* name, String* vendor, String* suite) {
  return openRecordStore(name, vendor, suite, false);
}

javax_microedition_rms_RecordStore* javax_microedition_rms_RecordStore::openRecordStore(
    String* name, String* vendor, String* suite, bool createIfNecessary) {
  String* path = RecordStoreIndexPath(name, vendor, suite);
  if (!path) return nullptr;
  auto* index = NewObject<javax_microedition_io_File>(path);
  const bool exists = index && index->exists();
  if (!exists && !createIfNecessary) {
    ThrowException(NewObject<javax_microedition_rms_RecordStoreNotFoundException>(path));
    return nullptr;
  }
  if (!exists && index && index->availableSize() < 0) {
    ThrowRecordStoreFull();
    return nullptr;
  }
  auto* store = NewObject<javax_microedition_rms_RecordStore>(path);
  if (!store) return nullptr;
  // A store whose index cannot be read is not opened: writing it would lose its records.
  if (exists && !store->readIndex()) {
    ThrowRecordStoreException(path);
    return nullptr;
  }
  return store;
}

void javax_microedition_rms_RecordStore::closeRecordStore() {
  if (indexChanged) saveIndex();
}

javax_microedition_rms_RecordEnumeration* javax_microedition_rms_RecordStore::enumerateRecords(
    javax_microedition_rms_RecordFilter*, javax_microedition_rms_RecordComparator*, bool) {
  auto* enumeration = NewObject<javax_microedition_rms_RecordEnumerationImpl>(this);
  return enumeration ? static_cast<javax_microedition_rms_RecordEnumeration*>(enumeration)
                     : nullptr;
}

// ---- Whole stores -----------------------------------------------------------------------------

// Each record goes as deleteRecord takes it (the index without it first, then its file), the
// index file last, so a crash on the way leaves a readable store of fewer records.
void javax_microedition_rms_RecordStore::deleteRecordStore(String* name) {
  javax_microedition_rms_RecordStore* store = openRecordStore(name, false);
  if (!store) return;
  for (int32_t i = store->getNumRecords() - 1; i >= 0; i--) {
    store->deleteRecord(store->recordIdAt(i));
    if (GetPendingException()) return;
  }
  auto* index = NewObject<javax_microedition_io_File>(store->indexPath);
  if (index && !index->deleteFile() && index->exists()) ThrowRecordStoreException(store->indexPath);
}

ObjectArray* javax_microedition_rms_RecordStore::listRecordStores() {
  auto* folder = NewObject<javax_microedition_io_File>(GetInstallFolderPath());
  java_util_Vector* names = folder ? folder->list() : nullptr;
  if (!names) return NewObjectArray(cid::String, 0);
  String* prefix = GetConstantString(kIndexPrefix);
  String* suffix = GetConstantString(kFileSuffix);
  for (int32_t i = names->size() - 1; i >= 0; i--) {
    auto* name = static_cast<String*>(names->elementAt(i));
    if (!name || !name->startsWith(prefix) || !name->endsWith(suffix)) names->removeElementAt(i);
  }
  ObjectArray* stores = NewObjectArray(cid::String, names->size());
  if (!stores) return nullptr;
  for (int32_t i = 0; i < stores->length; i++) {
    auto* name = static_cast<String*>(names->elementAt(i));
    String* store = name->substring(prefix->length(), name->length() - suffix->length());
    stores->elements()[i] = store;
  }
  return stores;
}
