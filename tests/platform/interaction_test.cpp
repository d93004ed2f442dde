#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

#include "platform/console_interaction.h"
#include "platform/files.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"

TEST(ScriptedInteraction, RecordsBoxesAndAnswersFromTheQueue) {
  ScriptedInteraction ui;
  ui.QueueAnswer(IDYES);
  EXPECT_EQ(ShowMessageBox("Go on?", "Cap", MB_YESNO | MB_ICONQUESTION), IDYES);
  EXPECT_EQ(ShowMessageBox("Again?", "Cap", MB_YESNO), IDNO);  // queue empty: dismissed
  EXPECT_EQ(AfxMessageBox("Done", MB_ICONINFORMATION), IDOK);
  auto boxes = ui.Boxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].caption, "KESta Checker");
  EXPECT_EQ(boxes[2].style, MB_ICONINFORMATION);
  EXPECT_EQ(boxes[0].style & MB_ICONMASK, MB_ICONQUESTION);
  {
    ScriptedInteraction inner;  // the outer one is restored after it
    AfxMessageBox("inner");
    EXPECT_EQ(inner.Boxes().size(), 1u);
  }
  AfxMessageBox("outer");
  EXPECT_EQ(ui.Boxes().size(), 4u);
  // Questions nobody answers are dismissed with 0.
  EXPECT_EQ(CurrentInteraction().Response("Check?", {"ONE", "ALL", "Cancel"}), 0);
  ui.QueueAnswer(2);
  EXPECT_EQ(CurrentInteraction().Response("Check?", {"ONE", "ALL"}), 2);
  CurrentInteraction().StatusLine("hello");
  EXPECT_EQ(ui.StatusLines(), std::vector<std::string>{"hello"});
}

TEST(ConsoleInteraction, PrintsInTheCommandsFormsAndDismissesQuestions) {
  TempDir dir;
  std::string path = (dir.path() / "out.txt").string();
  std::FILE* out = std::fopen(path.c_str(), "w");
  ASSERT_NE(out, nullptr);
  {
    ConsoleInteraction console(out);
    EXPECT_EQ(console.MessageBox("Text", "Cap", MB_OK), IDOK);
    EXPECT_EQ(console.MessageBox("Sure?", "Cap", MB_YESNO), IDNO);
    console.QueueAnswer(IDYES);
    EXPECT_EQ(console.MessageBox("Sure?", "Cap", MB_YESNO), IDYES);
    console.StatusLine("Checking");
    console.QueueAnswer(2);
    EXPECT_EQ(console.Response("Which?", {"ONE", "ALL"}), 2);
    EXPECT_EQ(console.Response("Which?", {"ONE", "ALL"}), 0);
  }
  std::fclose(out);
  EXPECT_EQ(dir.Read("out.txt"),
            "[box Cap] Text\n[box Cap] Sure?\n[box Cap] Sure?\n[status] Checking\n"
            "[response] Which? -> 2\n[response] Which? -> 0\n");
}

// Without a display the console only says what it would open; a box that
// offers Cancel or Abort is dismissed with it.
TEST(ConsoleInteraction, SaysWhatItWouldOpenAndDismissesWithCancel) {
  ScopedEnv noX("DISPLAY", nullptr);
  ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
  TempDir dir;
  std::string path = (dir.path() / "out.txt").string();
  std::FILE* out = std::fopen(path.c_str(), "w");
  ASSERT_NE(out, nullptr);
  {
    ConsoleInteraction console(out);
    console.ShellOpen("/opt/custom/editinit/User_guide.pdf");
    console.ShowHelp("/opt/custom/editinit/KestaHelp.chm", 1001);
    EXPECT_EQ(console.MessageBox("Go on?", "Cap", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(console.MessageBox("Again?", "Cap", MB_ABORTRETRYIGNORE), IDABORT);
  }
  std::fclose(out);
  EXPECT_EQ(dir.Read("out.txt"),
            "[open] /opt/custom/editinit/User_guide.pdf\n"
            "[help] /opt/custom/editinit/KestaHelp.chm topic 1001\n"
            "[box Cap] Go on?\n[box Cap] Again?\n");
}

TEST(Files, WindowsPathsMapToSlashes) {
  TempDir dir;
  dir.Write("a/b.txt", "xyz");
  std::string winPath = dir.path().string() + "\\a\\b.txt";
  EXPECT_TRUE(FileExists(winPath));
  EXPECT_TRUE(FileReadable(winPath));
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(winPath, &bytes));
  EXPECT_EQ(bytes, "xyz");
  EXPECT_FALSE(FileExists(dir.path().string() + "\\a\\none.txt"));
}

TEST(Files, ReplaceKeepsTheOldFileWhenTheWriteFails) {
  TempDir dir;
  std::string path = dir.Write("f.txt", "old");
  int error = 0;
  const char* stage = nullptr;
  ASSERT_TRUE(ReplaceFileContent(path, "new", &error, &stage));
  EXPECT_EQ(dir.Read("f.txt"), "new");
  FailNextReplaceForTesting("write", 28);
  EXPECT_FALSE(ReplaceFileContent(path, "newer", &error, &stage));
  EXPECT_STREQ(stage, "write");
  EXPECT_EQ(error, 28);
  EXPECT_EQ(dir.Read("f.txt"), "new");
}
