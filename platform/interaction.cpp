#include "platform/interaction.h"

#include "platform/console_interaction.h"

namespace {
Interaction* g_current = nullptr;

Interaction& ConsoleSingleton() {
  static ConsoleInteraction console;
  return console;
}
}  // namespace

Interaction& CurrentInteraction() { return g_current ? *g_current : ConsoleSingleton(); }

Interaction* SetInteraction(Interaction* interaction) {
  Interaction* previous = g_current;
  g_current = interaction;
  return previous;
}

int DismissedAnswer(unsigned style) {
  switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
      return IDCANCEL;
    case MB_YESNO:
      return IDNO;
    case MB_ABORTRETRYIGNORE:
      return IDABORT;
    default:
      return IDOK;
  }
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned style) {
  return CurrentInteraction().MessageBox(text, caption, style);
}

int AfxMessageBox(const std::string& text, unsigned style) {
  return CurrentInteraction().MessageBox(text, kAppTitle, style);
}
