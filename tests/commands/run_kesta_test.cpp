#include "commands/run_kesta.h"

#include <gtest/gtest.h>

#include <cstring>

#include "commands/dispatch_slots.h"
#include "host/host_state.h"
#include "platform/scripted_interaction.h"
#include "resources/string_table.h"
#include "resources/type_library.h"
#include "tests/support/fake_host.h"

namespace {
using Stage = FakeHost::Stage;

class RunKestaTest : public ::testing::Test {
 protected:
  void SetUp() override { Bridge.Reset(); }
  void TearDown() override {
    object_->Release();
    Bridge.Reset();
  }

  HRESULT CallByName(const char16_t* name, DispParams params = {}) {
    WideString n = name;
    DISPID id = 0;
    HRESULT hr = object_->GetIDsOfNames(IID_IRunKesta, &n, 1, &id);
    if (FAILED(hr)) return hr;
    return object_->Invoke(id, IID_IRunKesta, DISPATCH_METHOD, params, nullptr);
  }

  RunKesta* object_ = new RunKesta();
};
}  // namespace

TEST_F(RunKestaTest, AnswersItsThreeInterfaces) {
  for (const IID* iid : {&IID_IUnknown, &IID_IDispatch, &IID_IRunKesta, &IID_ISupportErrorInfo}) {
    void* p = nullptr;
    ASSERT_EQ(object_->QueryInterface(*iid, &p), S_OK);
    static_cast<IUnknown*>(p)->Release();
  }
  void* p = reinterpret_cast<void*>(1);
  EXPECT_EQ(object_->QueryInterface(IID_IClassFactory, &p), E_NOINTERFACE);
  EXPECT_EQ(p, nullptr);
  // Both ways to IUnknown lead to one object.
  void* a = nullptr;
  void* b = nullptr;
  object_->QueryInterface(IID_IUnknown, &a);
  static_cast<ISupportErrorInfo*>(object_)->QueryInterface(IID_IUnknown, &b);
  EXPECT_EQ(a, b);
  static_cast<IUnknown*>(a)->Release();
  static_cast<IUnknown*>(b)->Release();
  // Error information for its own interface only.
  EXPECT_EQ(object_->InterfaceSupportsErrorInfo(IID_IRunKesta), S_OK);
  EXPECT_EQ(object_->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
}

TEST_F(RunKestaTest, TypeLibraryHoldsTheMethodTable) {
  const TypeInfo* info = nullptr;
  unsigned count = 0;
  ASSERT_EQ(object_->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  ASSERT_EQ(object_->GetTypeInfo(0, &info), S_OK);
  EXPECT_EQ(object_->GetTypeInfo(1, &info), DISP_E_BADINDEX);
  object_->GetTypeInfo(0, &info);
  EXPECT_STREQ(info->name, "IRunKesta");
  ASSERT_EQ(info->funcCount, 27u);
  // One row without a help string and the one whose help string names another method.
  EXPECT_EQ(info->funcs[12].helpString, nullptr);
  EXPECT_STREQ(info->funcs[22].helpString, "method SetKestaTitle");

  // Dispatch ids are unique and every row calls the slot of its own name.
  for (std::size_t i = 0; i < info->funcCount; ++i) {
    EXPECT_STREQ(kDispatchSlots[i].name, info->funcs[i].name);
    EXPECT_EQ(kDispatchSlots[i].callWithInt != nullptr, info->funcs[i].paramCount == 1) << i;
    for (std::size_t j = i + 1; j < info->funcCount; ++j)
      EXPECT_NE(info->funcs[i].dispid, info->funcs[j].dispid);
  }
}

TEST_F(RunKestaTest, NamesAreFoundWithoutRegardToCase) {
  WideString names[] = {u"fulltags"};
  DISPID id = 0;
  ASSERT_EQ(object_->GetIDsOfNames(IID_IRunKesta, names, 1, &id), S_OK);
  EXPECT_EQ(id, 0x35);
  for (const char16_t* unknown : {u"CaptureHostAndCursor", u"FindStartElement", u"FullTag", u""}) {
    WideString n = unknown;
    EXPECT_EQ(object_->GetIDsOfNames(IID_IRunKesta, &n, 1, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
  }
}

TEST_F(RunKestaTest, FullTagsByIdAndByName) {
  FakeHost host;
  EXPECT_EQ(object_->Invoke(0x35, IID_IRunKesta, DISPATCH_METHOD, {}, nullptr), S_OK);
  EXPECT_EQ(CallByName(u"fulltags"), S_OK);
  EXPECT_EQ(object_->FullTags(), S_OK);
  EXPECT_EQ(host.Executed(), std::vector<std::string>(3, "set tagdisplay=full;"));
}

TEST_F(RunKestaTest, InvokeChecksTheCall) {
  FakeHost host;
  EXPECT_EQ(object_->Invoke(0x2, IID_IRunKesta, DISPATCH_METHOD, {}, nullptr), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(object_->Invoke(0x35, IID_IRunKesta, 0x2 /* property get */, {}, nullptr),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(CallByName(u"FullTags", {{Variant::Int(1)}}), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(CallByName(u"DisplayCmenu"), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(CallByName(u"DisplayCmenu", {{Variant::Text(u"one")}}), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(CallByName(u"DisplayCmenu", {{Variant::Text(u"1x")}}), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(CallByName(u"DisplayCmenu", {{Variant::Text(u"99999999999")}}), DISP_E_OVERFLOW);
  EXPECT_EQ(object_->FindStartElement(), E_NOTIMPL);
  EXPECT_TRUE(host.Calls().empty());
  EXPECT_EQ(CallByName(u"DisplayCmenu", {{Variant::Text(u"2")}}), S_OK);  // a number written as text
}

TEST_F(RunKestaTest, CaptureHostAndCursorRefreshesTheHostObjectOnly) {
  FakeHost host;
  ScriptedInteraction ui;
  EXPECT_EQ(object_->CaptureHostAndCursor(), S_OK);
  EXPECT_EQ(Bridge.HostObject.Get(), host.LastHostObject());
  EXPECT_TRUE(host.Calls().empty());
  EXPECT_EQ(host.LiveObjects(), 1);  // the kept host object
  host.FailStage(Stage::CreateApplication, E_FAIL);
  EXPECT_EQ(object_->CaptureHostAndCursor(), S_FALSE);
  ASSERT_EQ(ui.Boxes().size(), 1u);
  EXPECT_STREQ(ui.Boxes()[0].text.c_str(), LoadStringResource(IDS_ACL_FAILED));
}
