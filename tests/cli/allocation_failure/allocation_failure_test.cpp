// Memory that runs out anywhere in a kesta run, one request at a time: this
// program's allocator refuses the kth request of the run, for every k of
// each command on a small document (the module started once before, outside
// the count), and for a spread of k over runs that start the module and
// over a check of a larger document; and every request of kesta's main
// before the run's watch begins, where the end may not need an exception.
// Each run must give exactly what the run without a refusal gives, or end
// as out of memory: exit status 3, the line that says so last, nothing on
// standard output, the source and an existing -o file as they were and no
// other file beside them.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>

#include "cli/cli_options.h"
#include "cli/kesta_command.h"
#include "platform/files.h"
#include "platform/library_loader.h"
#include "platform/memory_note.h"
#include "tests/cli/allocation_failure/failing_allocator.h"
#include "tests/support/temp_dir.h"

// kesta's own main, built into this program under this name.
int KestaMain(int argc, char** argv);

namespace {

const std::string kOld = "<old/>\n";  // what an existing -o file holds
// A book of one paragraph with a few findings, an entity and inline markup;
// Book(n) has n such paragraphs.
const std::string kParagraph =
    "<para>Utilize the &pump; to commence the <emphasis>flow</emphasis> of five litres.</para>\n";
std::string Book(int paragraphs) {
  std::string book = "<?xml version=\"1.0\"?>\n<!DOCTYPE book [<!ENTITY pump \"fuel pump\">]>\n"
                     "<book><chapter><title>T</title>";
  for (int i = 0; i < paragraphs; ++i) book += kParagraph;
  return book + "</chapter></book>\n";
}
const std::string kBook = Book(1);

// A command line; SOURCE and OUT stand for the files of the run.
struct Line {
  std::vector<std::string> args;
  std::string source = kBook;
  bool outExists = false;  // OUT holds kOld before the run
};

struct Outcome {
  int status = 0;
  std::string out, err;
  std::string source, target;   // the files after the run ("" for no OUT)
  std::set<std::string> files;  // the folder's entries after the run
  bool operator==(const Outcome&) const = default;
};

// A score's date and time (in its stamp, in its dialog) left out, as the
// clock moves on between runs.
std::string Timeless(const std::string& text) {
  static const std::regex dateAndTime("\\d+:\\d+:\\d+(-|  Time: )\\d+:\\d+");
  return std::regex_replace(text, dateAndTime, "TIME");
}

// A command line as kesta's main is given it.
struct MainLine {
  explicit MainLine(std::vector<std::string> line) : args(std::move(line)) {
    args.insert(args.begin(), "kesta");
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
  }
  MainLine(const MainLine&) = delete;
  MainLine& operator=(const MainLine&) = delete;
  int Run() { return KestaMain(static_cast<int>(args.size()), argv.data()); }
  std::vector<std::string> args;
  std::vector<char*> argv;
};

class AllocationFailure : public ::testing::Test {
 protected:
  std::string Source() const { return (dir_.path() / "doc.xml").string(); }
  std::string Out() const { return (dir_.path() / "out.xml").string(); }
  std::vector<std::string> Args(const Line& line) const {
    std::vector<std::string> args = line.args;
    for (std::string& a : args) a = a == "SOURCE" ? Source() : a == "OUT" ? Out() : a;
    return args;
  }

  // The files of `line` as they are before its run.
  void Prepare(const Line& line) {
    dir_.Write("doc.xml", line.source);
    std::filesystem::remove(Out());
    if (line.outExists) dir_.Write("out.xml", kOld);
  }

  // The files as the run left them.
  void Collect(Outcome& o) const {
    o.source = Timeless(ReadAll(Source()));
    o.target = std::filesystem::exists(Out()) ? Timeless(ReadAll(Out())) : "";
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
      o.files.insert(entry.path().filename().string());
  }

