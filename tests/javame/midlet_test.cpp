// MIDlet: the properties come from "app.jad" when the MIDlet is made, a missing one reads as
// the empty-value text, and the platform request opens nothing.
#include "javame/midlet.h"

#include <gtest/gtest.h>

#include "javame/hashtable.h"
#include "runtime/string.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using MIDlet = javax_microedition_midlet_MIDlet;

class MidletTest : public LibraryTest {
 protected:
  static std::string Property(MIDlet* midlet, const char* key) {
    return TextOf(midlet->getAppProperty(NewJavaString(key)));
  }
};

TEST_F(MidletTest, ThePropertiesAreReadFromTheDescriptorWhenTheMidletIsMade) {
  PlantArchiveEntry("app.jad",
                    "MIDlet-Name: Plimora\r\n"
        "MIDlet-Version:2.5\n"
        "not a property\n"
        "Start-Time: 10:30");
  auto* midlet = NewObject<MIDlet>();
  ASSERT_NE(midlet, nullptr);
  EXPECT_EQ(Property(midlet, "MIDlet-Name"), "Plimora");
  EXPECT_EQ(Property(midlet, "MIDlet-Version"), "2.5");
  EXPECT_EQ(Property(midlet, "Start-Time"), "10:30");
  EXPECT_EQ(Property(midlet, "MIDlet-Vendor"), "PROPERTY VALUE EMPTY");
  EXPECT_EQ(midlet->properties->size(), 3);
  // The table is read once: a later change of the file does not reach this MIDlet.
  PlantArchiveEntry("app.jad", "MIDlet-Name: Other\n");
  CollectNow();
  EXPECT_EQ(Property(midlet, "MIDlet-Name"), "Plimora");
  EXPECT_EQ(Property(NewObject<MIDlet>(), "MIDlet-Name"), "Other");
}

TEST_F(MidletTest, WithoutADescriptorEveryPropertyIsEmpty) {
  auto* midlet = NewObject<MIDlet>();
  ASSERT_NE(midlet->properties, nullptr);
  EXPECT_EQ(midlet->properties->size(), 0);
  EXPECT_EQ(Property(midlet, "MIDlet-Name"), "PROPERTY VALUE EMPTY");
  PlantArchiveEntry("app.jad", std::string());
  EXPECT_EQ(NewObject<MIDlet>()->properties->size(), 0);
}

TEST_F(MidletTest, APlatformRequestOpensNothingAndSaysSo) {
  auto* midlet = NewObject<MIDlet>();
  TraceCapture trace;
  EXPECT_FALSE(midlet->platformRequest(NewJavaString("http://example.org/")));
  EXPECT_FALSE(midlet->platformRequest(nullptr));
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{
                "MIDlet.platformRequest: \"http://example.org/\" is not opened on this platform",
                "MIDlet.platformRequest: \"null\" is not opened on this platform"}));
}

}  // namespace
