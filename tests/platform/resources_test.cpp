// Opening resources by name: a ".bar" name opens as a file when one is there, and every other
// name (and a ".bar" name that is no file) is an entry of the archive.

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
  PlantArchiveEntry("sub/entry.bar", "an entry in a folder");
  PlantArchiveEntry("loose.BAR", "an entry");
  Plant(data_, "loose.bar", "a loose file");
  struct Case {
    const char* name;
    const char* contents;
  };
  const Case cases[] = {
      {"loose.bar", "a loose file"},  // a file at the root
      {"/sub/entry.bar", "an entry in a folder"},
      {"\\Program Files\\data.bar", "<none>"},  // neither a file nor an entry
      {"/loose.BAR", "an entry"},               // not ".bar": an archive entry by that name
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Resource(c.name), c.contents) << c.name;
  }
  EXPECT_EQ(Resource(GetDataBarPath()).substr(0, 2), std::string("\0\3", 2));  // its index
}

TEST_F(ResourcesTest, ABarNameThatIsNoFileGoesOnToTheArchive) {
  String* name = NewJavaString("/caf_.bar");
  name->characters[4] = u'\u00E9';
  TraceCapture trace;
  EXPECT_EQ(Resource(name), "<none>");
  ASSERT_EQ(trace.lines().size(), 1u);  // the file step names the character it cannot take
  EXPECT_NE(trace.lines()[0].find("javax_microedition_io_File"), std::string::npos);
}

TEST_F(ResourcesTest, OtherNamesAreArchiveEntriesWithOneLeadingSlashIgnored) {
  PlantArchiveEntry("app.jad", "properties");
  for (const char* name : {"app.jad", "/app.jad", "/APP.JAD"}) {
    EXPECT_EQ(Resource(name), "properties") << name;
  }
  EXPECT_NE(Resource("/constants.bin"), "<none>");  // the pool the runtime started from
}

TEST_F(ResourcesTest, MissingResourcesGiveNoStream) {
  PlantArchiveEntry("app.jad", "properties");
  Plant(data_, "loose.bin", "not in the archive");
  EXPECT_EQ(Resource("/missing.bin"), "<none>");
  EXPECT_EQ(Resource("/loose.bin"), "<none>");
  EXPECT_EQ(Resource("/../data/app.jad"), "<none>");
  String* name = NewJavaString("/app.jad");
  name->characters[1] = u'\u00E1';
  EXPECT_EQ(Resource(name), "<none>");
  TraceCapture trace;
  EXPECT_EQ(Class::getResourceAsStream(nullptr), nullptr);
  EXPECT_EQ(trace.lines().size(), 2u);  // the null check
}

TEST_F(ResourcesTest, TheInstallPathsLieUnderProgramFiles) {
  EXPECT_EQ(TextOf(GetProgramFilesPath()), "\\Program Files");
  EXPECT_EQ(TextOf(GetInstallFolderPath()), "\\Program Files\\Marquent\\Plimora");
  EXPECT_EQ(TextOf(GetDataBarPath()), "\\Program Files\\Marquent\\Plimora\\data.bar");
  EXPECT_NE(GetDataBarPath(), GetDataBarPath());  // a new String each time
}

}  // namespace
