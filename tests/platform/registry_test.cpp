#include "platform/registry.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/temp_dir.h"

namespace {
class RegistryTest : public ::testing::Test {
 protected:
  std::string Path() const { return (dir_.path() / "conf" / "registry").string(); }
  std::string File() const { return dir_.Read("conf/registry"); }
  TempDir dir_;
  ScopedEnv env_{"KESTA_REGISTRY", Path().c_str()};
};
}  // namespace

TEST(RegistryPath, VariableThenConfigurationFolder) {
  ScopedEnv reg("KESTA_REGISTRY", nullptr);
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(RegistryPath(), "/cfg/kesta/registry");
  }
  ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
  ScopedEnv home("HOME", "/home/w");
  EXPECT_EQ(RegistryPath(), "/home/w/.config/kesta/registry");
}

// Keys and names without regard to case; a value may hold the separators.
TEST_F(RegistryTest, SetGetReplaceAndDeleteATree) {
  std::string error;
  ASSERT_EQ(RegistrySetValues({{"A\\B", "", "one"}, {"A\\B", "Model", "a = b : c"}}, &error), S_OK) << error;
  ASSERT_EQ(RegistrySetValues({{"a\\b", "", "two"}}, &error), S_OK);
  std::string value;
  ASSERT_TRUE(RegistryGetValue("A\\b", "model", &value));
  EXPECT_EQ(value, "a = b : c");
  EXPECT_FALSE(RegistryGetValue("A", "", &value));
  EXPECT_EQ(File(), "A\\B = two\nA\\B : Model = a = b : c\n");
  dir_.Write("conf/registry", "# mine\r\nK\\Sub = 1\nK = 0\nKey2 = 2\nK\\Sub\\Deep : n = 3\n\n");
  ASSERT_EQ(RegistryDeleteTrees({"k"}, &error), S_OK) << error;
  EXPECT_EQ(File(), "# mine\nKey2 = 2\n\n");
}

// Nothing is lost: a malformed file is neither read nor rewritten, a value
// that cannot be written is refused, a failed rewrite leaves the old file.
TEST_F(RegistryTest, RefusalsLeaveTheFileAsItWas) {
  std::string error;
  for (const RegistryValue& bad : std::vector<RegistryValue>{
           {"K", "", "two\nlines"}, {"K = x", "", "v"}, {"#K", "", "v"}, {"", "", "v"}})
    EXPECT_EQ(RegistrySetValues({bad}, &error), E_INVALIDARG) << bad.key;
  EXPECT_FALSE(FileExists(Path()));
  ASSERT_EQ(RegistrySetValues({{"K", "", "1"}}, &error), S_OK);
  FailNextReplaceForTesting("write", 28);
  EXPECT_EQ(RegistrySetValues({{"K", "", "2"}}, &error), E_ACCESSDENIED);
  EXPECT_NE(error.find(Path()), std::string::npos);
  EXPECT_EQ(File(), "K = 1\n");

  dir_.Write("conf/registry", "Good = 1\nno separator here\n");
  std::vector<RegistryValue> values;
  EXPECT_FALSE(ReadRegistry(&values, &error));
  EXPECT_NE(error.find(":2:"), std::string::npos) << error;
  EXPECT_TRUE(FAILED(RegistrySetValues({{"X", "", "1"}}, &error)));
  EXPECT_TRUE(FAILED(RegistryDeleteTrees({"Good"}, &error)));
  EXPECT_EQ(File(), "Good = 1\nno separator here\n");
}

TEST_F(RegistryTest, ProgIdLookup) {
  std::string error;
  CLSID clsid;
  RegistrySetValues({{"Some.Class\\CLSID", "", "{38F4D00F-9ACD-4079-A6D9-6D5C90847BB1}"},
                     {"Bad.Class\\CLSID", "", "not a class id"}},
                    &error);
  ASSERT_EQ(CLSIDFromProgID("some.class", &clsid), S_OK);
  EXPECT_EQ(clsid.ToString(), "{38F4D00F-9ACD-4079-A6D9-6D5C90847BB1}");
  EXPECT_EQ(CLSIDFromProgID("Bad.Class", &clsid), CO_E_CLASSSTRING);
  EXPECT_EQ(CLSIDFromProgID("Other.Class", &clsid), REGDB_E_CLASSNOTREG);
}
