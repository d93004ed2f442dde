// The loaded module against the stand-in editor, in one process: what the
// module sends (each command's failure handlers are the command frame tables).
#include <gtest/gtest.h>

#include <string>

#include "cli/module_client.h"
#include "editor/editor.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"

namespace {
// A document in the editor, its host classes registered, the module opened
// with a registry of its own.
class LoadedModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(doc_.LoadText("<task><title>Fit the cover</title><taskbody/></task>", "cover.xml", &error)) << error;
    doc_.RegisterHostClasses();
    ASSERT_EQ(client_.Open(&error), ModuleClient::Outcome::Ok) << error;
  }

  std::vector<std::string> Received() const {
    std::vector<std::string> out;
    for (const editor::AclCall& c : doc_.Calls())
      out.push_back((c.kind == editor::AclCall::Executed ? "execute " : "evaluate ") + c.text);
    return out;
  }

  TempDir dir_;
  ScopedEnv registry_{"KESTA_REGISTRY", (dir_.path() / "registry").c_str()};
  ScopedEnv custom_{"APTCUSTOM", (std::string(KESTA_BUILD_DIR) + "/test-custom").c_str()};
  ScriptedInteraction ui_;
  editor::Editor doc_;
  ModuleClient client_{KESTA_MODULE_PATH};
};
}  // namespace

TEST_F(LoadedModuleTest, FullTagsByIdAndByName) {
  EXPECT_EQ(client_.Call("FullTags", nullptr), S_OK);
  EXPECT_EQ(Received(), std::vector<std::string>{"execute set tagdisplay=full;"});
  EXPECT_EQ(doc_.Option("tagdisplay"), "full");
  EXPECT_TRUE(ui_.Events().empty());
  EXPECT_EQ(client_.Object()->Invoke(0x35, IID_IRunKesta, DISPATCH_METHOD, {}, nullptr), S_OK);
  EXPECT_EQ(client_.Call("fulltags", nullptr), S_OK);
  EXPECT_EQ(Received().size(), 3u);
}

TEST_F(LoadedModuleTest, ToolsShowTheirDialogsAndSendNothing) {
  // ShowTemp writes a term file; its own tests give it a folder of its own.
  const std::pair<const char*, const char*> tools[] = {{"WordFinder", "KESta WordFinder"},
                                                       {"VerbSelector", "KESta Verb Selector"},
                                                       {"MetricConverter", "Metric Converter Tool"}};
  for (const auto& [method, caption] : tools) {
    ui_.Clear();
    EXPECT_EQ(client_.Call(method, nullptr), S_OK) << method;
    ASSERT_EQ(ui_.Dialogs().size(), 1u) << method;
    EXPECT_EQ(ui_.Dialogs()[0].opened.caption, caption);
    EXPECT_EQ(ui_.Dialogs()[0].result, 2);
    EXPECT_TRUE(ui_.Boxes().empty()) << ui_.Boxes()[0].text;
  }
  EXPECT_TRUE(doc_.Calls().empty());
}

