// The finding's context menu: its first line, up to six suggestions from the
// advice, removal of this marker or of all, and the replacement of the
// flagged text by the suggestion chosen.
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/finding_state.h"
#include "commands/finding_work.h"
#include "commands/marked_words.h"
#include "commands/marker_text.h"
#include "commands/menu_line.h"
#include "engine/word_rec.h"
#include "platform/bounded_text.h"
#include "platform/desktop.h"
#include "platform/popup_menu.h"
#include "resources/context_menu.h"

namespace {
constexpr unsigned kMenuFlags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_RECURSE;  // 0x103
constexpr std::size_t kCommandSize = 80;
constexpr std::size_t kInsertSize = 256;

enum MenuMode { kAtCaret = 0, kAtSavedElement = 1 };

// The element the menu works on; an id that does not fit its field is
// refused like a failed host call.
BoundedText<16> ElementId(std::string_view id) {
  BoundedText<16> out;
  if (!out.assign(id)) throw _com_error(DISP_E_OVERFLOW, "element id too long");
  return out;
}

// Builds the popup from menu resource 206 for the current finding.
std::unique_ptr<Menu> BuildMenu() {
  std::unique_ptr<Menu> bar = LoadMenuResource(IDR_KESTA_MENU);
  Menu* popup = bar ? GetSubMenu(*bar, 0) : nullptr;
  if (!popup) return bar;
  ModifyMenu(*popup, kMenuPosTerm, MF_BYPOSITION | MF_STRING, ID_KESTA_TERM,
             Finding.ContextMenuText.str());
  CheckMenuItem(*popup, ID_KESTA_NEXT_MESSAGE, MF_BYCOMMAND | MF_CHECKED);
  SetMenuDefaultItem(*popup, ID_KESTA_NEXT_MESSAGE, false);

  if (Finding.CurrentAdvice == kSafetyAdviceCode) Finding.CurrentAdvice = kSafetyAdvice;
  if (Finding.CurrentAdvice.empty()) {
    EnableMenuItem(*popup, kMenuPosSuggestions, MF_BYPOSITION | MF_GRAYED | MF_DISABLED);
    return bar;
  }
  // The split works on a copy: the advice itself keeps its slashes.
  std::vector<std::string> pieces = SplitSuggestions(Finding.CurrentAdvice.view());
  unsigned count = static_cast<unsigned>(std::min<std::size_t>(pieces.size(), kSuggestionItems));
  for (unsigned n = 0; n < count; ++n)
    ModifyMenu(*popup, ID_KESTA_SYN1 + n, MF_BYCOMMAND | MF_STRING, ID_KESTA_SYN1 + n, pieces[n]);
  for (unsigned n = count; n < kSuggestionItems; ++n)
    RemoveMenu(*popup, ID_KESTA_SYN1 + n, MF_BYCOMMAND);
  return bar;
}

// The insert command that puts the chosen suggestion in. A suggestion that
// names a sign by its reference ("&deg;", "&#8804;": one the code page
// cannot show) goes in as markup, so that the document gets the character,
// which it keeps as itself or as a character reference, as its encoding
// allows; never the reference's letters as text.
std::string InsertChosenCommand(const std::string& chosen) {
  for (std::size_t at = chosen.find('&'); at != std::string::npos; at = chosen.find('&', at + 1))
    if (ReferenceLength(std::string_view(chosen).substr(at)) > 0)
      return "insert_string -sgml -pendingdelete " + FindDelimited(CorrectionMarkup(chosen));
  return "insert_string -pendingdelete " + FindDelimited(chosen);
}

// The flagged text replaced by the suggestion. What the advice says only to
// the writer does not go in: the blanks some advice begins with (" Obey";
// the marked words stand between blanks of their own already) and the word
// class after a word ("specified(adj)", "let (STE)"). The words are found
// inside the marker, from the start of its content, and replaced there
// before its tags go, so that a search that misses them changes nothing:
// the marker stays, the status line says why, and the answer is false.
bool ReplaceFlaggedText(HostChannel& host, const BoundedText<16>& element, std::string chosen) {
  chosen = SuggestionToPutIn(chosen);
  if (chosen.empty()) return true;
  // The insert command must fit its buffer whole.
  std::string insert = InsertChosenCommand(chosen);
  if (insert.size() > kInsertSize - 1) {
    SendStatus(host, "KESta Message: The suggestion is too long to insert.");
    return false;
  }
  Finding.CurrentAdvice = chosen;
  host.Execute(FitCommand(kCommandSize, Format("oid_select('%s',0,0,1);", element.c_str())));
  const std::string find = FindMarkedWordsCommand(host.EvaluateMarkup("$selection"));
  const std::string backToMarker = FitCommand(kCommandSize, Format("goto_oid('%s');", element.c_str()));
  host.Execute(backToMarker);
  if (find.empty() || !host.TryExecute(find, nullptr) || host.Evaluate("oid_caret()") != element.view()) {
    host.Execute(backToMarker);
    SendStatus(host, "KESta Message: The marked words were not found. The suggestion was not inserted.");
    return false;
  }
  Finding.CurrentSelectionText.clear();
  Finding.CurrentSelectionText.assign(insert);
  host.Execute(Finding.CurrentSelectionText.str());
  // Back to the start of the text put in, still inside the marker, whose
  // tags then go.
  host.Execute(FitCommand(kCommandSize, Format("car edit 0,-%zu", RenderedLength(chosen))));
  host.Execute("dt;");
  return true;
}

// The marker that `at` is or lies in, climbing the few elements the writer
// may have put among its words; empty where there is none.
BoundedText<16> EnclosingMarker(HostChannel& host, BoundedText<16> at) {
  constexpr int kMostLevels = 64;
  for (int level = 0; level < kMostLevels && !at.empty(); ++level) {
    if (host.Evaluate(Format("oid_name('%s')", at.c_str())) == "_touchup") return at;
    const BoundedText<16> parent = ElementId(host.Evaluate(Format("oid_parent('%s')", at.c_str())));
    if (parent == at) break;
    at = parent;
  }
  return {};
}

// A word written twice keeps its first copy: the mark goes first, then,
// from where it stood, the search passes over the first copy and takes the
// copies after it with the white space before each. The blank after them
// stays before the next word.
void DeleteRepetition(HostChannel& host, std::string_view mark, const Repetition& repeated) {
  host.Execute("find -f -q -select " + FindDelimited(mark) + "; delete");
  host.Execute("find -f -q -noselect " + FindDelimited(repeated.first));
  host.Execute("find -f -q -select " + FindDelimited(repeated.rest) + "; delete");
}

// The words of a DELETE finding go with the blank after them. The marker's
// tags are gone by now, so the search can take the blank after its end. A
// search for the words alone could take another place of the same words
// where this one has no blank after it (before a full stop or a closing
// tag), so the search starts from a mark put right before them, which no
// other place holds; the mark goes with them. A repeated word that the
// finding holds twice ("the the") loses its repetition only.
void DeleteFlaggedText(HostChannel& host, const std::string& word) {
  constexpr std::string_view kMark = "#KESta-delete#";
  host.Execute("car edit 0,-1;");  // from inside the words to their start
  host.Execute("insert_string " + FindDelimited(kMark));
  host.Execute(Format("car edit 0,-%zu;", kMark.size()));
  if (const std::optional<Repetition> repeated = RepeatedWord(word)) {
    DeleteRepetition(host, kMark, *repeated);
    return;
  }
  const std::string marked = std::string(kMark) + word;
  try {
    host.Execute("find -f -q -select " + FindDelimited(marked + " ") + "; delete");
    return;
  } catch (const _com_error&) {
  }
  try {
    host.Execute("find -f -select " + FindDelimited(marked) + "; delete");
  } catch (const _com_error&) {
    // The words are not where the marker was: only the mark goes.
    host.Execute("find -f -select " + FindDelimited(kMark) + "; delete");
    throw;
  }
}

// The marker's tags go and its words stay ("Close", "One Message"); of a
// DELETE finding the words go too. The marker is the element the menu
// works on or the one it lies in, so that markup the writer put among the
// words (the element the caret steps into) keeps its tags. Where markup
// stands among a DELETE finding's words, no search can take them whole:
// nothing is deleted, the marker stays and the status line says so. A
// marker whose words the writer deleted holds nothing the caret could step
// into (it would land in the element round the marker): its tags alone go.
bool TakeMarkerAway(HostChannel& host, const BoundedText<16>& element, bool deleteWords, const std::string& word) {
  const BoundedText<16> start = element.empty() ? ElementId(host.Evaluate("oid_caret()")) : element;
  const BoundedText<16> marker = EnclosingMarker(host, start);
  if (marker.empty()) {
    SendStatus(host, "To delete, put cursor inside a KESta Message.");
    return false;
  }
  host.Execute(FitCommand(kCommandSize, Format("oid_select('%s',0,0,1);", marker.c_str())));
  const MarkedWords words = ReadMarkedWords(host.EvaluateMarkup("$selection"));
  if (words == MarkedWords::Plain) {
    host.Execute("car edit 0,+1; dt;");
    if (deleteWords) DeleteFlaggedText(host, word);
    return true;
  }
  if (words == MarkedWords::WithMarkup && deleteWords) {
    host.Execute(FitCommand(kCommandSize, Format("goto_oid('%s');", marker.c_str())));
    SendStatus(host, "KESta Message: The marked words were not found. The words were not deleted.");
    return false;
  }
  host.Execute("dt;");  // the marker is selected
  return true;
}
}  // namespace

