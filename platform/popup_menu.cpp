#include "platform/popup_menu.h"

namespace {
// Where an item lives: its menu and its index there.
struct ItemPlace {
  Menu* menu = nullptr;
  std::size_t index = 0;
  MenuItem* Item() const { return &menu->items[index]; }
};

// By command id the search goes into sub-menus, as the system's does.
ItemPlace FindById(Menu& menu, unsigned id) {
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    MenuItem& item = menu.items[i];
    if (!item.popup && !item.separator && item.id == id) return {&menu, i};
    if (item.popup) {
      ItemPlace inner = FindById(item.sub, id);
      if (inner.menu) return inner;
    }
  }
  return {};
}

ItemPlace Find(Menu& menu, unsigned item, unsigned flags) {
  if (flags & MF_BYPOSITION) {
    if (item >= menu.items.size()) return {};
    return {&menu, item};
  }
  return FindById(menu, item);
}

void CollectLines(const Menu& menu, int depth, bool enabled, std::vector<MenuLine>& out) {
  for (const MenuItem& item : menu.items) {
    bool open = enabled && !item.grayed;
    out.push_back({&item, depth, open && !item.popup && !item.separator});
    if (item.popup) CollectLines(item.sub, depth + 1, open, out);
  }
}
}  // namespace

MenuItem MenuCommand(unsigned id, const char* text) {
  MenuItem item;
  item.id = id;
  item.text = text;
  return item;
}

MenuItem MenuSeparator() {
  MenuItem item;
  item.separator = true;
  return item;
}

MenuItem MenuPopup(const char* text, std::vector<MenuItem> items) {
  MenuItem item;
  item.popup = true;
  item.text = text;
  item.sub.items = std::move(items);
  return item;
}

Menu* GetSubMenu(Menu& menu, unsigned position) {
  if (position >= menu.items.size() || !menu.items[position].popup) return nullptr;
  return &menu.items[position].sub;
}

bool ModifyMenu(Menu& menu, unsigned item, unsigned flags, unsigned newId, const std::string& text) {
  ItemPlace place = Find(menu, item, flags);
  if (!place.menu) return false;
  MenuItem* target = place.Item();
  target->text = text;
  target->separator = (flags & MF_SEPARATOR) != 0;
  if (!target->popup) target->id = newId;
  target->grayed = (flags & (MF_GRAYED | MF_DISABLED)) != 0;
  target->checked = (flags & MF_CHECKED) != 0;
  return true;
}

int CheckMenuItem(Menu& menu, unsigned item, unsigned flags) {
  ItemPlace place = Find(menu, item, flags);
  if (!place.menu) return -1;
  int previous = place.Item()->checked ? static_cast<int>(MF_CHECKED) : static_cast<int>(MF_UNCHECKED);
  place.Item()->checked = (flags & MF_CHECKED) != 0;
  return previous;
}

int EnableMenuItem(Menu& menu, unsigned item, unsigned flags) {
  ItemPlace place = Find(menu, item, flags);
  if (!place.menu) return -1;
  int previous = place.Item()->grayed ? static_cast<int>(MF_GRAYED) : static_cast<int>(MF_ENABLED);
  place.Item()->grayed = (flags & (MF_GRAYED | MF_DISABLED)) != 0;
  return previous;
}

bool SetMenuDefaultItem(Menu& menu, unsigned item, bool byPosition) {
  ItemPlace place = Find(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
  if (!place.menu) return false;
  for (MenuItem& other : place.menu->items) other.isDefault = false;
  place.Item()->isDefault = true;
  return true;
}

bool RemoveMenu(Menu& menu, unsigned item, unsigned flags) {
  ItemPlace place = Find(menu, item, flags);
  if (!place.menu) return false;
  place.menu->items.erase(place.menu->items.begin() + static_cast<std::ptrdiff_t>(place.index));
  return true;
}

std::string GetMenuString(const Menu& menu, unsigned item, unsigned flags) {
  ItemPlace place = Find(const_cast<Menu&>(menu), item, flags);
  return place.menu ? place.Item()->text : std::string();
}

unsigned GetMenuItemCount(const Menu& menu) { return static_cast<unsigned>(menu.items.size()); }

int TrackPopupMenu(const Menu& menu, unsigned flags, int x, int y, WindowHandle owner) {
  if (owner == 0) return 0;
  int chosen = CurrentInteraction().PopupMenu(menu, {x, y});
  // Only an item that can be chosen counts; anything else closes the menu.
  bool valid = false;
  for (const MenuLine& line : MenuLines(menu))
    if (line.choosable && chosen != 0 && line.item->id == static_cast<unsigned>(chosen)) valid = true;
  if (!valid) chosen = 0;
  if (flags & TPM_RETURNCMD) return chosen;
  return chosen != 0 ? 1 : 0;
}

void DestroyMenu(std::unique_ptr<Menu>& menu) { menu.reset(); }

std::vector<MenuLine> MenuLines(const Menu& menu) {
  std::vector<MenuLine> out;
  CollectLines(menu, 0, true, out);
  return out;
}
