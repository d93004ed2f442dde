// The ACL commands the editor executes, as a table of rows.
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/acl.h"
#include "editor/caret.h"
#include "editor/editing.h"
#include "editor/markup_parser.h"
#include "editor/search.h"
#include "editor/text_chars.h"
#include "platform/interaction.h"

namespace editor {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

void RequireNoArguments(const char* name, std::string_view args) {
  if (!args.empty()) throw AclFailure{std::string(name) + " takes no arguments: " + std::string(args)};
}

// The next leading "-flag" word, taken off `rest`; empty when none is left.
std::string_view NextFlag(std::string_view* rest) {
  std::string_view s = Trim(*rest);
  if (s.empty() || s.front() != '-') {
    *rest = s;
    return {};
  }
  std::size_t n = 0;
  while (n < s.size() && !IsBlank(s[n])) ++n;
  *rest = Trim(s.substr(n));
  return s.substr(0, n);
}

// Text between a delimiter and the last of its kind; nothing may follow.
std::string Delimited(std::string_view s, const char* command) {
  s = Trim(s);
  if (s.empty()) throw AclFailure{std::string(command) + ": the text is missing"};
  char delimiter = s.front();
  std::size_t close = s.rfind(delimiter);
  if (close == 0) throw AclFailure{std::string(command) + ": the text lacks its closing " + delimiter};
  if (!Trim(s.substr(close + 1)).empty())
    throw AclFailure{std::string(command) + ": unexpected text after " + std::string(s.substr(0, close + 1))};
  return std::string(s.substr(1, close - 1));
}

// A quoted argument ('...' or "..."), or the bare word.
std::string Unquote(std::string_view s) {
  s = Trim(s);
  if (s.size() >= 2 && (s.front() == '\'' || s.front() == '"') && QuotedEnd(s, 0) == s.size() - 1)
    return QuotedValue(s, 0, s.size() - 1);
  return std::string(s);
}

AclResult Set(EditorState& state, std::string_view args) {
  std::size_t eq = args.find('=');
  if (eq == std::string_view::npos) throw AclFailure{"set: NAME=VALUE expected: " + std::string(args)};
  std::string name(Trim(args.substr(0, eq)));
  if (name.empty()) throw AclFailure{"set: the option's name is missing"};
  state.options[name] = Unquote(args.substr(eq + 1));
  return {};
}

AclResult ClearMark(EditorState& state, std::string_view args) {
  if (!args.empty() && args != "all") throw AclFailure{"clear_mark: unexpected " + std::string(args)};
  ClearSelection(state);
  return {};
}

AclResult Clm(EditorState& state, std::string_view args) {
  RequireNoArguments("clm", args);
  ClearSelection(state);
  return {};
}

AclResult Find(EditorState& state, std::string_view args) {
  std::string_view rest = args;
  SearchOptions options;
  options.matchCase = OptionOn(state, "case");
  options.wholeWord = OptionOn(state, "wordscan");
  options.wrap = OptionOn(state, "wrapscan");
  options.inTags = OptionOn(state, "tagscan");
  bool quiet = false;
  bool select = true;
  bool tags = false;
  for (std::string_view flag = NextFlag(&rest); !flag.empty(); flag = NextFlag(&rest)) {
    if (flag == "-f") options.forward = true;
    else if (flag == "-b") options.forward = false;
    else if (flag == "-e") options.anyDot = true;
    else if (flag == "-q") quiet = true;
    else if (flag == "-t" || flag == "-m") tags = true;
    else if (flag == "-select") select = true;
    else if (flag == "-noselect") select = false;
    else throw AclFailure{"find: unknown option " + std::string(flag)};
  }
  if (rest.empty() || (rest.front() != '@' && rest.front() != '/'))
    throw AclFailure{"find: the text to find must stand between two '@' or two '/'"};
  std::string text = Delimited(rest, "find");
  std::u32string pattern = DecodeUtf8(text);
  Match match;
  bool found = tags ? FindTag(state.doc, state.caret, pattern, options, &match)
                    : FindText(state.doc, state.caret, pattern, options, &match);
  if (!found) {
    if (!quiet) CurrentInteraction().StatusLine("Not found: " + text);
    // Answered, not raised: a search that finds nothing is an everyday outcome.
    return AclFailure{"find: not found: " + text};
  }
  if (match.element != kNoNode) {
    SelectNode(state, match.element);
    if (!select) ClearSelection(state);
    return {};
  }
  ClearSelection(state);
  if (select) SelectRange(state, match.begin, match.end);
  state.caret = match.end;
  return {};
}

// insert_string [-sgml] [-pendingdelete] @text@, and its short form
// is [-markup] "text".
AclResult InsertString(EditorState& state, std::string_view args) {
  std::string_view rest = args;
  bool markup = false;
  bool replace = OptionOn(state, "pendingdelete");
  for (std::string_view flag = NextFlag(&rest); !flag.empty(); flag = NextFlag(&rest)) {
    if (flag == "-sgml" || flag == "-markup") markup = true;
    else if (flag == "-pendingdelete") replace = true;
    else throw AclFailure{"insert_string: unknown option " + std::string(flag)};
  }
  std::string text = Delimited(rest, "insert_string");
  std::vector<Item> items;
  std::string error;
  bool ok = markup ? MarkupItems(text, state.doc, &items, &error) : PlainTextItems(text, &items, &error);
  if (!ok || !InsertAtCaret(state, items, replace, &error)) throw AclFailure{"insert_string: " + error};
  return {};
}

// car edit 0,N moves the caret N characters; car mouse leaves it where the
// mouse is taken to be: at the caret.
AclResult Car(EditorState& state, std::string_view args) {
  if (args == "mouse") return {};
  if (args.substr(0, 4) != "edit" || (args.size() > 4 && !IsBlank(args[4])))
    throw AclFailure{"car: unknown form " + std::string(args)};
  std::string_view numbers = Trim(args.substr(4));
  std::size_t comma = numbers.find(',');
  if (comma == std::string_view::npos) throw AclFailure{"car edit: LINES,CHARACTERS expected"};
  std::string lines(Trim(numbers.substr(0, comma)));
  std::string chars(Trim(numbers.substr(comma + 1)));
  char* end = nullptr;
  long lineCount = std::strtol(lines.c_str(), &end, 10);
  if (lines.empty() || *end || lineCount != 0) throw AclFailure{"car edit: only a move within the text is known"};
  long charCount = std::strtol(chars.c_str(), &end, 10);
  if (chars.empty() || *end || charCount > 1000000000L || charCount < -1000000000L)
    throw AclFailure{"car edit: a number of characters expected: " + chars};
  if (!MoveCaretByChars(state, charCount)) throw AclFailure{"car edit: the document ends before that"};
  return {};
}

AclResult Dt(EditorState& state, std::string_view args) {
  RequireNoArguments("dt", args);
  NodeIndex node = SelectedNode(state);
  if (node == kNoNode) node = CaretElement(state);
  if (node == kNoNode) throw AclFailure{"dt: no element at the caret"};
  std::string error;
  if (!RemoveTags(state, node, &error)) throw AclFailure{"dt: " + error};
  return {};
}

AclResult Dc(EditorState& state, std::string_view args) {
  RequireNoArguments("dc", args);
  if (!DeleteCharBefore(state)) throw AclFailure{"dc: no character before the caret"};
  return {};
}

AclResult Delete(EditorState& state, std::string_view args) {
  RequireNoArguments("delete", args);
  if (state.hasSelection) {
    std::string error;
    if (!DeleteSelection(state, &error)) throw AclFailure{"delete: " + error};
    return {};
  }
  if (!DeleteCharAfter(state)) throw AclFailure{"delete: no character after the caret"};
  return {};
}

// Tag display changes only what the writer sees.
AclResult Td(EditorState&, std::string_view) { return {}; }

AclResult Fps(EditorState& state, std::string_view args) {
  std::string text = Unquote(args);
  if (text.empty()) throw AclFailure{"fps: the text to find is missing"};
  NodeIndex node = FindStartMarkup(state.doc, state.caret, DecodeUtf8(text), OptionOn(state, "case"));
  if (node == kNoNode) throw AclFailure{"fps: no element after the caret has \"" + text + "\" in its start tag"};
  PlaceCaretInside(state, node);
  return {};
}

// mes "text": a text without its closing quote runs to the end.
AclResult Mes(EditorState&, std::string_view args) {
  std::string text(args);
  if (!args.empty() && (args.front() == '"' || args.front() == '\'')) {
    std::size_t close = QuotedEnd(args, 0);
    text = close == std::string_view::npos ? QuotedValue(args, 0, args.size()) : QuotedValue(args, 0, close);
  }
  CurrentInteraction().StatusLine(text);
  return {};
}

constexpr AclCommand kCommands[] = {
    {.name = "set", .run = Set},
    {.name = "clm", .run = Clm},
    {.name = "clear_mark", .run = ClearMark},
    {.name = "find", .run = Find},
    {.name = "insert_string", .run = InsertString},
    {.name = "is", .run = InsertString},
    {.name = "car", .run = Car},
    {.name = "dt", .run = Dt},
    {.name = "dc", .run = Dc},
    {.name = "delete", .run = Delete},
    {.name = "td", .run = Td},
    {.name = "fps", .run = Fps},
    {.name = "mes", .run = Mes},
};

}  // namespace

const AclCommand* FindCommand(std::string_view name) {
  for (const AclCommand& c : kCommands)
    if (name == c.name) return &c;
  return nullptr;
}

}  // namespace editor
