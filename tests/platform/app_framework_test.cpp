#include "platform/app_framework.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/com_module.h"

namespace {

std::vector<bool> g_hookCalls;
void Hook(bool starting) { g_hookCalls.push_back(starting); }

const CLSID kClass = {0x1, 0x2, 0x3, {4, 5, 6, 7, 8, 9, 10, 11}};
const GUID kLib = {0x9, 0x8, 0x7, {6, 5, 4, 3, 2, 1, 0, 0}};

TEST(ComModule, RunsEachClassHookAtInitAndTerm) {
  const ObjectMapEntry map[] = {{.clsid = &kClass, .objectMain = Hook}, {.clsid = &kClass}, {}};
  g_hookCalls.clear();
  ComModule module;
  module.Term();  // nothing to end yet
  EXPECT_FALSE(module.Initialized());
  EXPECT_EQ(module.Init(map, &kLib), S_OK);
  EXPECT_TRUE(module.Initialized());
  EXPECT_EQ(module.LibId(), &kLib);
  EXPECT_EQ(module.ObjectMap(), map);
  module.Term();
  module.Term();
  EXPECT_EQ(g_hookCalls, (std::vector<bool>{true, false}));
  EXPECT_FALSE(module.Initialized());
  EXPECT_EQ(module.Init(nullptr, nullptr), S_OK);  // an empty map
  EXPECT_TRUE(module.Initialized());
}

TEST(AppFramework, ModuleStateSwitchAndApplicationObject) {
  EXPECT_EQ(AfxGetModuleState(), nullptr);
  {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    EXPECT_EQ(AfxGetModuleState(), AfxGetStaticModuleState());
  }
  EXPECT_EQ(AfxGetModuleState(), nullptr);
  {
    CWinApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_NE(app.InitInstance(), 0);
    EXPECT_EQ(app.ExitInstance(), 0);
  }
  EXPECT_EQ(AfxGetApp(), nullptr);
  EXPECT_NE(AfxOleInit(), 0);
  EXPECT_TRUE(AfxOleInitialized());
}

}  // namespace
