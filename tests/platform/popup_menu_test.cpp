#include <gtest/gtest.h>

#include <cstdio>

#include "platform/console_interaction.h"
#include "platform/desktop.h"
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

TEST(PopupMenu, ItemsAreFoundByPositionOrByCommandInsideSubMenus) {
  Menu menu = Sample();
  EXPECT_EQ(GetSubMenu(menu, 0), nullptr);
  ASSERT_NE(GetSubMenu(menu, 2), nullptr);
  EXPECT_TRUE(ModifyMenu(menu, 0, MF_BYPOSITION | MF_STRING, 10, "First line"));
  EXPECT_EQ(GetMenuString(menu, 10, MF_BYCOMMAND), "First line");
  EXPECT_TRUE(ModifyMenu(menu, 21, MF_BYCOMMAND | MF_STRING, 21, "bee"));
  EXPECT_EQ(GetMenuString(menu, 1, MF_BYPOSITION), "");  // the separator
  EXPECT_EQ(GetSubMenu(menu, 2)->items[1].text, "bee");
  EXPECT_FALSE(ModifyMenu(menu, 99, MF_BYCOMMAND, 99, "x"));
  EXPECT_FALSE(ModifyMenu(menu, 9, MF_BYPOSITION, 99, "x"));
  // A sub-menu changed by position keeps its items.
  EXPECT_TRUE(ModifyMenu(menu, 2, MF_BYPOSITION | MF_STRING, 77, "Other"));
  EXPECT_TRUE(menu.items[2].popup);
  EXPECT_EQ(menu.items[2].sub.items.size(), 2u);
}

TEST(PopupMenu, StatesDefaultAndRemoval) {
  Menu menu = Sample();
  EXPECT_EQ(CheckMenuItem(menu, 30, MF_BYCOMMAND | MF_CHECKED), static_cast<int>(MF_UNCHECKED));
  EXPECT_EQ(CheckMenuItem(menu, 30, MF_BYCOMMAND | MF_CHECKED), static_cast<int>(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(menu, 99, MF_BYCOMMAND | MF_CHECKED), -1);
  EXPECT_EQ(EnableMenuItem(menu, 2, MF_BYPOSITION | MF_GRAYED | MF_DISABLED),
            static_cast<int>(MF_ENABLED));
  EXPECT_TRUE(menu.items[2].grayed);
  EXPECT_TRUE(SetMenuDefaultItem(menu, 10, false));
  EXPECT_TRUE(SetMenuDefaultItem(menu, 30, false));
  EXPECT_FALSE(menu.items[0].isDefault);
  EXPECT_TRUE(menu.items[3].isDefault);
  EXPECT_TRUE(RemoveMenu(menu, 20, MF_BYCOMMAND));
  EXPECT_FALSE(RemoveMenu(menu, 20, MF_BYCOMMAND));
  EXPECT_EQ(GetSubMenu(menu, 2)->items.size(), 1u);
  EXPECT_EQ(GetMenuItemCount(menu), 4u);
}

TEST(PopupMenu, OnlyItemsThatCanBeChosenAreReturned) {
  ScriptedInteraction ui;
  Menu menu = Sample();
  EnableMenuItem(menu, 2, MF_BYPOSITION | MF_GRAYED);
  ui.QueueAnswer(20);  // inside the greyed sub-menu
  ui.QueueAnswer(30);
  ui.QueueAnswer(555);  // no such item
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 5, 6, kHostWindow), 0);
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 5, 6, kHostWindow), 30);
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 5, 6, kHostWindow), 0);
  auto menus = ui.Menus();
  ASSERT_EQ(menus.size(), 3u);
  EXPECT_EQ(menus[0].at.x, 5);
  EXPECT_EQ(menus[0].at.y, 6);
  EXPECT_EQ(menus[0].menu.items[0].text, "Top");
  // Without an owner nothing is shown.
  ui.QueueAnswer(10);
  EXPECT_EQ(TrackPopupMenu(Sample(), TPM_RETURNCMD, 0, 0, 0), 0);
  EXPECT_EQ(ui.Menus().size(), 3u);
}

TEST(PopupMenu, LinesReadInOrderWithSubMenusOpened) {
  Menu menu = Sample();
  EnableMenuItem(menu, 2, MF_BYPOSITION | MF_GRAYED);
  std::vector<MenuLine> lines = MenuLines(menu);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3].item->text, "A");
  EXPECT_EQ(lines[3].depth, 1);
  EXPECT_FALSE(lines[3].choosable);  // under a greyed sub-menu
  EXPECT_TRUE(lines[0].choosable);
  EXPECT_FALSE(lines[1].choosable);  // separator
  EXPECT_TRUE(lines[5].choosable);
}

TEST(Desktop, CursorAndWindowCallsAreRecorded) {
  ScriptedInteraction ui;
  ui.PlaceCursor({40, 50});
  ScreenPoint at;
  EXPECT_TRUE(GetCursorPos(&at));
  EXPECT_EQ(at.x, 40);
  EXPECT_FALSE(GetCursorPos(nullptr));
  WindowHandle window = GetActiveWindow();
  EXPECT_NE(window, 0u);
  EXPECT_TRUE(SetForegroundWindow(window));
  EXPECT_TRUE(BringWindowToTop(window));
  EXPECT_FALSE(SetForegroundWindow(0));
  SetCursorPos(7, 8);
  mouse_event(MOUSEEVENTF_RIGHTDOWN, 7, 8);
  GetCursorPos(&at);
  EXPECT_EQ(at.y, 8);
  std::vector<InteractionEvent::Kind> kinds;
  for (const auto& e : ui.Events()) kinds.push_back(e.kind);
  EXPECT_EQ(kinds, (std::vector<InteractionEvent::Kind>{InteractionEvent::Foreground, InteractionEvent::Top,
                                                         InteractionEvent::Cursor, InteractionEvent::Mouse}));
  EXPECT_EQ(ui.Events()[3].window, MOUSEEVENTF_RIGHTDOWN);
}

TEST(ConsoleInteraction, MenusAreNumberedAndAnsweredByNumber) {
  TempDir dir;
  std::string path = (dir.path() / "menu.txt").string();  // read back as "menu.txt"
  std::FILE* out = std::fopen(path.c_str(), "w");
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
}
