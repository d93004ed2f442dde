#include "host/command_frame.h"

#include <gtest/gtest.h>

#include <new>

#include "host/host_state.h"
#include "platform/app_framework.h"
#include "platform/scripted_interaction.h"
#include "resources/string_table.h"
#include "tests/support/fake_host.h"

namespace {
using Stage = FakeHost::Stage;

// Distinct boxes and results per stage, so that each test sees which
// handler caught the failure.
constexpr CommandFrame kFrame = {
    .storeHostObject = false,
    .connectAcl = true,
    .switchModuleState = true,
    .application = {.box = StringBox(IDS_ACL_FAILED), .result = S_OK},
    .hostObject = {.box = TextBox("host object", "Cap H"), .result = S_FALSE},
    .acl = {.box = StringBox(IDS_ACL_DOCUMENT_MODE), .result = S_OK},
    .work = {.box = TextBox("work failed: %s", "Cap W", MB_OK), .result = S_FALSE},
};

class CommandFrameTest : public ::testing::Test {
 protected:
  void SetUp() override { Bridge.Reset(); }
  void TearDown() override { Bridge.Reset(); }

  // A work that sends two commands and reads one value.
  HRESULT Run(const CommandFrame& frame = kFrame) {
    return RunCommandFrame(frame, [&](HostSession& session) {
      EXPECT_EQ(AfxGetModuleState(), AfxGetStaticModuleState());
      session.Execute("set tagscan=off");
      value_ = session.Evaluate("oid_caret()").Ansi();
      session.Execute("clm");
      return S_OK;
    });
  }

  FakeHost host_;
  ScriptedInteraction ui_;
  std::string value_;
};
}  // namespace

TEST_F(CommandFrameTest, ConnectsWorksAndReleasesEverything) {
  host_.Answer("oid_caret()", u"(1,2,0)");
  EXPECT_EQ(Run(), S_OK);
  EXPECT_EQ(value_, "(1,2,0)");
  EXPECT_EQ(host_.Executed(), (std::vector<std::string>{"set tagscan=off", "clm"}));
  EXPECT_TRUE(ui_.Events().empty());
  EXPECT_EQ(host_.LiveObjects(), 0);
  EXPECT_EQ(AfxGetModuleState(), nullptr);
  EXPECT_FALSE(Bridge.HostObject);  // held for the call only
  // A work failure ends the command at once: "clm" never goes out.
  host_.FailCall(5, E_FAIL, "bad caret");
  EXPECT_EQ(Run(), S_FALSE);
  EXPECT_EQ(host_.Calls().size(), 5u);
  // A text that cannot be allocated fails the work like a host call.
  EXPECT_EQ(RunCommandFrame(kFrame, [](HostSession&) -> HRESULT { throw std::bad_alloc(); }), S_FALSE);
  EXPECT_EQ(host_.LiveObjects(), 0);
  EXPECT_EQ(AfxGetModuleState(), nullptr);
}

// Each connection stage's failure: its own handler's box and result, no ACL
// sent, nothing left held. A missing interface is noticed at its first use:
// the application's by the host-object handler, the ACL's by the first work
// call (no error text asked for), the document's not at all; a host object
// answered empty is a pointer failure.
TEST_F(CommandFrameTest, EachConnectionStageHasItsOwnHandler) {
  struct Case {
    Stage stage;
    HRESULT hr;
    HRESULT result;
    std::string text;  // "" : no box
    std::string caption;
    unsigned style;
  } cases[] = {
      {Stage::CreateApplication, E_FAIL, S_OK, LoadStringResource(IDS_ACL_FAILED), kAppTitle, MB_ICONERROR},
      {Stage::GetHostObject, E_FAIL, S_FALSE, "host object", "Cap H", MB_ICONERROR},
      {Stage::QueryHostObject, E_OUTOFMEMORY, S_FALSE, "host object", "Cap H", MB_ICONERROR},
      {Stage::CreateAcl, E_ACCESSDENIED, S_OK, LoadStringResource(IDS_ACL_DOCUMENT_MODE), kAppTitle, MB_ICONERROR},
      {Stage::CreateApplication, E_NOINTERFACE, S_FALSE, "host object", "Cap H", MB_ICONERROR},
      {Stage::CreateAcl, E_NOINTERFACE, S_FALSE, "work failed: %s", "Cap W", MB_OK},
      {Stage::QueryHostObject, E_NOINTERFACE, S_OK, "", "", 0},
      {Stage::GetHostObject, S_OK, S_FALSE, "host object", "Cap H", MB_ICONERROR},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.stage));
    SCOPED_TRACE(c.hr);
    FakeHost host;
    ScriptedInteraction ui;
    host.FailStage(c.stage, c.hr);
    EXPECT_EQ(Run(), c.result);
    ASSERT_EQ(ui.Boxes().size(), c.text.empty() ? 0u : 1u);
    for (const InteractionEvent& box : ui.Boxes()) {
      EXPECT_EQ(box.text, c.text);
      EXPECT_EQ(box.caption, c.caption);
      EXPECT_EQ(box.style, c.style);
    }
    EXPECT_EQ(host.Calls().empty(), c.result != S_OK || !c.text.empty());
    EXPECT_EQ(host.LiveObjects(), 0);
    EXPECT_EQ(AfxGetModuleState(), nullptr);
  }
}

