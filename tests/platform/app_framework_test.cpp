#include "platform/app_framework.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/com_module.h"

namespace {

std::vector<bool> g_hookCalls;
void Hook(bool starting) { g_hookCalls.push_back(starting); }

const CLSID kClass = {0x1, 0x2, 0x3, {4, 5, 6, 7, 8, 9, 10, 11}};

// Each class's hook runs once at Init and once at Term, however often Term is called.
TEST(ComModule, RunsEachClassHookAtInitAndTerm) {
  const ObjectMapEntry map[] = {{.clsid = &kClass, .objectMain = Hook}, {.clsid = &kClass}, {}};
  g_hookCalls.clear();
  ComModule module;
  module.Term();  // nothing to end yet
  EXPECT_EQ(module.Init(map, nullptr), S_OK);
  EXPECT_TRUE(module.Initialized());
  module.Term();
  module.Term();
  EXPECT_EQ(g_hookCalls, (std::vector<bool>{true, false}));
  EXPECT_FALSE(module.Initialized());
  EXPECT_EQ(AfxGetApp(), nullptr);  // no application object made
}

}  // namespace
