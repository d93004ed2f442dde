// Writes the findings of the last check into the document: one marker per
// finding, or a direct correction for the kinds that correct.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/check_state.h"
#include "commands/command_work.h"
#include "commands/findings_view.h"
#include "commands/mark_plan.h"
#include "commands/marker_text.h"
#include "engine/ascii_text.h"
#include "engine/earlier_matches.h"
#include "engine/message_list.h"
#include "engine/word_rec.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"
#include "resources/string_table.h"

namespace {
// The marking stops: the method answers `code` (after any box).
struct StopMarking {
  HRESULT code;
};

std::string SearchCommand(const char* prefix, std::string_view text) {
  std::string cmd = prefix;
  cmd += '@';
  cmd += FindText(text);
  cmd += '@';
  return cmd;
}

void ShowEngineError(const std::string& text, const char* caption, unsigned style) {
  ShowMessageBox(text, caption, style);
}

// Runs one host call of the marking; any failure other than those the steps
// handle themselves shows string 108 and ends the method.
template <class Fn>
auto Guarded(Fn&& fn) -> decltype(fn()) {
  try {
    return fn();
  } catch (const _com_error&) {
    AfxMessageBox(LoadStringResource(IDS_ACL_FAILED), MB_ICONERROR);
    throw StopMarking{S_FALSE};
  }
}

// The forward search of a record. Text that is not found where the finding
// said (a search that fails) costs this record only: the box names the
// search, and the marking goes on with the next record (false).
// A selection check marks only inside the element it checked: a search that
// ran past that element found text that was not checked. The marking stops
// there; the findings after it lie further on still.
void StayInScope(HostChannel& host) {
  if (Check.markScope.empty()) return;
  constexpr int kMaxDepth = 512;
  bool inside = false;
  Guarded([&] {
    BoundedText<80> at(host.Evaluate("oid_caret()"));
    for (int depth = 0; depth < kMaxDepth && !inside; ++depth) {
      if (at == Check.markScope) {
        inside = true;
        break;
      }
      BoundedText<80> parent(host.Evaluate(Format("oid_parent('%s')", at.c_str())));
      if (parent.empty() || parent == at ||
          std::atoi(host.Evaluate(Format("oid_valid('%s')", parent.c_str())).c_str()) != 1)
        break;
      at = parent;
    }
    if (!inside) host.Execute("clear_mark all");
  });
  if (!inside) throw StopMarking{S_OK};
}

// The same text standing between the previous finding and this one's word
// (an unflagged "remove" before the flagged one) is passed over first, so
// that the search below reaches the word the finding names. Only a search
// of the key's own text is counted; a text that ends before the count is
// reached leaves the caret at the last one passed.
void PassOverEarlierMatches(HostChannel& host, const MarkWork& w, const MarkInput& in) {
  if (in.passOver <= 0 || !PlainSearchText(w.S) || w.S != ParseSearchKey(in.searchKey).text) return;
  const std::string command = SearchCommand("clm; find -f -e -q -noselect ", w.S);
  for (int i = 0; i < in.passOver; ++i)
    if (!host.TryExecute(command, nullptr)) return;
}

bool SearchOrSkip(HostChannel& host, const std::string& command, const MarkWork& w, const MarkInput& in) {
  std::string failure;
  if (!host.TryExecute(command, &failure)) {
    Guarded([&] { host.Execute("clear_mark all"); });
    ShowEngineError(failure + " Report KESta error (86)." + "\n(KESta Search  -" + w.S +
                        "- Key " + std::string(KindLetters(w.kind)) + std::to_string(in.ruleId) + ") ",
                    "Report KESta problem", MB_ICONERROR);
    return false;
  }
  StayInScope(host);
  return true;
}

// The search of a correction, which writes into the text it finds: a word
// is found whole, never as the start or the end of a longer one the check
// read as another word ("Remove" in "RemoveFilter").
bool SearchWordOrSkip(HostChannel& host, const std::string& search, MarkWork& w, const MarkInput& in) {
  const std::string text = FindText(search);
  const bool whole = !text.empty() && std::isalnum(static_cast<unsigned char>(text.front())) &&
                     std::isalnum(static_cast<unsigned char>(text.back()));
  if (!whole) return SearchOrSkip(host, SearchCommand("clm; find -f -e -q -select ", search), w, in);
  Guarded([&] { host.Execute("set wordscan=on"); });
  bool found = false;
  try {
    PassOverEarlierMatches(host, w, in);
    found = SearchOrSkip(host, SearchCommand("clm; find -f -e -q -select ", search), w, in);
  } catch (...) {
    Guarded([&] { host.Execute("set wordscan=off"); });
    throw;
  }
  Guarded([&] { host.Execute("set wordscan=off"); });
  return found;
}

// Length of the text the last search selected, in the document's
// characters, for moving the caret back over it; `fallback` when the host
// cannot say. The host renders the selection as markup: a character or
// entity reference there is one character of the document.
int SelectedLength(HostChannel& host, std::size_t fallback) {
  try {
    std::string sel = host.Evaluate("$selection");
    if (!sel.empty()) return static_cast<int>(RenderedLength(sel));
  } catch (const _com_error&) {
  }
  return static_cast<int>(fallback);
}

// The corrections put their text in place of the words found, without a marker.
void MarkCorrectionA(HostChannel& host, MarkWork& w, const MarkInput& in) {
  if (w.S.find('?') != std::string::npos) {
    ArticleCorrection fix = ArticleFix(w);
    w.S = fix.search;
    w.A = fix.insert;
    if (!SearchWordOrSkip(host, w.S, w, in)) return;
    Guarded([&] { host.Execute("clm;"); });  // the caret stays after the words found
  } else if (w.S.substr(0, 3) == "...") {
    w.A = " and";
    if (!SearchOrSkip(host, SearchCommand("clm; find -f -e -q -select ", w.S), w, in)) return;
    Guarded([&] {
      // Back over the text found (it may hold more white space than S).
      int length = SelectedLength(host, w.S.size());
      host.Execute(Format("car edit 0,-%d; dc;", length));
    });
  } else {
    w.S = DotsForBlanksAndHyphens(w.S);
    if (!SearchWordOrSkip(host, w.S, w, in)) return;
  }
  try {
    host.Execute(InsertMarkupCommand(EscapeContent(w.A)));
  } catch (const _com_error&) {
    ShowEngineError("KESta error(587) report this number.", "KESta Error", MB_OK);
  }
}

void MarkCorrectionB(HostChannel& host, MarkWork& w, const MarkInput& in) {
  w.S = DotsForBlanksAndHyphens(w.S);
  if (!SearchWordOrSkip(host, w.S, w, in)) return;
  try {
    host.Execute(InsertMarkupCommand(EscapeContent(in.altWord + in.suggestion)));
  } catch (const _com_error&) {
    ShowEngineError("KESta error(588) report this number.", "KESta Error", MB_OK);
  }
}

// A semicolon: S is ". " and the start of the next word, its first character
// standing for the semicolon. That character is searched as ';' (as '.' it
// would take the last letter of any earlier word), and the marker then
// wraps the semicolon just found, reached by a backward search, so that
// no character is taken out and written again. False when nothing was found.
bool MarkSemicolon(HostChannel& host, MarkWork& w, const MarkInput& in) {
  std::string search = w.S;
  if (!search.empty() && search[0] == '.') search[0] = ';';
  // The key reads "; xx" or "; ... xx" (an article the check left out before
  // the next word). The blank stands for the white space after the
  // semicolon, when there is any; and a word that the rules excuse loses
  // the mark of its article, which the search then allows for.
  std::vector<std::string> tries = {search};
  if (search.size() > 1 && search[1] == ' ') {
    tries.push_back(";" + search.substr(2));
    if (search.compare(1, 5, " ... ") != 0) tries.push_back("; ... " + search.substr(2));
  }
  // Markup between the semicolon and the next word ("; <ph>glorp"), which
  // no search crosses, or a reference the check passed over ("; the &prod;
  // is"): the first semicolon from here is taken.
  if (search != ";") tries.push_back(";");
  bool found = false;
  for (std::size_t i = 0; i + 1 < tries.size() && !found; ++i)
    found = host.TryExecute(SearchCommand("find -f -e -q -select ", tries[i]), nullptr);
  search = tries.back();
  if (found)
    StayInScope(host);
  else if (!SearchOrSkip(host, SearchCommand("find -f -e -q -select ", search), w, in))
    return false;
  Guarded([&] {
    host.Execute("clm;");
    host.Execute("find -b -q -e -select @;@");
    host.Execute(InsertMarkupCommand(MarkerMarkup("3700.", "FF99FF", ";")));
  });
  return true;
}

// A sentence article: the finding belongs to the sentence's first word, the article
// that the check does not keep; mark "The" (or "THE") before the word.
void FindSentenceArticle(HostChannel& host, MarkWork& w) {
  w.S = w.F;
  BoundedText<16> found;
  Guarded([&] {
    host.Execute("find -f -q -select @" + FindText(w.S) + "@;");
    StayInScope(host);
    // The article is read while it is still selected.
    host.Execute("find -b -e -q -select @T..@;");
    found = host.Evaluate("$selection");
    host.Execute("clm;");
  });
  w.S = found[1] == 'H' ? "THE" : "The";
  w.F = w.S;
  w.kind = FindingKind::Word;
  Guarded([&] {
    host.Execute("clear_mark all");
    // Back over the article, so that the search for it below finds this one
    // and not the next.
    host.Execute("car edit 0,-3");
  });
  w.refineMode = 0;
}

// Steps 12 to 16 for one record: search, then replace the found text with
// its marker. False when the text was not found.
bool WriteMarker(HostChannel& host, MarkWork& w, const MarkInput& in) {
  std::string value = KestaValue(in.category, in.markerNumber, w.A);
  const char* colour = CategoryColour(in.category);
  RefineSearch(in, w);

  // Words that a finding covers may run across markup the search does not
  // cross ("parsing and</secondary></indexterm>If"), or across an article
  // the check set aside ("pump the Remove"): then the finding is marked on
  // its own first word rather than lost. So is a comma whose next
  // word lies behind markup or an article the search does not hold (", the
  // &prod;s"): the first comma from the caret is marked.
  const std::size_t join = w.S.find('.');
  const bool firstWord = join != std::string::npos && join >= 2 &&
                         IsAsciiLetter(static_cast<unsigned char>(w.S[0])) &&
                         std::all_of(w.S.begin(), w.S.begin() + static_cast<std::ptrdiff_t>(join), [](char c) {
                           return IsAsciiLetter(static_cast<unsigned char>(c)) || IsDigit(static_cast<unsigned char>(c)) || c == '-';
                         });
  const bool comma = join == 1 && w.S[0] == ',' && w.F == ",";
  bool found = false;
  if ((w.backwardMode == 0 || w.backwardMode == 7) && (firstWord || comma)) {
    found = host.TryExecute(SearchCommand("clm; find -f -e -q -select ", w.S), nullptr);
    if (found) {
      StayInScope(host);
    } else {
      w.S.resize(join);
      w.F = w.S;
      w.findF = w.S;
    }
  }
  if (!found) {
    PassOverEarlierMatches(host, w, in);
    if (!SearchOrSkip(host, SearchCommand("clm; find -f -e -select ", w.S), w, in)) return false;
  }
  if (w.backwardMode > 0) {
    Guarded([&] { host.Execute("clear_mark all"); });
    try {
      host.Execute(SearchCommand("find -b -q -e -select ", w.findF));
    } catch (const _com_error& e) {
      ShowEngineError(e.Description() + " Report error (87) in KESta Engine." +
                          "\n(KESta Search key -" + w.F + "-) " + std::to_string(in.ruleId),
                      "REPORT KESta PROBLEM", MB_ICONERROR);
      throw StopMarking{S_FALSE};
    }
    StayInScope(host);
  }

  // The marker wraps the text as the document holds it: what the search's
  // '.' matched (line ends, no-break spaces, typographic apostrophes,
  // doubled blanks) stays as it was.
  std::string text;
  try {
    text = ProtectAt(host.EvaluateMarkup("$selection"));
  } catch (const _com_error&) {
    text.clear();
  }
  if (text.empty()) text = EscapeContent(MarkerTextFromF(w));

  try {
    host.Execute(InsertMarkupCommand(MarkerMarkup(value, colour, text)));
  } catch (const _com_error& e) {
    ShowEngineError(e.Description() + " KESta error (89) possible alignment or document is READ ONLY.",
                    "Text Selection", MB_ICONERROR);
    throw StopMarking{S_FALSE};
  }
  Guarded([&] { host.Execute("clear_mark all"); });
  return true;
}

std::string ClosingStatus(int count) {
  if (count == 0) return "KESta: Congratulations: NO ERRORS";
  if (count == 1) return "KESta: One error.";
  return Format("KESta: Found %d errors.", count);
}
}  // namespace

