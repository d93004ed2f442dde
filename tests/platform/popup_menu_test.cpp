#include <gtest/gtest.h>

#include <cstdio>

#include "platform/console_interaction.h"
#include "platform/popup_menu.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"

namespace {
// Top, separator, a sub-menu with two items, Last.
Menu Sample() {
  Menu menu;
  menu.items.push_back(MenuCommand(10, "Top"));
  menu.items.push_back(MenuSeparator());
  menu.items.push_back(MenuPopup("More", {MenuCommand(20, "A"), MenuCommand(21, "B")}));
  menu.items.push_back(MenuCommand(30, "Last"));
  return menu;
}
}  // namespace

// What the finding menu does not meet: missing items, separators, a
// sub-menu changed by position, a default moved on.
TEST(PopupMenu, MissingItemsAndSubMenus) {
  Menu menu = Sample();
  EXPECT_EQ(GetMenuString(menu, 1, MF_BYPOSITION), "");  // the separator
  EXPECT_FALSE(ModifyMenu(menu, 99, MF_BYCOMMAND, 99, "x"));
  EXPECT_FALSE(ModifyMenu(menu, 9, MF_BYPOSITION, 99, "x"));
  EXPECT_EQ(CheckMenuItem(menu, 99, MF_BYCOMMAND | MF_CHECKED), -1);
  EXPECT_TRUE(ModifyMenu(menu, 2, MF_BYPOSITION | MF_STRING, 77, "Other"));
  EXPECT_EQ(GetMenuItemCount(*GetSubMenu(menu, 2)), 2u);
  EXPECT_TRUE(SetMenuDefaultItem(menu, 10, false));
  EXPECT_TRUE(SetMenuDefaultItem(menu, 30, false));
  EXPECT_FALSE(menu.items[0].isDefault);
  EXPECT_TRUE(RemoveMenu(menu, 20, MF_BYCOMMAND));
  EXPECT_FALSE(RemoveMenu(menu, 20, MF_BYCOMMAND));
}

// Only items that can be chosen are returned; a greyed sub-menu greys its items.
TEST(PopupMenu, OnlyItemsThatCanBeChosenAreReturned) {
  ScriptedInteraction ui;
  Menu menu = Sample();
  EXPECT_EQ(EnableMenuItem(menu, 2, MF_BYPOSITION | MF_GRAYED), static_cast<int>(MF_ENABLED));
  for (int answer : {20, 30, 555}) ui.QueueAnswer(answer);
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 5, 6, kHostWindow), 0);
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 5, 6, kHostWindow), 30);
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 5, 6, kHostWindow), 0);
  EXPECT_EQ(ui.Menus().at(0).at.y, 6);
  ui.QueueAnswer(10);  // without an owner nothing is shown
  EXPECT_EQ(TrackPopupMenu(Sample(), TPM_RETURNCMD, 0, 0, 0), 0);
  EXPECT_EQ(ui.Menus().size(), 3u);
}

TEST(ConsoleInteraction, MenusAreNumberedAndAnsweredByNumber) {
  TempDir dir;
  std::FILE* out = std::fopen((dir.path() / "menu.txt").c_str(), "w");
  ASSERT_NE(out, nullptr);
  Menu menu = Sample();
  CheckMenuItem(menu, 30, MF_BYCOMMAND | MF_CHECKED);
  SetMenuDefaultItem(menu, 30, false);
  EnableMenuItem(menu, 2, MF_BYPOSITION | MF_GRAYED);
  {
    ConsoleInteraction console(out);
    console.QueueAnswer(4);
    EXPECT_EQ(console.PopupMenu(menu, {}), 30);
    console.QueueAnswer(9);
    EXPECT_EQ(console.PopupMenu(menu, {}), 0);  // no such number
    EXPECT_EQ(console.PopupMenu(menu, {}), 0);  // nobody answers: dismissed
  }
  std::fclose(out);
  std::string text = dir.Read("menu.txt");
  EXPECT_NE(text.find("[menu] 1 Top\n[menu] --------\n[menu] More: (greyed)\n[menu]   2 A (greyed)\n"
                      "[menu]   3 B (greyed)\n[menu] 4 Last (checked, default)\n[menu] -> 4\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("[menu] -> 0\n"), std::string::npos);

  // A greyed row or a number the menu lacks is refused: the menu is
  // dismissed, and the console keeps why (the first refusal only).
  const struct {
    std::vector<int> answers;
    int chosen;  // the last menu's
    const char* refused;
  } rows[] = {
      {{0}, 0, ""},
      {{2}, 0, "answer 2 refused: row 2 of the menu (A) is greyed, so it cannot be chosen"},
      {{9, 4}, 30, "answer 9 refused: the menu has no row 9 (its rows are 1 to 4)"},
  };
  std::FILE* sink = std::fopen((dir.path() / "rows.txt").c_str(), "w");
  ASSERT_NE(sink, nullptr);
  for (const auto& row : rows) {
    ConsoleInteraction console(sink);
    int chosen = -1;
    for (int answer : row.answers) {
      console.QueueAnswer(answer);
      chosen = console.PopupMenu(menu, {});
    }
    EXPECT_EQ(chosen, row.chosen) << row.refused;
    EXPECT_EQ(console.RefusedAnswer(), row.refused);
  }
  std::fclose(sink);
  EXPECT_EQ(dir.Read("rows.txt").find("[menu] -> 2\n"), std::string::npos);  // a refused answer is no choice
}
