#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace {
CliOptions Parse(const std::vector<std::string>& args) {
  CliOptions options;
  std::string error;
  EXPECT_TRUE(ParseCliOptions(args, &options, &error)) << error;
  return options;
}
}  // namespace

// Options anywhere, answers and dialog actions each kept in their order.
TEST(CliOptions, ArgumentsAndOptions) {
  CliOptions o = Parse({"call", "DisplayCmenu", "1", "doc.xml", "-o", "out.xml"});
  EXPECT_EQ(o.action, CliOptions::Action::Call);
  EXPECT_EQ(o.method, "DisplayCmenu");
  EXPECT_EQ(o.arg, std::optional<std::string>("1"));
  EXPECT_EQ(o.file, "doc.xml");
  EXPECT_EQ(o.outFile, "out.xml");
  o = Parse({"call", "FullTags", "doc.xml"});
  EXPECT_FALSE(o.arg.has_value());
  EXPECT_EQ(o.file, "doc.xml");
  o = Parse({"check", "--answer", "2", "doc.xml", "--mouse", "tag", "--answer", "-1", "--element", "step-1", "-i"});
  EXPECT_EQ(o.action, CliOptions::Action::Check);
  EXPECT_EQ(o.file, "doc.xml");
  EXPECT_EQ(o.answers, (std::vector<int>{2, -1}));
  EXPECT_EQ(o.mouse, "tag");
  EXPECT_EQ(o.element, "step-1");
  EXPECT_TRUE(o.inPlace);
  o = Parse({"call", "SixsigmaRead", "doc.xml", "--do", "type 203 pump valve", "--answer", "1", "--do", "click 1"});
  ASSERT_EQ(o.actions.size(), 2u);
  EXPECT_EQ(o.actions[0].kind, DialogAction::Type);
  EXPECT_EQ(o.actions[0].text, "pump valve");
  EXPECT_EQ(o.actions[1].kind, DialogAction::Click);
  EXPECT_EQ(o.answers, (std::vector<int>{1}));
}

TEST(CliOptions, RefusedLines) {
  const std::vector<std::vector<std::string>> lines = {
      {"check", "a.xml", "b.xml"},
      {"check", "a.xml", "--mouse"},
      {"check", "a.xml", "--element", ""},
      {"check", "a.xml", "-o", ""},
      {"check", "a.xml", "--element", "p1", "--caret", "p2"},
      {"check", "a.xml", "--answer", "99999999999"},
      {"unregister", "-i"},
      {"--help", "check"},
      {"call", "SixsigmaRead", "a.xml", "--do", "press 1"},
      {"call", "SixsigmaRead", "--do", "dblclick 371 0"},
      // Only the writer's tools go without a document, and then without
      // the options that write or place something in it.
      {"call", "ProcessKesta"},
      {"call", "FullTags", "--answer", "1"},
      {"call", "WordFinder", "-i"},
      {"call", "ShowTemp", "-o", "out.xml"},
      {"call", "VerbSelector", "--caret", "step-1"},
  };
  for (const auto& line : lines) {
    CliOptions o;
    std::string error;
    EXPECT_FALSE(ParseCliOptions(line, &o, &error)) << ::testing::PrintToString(line);
    EXPECT_FALSE(error.empty());
  }
  CliOptions o;
  std::string error;
  EXPECT_FALSE(ParseCliOptions({"call", "CloseKesta"}, &o, &error));
  EXPECT_NE(error.find("call CloseKesta needs a document"), std::string::npos) << error;
}

TEST(CliOptions, ToolsWithAndWithoutADocument) {
  for (const char* tool : {"WordFinder", "VerbSelector", "MetricConverter", "ShowTemp"}) {
    CliOptions o = Parse({"call", tool, "--do", "dblclick 371 2"});
    EXPECT_EQ(o.method, tool);
    EXPECT_TRUE(o.file.empty());
    ASSERT_EQ(o.actions.size(), 1u);
    EXPECT_EQ(o.actions[0].kind, DialogAction::DoubleClick);
    EXPECT_EQ(o.actions[0].index, 1);
    EXPECT_EQ(Parse({"call", tool, "doc.xml"}).file, "doc.xml");
  }
}

// Every command takes --help where an option may stand; an option's value is
// no --help.
TEST(CliOptions, HelpAfterAnyCommandAndVersion) {
  using Action = CliOptions::Action;
  const struct {
    std::vector<std::string> args;
    Action action;
    std::string helpFor = "";  // the command whose usage comes first
  } cases[] = {
      {{"--help"}, Action::Help},
      {{"check", "--help"}, Action::Help, "check"},
      {{"check", "doc.xml", "-o", "out.xml", "-h"}, Action::Help, "check"},
      {{"call", "--help"}, Action::Help, "call"},
      {{"call", "ProcessKesta", "--help"}, Action::Help, "call"},
      {{"register", "--help"}, Action::Help, "register"},
      {{"unregister", "-h"}, Action::Help, "unregister"},
      {{"--version"}, Action::Version},
      {{"check", "doc.xml", "-o", "--help"}, Action::Check},
      {{"call", "WordFinder", "--do", "type 203 --help"}, Action::Call},
  };
  for (const auto& c : cases) {
    CliOptions o = Parse(c.args);
    EXPECT_EQ(o.action, c.action) << ::testing::PrintToString(c.args);
    EXPECT_EQ(o.helpFor, c.helpFor) << ::testing::PrintToString(c.args);
    if (c.action == Action::Help) {
      EXPECT_TRUE(o.file.empty() && o.outFile.empty());
    }
  }
  CliOptions o;
  std::string error;
  EXPECT_FALSE(ParseCliOptions({"--version", "check"}, &o, &error));
  EXPECT_EQ(error, "--version takes nothing else");
}