TEST_F(CommandFrameTest, StoringCommandsReplaceTheModuleHostObject) {
  CommandFrame storing = kFrame;
  storing.storeHostObject = true;
  EXPECT_EQ(Run(storing), S_OK);
  ASSERT_TRUE(Bridge.HostObject);
  IUnknown* first = Bridge.HostObject.Get();
  EXPECT_EQ(first, host_.LastHostObject());
  EXPECT_EQ(host_.LiveObjects(), 1);  // only the kept host object
  EXPECT_EQ(Run(storing), S_OK);
  EXPECT_EQ(Bridge.HostObject.Get(), host_.LastHostObject());
  EXPECT_NE(Bridge.HostObject.Get(), first);
  EXPECT_EQ(host_.LiveObjects(), 1);  // the previous one was released
  EXPECT_EQ(Run(), S_OK);             // a command that holds it for the call only
  EXPECT_NE(Bridge.HostObject.Get(), host_.LastHostObject());
  // A failed fetch keeps the stored one.
  IUnknown* kept = Bridge.HostObject.Get();
  host_.FailStage(Stage::GetHostObject, E_FAIL);
  EXPECT_EQ(Run(storing), S_FALSE);
  EXPECT_EQ(Bridge.HostObject.Get(), kept);
  Bridge.HostObject.Reset();
  EXPECT_EQ(host_.LiveObjects(), 0);
}

TEST_F(CommandFrameTest, ConnectOnlyFrameSendsNothing) {
  CommandFrame capture = kFrame;
  capture.storeHostObject = true;
  capture.connectAcl = false;
  capture.switchModuleState = false;
  EXPECT_EQ(RunCommandFrame(capture, nullptr), S_OK);
  EXPECT_TRUE(Bridge.HostObject);
  EXPECT_TRUE(host_.Calls().empty());
  host_.FailStage(Stage::CreateAcl, E_FAIL);  // not reached
  EXPECT_EQ(RunCommandFrame(capture, nullptr), S_OK);
  EXPECT_TRUE(ui_.Boxes().empty());
}

TEST_F(CommandFrameTest, BoxTextReceivesTheErrorTextCutAtItsBuffer) {
  host_.FailCallsMatching("clm", E_FAIL, "the host's own words");
  CommandFrame frame = kFrame;
  frame.work.box = {.kind = FrameBox::Kind::Text,
                    .text = "KESta(47) Error: %s",
                    .caption = nullptr,
                    .style = MB_OK,
                    .errorText = FrameErrorText::Description,
                    .bound = 0};
  EXPECT_EQ(Run(frame), S_FALSE);
  EXPECT_EQ(ui_.Boxes().at(0).text, "KESta(47) Error: the host's own words");
  EXPECT_EQ(ui_.Boxes().at(0).caption, kAppTitle);

  ui_.Clear();
  frame.work.box.errorText = FrameErrorText::SystemMessage;
  frame.work.box.bound = 24;
  EXPECT_EQ(Run(frame), S_FALSE);
  EXPECT_EQ(ui_.Boxes().at(0).text, "KESta(47) Error: Unspec");  // 23 characters
}

