// `kesta` end to end: the built program, the loaded module, the editor.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/types.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "cli/file_owner.h"
#include "editor/editor.h"
#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {
const std::string kSample = std::string(KESTA_SOURCE_DIR) + "/data/samples/filter_task.xml";
const std::string kMarked = "<?Pub _touchup Kesta=\"2500NONE\" HighltBckclr=\"FFFF66\"?>Glorp<?Pub /_touchup?>";

class KestaCommandTest : public ::testing::Test {
 protected:
  ProgramRun Kesta(const std::vector<std::string>& args,
                   std::map<std::string, std::optional<std::string>> env = {}) {
    env.emplace("KESTA_REGISTRY", (dir_.path() / "registry").string());
    env.emplace("APTCUSTOM", std::nullopt);  // the bundled default
    return RunProgram(KESTA_PROGRAM, args, env);
  }
  // The document as the editor saves it without any change.
  static std::string Saved(const std::string& path) {
    editor::Editor doc;
    std::string error;
    EXPECT_TRUE(doc.Load(path, &error)) << error;
    return doc.SaveText();
  }

  TempDir dir_;
};
}  // namespace

TEST_F(KestaCommandTest, HelpListsEveryCommandAndExitStatus) {
  ProgramRun run = Kesta({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* text : {"kesta check FILE", "--element ID", "kesta call METHOD [ARG] FILE",
                           "kesta register", "kesta unregister", "--answer N", "--mouse VALUE",
                           "-o OUT", "-i", "APTCUSTOM", "KESTA_REGISTRY", "FullTags", "Exit status"})
    EXPECT_NE(run.out.find(text), std::string::npos) << text;
}

// The usage on standard output from every command, its own line first and
// then the general text, and the build's version.
TEST_F(KestaCommandTest, HelpFromEveryCommandAndTheVersion) {
  const struct {
    std::vector<std::string> line;
    std::string first;
  } cases[] = {
      {{"check", "--help"}, "Usage: kesta check FILE [--element ID] [-o OUT | -i]"},
      {{"call", "ShowMe", "--help"}, "Usage: kesta call METHOD [ARG] FILE [-o OUT | -i]"},
      {{"register", "--help"}, "Usage: kesta register\n"},
      {{"unregister", "-h"}, "Usage: kesta unregister\n"},
      {{"--help"}, "kesta - check a document"},
  };
  for (const auto& c : cases) {
    ProgramRun run = Kesta(c.line);
    EXPECT_EQ(run.status, 0) << c.first << run.err;
    EXPECT_EQ(run.out.rfind(c.first, 0), 0u) << run.out;
    EXPECT_NE(run.out.find("kesta - check a document with the KESta checker\n"), std::string::npos);
    EXPECT_TRUE(run.err.empty()) << c.first << run.err;
  }
  ProgramRun run = Kesta({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string("kesta ") + KESTA_VERSION + "\n");
}

TEST_F(KestaCommandTest, UsageErrors) {
  const std::vector<std::vector<std::string>> lines = {
      {},
      {"frobnicate"},
      {"check"},
      {"check", kSample, "-o", "x.xml", "-i"},
      {"check", kSample, "--answer", "yes"},
      {"check", kSample, "--answer"},
      {"check", kSample, "--colour", "red"},
      {"call", "FullTags"},
      {"call", "FullTags", "1", "2", kSample},
      {"call", "FullTags", kSample, "--element", "x"},
      {"register", "now"},
  };
  for (const auto& line : lines) {
    ProgramRun run = Kesta(line);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(line);
    EXPECT_NE(run.err.find("kesta: "), std::string::npos);
    EXPECT_TRUE(run.out.empty());
  }
}

// Calls refused with their status and the error that names why. A refused
// start shows the module's own boxes as they are, then which custom folder
// kesta gave the module and what to do.
TEST_F(KestaCommandTest, RefusedCalls) {
  const std::string missing = (dir_.path() / "missing.xml").string();
  TempDir custom;
  custom.Write("editinit/KestaArbortext.ini", "a|b|c|d|e|SHO");
  const std::string blocker = dir_.Write("file", "x");
  const std::string garbled = dir_.Write("garbled", "KestaEpic.RunKesta\n");
  const std::string nowhere = (dir_.path() / "nowhere").string();
  // A marker without advice, whose suggestions are greyed, and one the
  // writer put markup into; the marker is element (1,4,0) of each.
  const std::string marked = dir_.Write("marked.xml", "<doc><body><p>" + kMarked + " the valve.</p></body></doc>");
  const std::string edited =
      dir_.Write("edited.xml", "<doc><body><p>Please <?Pub _touchup Kesta=\"0000Use\" HighltBckclr=\"CCCCCC\"?>Uti"
                               "<b>lize</b><?Pub /_touchup?> the pump.</p></body></doc>");
  const std::string markedBefore = dir_.Read("marked.xml"), editedBefore = dir_.Read("edited.xml");
  const std::string fix =
      ": set APTCUSTOM to a folder that holds editinit/KestaArbortext.ini and the dictionaries it names, or unset "
      "it to use the bundled one\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string error;
    std::map<std::string, std::optional<std::string>> env = {};
  } cases[] = {
      {{"call", "NoSuchMethod", kSample}, 2, "no method 'NoSuchMethod'"},
      {{"call", "DisplayCmenu", kSample}, 2, "DisplayCmenu needs an argument"},
      {{"call", "DisplayCmenu", "one", kSample}, 2, "whole number"},
      {{"call", "FullTags", "1", kSample}, 2, "FullTags takes no argument"},
      {{"call", "RemoveKestaPi"}, 2, "kesta: call RemoveKestaPi needs a document"},
      {{"check", kSample, "--element", "no-such-step"}, 2, "no element 'no-such-step'"},
      // A menu answer that names no choice is no choice: nothing is written.
      {{"call", "ShowMe", marked, "--caret", "(1,4,0)", "--answer", "2", "-i"}, 2,
       "[menu] -> 0\nkesta: answer 2 refused: row 2 of the menu (SYN1) is greyed, so it cannot be chosen; the "
       "document was not written\n"},
      {{"call", "ShowMe", marked, "--caret", "(1,4,0)", "--answer", "12"}, 2,
       "kesta: answer 12 refused: the menu has no row 12 (its rows are 1 to 11); the document was not written\n"},
      // A suggestion over words the writer put markup into: the document as it was.
      {{"call", "ShowMe", edited, "--caret", "(1,4,0)", "--answer", "2", "-i"}, 1,
       "[status] KESta Message: The marked words were not found. The suggestion was not inserted.\nkesta: " +
           edited + " not written: ShowMe answered S_FALSE and changed nothing\n"},
      {{"call", "FullTags", missing}, 3, "missing.xml"},
      // A refused start: the settings box, then the start-up box.
      {{"call", "FullTags", kSample}, 2,
       "[box KESta Checker] Error(60) Read 6 fields in KestaArbortext.ini.\nNeed 7 fields. See KestaArbortext.ini "
       "format.\n[box KESta Checker] Error(69)",
       {{"APTCUSTOM", custom.path().string()}}},
      {{"call", "FullTags", kSample}, 2,
       "kesta: the module refused to load (see the messages above)\nkesta: the module read the custom folder " +
           custom.path().string() + " from APTCUSTOM" + fix,
       {{"APTCUSTOM", custom.path().string()}}},
      {{"check", kSample}, 2, "kesta: APTCUSTOM is empty, so the module read no custom folder" + fix,
       {{"APTCUSTOM", ""}}},
      {{"unregister"}, 2, "kesta: the module read the custom folder " + nowhere + " from APTCUSTOM" + fix,
       {{"APTCUSTOM", nowhere}}},
      {{"register"}, 3, "cannot write the registry file", {{"KESTA_REGISTRY", blocker + "/registry"}}},
      {{"unregister"}, 3, "kesta: " + garbled + ":1: not a registry value: KestaEpic.RunKesta\n",
       {{"KESTA_REGISTRY", garbled}}},
  };
  for (const auto& c : cases) {
    ProgramRun run = Kesta(c.args, c.env);
    EXPECT_EQ(run.status, c.status) << c.error;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << c.error;
  }
  EXPECT_EQ(dir_.Read("marked.xml"), markedBefore);
  EXPECT_EQ(dir_.Read("edited.xml"), editedBefore);
}

// With a document, a tool leaves it as it was (without one: the tools' own tests).
TEST_F(KestaCommandTest, AToolLeavesTheDocumentAsItWas) {
  std::string out = (dir_.path() / "out.xml").string();
  ProgramRun run = Kesta({"call", "VerbSelector", kSample, "-o", out});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Saved(out), Saved(kSample));
}

