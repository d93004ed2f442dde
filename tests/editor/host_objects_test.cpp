#include <gtest/gtest.h>

#include <memory>

#include "editor/editor.h"
#include "platform/error_info.h"
#include "platform/host_automation.h"
#include "tests/editor/editor_fixture.h"

using editor::AclCall;
using editor::Editor;
using editor::HostStage;
using namespace editor_test;

namespace {

// What the module does to reach the host: create for IUnknown, run, query.
template <class I>
HRESULT Create(const CLSID& clsid, const IID& iid, ComPtr<I>* out) {
  ComPtr<IUnknown> unknown;
  HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, unknown.OutVoid());
  if (FAILED(hr)) return hr;
  hr = OleRun(unknown.Get());
  if (FAILED(hr)) return hr;
  return unknown->QueryInterface(iid, out->OutVoid());
}

// One whole connection as a command makes it; S_OK or the first failure.
HRESULT Connect(ComPtr<IHostAcl>* acl) {
  ComPtr<IHostApplication> app;
  HRESULT hr = Create(CLSID_HostApplication, IID_IHostApplication, &app);
  if (FAILED(hr)) return hr;
  ComPtr<IUnknown> host;
  hr = app->GetHostObject(host.Out());
  if (FAILED(hr)) return hr;
  ComPtr<IUnknown> document;
  hr = host->QueryInterface(IID_HostDocumentObject, document.OutVoid());
  if (FAILED(hr)) return hr;
  return Create(CLSID_HostAcl, IID_IHostAcl, acl);
}

}  // namespace

class HostObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    Load(e, kSample);
    e.RegisterHostClasses();
  }
  Editor e;
};

TEST_F(HostObjects, TheModulesPathReachesTheEditor) {
  ComPtr<IHostAcl> acl;
  ASSERT_EQ(Connect(&acl), S_OK);
  Bstr result;
  ASSERT_EQ(acl->EvaluateAcl(Bstr(u"oid_first()"), &result), S_OK);
  EXPECT_EQ(result.ToAnsi(), "(1,1,0)");
  ASSERT_EQ(acl->ExecuteAcl(Bstr(u"set tagdisplay=full;")), S_OK);
  EXPECT_EQ(e.Option("tagdisplay"), "full");
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"goto_oid('(1,99,0)')")), E_FAIL);
  ASSERT_EQ(e.Calls().size(), 3u);
  EXPECT_EQ(e.Calls()[0].kind, AclCall::Evaluated);
  EXPECT_EQ(e.Calls()[0].text, "oid_first()");
  EXPECT_EQ(e.Calls()[0].result, "(1,1,0)");
  EXPECT_EQ(e.Calls()[1].kind, AclCall::Executed);
  EXPECT_EQ(e.Calls()[2].hr, E_FAIL);
  // Interfaces the host does not have are refused.
  ComPtr<IUnknown> none;
  EXPECT_EQ(acl->QueryInterface(IID_IHostApplication, none.OutVoid()), E_NOINTERFACE);
}

TEST_F(HostObjects, TextCrossesAsWideText) {
  Editor w;
  Load(w, "<doc><p>caf\xc3\xa9 \xe2\x84\xa2 \xe2\x82\xac \xe2\x88\x9a</p></doc>");
  w.RegisterHostClasses();
  ComPtr<IHostAcl> acl;
  ASSERT_EQ(Connect(&acl), S_OK);
  ASSERT_EQ(acl->ExecuteAcl(Bstr::FromAnsi("oid_select(oid_forward(oid_first()))")), S_OK);
  Bstr result;
  ASSERT_EQ(acl->EvaluateAcl(Bstr::FromAnsi("$selection"), &result), S_OK);
  EXPECT_EQ(result.Text(), u"<p>caf\u00e9 \u2122 \u20ac \u221a</p>");
  // As the module reads it: Windows-1252, a '?' for what it cannot hold.
  EXPECT_EQ(result.ToAnsi(), "<p>caf\xe9 \x99 \x80 ?</p>");
  ASSERT_EQ(acl->ExecuteAcl(Bstr::FromAnsi("insert_string -pendingdelete @na\xefve \x93quoted\x94@")), S_OK);
  EXPECT_NE(w.SaveText().find("na\xc3\xafve \xe2\x80\x9cquoted\xe2\x80\x9d"), std::string::npos);
}