TEST_F(CommandFrameTest, InnerHandlerThatGoesOn) {
  host_.FailCallsMatching("find", E_FAIL);
  const FrameHandler goOn = {.box = TextBox("not found"), .result = S_OK, .goOn = true};
  std::vector<bool> outcomes;
  HRESULT hr = RunCommandFrame(kFrame, [&](HostSession& session) {
    outcomes.push_back(session.Guard(goOn, [&] { session.Execute("find -f @a@"); }));
    outcomes.push_back(session.Guard(goOn, [&] { session.Execute("clm"); }));
    session.Execute("mes \"done\"");
    return S_OK;
  });
  EXPECT_EQ(hr, S_OK);
  EXPECT_EQ(outcomes, (std::vector<bool>{false, true}));
  EXPECT_EQ(host_.Executed().back(), "mes \"done\"");
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text, "not found");
}

TEST_F(CommandFrameTest, InnerHandlerThatEndsTheCommandWithItsOwnResult) {
  host_.FailCallsMatching("insert_string", E_FAIL);
  const FrameHandler end = {.box = NoBox(), .result = S_OK, .goOn = false};
  bool after = false;
  HRESULT hr = RunCommandFrame(kFrame, [&](HostSession& session) {
    session.Guard(end, [&] { session.Execute("insert_string @x@"); });
    after = true;
    return S_FALSE;
  });
  EXPECT_EQ(hr, S_OK);  // the inner handler's result, not the outer one's
  EXPECT_FALSE(after);
  EXPECT_TRUE(ui_.Boxes().empty());  // and not the outer handler's box
  EXPECT_EQ(host_.LiveObjects(), 0);
  EXPECT_EQ(AfxGetModuleState(), nullptr);
}

TEST_F(CommandFrameTest, HandlerActionsRunBeforeTheBoxAndTheirFailuresGoOutward) {
  host_.FailCallsMatching("find -f", E_FAIL, "no match");
  host_.FailCall(4, E_FAIL);  // the second handler's own "clear_mark all"
  const FrameHandler next = {.box = NoBox(), .result = S_OK, .goOn = true};
  HRESULT hr = RunCommandFrame(kFrame, [&](HostSession& session) {
    session.Guard(next, [&] { session.Execute("clm; find -f -e @x@"); },
                  [&](const _com_error& e) {
                    session.Execute("clear_mark all");
                    ShowMessageBox(e.Description() + " (86)", "Report", MB_ICONERROR);
                  });
    session.Guard(next, [&] { session.Execute("find -f @y@"); },
                  [&](const _com_error&) { session.Execute("clear_mark all"); });
    return S_OK;
  });
  // The second handler's own ACL failed: the outer work handler took it.
  EXPECT_EQ(hr, S_FALSE);
  ASSERT_EQ(ui_.Boxes().size(), 2u);
  EXPECT_EQ(ui_.Boxes()[0].text, "no match (86)");
  EXPECT_EQ(ui_.Boxes()[1].caption, "Cap W");
  EXPECT_EQ(host_.Executed(), (std::vector<std::string>{"clm; find -f -e @x@", "clear_mark all",
                                                        "find -f @y@", "clear_mark all"}));
}

TEST_F(CommandFrameTest, NestedCommandsEachRunTheirOwnFrame) {
  HRESULT inner = S_OK;
  AFX_MODULE_STATE* innerState = nullptr;
  HRESULT hr = RunCommandFrame(kFrame, [&](HostSession& session) {
    session.Execute("set a=1");
    host_.FailCallsMatching("set b", E_FAIL);
    inner = RunCommandFrame(kFrame, [&](HostSession& own) {
      innerState = AfxGetModuleState();
      own.Execute("set b=1");  // fails, handled by the inner command
      return S_OK;
    });
    EXPECT_EQ(AfxGetModuleState(), AfxGetStaticModuleState());
    session.Execute("set c=1");
    return S_OK;
  });
  EXPECT_EQ(innerState, AfxGetStaticModuleState());
  EXPECT_EQ(inner, S_FALSE);
  EXPECT_EQ(hr, S_OK);
  EXPECT_EQ(host_.Executed(), (std::vector<std::string>{"set a=1", "set b=1", "set c=1"}));
  EXPECT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(host_.LiveObjects(), 0);
}
