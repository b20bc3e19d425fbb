// Opening resources by name: a ".bar" name opens as a file when one is there, and every other
// name (and a ".bar" name that is no file) goes to the archive, which is the loose files at
// the data set's root until the archive arrives.
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <string>

#include "javame/input_stream.h"
#include "platform/install_paths.h"
#include "platform/whole_stream.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/string.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class ResourcesTest : public LibraryTest {
 protected:
  // The whole resource, or "<none>".
  static std::string Resource(String* name) {
    java_io_InputStream* in = Class::getResourceAsStream(name);
    if (!in) return "<none>";
    ByteArray* bytes = ReadWholeStream(in);
    in->close();
    return std::string(reinterpret_cast<const char*>(bytes->elements()),
                       static_cast<size_t>(bytes->length));
  }
  static std::string Resource(const char* name) { return Resource(NewJavaString(name)); }
};

TEST_F(ResourcesTest, ABarNameOpensAsAFileAndFallsBackToTheArchive) {
  Plant(data_, "program files/marquent/plimora/data.bar", "the archive");
  Plant(data_, "loose.bar", "a loose entry");
  Plant(data_, "sub/entry.bar", "an entry in a folder");
  struct Case {
    const char* name;
    const char* contents;
  };
  const Case cases[] = {
      {"\\Program Files\\Marquent\\Plimora\\data.bar", "the archive"},  // a file path
      {"loose.bar", "a loose entry"},                                   // a file at the root
      {"/sub/entry.bar", "an entry in a folder"},
      {"\\Program Files\\data.bar", "<none>"},  // neither a file nor an entry
      {"/loose.BAR", "a loose entry"},          // not ".bar": an archive entry by that name
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Resource(c.name), c.contents) << c.name;
  }
  EXPECT_EQ(Resource(GetDataBarPath()), "the archive");
}

TEST_F(ResourcesTest, ABarNameThatIsNoFileGoesOnToTheArchive) {
  // Until the archive exists its entries are the loose files, so a ".bar" name that is no
  // file is no entry either; each step names the character it cannot take.
  String* name = NewJavaString("/caf_.bar");
  name->characters[4] = u'\u00E9';
  TraceCapture trace;
  EXPECT_EQ(Resource(name), "<none>");
  ASSERT_EQ(trace.lines().size(), 2u);
  EXPECT_NE(trace.lines()[0].find("javax_microedition_io_File"), std::string::npos);
  EXPECT_NE(trace.lines()[1].find("getResourceAsStream"), std::string::npos);
}

TEST_F(ResourcesTest, OtherNamesAreArchiveEntriesWithOneLeadingSlashIgnored) {
  Plant(data_, "app.jad", "properties");
  for (const char* name : {"app.jad", "/app.jad", "/APP.JAD"}) {
    EXPECT_EQ(Resource(name), "properties") << name;
  }
  EXPECT_NE(Resource("/constants.bin"), "<none>");  // the pool the runtime started from
}

TEST_F(ResourcesTest, MissingOrUnnameableResourcesGiveNoStream) {
  Plant(data_, "app.jad", "properties");
  EXPECT_EQ(Resource("/missing.bin"), "<none>");
  EXPECT_EQ(Resource("/../data/app.jad"), "<none>");
  TraceCapture trace;
  EXPECT_EQ(Class::getResourceAsStream(nullptr), nullptr);
  String* name = NewJavaString("/app.jad");
  name->characters[1] = u'\u00E1';
  EXPECT_EQ(Resource(name), "<none>");
  EXPECT_EQ(trace.lines().size(), 3u);  // the null check (two lines) and the bad character
}

TEST_F(ResourcesTest, TheInstallPathsLieUnderProgramFiles) {
  EXPECT_EQ(TextOf(GetProgramFilesPath()), "\\Program Files");
  EXPECT_EQ(TextOf(GetInstallFolderPath()), "\\Program Files\\Marquent\\Plimora");
  EXPECT_EQ(TextOf(GetDataBarPath()), "\\Program Files\\Marquent\\Plimora\\data.bar");
  EXPECT_NE(GetDataBarPath(), GetDataBarPath());  // a new String each time
}

}  // namespace
