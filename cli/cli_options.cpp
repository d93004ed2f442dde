#include "cli/cli_options.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {
// The writer's tools open their dialogs without a document.
bool NeedsNoDocument(const std::string& method) {
  for (const char* tool : {"WordFinder", "VerbSelector", "MetricConverter", "ShowTemp"})
    if (method == tool) return true;
  return false;
}

bool ParseAnswer(const std::string& text, int* out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
  *out = static_cast<int>(v);
  return true;
}

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// The command word: false for one that is not known. --help and --version
// in its place take nothing after them.
bool ParseCommand(const std::vector<std::string>& args, CliOptions* options, std::string* error) {
  const std::string& command = args[0];
  using Action = CliOptions::Action;
  if (IsHelp(command) || command == "help" || command == "--version") {
    options->action = command == "--version" ? Action::Version : Action::Help;
    if (args.size() > 1) {
      *error = command + " takes nothing else";
      return false;
    }
    return true;
  }
  if (command == "check")
    options->action = Action::Check;
  else if (command == "call")
    options->action = Action::Call;
  else if (command == "register")
    options->action = Action::Register;
  else if (command == "unregister")
    options->action = Action::Unregister;
  else {
    *error = "unknown command '" + command + "'";
    return false;
  }
  return true;
}

// One option at args[i] (with its value, which moves i on), or one
// positional argument.
bool ParseOption(const std::vector<std::string>& args, std::size_t& i, CliOptions* options,
                 std::vector<std::string>* positional, std::string* error) {
  using Action = CliOptions::Action;
  const std::string& a = args[i];
  auto value = [&](std::string* out) {
    if (i + 1 >= args.size()) {
      *error = a + " needs a value";
      return false;
    }
    *out = args[++i];
    return true;
  };
  const bool documentCommand = options->action == Action::Check || options->action == Action::Call;
  if (!documentCommand && !a.empty() && a[0] == '-' && a != "-") {
    *error = args[0] + " takes no options";
    return false;
  }
  if (a == "-o") {
    if (!value(&options->outFile)) return false;
    if (options->outFile.empty()) {
      *error = "-o needs a file name";
      return false;
    }
  } else if (a == "-i") {
    options->inPlace = true;
  } else if (a == "--answer") {
    std::string text;
    if (!value(&text)) return false;
    int n = 0;
    if (!ParseAnswer(text, &n)) {
      *error = "--answer needs a number, not '" + text + "'";
      return false;
    }
    options->answers.push_back(n);
  } else if (a == "--do") {
    std::string text;
    if (!value(&text)) return false;
    DialogAction action;
    std::string why;
    if (!ParseDialogAction(text, &action, &why)) {
      *error = "--do '" + text + "': " + why;
      return false;
    }
    options->actions.push_back(action);
  } else if (a == "--mouse") {
    std::string text;
    if (!value(&text)) return false;
    options->mouse = text;
  } else if (a == "--element") {
    if (options->action != Action::Check) {
      *error = "--element belongs to check";
      return false;
    }
    if (!value(&options->element)) return false;
    if (options->element.empty()) {
      *error = "--element needs an element id";
      return false;
    }
  } else if (a == "--caret" || a == "--select") {
    std::string* target = a == "--caret" ? &options->caret : &options->select;
    if (!value(target)) return false;
    if (target->empty()) {
      *error = a + " needs an element id";
      return false;
    }
  } else if (a.size() > 1 && a[0] == '-') {
    *error = "unknown option '" + a + "'";
    return false;
  } else {
    positional->push_back(a);
  }
  return true;
}

// Options that exclude each other.
bool CheckExclusions(const CliOptions& options, std::string* error) {
  if (!options.outFile.empty() && options.inPlace) {
    *error = "-o and -i exclude each other";
    return false;
  }
  if ((!options.element.empty()) + (!options.caret.empty()) + (!options.select.empty()) > 1) {
    *error = "--element, --caret and --select exclude each other";
    return false;
  }
  return true;
}

// A call with the method alone: only the writer's tools, and none of the
// options that need a document.
bool TakeToolCall(const std::string& method, CliOptions* options, std::string* error) {
  options->method = method;
  if (!NeedsNoDocument(options->method)) {
    *error = "call " + options->method + " needs a document (only WordFinder, VerbSelector, " +
             "MetricConverter and ShowTemp work without one)";
    return false;
  }
  if (options->inPlace || !options->outFile.empty() || !options->caret.empty() || !options->select.empty()) {
    *error = "-o, -i, --caret and --select need a document";
    return false;
  }
  return true;
}