TEST_F(HostObjects, EachStageCanBeMadeToFail) {
  struct Row {
    HostStage stage;
    HRESULT hr;
  } rows[] = {{HostStage::CreateApplication, E_FAIL},
              {HostStage::CreateApplication, E_NOINTERFACE},
              {HostStage::GetHostObject, E_FAIL},
              {HostStage::QueryDocumentObject, E_NOINTERFACE},
              {HostStage::CreateAcl, E_OUTOFMEMORY}};
  for (const Row& row : rows) {
    e.FailStage(row.stage, row.hr);
    ComPtr<IHostAcl> acl;
    EXPECT_EQ(Connect(&acl), row.hr) << static_cast<int>(row.stage);
    EXPECT_FALSE(acl);
    EXPECT_EQ(Connect(&acl), S_OK);  // once only
  }
  EXPECT_TRUE(e.Calls().empty());
}

TEST_F(HostObjects, AStageFailsOnItsNthOccurrenceAndForAsLongAsAsked) {
  e.FailStage(HostStage::CreateAcl, E_FAIL, 2, 2);
  ComPtr<IHostAcl> acl;
  EXPECT_EQ(Connect(&acl), S_OK);
  EXPECT_EQ(Connect(&acl), E_FAIL);
  EXPECT_EQ(Connect(&acl), E_FAIL);
  EXPECT_EQ(Connect(&acl), S_OK);
  e.FailStage(HostStage::GetHostObject, E_FAIL, 1, 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Connect(&acl), E_FAIL);
  e.ClearFailures();
  EXPECT_EQ(Connect(&acl), S_OK);
}

TEST_F(HostObjects, TheNthCallOrTheFirstMatchingCallFailsAndIsRecorded) {
  ComPtr<IHostAcl> acl;
  ASSERT_EQ(Connect(&acl), S_OK);
  e.FailCall(2);
  e.FailCallMatching("goto_oid");
  Bstr out;
  EXPECT_EQ(acl->EvaluateAcl(Bstr(u"oid_first()"), &out), S_OK);
  EXPECT_EQ(acl->EvaluateAcl(Bstr(u"oid_last()"), &out), E_FAIL);
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"set a=1")), S_OK);
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"clm; goto_oid('(1,2,0)')")), E_FAIL);
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"goto_oid('(1,2,0)')")), S_OK);  // the first match only
  EXPECT_EQ(e.CaretElementId(), "(1,2,0)");
  ASSERT_EQ(e.Calls().size(), 5u);
  EXPECT_EQ(e.Calls()[1].text, "oid_last()");
  EXPECT_EQ(e.Calls()[1].hr, E_FAIL);
  EXPECT_EQ(e.Calls()[3].hr, E_FAIL);
  // A refused call changes nothing.
  e.FailCall(1);
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"goto_oid(oid_first())")), E_FAIL);
  EXPECT_EQ(e.CaretElementId(), "(1,2,0)");
  e.ClearCalls();
  EXPECT_TRUE(e.Calls().empty());
}

