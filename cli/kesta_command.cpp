#include "cli/kesta_command.h"

#include <strings.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>

#include "cli/cli_options.h"
#include "cli/file_owner.h"
#include "cli/module_client.h"
#include "cli/write_permission.h"
#include "editor/caret.h"
#include "editor/editor.h"
#include "editor/element_ids.h"
#include "platform/console_interaction.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/memory_note.h"
#include "platform/registry.h"

namespace {
int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "kesta: %s\n", message.c_str());
  return code;
}

// Memory that ran out anywhere in the run, even where a handler of the
// module or the editor caught it and went on, ends the run: what the run
// did cannot be taken for the whole of its work.
void EndIfMemoryRanOut() {
  if (MemoryRanOut()) throw std::bad_alloc();
}

int UsageError(const std::string& message) {
  std::fprintf(stderr, "kesta: %s\nTry 'kesta --help'.\n", message.c_str());
  return kExitUsage;
}

// The module's custom folder: $APTCUSTOM, else the folder bundled with the
// build, so that a check works out of the box.
struct CustomFolder {
  std::string path;
  bool bundled = false;  // set by kesta, APTCUSTOM being unset
};

CustomFolder DefaultCustomFolder(const CliPaths& paths) {
  CustomFolder folder;
  if (GetNativeEnvVar("APTCUSTOM", &folder.path)) return folder;
  folder.path =
      FileExists(paths.builtCustomDir + "/editinit/KestaArbortext.ini") ? paths.builtCustomDir : paths.sourceCustomDir;
  folder.bundled = true;
  ::setenv("APTCUSTOM", folder.path.c_str(), 1);
  return folder;
}

// The writer's selection: the content of an element, the caret inside it.
bool SelectContent(editor::Editor& doc, const std::string& ref) {
  editor::NodeIndex node = editor::ParseId(doc.ResolveElement(ref));
  editor::EditorState& state = doc.State();
  if (!state.doc.IsAlive(node)) return false;
  editor::PlaceCaretInside(state, node);
  editor::SelectRange(state, state.doc.StartOf(node) + 1, state.doc.EndOf(node));
  return true;
}

// Method names are matched without regard to case, as the module does.
bool SameMethod(const std::string& a, const char* b) { return ::strcasecmp(a.c_str(), b) == 0; }

// A module that would not load. A refused start follows the module's own
// boxes, which name its files the Windows way; so kesta says which custom
// folder the module was given and how to give it another.
int LoadFailed(ModuleClient::Outcome outcome, const std::string& error, const CustomFolder& folder) {
  EndIfMemoryRanOut();  // a start that ran out of memory is no refusal
  if (outcome != ModuleClient::Outcome::Refused) return Fail(kExitUsage, error);
  Fail(kExitUsage, "the module refused to load (see the messages above)");
  const std::string fix =
      "set APTCUSTOM to a folder that holds editinit/KestaArbortext.ini and the dictionaries it names";
  if (folder.bundled)
    return Fail(kExitUsage, "the module read the bundled custom folder " + folder.path +
                                ", as APTCUSTOM is not set: " + fix);
  const std::string read = folder.path.empty() ? "APTCUSTOM is empty, so the module read no custom folder"
                                               : "the module read the custom folder " + folder.path + " from APTCUSTOM";
  return Fail(kExitUsage, read + ": " + fix + ", or unset it to use the bundled one");
}

int Register(const CliPaths& paths, const CustomFolder& folder, bool install) {
  // What the registry file held before, to tell whether unregistering took
  // anything out of it.
  const bool existed = FileExists(RegistryPath());
  std::vector<RegistryValue> before, after;
  std::string error;
  if (!ReadRegistry(&before, &error)) return Fail(kExitFile, error);
  HMODULE module = nullptr;
  ModuleClient::Outcome outcome = ModuleClient::LoadForRegistration(paths.modulePath, &module, &error);
  if (outcome != ModuleClient::Outcome::Ok) return LoadFailed(outcome, error, folder);
  const char* entry = install ? "DllRegisterServer" : "DllUnregisterServer";
  auto proc = reinterpret_cast<DllRegisterServerProc>(GetProcAddress(module, entry));
  HRESULT hr = proc ? proc() : CO_E_ERRORINDLL;
  std::string path = GetModuleFileName(module);
  FreeLibrary(module);
  EndIfMemoryRanOut();
  if (FAILED(hr)) return Fail(kExitFile, std::string("cannot write the registry file ") + RegistryPath());
  if (install)
    std::fprintf(stderr, "kesta: registered KestaEpic.RunKesta (%s) in %s\n", path.c_str(), RegistryPath().c_str());
  else if (!existed)
    std::fprintf(stderr, "kesta: nothing to remove: %s does not exist\n", RegistryPath().c_str());
  else if (ReadRegistry(&after, &error) && after.size() == before.size())
    std::fprintf(stderr, "kesta: nothing to remove: %s holds no KestaEpic.RunKesta entry\n", RegistryPath().c_str());
  else
    std::fprintf(stderr, "kesta: removed KestaEpic.RunKesta from %s\n", RegistryPath().c_str());
  return kExitOk;
}