  // Runs `line` on fresh files, the `refuse`th request refused (0: none).
  Outcome Run(const Line& line, long refuse, long* count = nullptr) {
    Prepare(line);
    const std::vector<std::string> args = Args(line);
    const CliPaths paths{KESTA_MODULE_PATH, custom_, custom_};
    Outcome o;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    failing_allocator::Open(refuse);
    o.status = RunKestaCli(args, paths);
    const long made = failing_allocator::Close();
    if (count) *count = made;
    o.out = Timeless(testing::internal::GetCapturedStdout());
    o.err = Timeless(testing::internal::GetCapturedStderr());
    Collect(o);
    return o;
  }

  // Runs kesta's main on `line` here, saying nothing; the number of
  // requests it made.
  long MainRequests(const Line& line) {
    Prepare(line);
    MainLine command(Args(line));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    failing_allocator::Open(0);
    command.Run();
    const long made = failing_allocator::Close();
    testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    return made;
  }

  // Runs kesta's main on `line` in a child process, the `refuse`th request
  // refused, and then one request more, as may come after the run. The
  // status of a child killed by a signal is 128 and the signal's number.
  Outcome RunMain(const Line& line, long refuse, bool exceptions) {
    Prepare(line);
    MainLine command(Args(line));
    const std::string out = (streams_.path() / "out").string(), err = (streams_.path() / "err").string();
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
      const rlimit noCore{0, 0};
      ::setrlimit(RLIMIT_CORE, &noCore);
      ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
      ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
      failing_allocator::Open(refuse, exceptions);
      const int status = command.Run();
      try {
        delete new char;
      } catch (const std::bad_alloc&) {
      }
      std::fflush(nullptr);
      ::_exit(status);
    }
    Outcome o;
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return o;
    o.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    o.out = ReadAll(out);
    o.err = ReadAll(err);
    Collect(o);
    return o;
  }

  // Refuses the kth request for k from `from` to the last of the run, in
  // steps of `step`.
  void Sweep(const Line& line, long from = 1, long step = 1) {
    long count = 0;
    Run(line, 0);  // what a first run sets up once is left out of the count
    const Outcome whole = Run(line, 0, &count);
    ASSERT_EQ(whole.status, kExitOk) << whole.err;
    // Where the line is read, the file is not known yet.
    const std::vector<std::string> args = Args(line);
    CliOptions options;
    std::string error;
    failing_allocator::Open(0);
    ParseCliOptions(args, &options, &error);
    const long reading = failing_allocator::Close();
    for (long k = from; k <= count; k += step) {
      const Outcome o = Run(line, k);
      ASSERT_TRUE(failing_allocator::Refused()) << k;
      if (o == whole) continue;
      const std::string file = k <= reading ? "" : Source() + ": ";
      const std::string said = "kesta: " + file + "out of memory; nothing was written\n";
      ASSERT_EQ(o.status, kExitFile) << "request " << k << " of " << count << "\n" << o.err;
      ASSERT_TRUE(o.err.ends_with(said)) << "request " << k << "\n" << o.err;
      ASSERT_EQ(o.out, "") << k;
      ASSERT_EQ(o.source, Timeless(line.source)) << k;
      ASSERT_EQ(o.target, line.outExists ? kOld : "") << k;
      std::set<std::string> files = {"doc.xml"};
      if (line.outExists) files.insert("out.xml");
      ASSERT_EQ(o.files, files) << k;
    }
    // Nothing of the refused runs stays with the module.
    EXPECT_EQ(Run(line, 0), whole);
  }

  // The module started once for the whole test, so that every run reaches
  // the started module and counts only the command's own requests.
  void HoldModule() {
    std::string error;
    held_ = LoadLibrary(KESTA_MODULE_PATH, &error);
    ASSERT_NE(held_, nullptr) << error;
  }

  // Its shut-down runs too. (A leak the sanitizer reports then shows the
  // module's frames unnamed: leave the module loaded to see them.)
  void TearDown() override {
    if (held_) FreeLibrary(held_);
  }

