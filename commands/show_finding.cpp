// Showing a finding: the marker at the caret is read back into the current
// finding (category, marker number, flagged text, advice), then its context
// menu opens at the mouse cursor.
#include <cctype>
#include <cstdlib>
#include <string>

#include "commands/finding_state.h"
#include "commands/finding_work.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"
#include "resources/string_table.h"

namespace {
constexpr std::size_t kCommandSize = 80;

enum class Reader { ShowMe, ShowContext };

enum class Reading {
  Finding,      // the current finding holds the marker at the caret
  NotOnMarker,  // the box was shown; nothing more to do
};

void ShowNotOnMarker() {
  ShowMessageBox("Put cursor inside a color.", "KESta Selection", MB_ICONERROR);
}

// The host shows the marker's text as markup: its predefined references
// stand for the characters the document holds, and the menu searches for
// those characters.
std::string PlainText(std::string_view markup) {
  static constexpr struct {
    std::string_view reference;
    char character;
  } kReferences[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string out;
  for (std::size_t i = 0; i < markup.size();) {
    bool replaced = false;
    if (markup[i] == '&') {
      for (const auto& r : kReferences) {
        if (markup.substr(i, r.reference.size()) == r.reference) {
          out += r.character;
          i += r.reference.size();
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out += markup[i++];
  }
  return out;
}

// Steps 3 to 11: select the element at the caret, check that it is a
// marker, and read the finding from its markup and its Kesta value.
Reading ReadFindingAtCaret(HostChannel& host, Reader reader) {
  BoundedText<16> caret;
  if (!caret.assign(host.Evaluate("oid_caret()"))) throw _com_error(DISP_E_OVERFLOW, "element id too long");
  host.Execute(FitCommand(kCommandSize - 1, Format("oid_select('%s',0,0,1)", caret.c_str())));

  std::string selection = host.Evaluate("$selection");
  Finding.CurrentSelectionText.clear();
  Finding.CurrentSelectionText.assign(std::string_view(selection).substr(0, kSelectionTextKept));
  if (!Finding.CurrentSelectionText.startsWith("<?Pub _t") &&
      !Finding.CurrentSelectionText.startsWith("<?Pub\n_t")) {
    ShowNotOnMarker();
    host.Execute("clm");
    return Reading::NotOnMarker;
  }

  BoundedText<256> value(host.Evaluate("oid_attr(oid_caret(),\"Kesta\");"));
  if (!std::isdigit(static_cast<unsigned char>(value.first()))) {
    ShowNotOnMarker();
    return Reading::NotOnMarker;
  }

  // The flagged text: after the marker's opening markup, up to the next tag.
  Finding.CurrentMarkedWord.clear();
  if (reader == Reader::ShowMe) {
    for (std::size_t i = 0; i < Finding.CurrentSelectionText.length(); ++i)
      if (Finding.CurrentSelectionText[i] == '\n') Finding.CurrentSelectionText.set(i, ' ');
  }
  std::string_view shown = Finding.CurrentSelectionText.view();
  if (std::size_t open = shown.find('>'); open != std::string_view::npos) {
    std::string_view text = shown.substr(open + 1);
    text = text.substr(0, text.find('<'));
    Finding.CurrentMarkedWord.assign(PlainText(text));  // at most 127 characters
  }

  std::string_view v = value.view();
  std::string category(v.substr(0, 2));
  std::string markerNumber(v.substr(std::min<std::size_t>(2, v.size()), 2));
  std::string_view advice = v.substr(std::min<std::size_t>(4, v.size()));

  Finding.CurrentAdvice.clear();
  if (reader == Reader::ShowMe && Finding.CurrentMarkedWord.startsWith("/"))
    Finding.CurrentAdvice = "(Use <or> or <and> for slash)";
  else if (reader == Reader::ShowMe && Finding.CurrentMarkedWord.startsWith(";"))
    Finding.CurrentAdvice = "(Do not use semicolons)";
  else if (advice != "NONE")
    Finding.CurrentAdvice.assign(advice.substr(0, 251));

  Finding.CurrentCategory = std::atoi(category.c_str());
  Finding.CurrentMarkerNumber = std::atoi(markerNumber.c_str());
  return Reading::Finding;
}

// The menu's answer is the command's: a suggestion it could not put in is
// not reported as done.
HRESULT OpenMenu(FindingCalls& self) {
  self.CaptureHostAndCursor();
  return self.DisplayCmenu(0) == S_OK ? S_OK : S_FALSE;
}
}  // namespace

HRESULT ShowMeWork(HostChannel& host, FindingCalls& self) {
  try {
    for (const char* option : {"set markupscan=on", "set extendselection=off", "set pendingdelete=on",
                               "set selectscan=off", "set deletespaces=off", "set spellinteractive=off"})
      host.Execute(option);
    SendStatus(host, "KESta Message:  Press F2 on the color to see each KESta message.");
  } catch (const _com_error&) {
    return S_FALSE;  // silent: the options are the host's own business
  }
  try {
    if (ReadFindingAtCaret(host, Reader::ShowMe) == Reading::NotOnMarker) return S_OK;
  } catch (const _com_error&) {
    ShowMessageBox(std::string("KESta can not select the text.\nReport file to ") + kSupportAddress,
                   "Text Selection", MB_ICONERROR);
    return S_FALSE;
  }
  return OpenMenu(self);
}

HRESULT ShowContextWork(HostChannel& host, FindingCalls& self) {
  try {
    if (ReadFindingAtCaret(host, Reader::ShowContext) == Reading::NotOnMarker) return S_OK;
  } catch (const _com_error&) {
    AfxMessageBox("Error(67) Can not find the word position", MB_ICONERROR);
    return S_FALSE;
  }
  return OpenMenu(self);
}
