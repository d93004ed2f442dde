// The module's COM server entry points: the class object of RunKesta, the
// unload test and the registration.
#include <string>

#include "commands/module_entry.h"
#include "commands/run_kesta.h"
#include "module/kesta_app.h"
#include "platform/library_loader.h"
#include "platform/registry.h"
#include "resources/registrar_script.h"

#define KESTA_EXPORT extern "C" __attribute__((visibility("default")))

ModuleEntryState ModuleEntry;

namespace {
// The class object; it does not keep the module loaded by itself.
class RunKestaFactory final : public IClassFactory {
 public:
  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!(iid == IID_IUnknown || iid == IID_IClassFactory)) return E_NOINTERFACE;
    AddRef();
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  ULONG AddRef() override { return ++refs_; }
  ULONG Release() override {
    ULONG n = --refs_;
    if (n == 0) delete this;
    return n;
  }
  HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* object = new RunKesta();
    HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
  }
  HRESULT LockServer(bool lock) override {
    if (lock)
      ++Server.locks;
    else if (Server.locks > 0)
      --Server.locks;
    return S_OK;
  }

 private:
  std::atomic<ULONG> refs_{1};
};
}  // namespace

namespace {
HRESULT RunKestaClassObject(const IID& iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  auto* factory = new RunKestaFactory();
  HRESULT hr = factory->QueryInterface(iid, out);
  factory->Release();
  return hr;
}
}  // namespace

// The classes the module serves, set up by the COM module at start-up.
const ObjectMapEntry KestaObjectMap[] = {
    {.clsid = &CLSID_RunKesta, .getClassObject = RunKestaClassObject, .objectMain = nullptr},
    {},
};

KESTA_EXPORT HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!KestaComModule.Initialized()) return CLASS_E_CLASSNOTAVAILABLE;
  for (const ObjectMapEntry* e = KestaComModule.ObjectMap(); e->clsid; ++e)
    if (*e->clsid == clsid) return e->getClassObject(iid, out);
  return CLASS_E_CLASSNOTAVAILABLE;
}

KESTA_EXPORT HRESULT DllCanUnloadNow() {
  return (Server.objects == 0 && Server.locks == 0) ? S_OK : S_FALSE;
}

KESTA_EXPORT HRESULT DllRegisterServer() {
  std::string path = GetModuleFileName(ModuleEntry.module);
  if (path.empty()) return SELFREG_E_CLASS;
  std::string error;
  HRESULT hr = RegistrySetValues(RegistrarValues(path), &error);
  return FAILED(hr) ? SELFREG_E_CLASS : S_OK;
}

KESTA_EXPORT HRESULT DllUnregisterServer() {
  std::string error;
  HRESULT hr = RegistryDeleteTrees(RegistrarKeys(), &error);
  return FAILED(hr) ? SELFREG_E_CLASS : S_OK;
}