TEST_F(KestaCommandTest, CheckOneElementByItsIdAttribute) {
  ProgramRun run = Kesta({"check", kSample, "--element", "step-remove"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("[status] KESta keys: F4-Check Element  F2-View  F6-Next KESta"), std::string::npos)
      << run.err;
}

TEST_F(KestaCommandTest, WritesToAFileOrInPlace) {
  std::string out = (dir_.path() / "out.xml").string();
  ProgramRun run = Kesta({"call", "FullTags", kSample, "-o", out});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.empty());
  EXPECT_EQ(run.err, "kesta: wrote " + out + "\n");
  EXPECT_EQ(dir_.Read("out.xml"), Saved(kSample));

  std::string doc = dir_.Write("doc.xml", "<doc><body><p>Turn the valve.</p><!-- keep --></body></doc>");
  ::chmod(doc.c_str(), 0640);
  run = Kesta({"call", "FullTags", doc, "-i"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "kesta: wrote " + doc + "\n");
  EXPECT_NE(dir_.Read("doc.xml").find("<!-- keep -->"), std::string::npos);
  struct stat st;
  ASSERT_EQ(::stat(doc.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);  // the replaced file keeps its permissions
  EXPECT_TRUE(std::filesystem::exists(doc));
  EXPECT_FALSE(std::filesystem::exists(doc + ".kesta-tmp"));

  // In place through a symbolic link: the file it points to is replaced.
  std::filesystem::path link = dir_.path() / "link.xml";
  std::filesystem::create_symlink(doc, link);
  run = Kesta({"call", "FullTags", link.string(), "-i"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::is_symlink(link));

  // The module's own line on the host's save comes first, then which file
  // holds the document.
  const std::string marked = dir_.Write("marked.xml", "<doc><body><p>" + kMarked + " the valve.</p></body></doc>");
  const std::string back = (dir_.path() / "back.xml").string();
  run = Kesta({"call", "CloseKesta", marked, "-o", back});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.ends_with("[status] KESta removed messages. Document not saved.\nkesta: wrote " + back + "\n"))
      << run.err;
  EXPECT_EQ(dir_.Read("back.xml"), "<doc><body><p>Glorp the valve.</p></body></doc>");
}

// -o onto a symbolic link whose file is not there yet makes that file, as
// the link says, through a chain of links too; the links stay. A loop of
// links is an error.
TEST_F(KestaCommandTest, LinkToAFileNotThereYet) {
  std::filesystem::create_directory(dir_.path() / "sub");
  const std::filesystem::path link = dir_.path() / "link.xml", chain = dir_.path() / "chain.xml";
  std::filesystem::create_symlink("sub/new.xml", link);
  std::filesystem::create_symlink("link.xml", chain);
  for (const std::filesystem::path& target : {link, chain}) {
    SCOPED_TRACE(target);
    std::filesystem::remove(dir_.path() / "sub" / "new.xml");
    ProgramRun run = Kesta({"call", "FullTags", kSample, "-o", target.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "kesta: wrote " + target.string() + "\n");
    EXPECT_TRUE(std::filesystem::is_symlink(target));
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(dir_.path() / "sub" / "new.xml")));
    EXPECT_EQ(dir_.Read("sub/new.xml"), Saved(kSample));
  }
  std::filesystem::create_symlink("loop-b", dir_.path() / "loop-a");
  std::filesystem::create_symlink("loop-a", dir_.path() / "loop-b");
  const std::string loop = (dir_.path() / "loop-a").string();
  ProgramRun run = Kesta({"call", "FullTags", kSample, "-o", loop});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.err, "kesta: " + loop + ": cannot open: Too many levels of symbolic links\n");
}

