#pragma once
// The loaded module against the stand-in editor, in one process: a document
// in the editor, its host classes registered, the module opened with a
// registry of its own.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cli/module_client.h"
#include "editor/editor.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"

class ModuleFixture : public ::testing::Test {
 protected:
  // Loads `xml` as the document `name` and opens the module on it.
  void Open(std::string_view xml, const std::string& name) {
    std::string error;
    ASSERT_TRUE(doc_.LoadText(xml, name, &error)) << error;
    doc_.RegisterHostClasses();
    ASSERT_EQ(client_.Open(&error), ModuleClient::Outcome::Ok) << error;
  }

  TempDir dir_;
  ScopedEnv registry_{"KESTA_REGISTRY", (dir_.path() / "registry").c_str()};
  ScopedEnv custom_{"APTCUSTOM", (std::string(KESTA_BUILD_DIR) + "/test-custom").c_str()};
  ScriptedInteraction ui_;
  editor::Editor doc_;
  ModuleClient client_{KESTA_MODULE_PATH};
};
