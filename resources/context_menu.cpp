#include "resources/context_menu.h"

namespace {
Menu KestaMenu() {
  Menu bar;
  bar.items.push_back(MenuPopup("KESta", {
      MenuCommand(ID_KESTA_TERM, "Term"),
      MenuSeparator(),
      MenuPopup("Show Suggestions", {
          MenuCommand(32775, "SYN1"),
          MenuCommand(32776, "SYN2"),
          MenuCommand(32777, "SYN3"),
          MenuCommand(32778, "SYN4"),
          MenuCommand(32779, "SYN5"),
          MenuCommand(32780, "SYN6"),
      }),
      MenuPopup("Remove Messages", {
          MenuCommand(ID_KESTA_ONE_MESSAGE, "One Message"),
          MenuCommand(ID_KESTA_ALL_IN_DOCUMENT, "ALL in Document"),
      }),
      MenuSeparator(),
      MenuCommand(ID_KESTA_NEXT_MESSAGE, "Next KESta Message"),
      MenuSeparator(),
      MenuCommand(ID_KESTA_CLOSE, "Close . . ."),
  }));
  return bar;
}
}  // namespace

std::unique_ptr<Menu> LoadMenuResource(unsigned id) {
  if (id != IDR_KESTA_MENU) return nullptr;
  return std::make_unique<Menu>(KestaMenu());
}
