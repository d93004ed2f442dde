#pragma once
// Commands in process against the stand-in editor, with the check's small
// dictionaries loaded and every module-wide state fresh before and after.
#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "commands/run_kesta.h"
#include "editor/editor.h"
#include "engine/dict_store.h"
#include "engine/message_list.h"
#include "engine/tokenizer.h"
#include "engine/word_rec.h"
#include "host/host_state.h"
#include "module/app_settings.h"
#include "platform/scripted_interaction.h"
#include "quality/quality_stats.h"
#include "tests/commands/check_words.h"
#include "tests/support/dict_fixture.h"

class EditorCheckTest : public ::testing::Test {
 protected:
  static void ResetState() {
    Bridge.Reset();
    Cursor.Reset();
    Check.Reset();
    Quality.Reset();
    NotFoundList.Reset();
    MessageList.Clear();
    WordList.Reset();
    CheckedText.Reset();
    Settings.Reset();
  }
  void SetUp() override {
    ResetState();
    Check.editTitleSet = true;
    LoadTestDictionaries(check_words::kTechnical, check_words::kCore, check_words::kSynonym);
    editor_.RegisterHostClasses();
  }
  void TearDown() override {
    object_->Release();
    ResetState();
    Dictionaries.Reset();
  }
  // The saved document without its XML declaration line.
  std::string Saved() const {
    std::string text = editor_.SaveText();
    std::size_t end = text.find("?>\n");
    return end == std::string::npos ? text : text.substr(end + 3);
  }

  editor::Editor editor_;
  ScriptedInteraction ui_;
  RunKesta* object_ = new RunKesta();
};