// The file -i or -o replaces; empty for standard output ("-o -" names it,
// as the shell's tools read it).
std::string TargetFile(const CliOptions& options) {
  if (options.inPlace) return options.file;
  if (!options.outFile.empty() && options.outFile != "-") return options.outFile;
  return "";
}

// True after the message that the file to replace is read-only: asked
// before the run, so that nothing is done for it, and again before the write.
bool RefuseReadOnly(const CliOptions& options) {
  const std::string target = TargetFile(options);
  if (target.empty() || !ReadOnlyForUser(NativePath(target))) return false;
  Fail(kExitFile, target + ": read-only, left as it was");
  return true;
}

// Writes the document where the options say; false after a message.
bool WriteDocument(const editor::Editor& doc, const CliOptions& options) {
  EndIfMemoryRanOut();
  std::string error;
  if (RefuseReadOnly(options)) return false;
  if (const std::string target = TargetFile(options); !target.empty()) {
    const std::string native = NativePath(target);
    const std::optional<FileOwner> old = RegularFileOwner(native);
    if (!doc.Save(target, &error)) {
      Fail(kExitFile, error);
      return false;
    }
    // After whatever the module said ("Document not saved." is the host's
    // own save it speaks of), which file holds the document now.
    std::fprintf(stderr, "kesta: wrote %s\n", target.c_str());
    if (const std::optional<FileOwner> now = RegularFileOwner(native); old && now)
      for (const std::string& line : OwnershipNotKept(target, *old, *now))
        std::fprintf(stderr, "kesta: %s\n", line.c_str());
    return true;
  }
  std::string text = doc.SaveText();
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    Fail(kExitFile, "cannot write the document to standard output");
    return false;
  }
  return true;
}

// The console answers for the host while it lives; the one before is back
// however the run ends.
class InteractionScope {
 public:
  explicit InteractionScope(Interaction* interaction) : previous_(SetInteraction(interaction)) {}
  ~InteractionScope() { SetInteraction(previous_); }
  InteractionScope(const InteractionScope&) = delete;
  InteractionScope& operator=(const InteractionScope&) = delete;

 private:
  Interaction* previous_;
};

// What the module made of the call: the load's outcome, and the method's
// answer once loaded.
struct ModuleRun {
  ModuleClient::Outcome outcome = ModuleClient::Outcome::Ok;
  std::string error;
  HRESULT hr = S_OK;
};

// Loads the module, calls the method and unloads it (its shut-down runs
// while the editor is there), saying nothing: the run's end tells.
ModuleRun CallModule(const CliPaths& paths, const std::string& method, const std::string* arg) {
  ModuleRun run;
  ModuleClient client(paths.modulePath);
  run.outcome = client.Open(&run.error);
  if (run.outcome == ModuleClient::Outcome::Ok) run.hr = client.Call(method, arg);
  return run;
}