void RightClickAt(int x, int y) {
  SetCursorPos(x, y);
  mouse_event(MOUSEEVENTF_RIGHTDOWN, x, y);
  mouse_event(MOUSEEVENTF_RIGHTUP, x, y);
}

std::string SuggestionToPutIn(std::string_view chosen) {
  static constexpr std::string_view kNotes[] = {"(n)",    "(v)",        "(vb)",      "(adj)",
                                                "(noun)", "(STE)",      "(comp.)",   "(computer)",
                                                "(name)", "(display)",  "(operational verb)"};
  auto trim = [](std::string_view s) {
    const std::size_t b = s.find_first_not_of(' ');
    return b == std::string_view::npos ? std::string_view() : s.substr(b, s.find_last_not_of(' ') - b + 1);
  };
  std::string_view text = trim(chosen);
  for (std::string_view note : kNotes)
    if (text.size() > note.size() && text.ends_with(note)) text = trim(text.substr(0, text.size() - note.size()));
  return std::string(text);
}

std::string FindDelimited(std::string_view text) {
  if (text.find('@') == std::string_view::npos) return "@" + std::string(text) + "@";
  if (text.find('/') == std::string_view::npos) return "/" + std::string(text) + "/";
  throw _com_error(E_INVALIDARG, "the text to find holds both delimiters");
}