HRESULT MarkingEngineWork(HostChannel& host) {
  Check.markedCount = 0;
  try {
    Guarded([&] {
      for (const char* option :
           {"set pendingdelete=on", "set extendselection=off", "set tagscan=off", "set case=on",
            "set wrapscan=off", "set gentext=on", "set deletespaces=on", "set wordscan=off"})
        host.Execute(option);
    });
    std::size_t records = FindingCount();
    if (records == 0) return S_OK;
    SetLastFindingMarkMode(999);
    BoundedText<78> go;
    go.format("clm; goto_oid('%s');", Cursor.CurrentOid.c_str());
    Guarded([&] { host.Execute(go.str()); });

    int processed = 1;
    bool lastMarked = false;
    WalkFindings([&](const MarkInput& in, int& markMode) {
      int keptMarkMode = markMode;
      MarkWork w;
      KeyReading reading = ReadMarkKey(in, w);
      if (w.markModeSix) markMode = 6;
      if (reading == KeyReading::LeadingColon) {
        BoundedText<80> msg;
        msg.format("Report KESta error Dictionary [%s]", in.searchKey.c_str());
        ShowMessageBox(msg.str(), "KESta PROBLEM", MB_ICONERROR);
        return true;
      }
      if (reading == KeyReading::MissingSearch) {
        BoundedText<80> msg;
        msg.format("Report KESta error Gate No. %d at [%s].", in.ruleId, in.searchKey.c_str());
        ShowMessageBox(msg.str(), "REPORT KESta PROBLEM", MB_ICONERROR);
        return true;
      }
      switch (w.kind) {
        case FindingKind::Correction:
          // A correction with nothing to put in place of the words found
          // would only delete them: it is marked like any other finding.
          if (w.A.empty() && w.S.find('?') == std::string::npos && w.S.substr(0, 3) != "...") {
            w.kind = FindingKind::Word;
            break;
          }
          // A correction goes in without a marker: the count of
          // messages is the count of markers the writer can step through.
          MarkCorrectionA(host, w, in);
          return true;
        case FindingKind::Replacement:
          MarkCorrectionB(host, w, in);
          return true;
        case FindingKind::Semicolon:
          if (MarkSemicolon(host, w, in)) ++Check.markedCount;
          return true;
        default:
          break;
      }
      ApplyLeadingKeyChar(in, w);
      if (w.kind == FindingKind::SentenceArticle) FindSentenceArticle(host, w);
      if (!WriteMarker(host, w, in)) return true;
      ++Check.markedCount;
      if (keptMarkMode == 999) {
        lastMarked = true;
        return false;
      }
      ++processed;
      if (processed % 20 == 0) {
        BoundedText<80> line;
        line.format("WAIT: KESta processed %d of %d errors", processed, static_cast<int>(records));
        Guarded([&] { SendStatus(host, line.str()); });
      }
      return true;
    });
    if (!lastMarked) {
      // The count of markers written, not of findings collected: a
      // finding whose words were not found is not in the document, and a
      // correction made in place leaves no marker.
      BoundedText<80> line(ClosingStatus(Check.markedCount));
      Guarded([&] { SendStatus(host, line.str()); });
    }
    return S_OK;
  } catch (const StopMarking& stop) {
    return stop.code;
  }
}
