#pragma once
// Menus as the module builds them: loaded from a resource, changed item by
// item, shown once as a popup at a point and destroyed. The operations take
// their names and flags from the system's menu calls; showing goes through
// the interaction interface.
#include <memory>
#include <string>
#include <vector>

#include "platform/interaction.h"

// Item flags (ModifyMenu, EnableMenuItem, CheckMenuItem, RemoveMenu).
constexpr unsigned MF_BYCOMMAND = 0x0000;
constexpr unsigned MF_BYPOSITION = 0x0400;
constexpr unsigned MF_STRING = 0x0000;
constexpr unsigned MF_ENABLED = 0x0000;
constexpr unsigned MF_GRAYED = 0x0001;
constexpr unsigned MF_DISABLED = 0x0002;
constexpr unsigned MF_UNCHECKED = 0x0000;
constexpr unsigned MF_CHECKED = 0x0008;
constexpr unsigned MF_POPUP = 0x0010;
constexpr unsigned MF_SEPARATOR = 0x0800;

// TrackPopupMenu flags.
constexpr unsigned TPM_RECURSE = 0x0001;
constexpr unsigned TPM_RIGHTBUTTON = 0x0002;
constexpr unsigned TPM_RETURNCMD = 0x0100;

struct MenuItem;

// One menu: its items in order.
struct Menu {
  std::vector<MenuItem> items;
};

struct MenuItem {
  unsigned id = 0;  // command id; 0 for separators and sub-menus
  std::string text;
  bool separator = false;
  bool grayed = false;  // greyed and disabled: it cannot be chosen
  bool checked = false;
  bool isDefault = false;
  bool popup = false;  // a sub-menu: `sub` holds its items
  Menu sub;
};

// Items as a menu resource writes them: a command, a separator, a sub-menu.
MenuItem MenuCommand(unsigned id, const char* text);
MenuItem MenuSeparator();
MenuItem MenuPopup(const char* text, std::vector<MenuItem> items);

// A sub-menu of `menu` at `position`; null when there is none.
Menu* GetSubMenu(Menu& menu, unsigned position);
// Replaces an item's text and id (MF_BYPOSITION or MF_BYCOMMAND; a sub-menu
// keeps its items). False when there is no such item.
bool ModifyMenu(Menu& menu, unsigned item, unsigned flags, unsigned newId, const std::string& text);
// Returns the previous state (MF_CHECKED or MF_UNCHECKED), or -1 when there
// is no such item.
int CheckMenuItem(Menu& menu, unsigned item, unsigned flags);
// Returns the previous state (MF_GRAYED or MF_ENABLED), or -1.
int EnableMenuItem(Menu& menu, unsigned item, unsigned flags);
// Makes one item the default (by command id, or by position when
// `byPosition`); every other item of the menu loses it.
bool SetMenuDefaultItem(Menu& menu, unsigned item, bool byPosition);
bool RemoveMenu(Menu& menu, unsigned item, unsigned flags);
// The item's text; empty when there is no such item.
std::string GetMenuString(const Menu& menu, unsigned item, unsigned flags);
// Number of items (separators included).
unsigned GetMenuItemCount(const Menu& menu);

// Shows `menu` as a popup at the screen point, owned by `owner`, and waits
// for the choice. With TPM_RETURNCMD the result is the chosen item's id, 0
// when the menu was dismissed or nothing could be chosen. Without an owner
// window nothing is shown and the result is 0.
int TrackPopupMenu(const Menu& menu, unsigned flags, int x, int y, WindowHandle owner);
// Frees a menu loaded for one showing.
void DestroyMenu(std::unique_ptr<Menu>& menu);

// The menu as a person reads it, one line per item, sub-menus opened in
// place: for the interactions that print it and number the choices.
struct MenuLine {
  const MenuItem* item;
  int depth;        // 0 for the items of the menu itself
  bool choosable;   // a command item, neither it nor a menu above it greyed
};
std::vector<MenuLine> MenuLines(const Menu& menu);