std::string FitCommand(std::size_t size, std::string command) {
  if (command.size() > size - 1) throw _com_error(DISP_E_OVERFLOW, "command too long for its buffer");
  return command;
}

HRESULT DisplayCmenuWork(HostChannel& host, FindingCalls& self, int menuMode) {
  for (const char* option : {"set extendselection=off", "set tagscan=off", "set wrapscan=off",
                             "set selectscan=on", "set messagelocation=statusbar"})
    host.Execute(option);

  BoundedText<16> element;
  BoundedText<80> wordCopy;  // 79 characters of the flagged text
  if (menuMode == kAtSavedElement) {
    element = ElementId(Cursor.CurrentOid.view());
    wordCopy.assign(Finding.CurrentMarkedWord.view());
  } else {
    element = ElementId(host.Evaluate("oid_caret()"));
  }
  host.Execute(FitCommand(kCommandSize, Format("goto_oid('%s');", element.c_str())));
  host.Execute(FitCommand(kCommandSize, Format("oid_select('%s',0,0,1);", element.c_str())));
  std::string word = Finding.CurrentMarkedWord.str();

  if (menuMode == kAtSavedElement) {
    std::string copy = wordCopy.str();
    if (std::size_t lf = copy.find('\n'); lf != std::string::npos) copy[lf] = ' ';
    host.Execute("car edit 0,-2");
    host.Execute(FitCommand(kCommandSize, "find -f -q -select " + FindDelimited(copy) + "; car mouse; "));
    self.CaptureHostAndCursor();
  }

  WindowHandle owner = 0;
  if (menuMode == kAtCaret || menuMode == kAtSavedElement) {
    owner = GetActiveWindow();
    SetForegroundWindow(owner);
    BringWindowToTop(owner);
    if (menuMode == kAtSavedElement) {
      host.Execute("car edit 0,-1;");
      host.Execute("clm; find -f -noselect " + FindDelimited(word) + "; car mouse;");
    }
  }

  self.CLoadMenu();
  std::unique_ptr<Menu> bar = BuildMenu();
  Menu* popup = bar ? GetSubMenu(*bar, 0) : nullptr;

  ScreenPoint at;
  GetCursorPos(&at);
  if (menuMode == kAtCaret) at.y += 8;
  int chosen = popup ? TrackPopupMenu(*popup, kMenuFlags, at.x, at.y, owner) : 0;

  std::string chosenText;
  bool oneMessage = false;
  bool done = true;
  unsigned id = static_cast<unsigned>(chosen);
  if (id >= ID_KESTA_SYN1 && id <= ID_KESTA_SYN6) {
    chosenText = GetMenuString(*popup, id, MF_BYCOMMAND);
  } else if (id == ID_KESTA_CLOSE) {
    if (element.empty()) SendStatus(host, "KESta Message: WARNING: Reached last KESta message.");
    done = TakeMarkerAway(host, element, false, word);
  } else if (id == ID_KESTA_NEXT_MESSAGE) {
    host.Execute("set pendingdelete=off");
    host.Execute("set inputmode=insert");
  } else if (id == ID_KESTA_ONE_MESSAGE) {
    oneMessage = true;
    constexpr int kDeleteCategory = 4;
    done = TakeMarkerAway(host, element, Finding.CurrentCategory == kDeleteCategory, word);
  } else if (id == ID_KESTA_ALL_IN_DOCUMENT) {
    self.RemoveAllMarkers();
  }

  // Hints in parentheses are advice, not replacements.
  if (!chosenText.empty() && chosenText[0] != '(' && !oneMessage) done = ReplaceFlaggedText(host, element, chosenText);

  DestroyMenu(bar);
  host.Execute("set pendingdelete=off");
  host.Execute("set inputmode=insert");
  host.Execute("clear_mark all");
  return done ? S_OK : S_FALSE;
}