// Without the record the calls run, answer and fail just the same; the
// failures asked for still count the calls. Malformed text is mended before
// it runs either way.
TEST_F(HostObjects, CallsRunTheSameWithoutTheRecord) {
  ComPtr<IHostAcl> acl;
  ASSERT_EQ(Connect(&acl), S_OK);
  e.RecordCalls(false);
  e.FailCall(2);
  e.FailCallMatching("oid_last");
  Bstr out;
  EXPECT_EQ(acl->EvaluateAcl(Bstr(u"oid_first()"), &out), S_OK);
  EXPECT_EQ(out.ToAnsi(), "(1,1,0)");
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"set a=1")), E_FAIL);
  EXPECT_EQ(acl->EvaluateAcl(Bstr(u"oid_last()"), &out), E_FAIL);
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"goto_oid('(1,99,0)')")), E_FAIL);
  EXPECT_NE(e.LastError().find("(1,99,0)"), std::string::npos);
  EXPECT_EQ(e.Execute(std::string_view("set b=x\xffy")), S_OK);
  EXPECT_EQ(e.Option("b"), "x\xef\xbf\xbdy");
  EXPECT_TRUE(e.Calls().empty());
  e.RecordCalls(true);
  EXPECT_EQ(e.Execute(std::string_view("set c=\xff")), S_OK);
  ASSERT_EQ(e.Calls().size(), 1u);
  EXPECT_EQ(e.Calls()[0].text, "set c=\xef\xbf\xbd");
}

// A failed call leaves its description as the caller's error information:
// the editor's own reason, or the text a failure asked for gives.
TEST_F(HostObjects, FailuresLeaveTheirDescription) {
  ComPtr<IHostAcl> acl;
  ASSERT_EQ(Connect(&acl), S_OK);
  e.FailCallMatching("clm", E_FAIL, "the selection is locked");
  e.FailCall(2, E_ACCESSDENIED);
  const struct {
    const char16_t* command;
    HRESULT hr;
    const char* description;  // held by the description
  } cases[] = {
      {u"clm;", E_FAIL, "the selection is locked"},
      {u"set a=1", E_ACCESSDENIED, "the host was made to fail this call"},
      {u"goto_oid('(1,99,0)')", E_FAIL, "(1,99,0)"},  // the editor's own reason
  };
  for (const auto& c : cases) {
    std::string description;
    EXPECT_EQ(acl->ExecuteAcl(Bstr(c.command)), c.hr);
    ASSERT_TRUE(GetErrorInfo(&description));
    EXPECT_NE(description.find(c.description), std::string::npos) << description;
  }
  std::string none;
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"clm;")), S_OK);
  EXPECT_FALSE(GetErrorInfo(&none));
}

TEST_F(HostObjects, WithoutAnEditorTheClassesAreGoneAndHeldObjectsFail) {
  ComPtr<IHostAcl> acl;
  ComPtr<IUnknown> held;
  {
    Editor other;
    Load(other, "<doc/>");
    other.RegisterHostClasses();
    ASSERT_EQ(Connect(&acl), S_OK);
    ComPtr<IHostApplication> app;
    ASSERT_EQ(Create(CLSID_HostApplication, IID_IHostApplication, &app), S_OK);
    ASSERT_EQ(app->GetHostObject(held.Out()), S_OK);
  }
  Bstr out;
  EXPECT_EQ(acl->EvaluateAcl(Bstr(u"oid_first()"), &out), E_UNEXPECTED);
  ComPtr<IUnknown> document;
  EXPECT_EQ(held->QueryInterface(IID_HostDocumentObject, document.OutVoid()), E_UNEXPECTED);
  ComPtr<IHostAcl> none;
  EXPECT_EQ(Connect(&none), CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(HostObjects, AnEditorThatLostTheClassesLeavesThemToTheirHolder) {
  auto later = std::make_unique<Editor>();
  Load(*later, "<later/>");
  later->RegisterHostClasses();
  e.RevokeHostClasses();  // no longer e's to take out
  ComPtr<IHostAcl> acl;
  ASSERT_EQ(Connect(&acl), S_OK);
  Bstr out;
  ASSERT_EQ(acl->EvaluateAcl(Bstr(u"oid_name(oid_first())"), &out), S_OK);
  EXPECT_EQ(out.ToAnsi(), "later");
  later.reset();
  EXPECT_EQ(Connect(&acl), CLASS_E_CLASSNOTAVAILABLE);
}
