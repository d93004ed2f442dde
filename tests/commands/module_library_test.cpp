// The module as the host sees it: a library loaded by path or found through
// the registry, with its five entry points.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/run_kesta.h"
#include "platform/library_loader.h"
#include "platform/registry.h"
#include "platform/scripted_interaction.h"
#include "resources/run_kesta_idl.h"
#include "resources/string_table.h"
#include "tests/support/fake_host.h"
#include "tests/support/temp_dir.h"

namespace {
std::string BundledCustomDir() {
  std::filesystem::path built = std::filesystem::path(KESTA_BUILD_DIR) / "test-custom";
  if (std::filesystem::exists(built)) return built.string();
  return (std::filesystem::path(KESTA_SOURCE_DIR) / "data" / "custom").string();
}

class ModuleLibraryTest : public ::testing::Test {
 protected:
  TempDir dir_;
  ScopedEnv registry_{"KESTA_REGISTRY", (dir_.path() / "registry").c_str()};
  ScopedEnv custom_{"APTCUSTOM", BundledCustomDir().c_str()};
  ScriptedInteraction ui_;
};

template <class Proc>
Proc Entry(HMODULE module, const char* name) {
  return reinterpret_cast<Proc>(GetProcAddress(module, name));
}
}  // namespace

TEST_F(ModuleLibraryTest, LoadsByPathAndServesItsClass) {
  std::string error;
  HMODULE module = LoadLibrary(KESTA_MODULE_PATH, &error);
  ASSERT_NE(module, nullptr) << error;
  auto getClassObject = Entry<DllGetClassObjectProc>(module, "DllGetClassObject");
  auto canUnload = Entry<DllCanUnloadNowProc>(module, "DllCanUnloadNow");
  ASSERT_NE(getClassObject, nullptr);
  ASSERT_NE(canUnload, nullptr);
  // Only the entry points are visible from outside.
  EXPECT_EQ(GetProcAddress(module, "_ZN8RunKesta8FullTagsEv"), nullptr);

  IClassFactory* factory = nullptr;
  EXPECT_EQ(getClassObject(IID_IRunKesta, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
            CLASS_E_CLASSNOTAVAILABLE);
  ASSERT_EQ(getClassObject(CLSID_RunKesta, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
  IRunKesta* kesta = nullptr;
  EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory), IID_IRunKesta,
                                    reinterpret_cast<void**>(&kesta)),
            CLASS_E_NOAGGREGATION);
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IRunKesta, reinterpret_cast<void**>(&kesta)), S_OK);
  EXPECT_EQ(canUnload(), S_FALSE);  // an object is alive

  // The module reaches the host through the class table the program shares.
  FakeHost host;
  EXPECT_EQ(kesta->FullTags(), S_OK);
  EXPECT_EQ(host.Executed(), std::vector<std::string>{"set tagdisplay=full;"});

  kesta->Release();
  EXPECT_EQ(canUnload(), S_OK);
  factory->LockServer(true);
  EXPECT_EQ(canUnload(), S_FALSE);
  factory->LockServer(false);
  EXPECT_EQ(canUnload(), S_OK);
  factory->Release();
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_FALSE(FreeLibrary(module));  // already gone
}