// The positional arguments each command takes.
bool TakePositionals(const std::string& command, const std::vector<std::string>& positional,
                     CliOptions* options, std::string* error) {
  using Action = CliOptions::Action;
  switch (options->action) {
    case Action::Register:
    case Action::Unregister:
      if (!positional.empty()) {
        *error = command + " takes no arguments";
        return false;
      }
      return true;
    case Action::Check:
      if (positional.size() != 1) {
        *error = "check needs one document";
        return false;
      }
      options->file = positional[0];
      return true;
    case Action::Call:
      if (positional.size() == 1) return TakeToolCall(positional[0], options, error);
      if (positional.size() < 2 || positional.size() > 3) {
        *error = "call needs a method, maybe its argument, and a document";
        return false;
      }
      options->method = positional[0];
      if (positional.size() == 3) options->arg = positional[1];
      options->file = positional.back();
      return true;
    case Action::Help:
    case Action::Version:
      break;
  }
  return true;
}
}  // namespace

bool ParseCliOptions(const std::vector<std::string>& args, CliOptions* options, std::string* error) {
  *options = CliOptions{};
  if (args.empty()) {
    *error = "no command given";
    return false;
  }
  if (!ParseCommand(args, options, error)) return false;
  if (options->action == CliOptions::Action::Help || options->action == CliOptions::Action::Version) return true;
  std::vector<std::string> positional;
  for (std::size_t i = 1; i < args.size(); ++i) {
    // Every command takes --help where an option may stand: the usage, and
    // nothing is run.
    if (IsHelp(args[i])) {
      *options = CliOptions{};
      options->helpFor = args[0];
      return true;
    }
    if (!ParseOption(args, i, options, &positional, error)) return false;
  }
  return CheckExclusions(*options, error) && TakePositionals(args[0], positional, options, error);
}

const char* CommandUsage(const std::string& command) {
  static const struct {
    const char* command;
    const char* usage;
  } kUsages[] = {
      {"check",
       "Usage: kesta check FILE [--element ID] [-o OUT | -i] [--answer N]...\n"
       "Checks the whole document (ProcessKesta), or with --element the element ID\n"
       "(SelectElement with the caret in it), and writes it with its markers.\n"},
      {"call",
       "Usage: kesta call METHOD [ARG] FILE [-o OUT | -i] [--caret ID | --select ID]\n"
       "                  [--answer N]... [--do ACTION]... [--mouse VALUE]\n"
       "       kesta call TOOL [FILE] [--do ACTION]...\n"
       "Calls one IRunKesta method on the document as the host would, or opens a\n"
       "writer's tool (WordFinder, VerbSelector, MetricConverter, ShowTemp).\n"},
      {"register",
       "Usage: kesta register\n"
       "Registers the module (KestaEpic.RunKesta) in the registry file.\n"},
      {"unregister",
       "Usage: kesta unregister\n"
       "Removes the module's registration from the registry file.\n"},
  };
  for (const auto& row : kUsages)
    if (command == row.command) return row.usage;
  return "";
}

