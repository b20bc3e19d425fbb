// cGame's record-store layer: each load or save opens one store, does its one operation on
// record 1 and closes the store again, so no store stays open between frames. A failure
// is traced with the store's name and the exception's text and never passes as success.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/byte_array_input_stream.h"
#include "javame/exception_classes.h"
#include "javame/record_store.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kRecordId = 1;
constexpr int32_t kStoreError = 309;  // string constant: starts the text of a store failure

// Takes the pending exception when it is of class classId (or below it) and writes one trace
// line: the operation, the store, string constant 309 and the exception's text. False, with
// the exception left pending, when nothing or something else is pending.
bool CatchStoreFailure(const char* operation, String* store, int32_t classId) {
  auto* pending = static_cast<java_lang_Throwable*>(GetPendingException());
  if (!pending || !InstanceOf(pending, classId)) return false;
  ClearPendingException();
  auto* text = NewObject<StringBuffer>(16);
  if (text) {
    text->append(GetConstantString(kStoreError));
    text->append(pending->message);
  }
  // Departure: the device built this text and dropped it; a failed save or load is traced.
  DebugLog("%s: store \"%s\": %s", operation, StringToCString(store).c_str(),
           text ? StringToCString(text->toString()).c_str() : "");
  return true;
}

}  // namespace

// ---- Opening and closing ----------------------------------------------------------------------

void cGame::rmsOpen(String* name) {
  Statics<GameStatics>()->cGame_openStore =
      javax_microedition_rms_RecordStore::openRecordStore(name, true);
}

// Always writes the index, so the first load of a new store leaves it on disk, empty.
void cGame::rmsClose() {
  GameStatics* s = Statics<GameStatics>();
  javax_microedition_rms_RecordStore* store = s->cGame_openStore;
  if (store) {
    store->writeIndexFile();
    CatchStoreFailure("cGame::rmsClose", store->indexPath,
                      cid::javax_microedition_rms_RecordStoreException);
  }
  s->cGame_openStore = nullptr;
}

// ---- Loading and saving -----------------------------------------------------------------------

ByteArray* cGame::rmsLoad(String* name) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_rmsLoadFailed = false;
  rmsOpen(name);
  ByteArray* record = nullptr;
  if (!GetPendingException()) {
    javax_microedition_rms_RecordStore* store = s->cGame_openStore;
    if (store->getNumRecords() >= 1) record = store->getRecord(kRecordId);
  }
  if (GetPendingException()) {
    if (!CatchStoreFailure("cGame::rmsLoad", name,
                           cid::javax_microedition_rms_RecordStoreException)) {
      return nullptr;  // another exception: left to the caller
    }
    s->cGame_rmsLoadFailed = true;
    record = nullptr;
  }
  rmsClose();
  return record;
}

void cGame::rmsSave(String* name, ByteArray* data, int32_t offset, int32_t length) {
  rmsOpen(name);
  if (!GetPendingException()) {
    javax_microedition_rms_RecordStore* store = Statics<GameStatics>()->cGame_openStore;
    if (store->getNumRecords() >= 1) {
      store->setRecord(kRecordId, data, offset, length);
    } else {
      store->addRecord(data, offset, length);
    }
  }
  if (GetPendingException() &&
      !CatchStoreFailure("cGame::rmsSave", name, cid::java_lang_Exception)) {
    return;
  }
  rmsClose();
}

// ---- The three without callers ----------------------------------------------------------------

void cGame::rmsSaveBytes(String* name, ByteArray* data) {
  if (!NullCheck(data)) return;
  rmsSave(name, data, 0, data->length);
}

ByteArray* cGame::rmsLoadRecord(String* name) {
  return rmsLoad(name);
}

java_io_InputStream* cGame::rmsOpenInputStream(String* name) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_loadedRecord = rmsLoad(name);
  ByteArray* record = s->cGame_loadedRecord;
  if (!record) return nullptr;
  return NewObject<java_io_ByteArrayInputStream>(record);
}