int RunOnDocument(const CliOptions& options, const CliPaths& paths, const CustomFolder& folder) {
  editor::Editor doc;
  doc.RecordCalls(false);  // nobody reads the record here
  std::string error;
  // A writer's tool may be called without a document: the editor stays empty.
  const bool hasDocument = !options.file.empty();
  if (RefuseReadOnly(options)) return kExitFile;
  if (hasDocument && !doc.Load(options.file, &error)) {
    EndIfMemoryRanOut();
    return Fail(kExitFile, error);
  }
  if (!options.element.empty() && !doc.PlaceCaretIn(options.element))
    return UsageError("no element '" + options.element + "' in " + options.file);
  if (!options.caret.empty() && !doc.PlaceCaretIn(options.caret))
    return UsageError("no element '" + options.caret + "' in " + options.file);
  if (!options.select.empty() && !SelectContent(doc, options.select))
    return UsageError("no element '" + options.select + "' in " + options.file);
  if (options.mouse) doc.SetMouseAnswer(*options.mouse);

  ConsoleInteraction console(stderr);
  for (int answer : options.answers) console.QueueAnswer(answer);
  for (const DialogAction& action : options.actions) console.QueueAction(action);
  console.SetTerminalAnswers(::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO));

  std::string method = options.method;
  const std::string* arg = options.arg ? &*options.arg : nullptr;
  if (options.action == CliOptions::Action::Check)
    method = options.element.empty() ? "ProcessKesta" : "SelectElement";

  // A call that answers S_FALSE and leaves the document as it was did
  // nothing to it: its file is not written, so that no "wrote" line tells
  // otherwise.
  const std::string target = TargetFile(options);
  const std::string before = hasDocument && !target.empty() ? doc.SaveText() : std::string();

  ModuleRun run;
  {
    InteractionScope answers(&console);
    doc.RegisterHostClasses();
    run = CallModule(paths, method, arg);
    doc.RevokeHostClasses();
  }
  EndIfMemoryRanOut();
  const HRESULT hr = run.hr;
  if (run.outcome != ModuleClient::Outcome::Ok) return LoadFailed(run.outcome, run.error, folder);
  if (hr == DISP_E_UNKNOWNNAME) return UsageError("the module has no method '" + method + "'");
  if (hr == DISP_E_BADPARAMCOUNT) return UsageError(method + (arg ? " takes no argument" : " needs an argument"));
  if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_OVERFLOW)
    return UsageError(method + " needs a whole number as its argument, not '" + (arg ? *arg : "") + "'");
  if (hr == E_NOTIMPL)
    return Fail(kExitUsage, method + " is not available in this build yet: the module answers E_NOTIMPL (not implemented). The document was not changed.");
  if (FAILED(hr)) return Fail(kExitUsage, method + " failed: " + SystemErrorText(hr));
  if (SameMethod(method, "TrafficLight"))
    std::fprintf(stderr,
                 "kesta: no traffic light to show: TrafficLight shows the last traffic scoring of the same "
                 "module run, and every kesta run loads the module anew ('kesta call SixsigmaRead FILE "
                 "--answer 2' scores the document and shows its light)\n");
  // The module saw a refused answer as a menu dismissed; the writer learns
  // that nothing was chosen, and the document is left as it was.
  if (const std::string& refused = console.RefusedAnswer(); !refused.empty())
    return Fail(kExitUsage, refused + (hasDocument ? "; the document was not written" : ""));
  if (hr == S_FALSE && hasDocument && !target.empty() && doc.SaveText() == before) {
    std::fprintf(stderr, "kesta: %s not written: %s answered S_FALSE and changed nothing\n", target.c_str(),
                 method.c_str());
    return kExitFalse;
  }
  if (hasDocument && !WriteDocument(doc, options)) return kExitFile;
  return hr == S_FALSE ? kExitFalse : kExitOk;
}

// The command the line asks for; `options` as far as they were read, for
// the caller's message when memory runs out.
int RunCommand(const std::vector<std::string>& args, const CliPaths& paths, CliOptions& options) {
  std::string error;
  if (!ParseCliOptions(args, &options, &error)) return UsageError(error);
  if (options.action == CliOptions::Action::Help) {
    if (const char* usage = CommandUsage(options.helpFor); *usage) std::printf("%s\n", usage);
    std::fputs(CliUsage(), stdout);
    return kExitOk;
  }
  if (options.action == CliOptions::Action::Version) {
    std::printf("kesta %s\n", KESTA_VERSION);
    return kExitOk;
  }
  const CustomFolder folder = DefaultCustomFolder(paths);
  switch (options.action) {
    case CliOptions::Action::Register:
      return Register(paths, folder, true);
    case CliOptions::Action::Unregister:
      return Register(paths, folder, false);
    default:
      return RunOnDocument(options, paths, folder);
  }
}
}  // namespace

int RunKestaCli(const std::vector<std::string>& args, const CliPaths& paths) {
  const MemoryWatch watch;
  CliOptions options;
  try {
    return RunCommand(args, paths, options);
  } catch (const std::bad_alloc&) {
    // Whatever ran out, and wherever it was caught first, the document is
    // written only after the whole run and a look at the note: nothing was
    // written, and the source is as it was. Said without allocating.
    const char* file = options.file.c_str();
    std::fprintf(stderr, "kesta: %s%sout of memory; nothing was written\n", file, *file ? ": " : "");
    return kExitFile;
  }
}
