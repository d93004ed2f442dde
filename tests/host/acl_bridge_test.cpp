#include "host/acl_bridge.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/bounded_text.h"
#include "platform/error_info.h"
#include "tests/support/fake_host.h"
#include "tests/support/temp_dir.h"

namespace {
ComPtr<IHostAcl> MakeAcl() {
  ComPtr<IHostAcl> acl;
  EXPECT_EQ(CreateHostAcl(acl, CLSID_HostAcl, nullptr, CLSCTX_ALL), S_OK);
  return acl;
}
}  // namespace

TEST(AclBridge, TextCrossesAsWindows1252) {
  FakeHost host;
  host.Answer("oid_name('caf\xE9')", u"na\u00EFve \u2122 \u4E2D");
  ComPtr<IHostAcl> acl = MakeAcl();
  AclText value = EvaluateAcl(acl, "oid_name('caf\xE9')");
  // The host saw the expression as wide text and answered with characters
  // inside and outside the code page.
  ASSERT_EQ(host.Calls().size(), 1u);
  EXPECT_TRUE(host.Calls()[0].evaluated);
  EXPECT_STREQ(value.Ansi(), "na\xEFve \x99 ?");
  EXPECT_EQ(value.Length(), 9u);
  AclText copy = value;  // copies share the text and its ANSI reading
  EXPECT_EQ(copy.Ansi(), value.Ansi());
}

_com_error Raised(const std::function<void()>& call) {
  try {
    call();
  } catch (const _com_error& e) {
    return e;
  }
  ADD_FAILURE() << "no error raised";
  return _com_error(S_OK);
}

// A failed call raises with its code and the host's own description; a
// description left from an earlier failure is not reused; an empty holder
// raises E_POINTER.
TEST(AclBridge, FailedCallsRaise) {
  FakeHost host;
  host.FailCallsMatching("goto_oid", E_FAIL, "no such element");
  ComPtr<IHostAcl> acl = MakeAcl();
  _com_error e = Raised([&] { ExecuteAcl(acl, "goto_oid('(1,2,0)')"); });
  EXPECT_EQ(e.Error(), E_FAIL);
  EXPECT_EQ(e.Description(), "no such element");
  EXPECT_EQ(e.ErrorMessage(), "Unspecified error");
  EXPECT_EQ(ExecuteAcl(acl, "clm"), S_OK);

  SetErrorInfo("stale text");
  host.FailCall(3, E_FAIL);  // fails without leaving a description
  EXPECT_EQ(Raised([&] { EvaluateAcl(acl, "oid_first()"); }).Description(), "");

  ComPtr<IHostAcl> empty;
  EXPECT_EQ(Raised([&] { EvaluateAcl(empty, "oid_first()"); }).Error(), E_POINTER);
  EXPECT_EQ(Raised([&] { ExecuteAcl(empty, "clm"); }).Error(), E_POINTER);
}

TEST(AclBridge, AclStringEscapesQuotesAndBackslashes) {
  const struct {
    const char* text;
    std::size_t limit;
    const char* literal;
  } cases[] = {
      {"manual.xml", std::string_view::npos, "\"manual.xml\""},
      {"my \"best\" manual", std::string_view::npos, "\"my \\\"best\\\" manual\""},
      {"C:\\docs\\a.xml", std::string_view::npos, "\"C:\\\\docs\\\\a.xml\""},
      {"", std::string_view::npos, "\"\""},
      {"ab\"c", 3, "\"ab\""},  // the cut never splits an escape
      {"ab\"c", 4, "\"ab\\\"\""},
      {"abc", 0, "\"\""},
  };
  for (const auto& c : cases) EXPECT_EQ(AclString(c.text, c.limit), c.literal) << c.text;
}

TEST(AclBridge, BstrToAnsiGivesAnEmptyStringForEmptyText) {
  for (const AclText& empty : {AclText(), AclText(Bstr(WideString()))}) {
    auto text = BstrToAnsi(empty);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text.get(), "");
  }
  EXPECT_STREQ(BstrToAnsi(AclText(Bstr(u"<p>\u2019s</p>. @@END"))).get(), "<p>\x92s</p>. @@END");
  // The document text: a character the code page cannot hold is no question mark.
  EXPECT_STREQ(BstrToAnsi(AclText(Bstr(u"Use the \u03A9 meter?"))).get(), "Use the \x1A meter?");
}

TEST(AclBridge, LongResultIsCutAtTheCallersField) {
  FakeHost host;
  host.Answer("oid_caret()", WideString(40, u'7'));
  ComPtr<IHostAcl> acl = MakeAcl();
  BoundedText<16> id;
  EXPECT_FALSE(id.assign(EvaluateAcl(acl, "oid_caret()").Ansi()));
  EXPECT_EQ(id.view(), std::string(15, '7'));
}

TEST(AclBridge, CreationEmptiesTheHolderFirstAndOnFailure) {
  FakeHost host;
  ComPtr<IHostApplication> app;
  ASSERT_EQ(CreateHostApplication(app, CLSID_HostApplication, nullptr, CLSCTX_ALL), S_OK);
  ASSERT_TRUE(app);
  EXPECT_EQ(host.LiveObjects(), 1);
  host.FailStage(FakeHost::Stage::CreateApplication, E_NOINTERFACE);
  EXPECT_EQ(CreateHostApplication(app, CLSID_HostApplication, nullptr, CLSCTX_ALL), E_NOINTERFACE);
  EXPECT_FALSE(app);
  EXPECT_EQ(host.LiveObjects(), 0);  // the old object and the refused one are gone
  host.FailStage(FakeHost::Stage::CreateApplication, E_OUTOFMEMORY);
  EXPECT_EQ(CreateHostApplication(app, CLSID_HostApplication, nullptr, CLSCTX_INPROC_SERVER),
            E_OUTOFMEMORY);
  EXPECT_FALSE(app);
}

TEST(AclBridge, UnregisteredHostClassIsReported) {
  TempDir dir;
  ScopedEnv registry("KESTA_REGISTRY", (dir.path() / "registry").c_str());
  ComPtr<IHostAcl> acl;
  EXPECT_TRUE(FAILED(CreateHostAcl(acl, CLSID_HostAcl, nullptr, CLSCTX_ALL)));
  EXPECT_FALSE(acl);
}
