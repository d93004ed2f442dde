#include "platform/registry.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/temp_dir.h"

namespace {
class RegistryTest : public ::testing::Test {
 protected:
  std::string Path() const { return (dir_.path() / "conf" / "registry").string(); }
  TempDir dir_;
  ScopedEnv env_{"KESTA_REGISTRY", Path().c_str()};
};
}  // namespace

TEST(RegistryPath, VariableThenConfigurationFolder) {
  {
    ScopedEnv reg("KESTA_REGISTRY", "/x/reg");
    EXPECT_EQ(RegistryPath(), "/x/reg");
  }
  ScopedEnv reg("KESTA_REGISTRY", nullptr);
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(RegistryPath(), "/cfg/kesta/registry");
  }
  ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
  ScopedEnv home("HOME", "/home/w");
  EXPECT_EQ(RegistryPath(), "/home/w/.config/kesta/registry");
}

TEST_F(RegistryTest, SetGetAndReplaceWithoutRegardToCase) {
  std::string error;
  ASSERT_EQ(RegistrySetValues({{"A\\B", "", "one"}, {"A\\B", "Model", "Both"}}, &error), S_OK) << error;
  ASSERT_EQ(RegistrySetValues({{"a\\b", "", "two"}}, &error), S_OK);
  std::string value;
  ASSERT_TRUE(RegistryGetValue("A\\B", "", &value));
  EXPECT_EQ(value, "two");
  ASSERT_TRUE(RegistryGetValue("A\\b", "model", &value));
  EXPECT_EQ(value, "Both");
  EXPECT_FALSE(RegistryGetValue("A", "", &value));
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(Path(), &bytes));
  EXPECT_EQ(bytes, "A\\B = two\nA\\B : Model = Both\n");
}

TEST_F(RegistryTest, DeletingATreeKeepsNeighboursAndComments) {
  std::string error;
  dir_.Write("conf/registry", "# mine\r\nK\\Sub = 1\nK = 0\nKey2 = 2\nK\\Sub\\Deep : n = 3\n\n");
  ASSERT_EQ(RegistryDeleteTrees({"k"}, &error), S_OK) << error;
  EXPECT_EQ(dir_.Read("conf/registry"), "# mine\nKey2 = 2\n\n");
}

TEST_F(RegistryTest, MalformedFileIsNeitherReadNorRewritten) {
  dir_.Write("conf/registry", "Good = 1\nno separator here\n");
  std::vector<RegistryValue> values;
  std::string error;
  EXPECT_FALSE(ReadRegistry(&values, &error));
  EXPECT_NE(error.find(":2:"), std::string::npos) << error;
  EXPECT_TRUE(FAILED(RegistrySetValues({{"X", "", "1"}}, &error)));
  EXPECT_TRUE(FAILED(RegistryDeleteTrees({"Good"}, &error)));
  EXPECT_EQ(dir_.Read("conf/registry"), "Good = 1\nno separator here\n");
}

TEST_F(RegistryTest, ValuesThatCannotBeWrittenAreRefused) {
  std::string error;
  EXPECT_EQ(RegistrySetValues({{"K", "", "two\nlines"}}, &error), E_INVALIDARG);
  EXPECT_EQ(RegistrySetValues({{"K = x", "", "v"}}, &error), E_INVALIDARG);
  EXPECT_EQ(RegistrySetValues({{"#K", "", "v"}}, &error), E_INVALIDARG);
  EXPECT_EQ(RegistrySetValues({{"", "", "v"}}, &error), E_INVALIDARG);
  EXPECT_FALSE(FileExists(Path()));
  // A value may hold the separators: only the first " = " splits the line.
  ASSERT_EQ(RegistrySetValues({{"K", "", "a = b : c"}}, &error), S_OK);
  std::string value;
  ASSERT_TRUE(RegistryGetValue("K", "", &value));
  EXPECT_EQ(value, "a = b : c");
}

TEST_F(RegistryTest, FailedRewriteLeavesTheOldFile) {
  std::string error;
  ASSERT_EQ(RegistrySetValues({{"K", "", "1"}}, &error), S_OK);
  FailNextReplaceForTesting("write", 28);
  EXPECT_EQ(RegistrySetValues({{"K", "", "2"}}, &error), E_ACCESSDENIED);
  EXPECT_NE(error.find(Path()), std::string::npos);
  EXPECT_EQ(dir_.Read("conf/registry"), "K = 1\n");
}

TEST_F(RegistryTest, ProgIdLookup) {
  std::string error;
  CLSID clsid;
  EXPECT_EQ(CLSIDFromProgID("Some.Class", &clsid), REGDB_E_CLASSNOTREG);
  RegistrySetValues({{"Some.Class\\CLSID", "", "{38F4D00F-9ACD-4079-A6D9-6D5C90847BB1}"},
                     {"Bad.Class\\CLSID", "", "not a class id"}},
                    &error);
  ASSERT_EQ(CLSIDFromProgID("some.class", &clsid), S_OK);
  EXPECT_EQ(clsid.ToString(), "{38F4D00F-9ACD-4079-A6D9-6D5C90847BB1}");
  EXPECT_EQ(CLSIDFromProgID("Bad.Class", &clsid), CO_E_CLASSSTRING);
  EXPECT_EQ(CLSIDFromProgID("", &clsid), REGDB_E_CLASSNOTREG);
}
