// "app.jad": the line parser's table of cases (line ends, colons, blanks, lines without ':'),
// the text of a missing property, and the descriptor read as the builder writes it.
#include "platform/app_descriptor.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "javame/hashtable.h"
#include "runtime/application_impl.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/app_descriptor_writer.h"
#include "tools/databuild/app_properties.h"

namespace {

using Properties = std::map<std::u16string, std::u16string>;

class AppDescriptorTest : public LibraryTest {
 protected:
  static String* Text(const std::u16string& units) {
    return String::newFilled(static_cast<int32_t>(units.size()),
                             [&](char16_t* out) { std::copy(units.begin(), units.end(), out); });
  }
  // Every entry of the table, read back through its enumerators.
  static Properties Entries(java_util_Hashtable* table) {
    Properties entries;
    java_util_Hashtable_HashtableEnumerator* keys = table->keys();
    while (keys->hasMoreElements()) {
      auto* key = static_cast<String*>(keys->nextElement());
      entries[UnitsOf(key)] = UnitsOf(static_cast<String*>(table->get(key)));
    }
    return entries;
  }
  static Properties Parse(const std::u16string& text) {
    auto* table = NewObject<java_util_Hashtable>();
    ParseAppDescriptor(Text(text), table);
    return Entries(table);
  }
};

TEST_F(AppDescriptorTest, EachLineGivesOneTrimmedProperty) {
  struct Case {
    std::u16string text;
    Properties properties;
  };
  const Case cases[] = {
      {u"MIDlet-Name: Game\r\n", {{u"MIDlet-Name", u"Game"}}},
      {u"Key:Value", {{u"Key", u"Value"}}},  // the last line needs no line end
      {u"Time: 10:30\n", {{u"Time", u"10:30"}}},
      {u"  Spaced\t :  inner  blanks stay \t\r\n", {{u"Spaced", u"inner  blanks stay"}}},
      {u"K: first\nK: second\n", {{u"K", u"second"}}},
      {u"A: 1\r\nB: 2\nC: 3", {{u"A", u"1"}, {u"B", u"2"}, {u"C", u"3"}}},
      {u": no key\nEmpty:\n", {{u"", u"no key"}, {u"Empty", u""}}},
      {u"a:b\rc:d", {{u"a", u"b\rc:d"}}},  // a lone CR does not end a line
      {u"Caf\u00E9: cr\u00E8me", {{u"Caf\u00E9", u"cr\u00E8me"}}},
      {u"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
    EXPECT_EQ(Parse(c.text), c.properties);
  }
}

TEST_F(AppDescriptorTest, LinesWithoutAColonAreSkippedAndTheOthersStillCount) {
  struct Case {
    std::u16string text;
    Properties properties;
    size_t traceLines;  // one per skipped line that is not blank
  };
  const Case cases[] = {
      {u"no colon\nC: 3\n", {{u"C", u"3"}}, 1},
      {u"\n\nA: 1\n\n\r\nB: 2\n \t\n", {{u"A", u"1"}, {u"B", u"2"}}, 0},
      {u"first\nsecond\nlast", {}, 3},
      {u"A: 1\nbroken\r\nB: 2", {{u"A", u"1"}, {u"B", u"2"}}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
    TraceCapture trace;
    EXPECT_EQ(Parse(c.text), c.properties);
    EXPECT_EQ(trace.lines().size(), c.traceLines);
  }
}

TEST_F(AppDescriptorTest, AMissingPropertyReadsAsTheEmptyValueText) {
  auto* table = NewObject<java_util_Hashtable>();
  ParseAppDescriptor(NewJavaString("Present: yes"), table);
  EXPECT_EQ(TextOf(GetAppProperty(table, NewJavaString("Present"))), "yes");
  String* missing = GetAppProperty(table, NewJavaString("present"));  // keys keep their case
  EXPECT_EQ(TextOf(missing), "PROPERTY VALUE EMPTY");
  EXPECT_NE(GetAppProperty(table, NewJavaString("Absent")), missing);  // a new String each time
  ParseAppDescriptor(nullptr, table);
  EXPECT_EQ(table->size(), 1);
  TraceCapture trace;
  EXPECT_EQ(TextOf(GetAppProperty(nullptr, NewJavaString("Present"))), "PROPERTY VALUE EMPTY");
}

TEST_F(AppDescriptorTest, TheBuildersDescriptorReadsBackWhole) {
  const std::vector<uint8_t> written = databuild::WriteAppDescriptor(databuild::AppPropertyTable());
  PlantArchiveEntry("app.jad", written);
  String* text = ApplicationImpl::readAppDescriptor();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(TextOf(text), std::string(written.begin(), written.end()));
  auto* table = NewObject<java_util_Hashtable>();
  ParseAppDescriptor(text, table);
  EXPECT_EQ(table->size(), static_cast<int32_t>(databuild::AppPropertyTable().size()));
  for (const databuild::AppProperty& property : databuild::AppPropertyTable()) {
    String* value = GetAppProperty(table, NewJavaString(std::string(property.key).c_str()));
    EXPECT_EQ(TextOf(value), property.value) << property.key;
  }
  // The property the game reads by string constant 275.
  EXPECT_NE(TextOf(GetAppProperty(table, GetConstantString(275))), "PROPERTY VALUE EMPTY");
}

TEST_F(AppDescriptorTest, WithoutADescriptorThereIsNoText) {
  EXPECT_EQ(ApplicationImpl::readAppDescriptor(), nullptr);
  PlantArchiveEntry("app.jad", std::string());
  String* empty = ApplicationImpl::readAppDescriptor();
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->length(), 0);
}

}  // namespace