// -i, and -o onto a file that exists, keep the file's owner and group with
// its mode where the user may give them: root both, user 1000 (run through
// setpriv) only a group it is in; kesta names what it could not keep. Root
// alone may give files away, so the test is skipped for other users.
TEST_F(KestaCommandTest, OwnerAndGroupAreKeptWhereTheUserMay) {
  const char* setpriv = "/usr/bin/setpriv";
  if (::geteuid() != 0 || ::access(setpriv, X_OK) != 0) GTEST_SKIP() << "needs root and " << setpriv;
  ASSERT_EQ(::chmod(dir_.path().c_str(), 0777), 0);  // for user 1000 too
  const struct {
    const char* name;
    const char* groups;  // user 1000's, or null to run as root
    std::vector<std::string> args;  // the file's path in place of "FILE"
    FileOwner after;
  } rows[] = {
      {"check in place", nullptr, {"check", "FILE", "-i"}, {65534, 100}},
      {"close in place", nullptr, {"call", "CloseKesta", "FILE", "-i"}, {65534, 100}},
      {"written over", nullptr, {"check", kSample, "-o", "FILE"}, {65534, 100}},
      {"a user in the group", "--groups=100", {"check", "FILE", "-i"}, {1000, 100}},
      {"a user outside it", "--clear-groups", {"check", "FILE", "-i"}, {1000, 1000}},
  };
  int n = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string doc = dir_.Write("owned" + std::to_string(++n) + ".xml", "<doc><body><p>Glorp.</p></body></doc>");
    ASSERT_EQ(::chown(doc.c_str(), 65534, 100), 0);
    ASSERT_EQ(::chmod(doc.c_str(), 0666), 0);
    std::vector<std::string> args = row.args;
    for (std::string& arg : args)
      if (arg == "FILE") arg = doc;
    if (row.groups) args.insert(args.begin(), {"--reuid=1000", "--regid=1000", row.groups, KESTA_PROGRAM});
    ProgramRun run = row.groups ? RunProgram(setpriv, args,
                                             {{"HOME", dir_.path().string()},
                                              {"KESTA_REGISTRY", (dir_.path() / "registry").string()},
                                              {"KESTA_PROFILE", dir_.path().string()},
                                              {"APTCUSTOM", std::nullopt}})
                                : Kesta(args);
    EXPECT_EQ(run.status, 0) << run.err;
    std::string said = "kesta: wrote " + doc + "\n";
    for (const std::string& line : OwnershipNotKept(doc, {65534, 100}, row.after)) said += "kesta: " + line + "\n";
    // kesta's own lines only: a runtime may add its own after them (the
    // coverage counters, which user 1000 may not write to the build).
    std::string kestaSaid;
    std::istringstream lines(run.err);
    for (std::string line; std::getline(lines, line);)
      if (line.starts_with("kesta: ")) kestaSaid += line + "\n";
    EXPECT_TRUE(kestaSaid.ends_with(said)) << run.err;
    struct stat st;
    ASSERT_EQ(::stat(doc.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, row.after.uid);
    EXPECT_EQ(st.st_gid, row.after.gid);
    EXPECT_EQ(st.st_mode & 07777, 0666u);
  }
}