// A refused start fails the load (its boxes are the start-up's own), also
// for a client that creates the class through the registry.
TEST_F(ModuleLibraryTest, BrokenSettingsRefuseTheLoad) {
  TempDir custom;
  custom.Write("editinit/KestaArbortext.ini", "only|three|fields");
  ScopedEnv env("APTCUSTOM", custom.path().c_str());
  std::string error;
  bool refused = false;
  EXPECT_EQ(LoadLibrary(KESTA_MODULE_PATH, &error, &refused), nullptr);
  EXPECT_TRUE(refused);
  ASSERT_EQ(ui_.Boxes().size(), 2u);
  EXPECT_NE(ui_.Boxes()[1].text.find(kSupportAddress), std::string::npos) << ui_.Boxes()[1].text;
  std::string key = "CLSID\\" + CLSID_RunKesta.ToString() + "\\InprocServer32";
  ASSERT_EQ(RegistrySetValues({{key, "", KESTA_MODULE_PATH}}, &error), S_OK);
  IUnknown* object = nullptr;
  EXPECT_EQ(CoCreateInstance(CLSID_RunKesta, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            E_DLL_INIT_FAILED);
}

TEST_F(ModuleLibraryTest, LoadsAgainAfterAnUnload) {
  for (int round = 0; round < 3; ++round) {
    HMODULE module = LoadLibrary(KESTA_MODULE_PATH, nullptr);
    ASSERT_NE(module, nullptr);
    // A second load of a loaded module only counts.
    HMODULE again = LoadLibrary(KESTA_MODULE_PATH, nullptr);
    EXPECT_EQ(again, module);
    FreeLibrary(again);
    FakeHost host;
    IClassFactory* factory = nullptr;
    ASSERT_EQ(Entry<DllGetClassObjectProc>(module, "DllGetClassObject")(
                  CLSID_RunKesta, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              S_OK);
    IRunKesta* kesta = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IRunKesta, reinterpret_cast<void**>(&kesta)), S_OK);
    // The member outside the interface, reached through the object's own
    // slots as the module's commands reach it: the module keeps a host object.
    EXPECT_EQ(static_cast<RunKesta*>(kesta)->CaptureHostAndCursor(), S_OK);
    EXPECT_EQ(host.LiveObjects(), 1);
    kesta->Release();
    factory->Release();
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(host.LiveObjects(), 0);  // released when the module unloaded
  }
  EXPECT_TRUE(ui_.Boxes().empty());
}

TEST_F(ModuleLibraryTest, RegistersAndIsFoundByProgId) {
  dir_.Write("registry", "# kept\nOther.Class\\CLSID = {00000000-0000-0000-0000-000000000001}\n");
  HMODULE module = LoadLibrary(KESTA_MODULE_PATH, nullptr);
  ASSERT_NE(module, nullptr);
  ASSERT_EQ(Entry<DllRegisterServerProc>(module, "DllRegisterServer")(), S_OK);
  FreeLibrary(module);

  CLSID clsid;
  for (const char* progId : {"KestaEpic.RunKesta.1", "KestaEpic.RunKesta", "kestaepic.runkesta"}) {
    ASSERT_EQ(CLSIDFromProgID(progId, &clsid), S_OK) << progId;
    EXPECT_EQ(clsid, CLSID_RunKesta);
  }
  // A client creates the class by its id: the runtime loads the module.
  FakeHost host;
  IRunKesta* kesta = nullptr;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IRunKesta,
                             reinterpret_cast<void**>(&kesta)),
            S_OK);
  EXPECT_EQ(kesta->FullTags(), S_OK);
  kesta->Release();
  CoFreeUnusedLibraries();

  // Unregistering removes the module's keys and nothing else.
  module = LoadLibrary(KESTA_MODULE_PATH, nullptr);
  ASSERT_NE(module, nullptr);
  ASSERT_EQ(Entry<DllRegisterServerProc>(module, "DllUnregisterServer")(), S_OK);
  FreeLibrary(module);
  EXPECT_EQ(CLSIDFromProgID("KestaEpic.RunKesta", &clsid), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(dir_.Read("registry"), "# kept\nOther.Class\\CLSID = {00000000-0000-0000-0000-000000000001}\n");
  EXPECT_EQ(CoCreateInstance(CLSID_RunKesta, nullptr, CLSCTX_INPROC_SERVER, IID_IRunKesta,
                             reinterpret_cast<void**>(&kesta)),
            CLASS_E_CLASSNOTAVAILABLE);
}

// A missing module, by path or by the registry, is reported.
TEST_F(ModuleLibraryTest, MissingModuleIsReported) {
  std::string error;
  bool refused = true;
  EXPECT_EQ(LoadLibrary((dir_.path() / "nothing.so").string(), &error, &refused), nullptr);
  EXPECT_FALSE(refused);
  EXPECT_NE(error.find("nothing.so"), std::string::npos);
  std::string key = "CLSID\\" + CLSID_RunKesta.ToString() + "\\InprocServer32";
  ASSERT_EQ(RegistrySetValues({{key, "", (dir_.path() / "moved.so").string()}}, &error), S_OK);
  IUnknown* object = nullptr;
  EXPECT_EQ(CoCreateInstance(CLSID_RunKesta, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            CO_E_DLLNOTFOUND);
}