  TempDir dir_;
  TempDir streams_;  // the child's standard output and error
  const std::string custom_ = std::string(KESTA_BUILD_DIR) + "/custom";
  ScopedEnv registry_{"KESTA_REGISTRY", (dir_.path() / "registry").c_str()};
  ScopedEnv aptcustom_{"APTCUSTOM", custom_.c_str()};
  ScopedEnv profile_{"KESTA_PROFILE", dir_.path().c_str()};
  HMODULE held_ = nullptr;
};

TEST_F(AllocationFailure, Check) {
  HoldModule();
  Sweep({{"check", "SOURCE", "-o", "OUT"}, kBook, true});
  Sweep({{"check", "SOURCE", "-i"}});
  Sweep({{"check", "SOURCE"}});
  // Where the file system makes no unnamed files, the named temporary.
  RefuseUnnamedTemporaryForTesting(true);
  Sweep({{"check", "SOURCE", "-o", "OUT"}, kBook, true});
  RefuseUnnamedTemporaryForTesting(false);
}

// Scoring, and the light of the last traffic scoring, which the module
// held between runs still has.
TEST_F(AllocationFailure, Scoring) {
  HoldModule();
  Sweep({{"call", "SixsigmaRead", "SOURCE", "-i", "--answer", "2"}});
  Sweep({{"call", "TrafficLight", "SOURCE"}});
  Sweep({{"call", "SixsigmaRead", "SOURCE", "-o", "OUT", "--answer", "1"}, kBook, true});
}

// The finding's menu and the removal of the markers, on a checked document.
TEST_F(AllocationFailure, MenuAndClose) {
  HoldModule();
  const std::string marked = Run({{"check", "SOURCE"}}, 0).out;
  ASSERT_NE(marked.find("_touchup"), std::string::npos);
  Sweep({{"call", "ShowMe", "SOURCE", "--caret", "(1,5,0)", "--answer", "2", "-o", "OUT"}, marked, true});
  Sweep({{"call", "CloseKesta", "SOURCE", "-i"}, marked});
}

// Runs that load the module: its start-up (the settings, the dictionaries)
// and then the command.
TEST_F(AllocationFailure, StartUp) { Sweep({{"check", "SOURCE", "-o", "OUT"}, kBook, true}, 1, 17); }

// A larger document: its parse, the check and the save reach sizes and paths
// the small one does not.
TEST_F(AllocationFailure, LargerDocument) {
  HoldModule();
  Sweep({{"check", "SOURCE", "-o", "OUT"}, Book(40), true}, 1, 97);
}

// Memory that runs out in main, before the run's watch begins, ends the run
// with the line that names no file even where no exception can be made. A
// request refused after the run leaves what the run said as it was.
TEST_F(AllocationFailure, BeforeTheRun) {
  const std::new_handler watch = [] {
    const MemoryWatch w;
    return std::get_new_handler();
  }();
  const Line version{{"--version"}};
  for (const Line& line : {version, Line{{"check", "SOURCE", "-o", "OUT"}, kBook, true}}) {
    MainRequests(line);  // what a first run sets up once is left out of the count
    MainRequests(line);
    const long before = failing_allocator::RequestsBefore(watch);
    ASSERT_GT(before, 0) << line.args[0];
    for (long k = 1; k <= before; ++k) {
      const Outcome o = RunMain(line, k, false);
      ASSERT_EQ(o.status, kExitFile) << line.args[0] << " request " << k << " of " << before << "\n" << o.err;
      ASSERT_EQ(o.err, "kesta: out of memory; nothing was written\n") << k;
      ASSERT_EQ(o.out, "") << k;
      ASSERT_EQ(o.source, line.source) << k;
      ASSERT_EQ(o.target, line.outExists ? kOld : "") << k;
      ASSERT_EQ(o.files.size(), line.outExists ? 2u : 1u) << k;
    }
  }
  const long count = MainRequests(version);
  const Outcome whole = RunMain(version, 0, true), late = RunMain(version, count + 1, true);
  EXPECT_EQ(late.status, whole.status);
  EXPECT_EQ(late.out, whole.out);
  EXPECT_EQ(late.err, whole.err);
}

}  // namespace
