// javax.microedition.rms.RecordStore: named stores of byte records kept as files, one index
// file listing the record ids plus one file per record. Every file is replaced atomically and
// a record's file is always in place before an index lists it, so a crash at any moment leaves
// each store readable with its old or its new contents.
#pragma once

#include <cstdint>

#include "runtime/class.h"

class ByteArray;
class ObjectArray;
class String;
class java_util_Vector;
class javax_microedition_rms_RecordComparator;
class javax_microedition_rms_RecordEnumeration;
class javax_microedition_rms_RecordFilter;

class javax_microedition_rms_RecordStore : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_rms_RecordStore;

  // As the class factory makes it: no path and no list; every operation answers as for an
  // empty store whose files cannot be written.
  javax_microedition_rms_RecordStore() { RegisterReferenceFields(this, &indexPath, &recordIds); }
  // A store on the index file at path with no records yet; the opener reads the index into it
  // (javame/record_store_index.cpp).
  explicit javax_microedition_rms_RecordStore(String* path);

  // ---- Opening, closing, whole stores: javame/record_store.cpp ----
  static javax_microedition_rms_RecordStore* openRecordStore(String* name, bool createIfNecessary);
  // authmode and writable are ignored: the store is this application's.
  static javax_microedition_rms_RecordStore* openRecordStore(String* name, bool createIfNecessary,
                                                             int32_t authmode, bool writable);
  static javax_microedition_rms_RecordStore* openRecordStore(String* name, String* vendor,
                                                             String* suite);
  // The worker: null with RecordStoreNotFoundException (the index path) pending when the store
  // does not exist and may not be created. Nothing is written on open.
  static javax_microedition_rms_RecordStore* openRecordStore(String* name, String* vendor,
                                                             String* suite, bool createIfNecessary);
  // Writes the index when this open created the store or the list changed since it was read;
  // the object stays usable.
  void closeRecordStore();
  // Removes every record file, then the index file; the store is gone for later opens.
  static void deleteRecordStore(String* name);
  // The names of the stores in the install folder (the folder listing gives none).
  static ObjectArray* listRecordStores();
  // A cursor over the live id list, oldest record first; the three arguments are ignored.
  javax_microedition_rms_RecordEnumeration* enumerateRecords(
      javax_microedition_rms_RecordFilter* filter,
      javax_microedition_rms_RecordComparator* comparator, bool keepUpdated);

  // ---- Records: javame/record_store_records.cpp ----
  // The new id, or 0 with RecordStoreException pending when the record or the index could not
  // be written (nothing changes then). A null data makes an empty record.
  int32_t addRecord(ByteArray* data, int32_t offset, int32_t numBytes);
  // Replaces a record's bytes whole, then writes the index; when the record file cannot be
  // written the record keeps its old bytes.
  void setRecord(int32_t id, ByteArray* data, int32_t offset, int32_t numBytes);
  // Unlists the id (the index is written first), then removes the record's file. An id not
  // in the store changes nothing.
  void deleteRecord(int32_t id);
  // A new array of the record's bytes; null when its file is missing. A file that gives fewer
  // bytes than its size raises RecordStoreException (its path) instead.
  ByteArray* getRecord(int32_t id);
  // Copies the record into buffer from offset and returns its size; 0 when its file is missing.
  // A buffer without room copies nothing: a trace line and RecordStoreException (the id).
  int32_t getRecord(int32_t id, ByteArray* buffer, int32_t offset);
  int32_t getRecordSize(int32_t id);
  virtual int32_t getSize();  // operation 6: the sum of the record sizes
  int32_t getNumRecords();
  int32_t getNextRecordID();
  // Ours: the id at position in recordIds, 0 <= position < getNumRecords().
  int32_t recordIdAt(int32_t position);

  // ---- The index file: javame/record_store_index.cpp ----
  // Writes the index now, always; RecordStoreException (string constant 53) when it fails.
  void writeIndexFile();

  String* indexPath;            // after the character replacement; lower-cased per file
  java_util_Vector* recordIds;  // java_lang_Integer ids in the order added, each id once
  int32_t lastRecordId;         // the id of the latest record added; the next one gets + 1
  // Ours: the index file differs from what writeIndexFile would write (or does not exist).
  bool indexChanged;

 private:
  // The position of id in recordIds, or -1.
  int32_t positionOf(int32_t id);
  // positionOf, raising InvalidRecordIDException (the decimal id) for an unknown id.
  int32_t knownPosition(int32_t id);
  // The record file's path: indexPath + constant 54 + the decimal id + constant 52.
  String* recordPath(int32_t id);
  // Replaces record id's file with data[offset, offset + numBytes); false, with
  // RecordStoreException (53) pending, when the range is outside data or the file keeps its old
  // contents.
  bool writeRecordFile(int32_t id, ByteArray* data, int32_t offset, int32_t numBytes);
  // Writes the index; false, with RecordStoreException (53) pending, when it failed.
  bool saveIndex();
  // Reads the index file into lastRecordId and recordIds, repairing what would let an id be
  // given out twice; false, with a trace line, when the file exists but cannot be read whole.
  bool readIndex();
  // The whole file at path; null when it does not open (*opened false), and null with a trace
  // line when it gives fewer bytes than its size or memory runs out (*opened true).
  static ByteArray* readFile(String* path, bool* opened);
  // Replaces the file at path with bytes[offset, offset + count) (nothing for a null bytes);
  // false, with the reason traced, when the file keeps its old contents.
  static bool replaceFile(String* path, ByteArray* bytes, int32_t offset, int32_t count);
};

// The record store's exceptions (javame/record_store.cpp).
// InvalidRecordIDException whose message is value in decimal.
void ThrowInvalidRecordId(int32_t value);
// RecordStoreFullException with string constant 49 as its message.
void ThrowRecordStoreFull();
// RecordStoreException with the given message.
void ThrowRecordStoreException(String* message);

// Builds a store's index path from the store name and, when both are given and non-empty, the
// vendor and suite names; null (after the null check's trace) for a null name.
String* RecordStoreIndexPath(String* name, String* vendor, String* suite);
