#include "resources/context_menu.h"

namespace {
MenuItem Command(unsigned id, const char* text) {
  MenuItem item;
  item.id = id;
  item.text = text;
  return item;
}

MenuItem Separator() {
  MenuItem item;
  item.separator = true;
  return item;
}

MenuItem Popup(const char* text, std::vector<MenuItem> items) {
  MenuItem item;
  item.popup = true;
  item.text = text;
  item.sub.items = std::move(items);
  return item;
}

Menu KestaMenu() {
  Menu bar;
  bar.items.push_back(Popup("KESta", {
      Command(ID_KESTA_TERM, "Term"),
      Separator(),
      Popup("Show Suggestions", {
          Command(32775, "SYN1"),
          Command(32776, "SYN2"),
          Command(32777, "SYN3"),
          Command(32778, "SYN4"),
          Command(32779, "SYN5"),
          Command(32780, "SYN6"),
      }),
      Popup("Remove Messages", {
          Command(ID_KESTA_ONE_MESSAGE, "One Message"),
          Command(ID_KESTA_ALL_IN_DOCUMENT, "ALL in Document"),
      }),
      Separator(),
      Command(ID_KESTA_NEXT_MESSAGE, "Next KESta Message"),
      Separator(),
      Command(ID_KESTA_CLOSE, "Close . . ."),
  }));
  return bar;
}
}  // namespace

std::unique_ptr<Menu> LoadMenuResource(unsigned id) {
  if (id != IDR_KESTA_MENU) return nullptr;
  return std::make_unique<Menu>(KestaMenu());
}
