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
  if (SUCCEEDED(hr)) hr = OleRun(unknown.Get());
  return FAILED(hr) ? hr : unknown->QueryInterface(iid, out->OutVoid());
}

// One whole connection as a command makes it; S_OK or the first failure.
HRESULT Connect(ComPtr<IHostAcl>* acl) {
  ComPtr<IHostApplication> app;
  ComPtr<IUnknown> host, document;
  HRESULT hr = Create(CLSID_HostApplication, IID_IHostApplication, &app);
  if (SUCCEEDED(hr)) hr = app->GetHostObject(host.Out());
  if (SUCCEEDED(hr)) hr = host->QueryInterface(IID_HostDocumentObject, document.OutVoid());
  return FAILED(hr) ? hr : Create(CLSID_HostAcl, IID_IHostAcl, acl);
}

std::string Ask(IHostAcl* acl, const char* command, HRESULT* hr) {
  Bstr out;
  *hr = acl->EvaluateAcl(Bstr::FromAnsi(command), &out);
  return out.ToAnsi();
}

}  // namespace

class HostObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    Load(e, "<doc><p>caf\xc3\xa9 \xe2\x84\xa2 \xe2\x82\xac \xe2\x88\x9a</p></doc>");
    e.RegisterHostClasses();
    ASSERT_EQ(Connect(&acl), S_OK);
  }
  Editor e;
  ComPtr<IHostAcl> acl;
  HRESULT hr = S_OK;
};

// The calls reach the editor and are recorded; text crosses as wide text and
// reaches the module as Windows-1252, a '?' for what it cannot hold.
TEST_F(HostObjects, TheModulesPathReachesTheEditor) {
  EXPECT_EQ(Ask(acl.Get(), "oid_first()", &hr), "(1,1,0)");
  ASSERT_EQ(acl->ExecuteAcl(Bstr(u"oid_select(oid_forward(oid_first()))")), S_OK);
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"goto_oid('(1,99,0)')")), E_FAIL);
  Bstr result;
  ASSERT_EQ(acl->EvaluateAcl(Bstr(u"$selection"), &result), S_OK);
  EXPECT_EQ(result.Text(), u"<p>caf\u00e9 \u2122 \u20ac \u221a</p>");
  EXPECT_EQ(result.ToAnsi(), "<p>caf\xe9 \x99 \x80 ?</p>");
  ASSERT_EQ(acl->ExecuteAcl(Bstr::FromAnsi("insert_string -pendingdelete @na\xefve \x93quoted\x94@")), S_OK);
  EXPECT_NE(e.SaveText().find("na\xc3\xafve \xe2\x80\x9cquoted\xe2\x80\x9d"), std::string::npos);
  ASSERT_EQ(e.Calls().size(), 5u);
  EXPECT_EQ(e.Calls()[0].kind, AclCall::Evaluated);
  EXPECT_EQ(e.Calls()[0].result, "(1,1,0)");
  EXPECT_EQ(e.Calls()[1].kind, AclCall::Executed);
  EXPECT_EQ(e.Calls()[2].hr, E_FAIL);
  ComPtr<IUnknown> none;
  EXPECT_EQ(acl->QueryInterface(IID_IHostApplication, none.OutVoid()), E_NOINTERFACE);
}

// A stage fails once, or from its n-th occurrence for as many times as asked.
TEST_F(HostObjects, StagesFailAsAsked) {
  e.FailStage(HostStage::QueryDocumentObject, E_NOINTERFACE);
  ComPtr<IHostAcl> other;
  EXPECT_EQ(Connect(&other), E_NOINTERFACE);
  EXPECT_FALSE(other);
  e.FailStage(HostStage::CreateAcl, E_FAIL, 2, 2);
  for (HRESULT expected : {S_OK, E_FAIL, E_FAIL, S_OK}) EXPECT_EQ(Connect(&acl), expected);
  e.FailStage(HostStage::GetHostObject, E_FAIL, 1, 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Connect(&acl), E_FAIL);
  e.ClearFailures();
  EXPECT_EQ(Connect(&acl), S_OK);
}

// The n-th call, or the first whose text matches, fails, changes nothing and
// leaves its description as error information; without the record the calls
// run and fail the same, and malformed text is mended either way.
TEST_F(HostObjects, CallsFailAsAskedWithTheirDescription) {
  e.FailCall(2, E_ACCESSDENIED);
  e.FailCallMatching("goto_oid", E_FAIL, "the selection is locked");
  std::string description;
  EXPECT_EQ(Ask(acl.Get(), "oid_first()", &hr), "(1,1,0)");
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"set a=1")), E_ACCESSDENIED);
  ASSERT_TRUE(GetErrorInfo(&description));
  EXPECT_NE(description.find("the host was made to fail this call"), std::string::npos) << description;
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"clm; goto_oid('(1,2,0)')")), E_FAIL);
  ASSERT_TRUE(GetErrorInfo(&description));
  EXPECT_NE(description.find("the selection is locked"), std::string::npos) << description;
  EXPECT_EQ(e.CaretElementId(), "(1,1,0)");
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"goto_oid('(1,2,0)')")), S_OK);  // the first match only
  EXPECT_FALSE(GetErrorInfo(&description));
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"goto_oid('(1,99,0)')")), E_FAIL);
  ASSERT_TRUE(GetErrorInfo(&description));
  EXPECT_NE(description.find("(1,99,0)"), std::string::npos);  // the editor's own reason
  ASSERT_EQ(e.Calls().size(), 5u);
  EXPECT_EQ(e.Calls()[1].hr, E_ACCESSDENIED);

  e.ClearCalls();
  e.RecordCalls(false);
  e.FailCall(2);
  Ask(acl.Get(), "oid_first()", &hr);
  EXPECT_EQ(acl->ExecuteAcl(Bstr(u"set a=1")), E_FAIL);
  EXPECT_EQ(e.Execute(std::string_view("set b=x\xffy")), S_OK);
  EXPECT_EQ(e.Option("b"), "x\xef\xbf\xbdy");
  EXPECT_TRUE(e.Calls().empty());
  e.RecordCalls(true);
  EXPECT_EQ(e.Execute(std::string_view("set c=\xff")), S_OK);
  EXPECT_EQ(e.Calls().at(0).text, "set c=\xef\xbf\xbd");
}

// Objects held after their editor is gone fail; an editor that lost the
// classes to a later one leaves them to it.
TEST_F(HostObjects, ClassesLiveWithTheirEditor) {
  ComPtr<IUnknown> held;
  {
    Editor other;
    Load(other, "<other/>");
    other.RegisterHostClasses();
    ASSERT_EQ(Connect(&acl), S_OK);
    ComPtr<IHostApplication> app;
    ASSERT_EQ(Create(CLSID_HostApplication, IID_IHostApplication, &app), S_OK);
    ASSERT_EQ(app->GetHostObject(held.Out()), S_OK);
    e.RevokeHostClasses();  // no longer e's to take out
    EXPECT_EQ(Ask(acl.Get(), "oid_name(oid_first())", &hr), "other");
  }
  Ask(acl.Get(), "oid_first()", &hr);
  EXPECT_EQ(hr, E_UNEXPECTED);
  ComPtr<IUnknown> document;
  EXPECT_EQ(held->QueryInterface(IID_HostDocumentObject, document.OutVoid()), E_UNEXPECTED);
  EXPECT_EQ(Connect(&acl), CLASS_E_CLASSNOTAVAILABLE);
}
