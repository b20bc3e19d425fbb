// RecordStore over temporary roots: file names and exact file bytes, every operation's
// answers and exceptions, failed writes that change nothing, repair of damaged indexes on
// open, and stores that read back the same after a close and a new open.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "host/file_faults.h"
#include "javame/exception_classes.h"
#include "runtime/instance_factory.h"
#include "tests/javame/record_store_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr int32_t kInvalidId = cid::javax_microedition_rms_InvalidRecordIDException;
constexpr int32_t kStoreException = cid::javax_microedition_rms_RecordStoreException;
constexpr int32_t kNotFound = cid::javax_microedition_rms_RecordStoreNotFoundException;
constexpr int32_t kFull = cid::javax_microedition_rms_RecordStoreFullException;
constexpr const char* kNotWritten = "Cannot write the record store index";  // constant 53

TEST_F(RecordStoreTest, StoreNamesMapToLowerCaseFilesWithSpecialCharactersReplaced) {
  struct Case {
    const char* name;
    const char* vendor;  // null: this application's store
    const char* suite;
    const char* indexPath;  // as the store keeps it
    const char* file;       // relative to the save root
  };
  const Case cases[] = {
      {"Progress", nullptr, nullptr, "\\Program Files\\Marquent\\Plimora\\rs_Progress.rms",
       "program files/marquent/plimora/rs_progress.rms"},
      {"a/b:c*d?e<f>g|h", nullptr, nullptr,
       "\\Program Files\\Marquent\\Plimora\\rs_a_b_c_d_e_f_g_h.rms",
       "program files/marquent/plimora/rs_a_b_c_d_e_f_g_h.rms"},
      {"s", "Vendor", "", "\\Program Files\\Marquent\\Plimora\\rs_s.rms",
       "program files/marquent/plimora/rs_s.rms"},
      {"s", "Ven:dor", "Su*ite", "\\Program Files\\Ven_dor\\Su_ite\\rs_s.rms",
       "program files/ven_dor/su_ite/rs_s.rms"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    String* vendor = c.vendor ? NewJavaString(c.vendor) : nullptr;
    String* suite = c.suite ? NewJavaString(c.suite) : nullptr;
    Store* store = Store::openRecordStore(NewJavaString(c.name), vendor, suite, true);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(TextOf(store->indexPath), c.indexPath);
    EXPECT_EQ(store->addRecord(Bytes("r"), 0, 1), 1);
    EXPECT_EQ(Contents(save_, c.file), Ints({1, 1, 1}));
    EXPECT_EQ(Contents(save_, std::string(c.file) + "_rec1.rms"), "r");
  }
  // Names that differ only in letter case are one store.
  EXPECT_EQ(Open("PROGRESS", false)->getNumRecords(), 1);
}

TEST_F(RecordStoreTest, IndexFileHoldsLastIdCountAndIdsAfterEachChange) {
  Store* store = Open("s", true);
  EXPECT_EQ(IndexFile("s"), std::nullopt) << "opening writes nothing";
  store->closeRecordStore();
  EXPECT_EQ(IndexFile("s"), Ints({0, 0}));

  EXPECT_EQ(store->addRecord(Bytes("one"), 0, 3), 1);
  EXPECT_EQ(store->addRecord(Bytes("xtwox"), 1, 3), 2);
  EXPECT_EQ(store->addRecord(nullptr, 0, 5), 3);
  EXPECT_EQ(IndexFile("s"), Ints({3, 3, 1, 2, 3}));
  EXPECT_EQ(RecordFile("s", 1), "one");
  EXPECT_EQ(RecordFile("s", 2), "two");
  EXPECT_EQ(RecordFile("s", 3), "") << "a null array makes an empty record";

  store->setRecord(2, Bytes("second"), 0, 6);
  EXPECT_EQ(IndexFile("s"), Ints({3, 3, 1, 2, 3}));
  EXPECT_EQ(RecordFile("s", 2), "second");

  store->deleteRecord(2);
  EXPECT_EQ(IndexFile("s"), Ints({3, 2, 1, 3}));
  EXPECT_EQ(RecordFile("s", 2), std::nullopt);
  store->deleteRecord(2);  // no longer there: nothing happens
  store->deleteRecord(99);
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(IndexFile("s"), Ints({3, 2, 1, 3}));

  store->deleteRecord(1);
  store->deleteRecord(3);
  EXPECT_EQ(store->addRecord(Bytes("again"), 0, 5), 4) << "ids are never given out twice";
  EXPECT_EQ(IndexFile("s"), Ints({4, 1, 4}));
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(RecordStoreTest, ReadsAnswerFromTheFiles) {
  Store* store = Open("s", true);
  store->addRecord(Bytes("hello"), 0, 5);
  store->addRecord(nullptr, 0, 0);
  EXPECT_EQ(Text(store->getRecord(1)), "hello");
  ByteArray* empty = store->getRecord(2);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->length, 0);

  ByteArray* buffer = Bytes("........");
  EXPECT_EQ(store->getRecord(1, buffer, 2), 5);
  EXPECT_EQ(Text(buffer), "..hello.");
  EXPECT_EQ(store->getRecordSize(1), 5);
  EXPECT_EQ(store->getRecordSize(2), 0);
  EXPECT_EQ(store->getSize(), 5);
  EXPECT_EQ(store->getNumRecords(), 2);
  EXPECT_EQ(store->getNextRecordID(), 3);

  // A listed record whose file has gone reads as no record.
  std::filesystem::remove(save_ / RecordName("s", 1));
  EXPECT_EQ(store->getRecord(1), nullptr);
  EXPECT_EQ(store->getRecord(1, buffer, 0), 0);
  EXPECT_EQ(store->getRecordSize(1), 0);
  EXPECT_EQ(TakePending().classId, 0);

  ObjectArray* names = Store::listRecordStores();
  ASSERT_NE(names, nullptr);
  EXPECT_EQ(names->length, 0);
}

TEST_F(RecordStoreTest, EachFailureRaisesItsException) {
  Store* store = Open("s", true);
  store->addRecord(Bytes("abc"), 0, 3);
  ByteArray* small = Bytes("....");
  struct Case {
    const char* what;
    void (*call)(Store* store, ByteArray* small);
    int32_t classId;
    const char* message;
  };
  const Case cases[] = {
      {"getRecord of an unknown id", [](Store* s, ByteArray*) { s->getRecord(7); }, kInvalidId,
       "7"},
      {"getRecord into a buffer, unknown id", [](Store* s, ByteArray* b) { s->getRecord(0, b, 0); },
       kInvalidId, "0"},
      {"getRecordSize of an unknown id", [](Store* s, ByteArray*) { s->getRecordSize(-3); },
       kInvalidId, "-3"},
      {"setRecord of an unknown id", [](Store* s, ByteArray* b) { s->setRecord(2, b, 0, 1); },
       kInvalidId, "2"},
      {"a buffer without room from the offset",
       [](Store* s, ByteArray* b) { s->getRecord(1, b, 2); }, kStoreException, "1"},
      {"a negative buffer offset", [](Store* s, ByteArray* b) { s->getRecord(1, b, -1); },
       kStoreException, "1"},
      {"addRecord from outside the array", [](Store* s, ByteArray* b) { s->addRecord(b, 2, 3); },
       kStoreException, kNotWritten},
      {"setRecord from outside the array",
       [](Store* s, ByteArray* b) { s->setRecord(1, b, -1, 2); }, kStoreException, kNotWritten},
      {"opening a missing store", [](Store*, ByteArray*) { Open("missing", false); }, kNotFound,
       "\\Program Files\\Marquent\\Plimora\\rs_missing.rms"},
      {"deleting a missing store",
       [](Store*, ByteArray*) { Store::deleteRecordStore(NewJavaString("missing")); }, kNotFound,
       "\\Program Files\\Marquent\\Plimora\\rs_missing.rms"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TraceCapture trace;
    c.call(store, small);
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, c.classId);
    EXPECT_EQ(raised.message, c.message);
    EXPECT_EQ(Text(small), "....") << "nothing is copied";
  }
  EXPECT_EQ(Text(store->getRecord(1)), "abc");
  EXPECT_EQ(IndexFile("s"), Ints({1, 1, 1}));
  EXPECT_EQ(RecordFile("s", 2), std::nullopt);
  EXPECT_EQ(store->getNextRecordID(), 2);
}

TEST_F(RecordStoreTest, AFailedWriteChangesNothingAndIsReported) {
  Store* store = Open("s", true);
  store->addRecord(Bytes("old"), 0, 3);
  struct Case {
    const char* what;
    unsigned ops;
    int k;  // the k-th operation of that kind fails
    void (*call)(Store* store);
  };
  const Case cases[] = {
      {"the record file of an add", host::kFaultWrite, 1,
       [](Store* s) { s->addRecord(Bytes("new"), 0, 3); }},
      {"the index of an add", host::kFaultRename, 2,
       [](Store* s) { s->addRecord(Bytes("new"), 0, 3); }},
      {"the record file of a set", host::kFaultSync, 1,
       [](Store* s) { s->setRecord(1, Bytes("new"), 0, 3); }},
      {"the index of a delete", host::kFaultWrite, 1, [](Store* s) { s->deleteRecord(1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TraceCapture trace;
    host::ArmFileFault(c.ops, c.k);
    c.call(store);
    host::DisarmFileFaults();
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, kStoreException);
    EXPECT_EQ(raised.message, kNotWritten);
    EXPECT_FALSE(trace.lines().empty());
    EXPECT_EQ(Ids(store), std::vector<int32_t>{1});
    EXPECT_EQ(store->lastRecordId, 1);
    EXPECT_EQ(IndexFile("s"), Ints({1, 1, 1}));
    EXPECT_EQ(RecordFile("s", 1), "old");
  }
  // With the disk well again the next add takes the id that failed.
  EXPECT_EQ(store->addRecord(Bytes("new"), 0, 3), 2);
  EXPECT_EQ(TakePending().classId, 0);
}

// A read error must not pass for a shorter file: an index read as fewer records would be
// written back over the player's records at the next close.
TEST_F(RecordStoreTest, AFailedReadIsReportedAndNeverTakenForLessData) {
  Store* store = Open("s", true);
  store->addRecord(Bytes("kept"), 0, 4);
  store->addRecord(Bytes("too"), 0, 3);
  struct Case {
    const char* what;
    void (*call)(Store* store);
    const char* message;
  };
  const Case cases[] = {
      {"the index of an open", [](Store*) { EXPECT_EQ(Open("s", true), nullptr); },
       "\\Program Files\\Marquent\\Plimora\\rs_s.rms"},
      {"a record", [](Store* s) { EXPECT_EQ(s->getRecord(1), nullptr); },
       "\\Program Files\\Marquent\\Plimora\\rs_s.rms_rec1.rms"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TraceCapture trace;
    host::ArmFileFault(host::kFaultRead, 1);
    c.call(store);
    host::DisarmFileFaults();
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, kStoreException);
    EXPECT_EQ(raised.message, c.message);
    EXPECT_FALSE(trace.lines().empty());
    EXPECT_EQ(IndexFile("s"), Ints({2, 2, 1, 2}));
    EXPECT_EQ(RecordFile("s", 1), "kept");
  }
  Store* again = Open("s", false);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Ids(again), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(Text(again->getRecord(1)), "kept");
}

TEST_F(RecordStoreTest, StoreWrittenClosedAndReopenedReadsTheSame) {
  Store* store = Open("round", true);
  const std::string records[] = {"first", "", std::string(264, '\xA5'), "last"};
  for (const std::string& record : records) {
    store->addRecord(Bytes(record), 0, static_cast<int32_t>(record.size()));
  }
  store->deleteRecord(2);
  store->setRecord(3, Bytes("third"), 0, 5);
  store->closeRecordStore();

  Store* again = Open("round", false);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Ids(again), (std::vector<int32_t>{1, 3, 4}));
  EXPECT_EQ(again->getNextRecordID(), 5);
  EXPECT_EQ(Text(again->getRecord(1)), "first");
  EXPECT_EQ(Text(again->getRecord(3)), "third");
  EXPECT_EQ(Text(again->getRecord(4)), "last");
  EXPECT_EQ(again->getSize(), 14);
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(RecordStoreTest, CloseWritesOnlyANewOrChangedIndexAndWriteIndexFileAlways) {
  // A shipped store, only in the data root: an unchanged close leaves the save root alone.
  Plant(data_, IndexName("shipped"), Ints({1, 1, 1}));
  Plant(data_, RecordName("shipped", 1), "x");
  Store* store = Open("shipped", false);
  ASSERT_NE(store, nullptr);
  store->closeRecordStore();
  EXPECT_EQ(IndexFile("shipped"), std::nullopt);
  store->writeIndexFile();
  EXPECT_EQ(IndexFile("shipped"), Ints({1, 1, 1}));
  EXPECT_EQ(TakePending().classId, 0);

  // A failed index write leaves the store changed, so the next close writes it.
  Store* fresh = Open("fresh", true);
  host::ArmFileFault(host::kFaultWrite, 1);
  fresh->closeRecordStore();
  host::DisarmFileFaults();
  EXPECT_EQ(TakePending().message, kNotWritten);
  EXPECT_EQ(IndexFile("fresh"), std::nullopt);
  fresh->closeRecordStore();
  EXPECT_EQ(IndexFile("fresh"), Ints({0, 0}));
}

TEST_F(RecordStoreTest, OpeningRepairsAnIndexThatWouldReuseIds) {
  struct Case {
    const char* what;
    std::string index;
    std::vector<int32_t> ids;
    int32_t lastRecordId;
    bool rewrittenOnClose;
  };
  const Case cases[] = {
      {"a whole index", Ints({5, 2, 2, 5}), {2, 5}, 5, false},
      {"empty (an old delete)", "", {}, 0, true},
      {"cut inside the header", Ints({4}).substr(0, 3), {}, 0, true},
      {"cut after the first id", Ints({9, 3, 4}), {4}, 9, true},
      {"a count below the ids", Ints({9, 1, 4, 7}), {4}, 9, true},
      {"a negative count", Ints({2, -1, 1}), {}, 2, true},
      {"bad and repeated ids", Ints({2, 5, 3, 0, -1, 3, 1}), {3, 1}, 3, true},
      {"a negative last id", Ints({-5, 0}), {}, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Plant(save_, IndexName("s"), c.index);
    Plant(save_, IndexName("s") + ".Tmp-1-1", "a leftover of a killed save");
    Store* store = Open("s", false);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(Ids(store), c.ids);
    EXPECT_EQ(store->lastRecordId, c.lastRecordId);
    store->closeRecordStore();
    std::vector<int32_t> expected = {c.lastRecordId, static_cast<int32_t>(c.ids.size())};
    expected.insert(expected.end(), c.ids.begin(), c.ids.end());
    EXPECT_EQ(IndexFile("s"), c.rewrittenOnClose ? Ints(expected) : c.index);
  }
  EXPECT_EQ(TakePending().classId, 0);

  // The largest id there can be: no id is left for a new record.
  Plant(save_, IndexName("s"), Ints({INT_MAX, 1, INT_MAX}));
  Store* store = Open("s", false);
  store->addRecord(Bytes("x"), 0, 1);
  EXPECT_EQ(TakePending().classId, kFull);
  EXPECT_EQ(Ids(store), std::vector<int32_t>{INT_MAX});
}

TEST_F(RecordStoreTest, DeletingAStoreRemovesItsFiles) {
  Store* store = Open("gone", true);
  store->addRecord(Bytes("a"), 0, 1);
  store->addRecord(Bytes("b"), 0, 1);
  Store::deleteRecordStore(NewJavaString("gone"));
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(IndexFile("gone"), std::nullopt);
  EXPECT_EQ(RecordFile("gone", 1), std::nullopt);
  EXPECT_EQ(RecordFile("gone", 2), std::nullopt);
  EXPECT_EQ(Open("gone", false), nullptr);
  EXPECT_EQ(TakePending().classId, kNotFound);
  Store* anew = Open("gone", true);
  ASSERT_NE(anew, nullptr);
  EXPECT_EQ(anew->getNumRecords(), 0);
  EXPECT_EQ(anew->getNextRecordID(), 1);
}

TEST_F(RecordStoreTest, AStoreMadeByTheClassFactoryWritesNothing) {
  auto* store = static_cast<Store*>(NewInstanceFactory::newInstance(Store::kClassId));
  ASSERT_NE(store, nullptr);
  EXPECT_EQ(store->getNumRecords(), 0);
  EXPECT_EQ(store->addRecord(Bytes("x"), 0, 1), 0);
  EXPECT_EQ(TakePending().classId, kStoreException);
  store->writeIndexFile();
  EXPECT_EQ(TakePending().classId, kStoreException);
}

}  // namespace