// -i, and -o onto an existing file, leave a file alone whose mode gives
// this user no write permission: the owner's bits when it owns the file,
// else the group's in its group, else the others'; root is refused only a
// file that no one may write. The rows with another owner need the right to
// give files away (root); without it they are passed over, and the rows for
// root alone are passed over for other users.
TEST_F(KestaCommandTest, ReadOnlyFilesAreLeftAsTheyWere) {
  const std::string original = "<doc><body><p>Frobnicate the pump.</p></body></doc>";
  const uid_t me = ::geteuid(), other = me == 0 ? 65534 : 0;
  gid_t ourGroup = ::getegid(), otherGroup = 65534;
  while (otherGroup > 1 && ::group_member(otherGroup)) --otherGroup;
  enum Target { kInPlace, kOut, kInPlaceThroughLink, kNewOut };
  const struct {
    const char* name;
    mode_t mode;
    uid_t owner;
    gid_t group;
    Target target;
    bool refused;
    bool asRootOnly = false;
  } rows[] = {
      {"444 in place", 0444, me, ourGroup, kInPlace, true},
      {"444 written over", 0444, me, ourGroup, kOut, true},
      {"644", 0644, me, ourGroup, kInPlace, false},
      {"464, our own file of another group", 0464, me, otherGroup, kInPlace, me != 0},
      {"464, another's file of our group", 0464, other, ourGroup, kInPlace, false},
      {"644, another's file of another group", 0644, other, otherGroup, kOut, me != 0},
      {"444, another's file, as root", 0444, other, otherGroup, kInPlace, true, true},
      {"646, another's file of another group", 0646, other, otherGroup, kInPlace, false},
      {"through a link to a 444 file", 0444, me, ourGroup, kInPlaceThroughLink, true},
      {"a new file", 0444, me, ourGroup, kNewOut, false},
  };
  int n = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.asRootOnly && me != 0) continue;
    const std::string doc = dir_.Write("doc" + std::to_string(++n) + ".xml", original);
    if (::chown(doc.c_str(), row.owner, row.group) != 0) continue;
    ASSERT_EQ(::chmod(doc.c_str(), row.mode), 0);
    std::string target = doc;
    if (row.target == kInPlaceThroughLink) {
      target = doc + ".link";
      std::filesystem::create_symlink(doc, target);
    }
    if (row.target == kNewOut) target = (dir_.path() / ("new" + std::to_string(n) + ".xml")).string();
    ProgramRun run = row.target == kOut || row.target == kNewOut
                         ? Kesta({"check", row.target == kOut ? kSample : doc, "-o", target})
                         : Kesta({"check", target, "-i"});
    const std::string written = ReadAll(target);
    if (row.refused) {
      EXPECT_EQ(run.status, 3);
      EXPECT_EQ(run.err, "kesta: " + target + ": read-only, left as it was\n");
      EXPECT_EQ(written, original);
    } else {
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_NE(written.find("<?Pub _touchup"), std::string::npos) << written;
    }
    struct stat st;
    ASSERT_EQ(::stat(doc.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, row.mode);
    EXPECT_TRUE(row.target != kInPlaceThroughLink || std::filesystem::is_symlink(target));
  }
}