const char* CliUsage() {
  return R"(kesta - check a document with the KESta checker

Usage:
  kesta check FILE [-o OUT | -i]          check the whole document (ProcessKesta)
  kesta check FILE --element ID [-o|-i]   check one element (SelectElement with the
                                          caret in ID: an id attribute or an element id)
  kesta call METHOD [ARG] FILE [-o|-i]    call any IRunKesta method by name, as the
                                          host would (ARG: the method's number argument)
  kesta call TOOL [FILE]                  open a writer's tool, with no document needed:
                                          WordFinder, VerbSelector, MetricConverter, ShowTemp
  kesta register                          register the module (ProgIDs KestaEpic.RunKesta
                                          and KestaEpic.RunKesta.1) in the registry file
  kesta unregister                        remove that registration
  kesta --help                            this text
  kesta COMMAND --help                    the command's usage, then this text
  kesta --version                         the version of kesta

Options:
  -o OUT         write the resulting document to OUT (through a temporary file in its
                 folder, renamed over OUT once written in full, with OUT's mode, owner
                 and group); "-o -" is standard output, and a device or FIFO is
                 written to directly
  -i             replace FILE with the resulting document (only once it is written in full)
                 (without -o or -i the document goes to standard output; with them,
                 "kesta: wrote OUT" on standard error names the file written)
  --answer N     answer the next question, message box or menu with N (repeatable, in
                 order); question buttons count from 1, box buttons are 1 OK, 2 Cancel,
                 6 Yes, 7 No; menu choices are numbered from 1, 0 closes the menu, and
                 a greyed choice or a number the menu lacks is refused (exit status 2,
                 the document not written)
  --do ACTION    act on the next dialog (repeatable, in order):
                   click ID        press button ID (a check box toggles)
                   type ID TEXT    replace the text of field ID with TEXT
                   select ID N     select row N (from 1) of list ID, or
                   select ID TEXT  the item with that text; 0 selects none
                   dblclick ID N   double-click row N of list ID (or ID TEXT)
                   tick ID         tick check box ID (untick ID clears it)
                   close           close the dialog with its close box (Cancel)
                   folder PATH     answer the folder picker (folder alone: Cancel)
  --mouse VALUE  what the editor says lies under the mouse (default "text")
  --caret ID     put the caret inside element ID before the call
  --select ID    select the content of element ID (the caret inside it) before the call
                 (ID: the value of the element's id attribute, or the editor's element id)

Status lines, message boxes, questions, menus and dialogs go to standard error as
  [status] TEXT      [box CAPTION] TEXT      [response] PROMPT -> N
  [menu] N ITEM ...  [menu] -> N
  [dialog] CAPTION, then one line per control: its kind, id and text
           (button, text, edit, check [x], list with numbered rows,
           picture: the icon or bitmap it shows), printed again when it changes;
  [dialog] > ACTION  the action played    [dialog] closed CAPTION -> 1 (OK) or 2 (Cancel)
  [folder] TITLE -> PATH                  [clipboard] TEXT
A question or menu nobody answers is dismissed (0; a Yes/No box answers No);
a dialog nobody acts on closes as Cancel. With a terminal, what the options
do not answer is asked there.

Methods of IRunKesta:
  ProcessKesta CloseKesta GetKestaHelp WordFinder SelectElement SixsigmaRead
  MarkingEngine ShowMe ShowContext RemoveAllMarkers RemoveKestaMarkers
  DisplayCmenu ARG RemoveKestaPi ShowTemp MetricConverter CLoadMenu VerbSelector
  RemoveMessage CallNextKesta TrafficLight RemoveMarks FullTags ChangeEditWinTitle
  TreeWalker GetDocStart FindKesta FindNextKesta

Exit status:
  0  the method answered S_OK            1  it answered S_FALSE
  2  usage error (a refused menu answer too), a module that refused to load
     or was not found, or a method that failed or is not available yet
  3  the document (or the registry file) could not be read or written, or
     memory ran out

Environment:
  APTCUSTOM       the custom folder (settings, dictionaries); when unset, the
                  default custom folder bundled with the build, or installed
                  with kesta
  KESTA_REGISTRY  the registry file (default: kesta/registry in the user's
                  configuration folder, $XDG_CONFIG_HOME or ~/.config)
  KESTA_PROFILE   the profile folder where report files and Kesta_Clipboard.txt
                  are written (default: $HOME)

Writer's tools (their dialogs; ids as the dialog lists them):
  WordFinder       type 203 TERM, click 1 (Search): class and dictionary, case rule,
                   suggestions, or NOT FOUND; Show/Ignore Warnings 208/209 and
                   click 382 (Change) set the warnings for this run
  VerbSelector     type 365 LETTERS, click 336 (Search List) or 380 (Move entry);
                   click 375 (CAPS), 377 (Init/lc), 374 (> Clipboard)
  MetricConverter  type 260 VALUE, select 262 N (a conversion of metric.txt in the
                   dictionaries folder), click 370 (Convert): the line in field 261
  ShowTemp         the temporary dictionary (Word_List_CODE.txt beside the
                   dictionaries; terms expire after 10 days): type 340 TERM, click a
                   kind 345..353, click 343 (Add), dblclick 371 N (remove), click 370
                   (Print), click 341 (Close ..., writes the file); close discards;
                   358/357 and click 336 record the warning preference

The module is found through the registry by its ProgID, else where the install
step put it beside kesta, else at the path it was built to.
)";
}
