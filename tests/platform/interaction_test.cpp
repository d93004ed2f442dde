#include <gtest/gtest.h>

#include <cstdio>

#include "platform/console_interaction.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"

TEST(ScriptedInteraction, AnInnerOneRestoresTheOuterOne) {
  ScriptedInteraction ui;
  {
    ScriptedInteraction inner;
    AfxMessageBox("inner");
    EXPECT_EQ(inner.Boxes().size(), 1u);
  }
  AfxMessageBox("outer");
  EXPECT_EQ(ui.Boxes().size(), 1u);
}

// The console prints in the commands' forms; without a display it only says
// what it would open, and a box offering Cancel or Abort is dismissed with it.
TEST(ConsoleInteraction, PrintsAndDismissesQuestions) {
  ScopedEnv noX("DISPLAY", nullptr);
  ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
  TempDir dir;
  std::FILE* out = std::fopen((dir.path() / "out.txt").c_str(), "w");
  ASSERT_NE(out, nullptr);
  {
    ConsoleInteraction console(out);
    EXPECT_EQ(console.MessageBox("Sure?", "Cap", MB_YESNO), IDNO);
    console.QueueAnswer(IDYES);
    EXPECT_EQ(console.MessageBox("Sure?", "Cap", MB_YESNO), IDYES);
    EXPECT_EQ(console.MessageBox("Go on?", "Cap", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(console.MessageBox("Again?", "Cap", MB_ABORTRETRYIGNORE), IDABORT);
    EXPECT_EQ(console.Response("Which?", {"ONE", "ALL"}), 0);
    console.ShellOpen("/opt/custom/editinit/User_guide.pdf");
    console.ShowHelp("/opt/custom/editinit/KestaHelp.chm", 1001);
  }
  std::fclose(out);
  EXPECT_EQ(dir.Read("out.txt"),
            "[box Cap] Sure?\n[box Cap] Sure?\n[box Cap] Go on?\n[box Cap] Again?\n"
            "[response] Which? -> 0\n[open] /opt/custom/editinit/User_guide.pdf\n"
            "[help] /opt/custom/editinit/KestaHelp.chm topic 1001\n");
}