// Where the document goes besides a regular file: "-" is standard output,
// a device or FIFO is written to directly (and a full device is an error),
// and a link standing at an old temporary name is never followed.
TEST_F(KestaCommandTest, OutputThatIsNotARegularFile) {
  ProgramRun run = Kesta({"call", "FullTags", kSample, "-o", "-"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Saved(kSample));
  EXPECT_EQ(run.err, "");
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "-"));

  // The devices are made in the test's folder where that is allowed (as
  // root), so that a fault could only ever replace those; without the right
  // to make them, the system's own cannot be replaced either.
  struct Device {
    const char* name;
    unsigned minor;
    int status;
    const char* error;
  };
  for (const Device& d : {Device{"null", 3, 0, ""},
                          Device{"full", 7, 3, ": cannot write: No space left on device"}}) {
    std::string path = (dir_.path() / d.name).string();
    if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, d.minor)) != 0) path = std::string("/dev/") + d.name;
    SCOPED_TRACE(path);
    run = Kesta({"call", "FullTags", kSample, "-o", path});
    EXPECT_EQ(run.status, d.status) << run.err;
    if (d.status != 0) {
      EXPECT_NE(run.err.find(path + d.error), std::string::npos) << run.err;
    }
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
  }

  // A FIFO: a reader takes what is written, and the FIFO stays one.
  std::string fifo = (dir_.path() / "pipe").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string readBack;
  std::thread reader([&] { readBack = ReadAll(fifo); });
  run = Kesta({"call", "FullTags", kSample, "-o", fifo});
  reader.join();
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(readBack, Saved(kSample));
  struct stat st;
  ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));

  // The old fixed temporary name as a link to another file: that file
  // keeps its content, and no temporary is left behind.
  std::string victim = dir_.Write("victim.txt", "keep me");
  std::string out = (dir_.path() / "out.xml").string();
  std::filesystem::create_symlink(victim, out + ".kesta-tmp");
  run = Kesta({"call", "FullTags", kSample, "-o", out});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(dir_.Read("victim.txt"), "keep me");
  EXPECT_EQ(dir_.Read("out.xml"), Saved(kSample));
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
    if (entry.path().filename().string().find("out.xml.kesta-") == 0) ++entries;
  EXPECT_EQ(entries, 1);  // the link, and nothing else
}

TEST_F(KestaCommandTest, DocumentThatCannotBeReadOrWritten) {
  std::string bad = dir_.Write("bad.xml", "<doc>\n<p>open\n</doc>\n");
  std::string out = (dir_.path() / "never.xml").string();
  ProgramRun run = Kesta({"call", "FullTags", bad, "-o", out});
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.err.find("bad.xml"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("line"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(out));

  run = Kesta({"call", "FullTags", kSample, "-o", (dir_.path() / "no" / "such" / "dir.xml").string()});
  EXPECT_EQ(run.status, 3);
  EXPECT_TRUE(run.out.empty());

  // A source that is not a regular file may never end (a device, a pipe
  // nobody writes to): refused before a byte is read, and nothing written.
  // A file over the parser's limit is refused by its size, before it is read
  // (a sparse file: it takes no room).
  const std::string fifo = (dir_.path() / "pipe").string(), folder = dir_.path().string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string big = (dir_.path() / "big.xml").string();
  ASSERT_EQ(::truncate(dir_.Write("big.xml", "<doc/>").c_str(), off_t{3} << 30), 0);
  for (const auto& [args, refused] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"check", "/dev/zero"}, "/dev/zero: cannot read: not a regular file (a character device)"},
           {{"check", "/dev/full", "-i"}, "/dev/full: cannot read: not a regular file (a character device)"},
           {{"call", "SixsigmaRead", "/dev/zero", "--answer", "1", "-o", out}, "/dev/zero: cannot read"},
           {{"call", "CloseKesta", fifo, "-o", out}, fifo + ": cannot read: not a regular file (a named pipe)"},
           {{"check", folder}, folder + ": cannot read: not a regular file (a folder)"},
           {{"check", big, "-o", out}, big + ": file too large"},
           {{"call", "SixsigmaRead", big, "--answer", "2", "-i"}, big + ": file too large"}}) {
    run = Kesta(args);
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err.rfind("kesta: " + refused, 0), 0u) << run.err;
    EXPECT_TRUE(run.out.empty() && !std::filesystem::exists(out));
  }
}

// Unregistering says whether it took anything out: not from a registry
// file that is not there (and makes none), nor from one without the entry.
TEST_F(KestaCommandTest, RegisterAndUnregister) {
  const std::string path = (dir_.path() / "registry").string();
  ProgramRun run = Kesta({"unregister"});
  EXPECT_EQ(run.err, "kesta: nothing to remove: " + path + " does not exist\n");
  EXPECT_FALSE(std::filesystem::exists(path));

  run = Kesta({"register"});
  EXPECT_EQ(run.status, 0) << run.err;
  std::string registry = dir_.Read("registry");
  EXPECT_NE(registry.find("KestaEpic.RunKesta.1\\CLSID = {38F4D00F-9ACD-4079-A6D9-6D5C90847BB1}"),
            std::string::npos)
      << registry;
  EXPECT_NE(registry.find("KestaEpic.RunKesta\\CLSID = "), std::string::npos);
  EXPECT_NE(registry.find("InprocServer32 : ThreadingModel = Both"), std::string::npos);
  EXPECT_NE(registry.find(std::filesystem::canonical(KESTA_MODULE_PATH).string()), std::string::npos);

  // The registered module serves the call.
  run = Kesta({"call", "FullTags", kSample});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");

  run = Kesta({"unregister"});
  EXPECT_EQ(run.err, "kesta: removed KestaEpic.RunKesta from " + path + "\n");
  EXPECT_EQ(dir_.Read("registry").find("KestaEpic"), std::string::npos);
  run = Kesta({"unregister"});
  EXPECT_EQ(run.err, "kesta: nothing to remove: " + path + " holds no KestaEpic.RunKesta entry\n");
}

// A registration that leads nowhere is passed over for the built module,
// with a line that says which and why.
TEST_F(KestaCommandTest, RegistrationThatLeadsNowhereFallsBackToTheBuiltModule) {
  const std::string server = "KestaEpic.RunKesta\\CLSID = {38F4D00F-9ACD-4079-A6D9-6D5C90847BB1}\n"
                             "CLSID\\{38F4D00F-9ACD-4079-A6D9-6D5C90847BB1}\\InprocServer32 = ";
  const std::string text = dir_.Write("notes.txt", "not a module");
  using Row = std::pair<std::string, std::string>;  // the module's path, why it is passed over
  for (const auto& [module, why] : {Row{"/nowhere/k.so", "module not found: /nowhere/k.so"},
                                    Row{text, "cannot load " + std::filesystem::canonical(text).string() + ": "}}) {
    const std::string registry = dir_.Write("registry", server + module + "\n");
    ProgramRun run = Kesta({"call", "FullTags", kSample});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.rfind("kesta: passed over KestaEpic.RunKesta in " + registry + ": " + why, 0), 0u) << run.err;
    EXPECT_TRUE(run.err.ends_with("; using " + std::string(KESTA_MODULE_PATH) + "\n")) << run.err;
  }
}

// An installed kesta whose bundled custom folder is gone: after the
// module's refusal, the folder kesta gave it.
TEST_F(KestaCommandTest, RefusedStartNamesTheBundledCustomFolder) {
  const std::filesystem::path bin = dir_.path() / "bin", module = (bin / KESTA_INSTALLED_MODULE).lexically_normal();
  std::filesystem::create_directories(module.parent_path());
  std::filesystem::create_directories(bin);
  std::filesystem::copy_file(KESTA_PROGRAM, bin / "kesta");
  std::filesystem::create_symlink(KESTA_MODULE_PATH, module);
  ProgramRun run = RunProgram((bin / "kesta").string(), {"check", kSample},
                              {{"KESTA_REGISTRY", (dir_.path() / "registry").string()}, {"APTCUSTOM", std::nullopt}});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.ends_with("kesta: the module read the bundled custom folder " +
                                (bin / KESTA_INSTALLED_CUSTOM_DIR).lexically_normal().string() +
                                ", as APTCUSTOM is not set: set APTCUSTOM to a folder that holds "
                                "editinit/KestaArbortext.ini and the dictionaries it names\n"))
      << run.err;
}
