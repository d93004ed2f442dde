#include "cli/module_client.h"

#include <cstdio>

#include "platform/com_object.h"
#include "platform/registry.h"

namespace {
// Why the registered class could not be served: for a module path, the
// loader's own words, from the load that failed, tried once more.
std::string WhyPassedOver(const CLSID& clsid) {
  std::string path, why = "its class " + clsid.ToString() + " names no module";
  if (!RegistryGetValue("CLSID\\" + clsid.ToString() + "\\InprocServer32", "", &path) || path.empty()) return why;
  if (HMODULE module = LoadLibrary(path, &why)) {
    FreeLibrary(module);
    why = path + " does not serve RunKesta";
  }
  return why;
}
}  // namespace

ModuleClient::Outcome ModuleClient::Open(std::string* error) {
  CLSID clsid;
  const HRESULT registered = CLSIDFromProgID(kRunKestaVersionIndependentProgId, &clsid);
  // A registration that leads nowhere is passed over for the built module,
  // and said, so that a stale entry does not go unnoticed.
  auto passOver = [&](const std::string& why) {
    std::fprintf(stderr, "kesta: passed over %s in %s: %s; using %s\n", kRunKestaVersionIndependentProgId,
                 RegistryPath().c_str(), why.c_str(), builtPath_.c_str());
  };
  if (registered == CO_E_CLASSSTRING) passOver("its CLSID entry is not a class id");
  if (SUCCEEDED(registered)) {
    void* out = nullptr;
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IRunKesta, &out);
    if (SUCCEEDED(hr)) {
      object_ = static_cast<IRunKesta*>(out);
      throughRegistry_ = true;
      std::string path;
      RegistryGetValue("CLSID\\" + clsid.ToString() + "\\InprocServer32", "", &path);
      source_ = path + " (registered in " + RegistryPath() + ")";
      return Outcome::Ok;
    }
    if (hr == E_DLL_INIT_FAILED) {
      *error = "the module refused to load";
      return Outcome::Refused;
    }
    if (hr != CO_E_DLLNOTFOUND && hr != CLASS_E_CLASSNOTAVAILABLE) {
      *error = "the registered module cannot serve RunKesta: " + SystemErrorText(hr);
      return Outcome::Failed;
    }
    passOver(WhyPassedOver(clsid));
  }

  bool refused = false;
  module_ = LoadLibrary(builtPath_, error, &refused);
  if (!module_) return refused ? Outcome::Refused : Outcome::NotFound;
  source_ = builtPath_;
  auto getClassObject = reinterpret_cast<DllGetClassObjectProc>(GetProcAddress(module_, "DllGetClassObject"));
  // Released however the object's creation ends, memory that runs out included.
  ComPtr<IClassFactory> factory;
  HRESULT hr = getClassObject ? getClassObject(CLSID_RunKesta, IID_IClassFactory, factory.OutVoid()) : CO_E_ERRORINDLL;
  if (SUCCEEDED(hr)) hr = factory->CreateInstance(nullptr, IID_IRunKesta, reinterpret_cast<void**>(&object_));
  if (FAILED(hr)) {
    *error = builtPath_ + " does not serve RunKesta: " + SystemErrorText(hr);
    Close();
    return Outcome::Failed;
  }
  return Outcome::Ok;
}

HRESULT ModuleClient::Call(const std::string& method, const std::string* arg) {
  WideString name = AnsiToWide(method);
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = object_->GetIDsOfNames(IID_IRunKesta, &name, 1, &id);
  if (FAILED(hr)) return hr;
  DispParams params;
  if (arg) params.args.push_back(Variant::Text(AnsiToWide(*arg)));
  return object_->Invoke(id, IID_IRunKesta, DISPATCH_METHOD, params, nullptr);
}

void ModuleClient::Close() {
  if (object_) {
    object_->Release();
    object_ = nullptr;
  }
  if (throughRegistry_) {
    CoFreeUnusedLibraries();
    throughRegistry_ = false;
  }
  if (module_) {
    FreeLibrary(module_);
    module_ = nullptr;
  }
}

ModuleClient::Outcome ModuleClient::LoadForRegistration(const std::string& path, HMODULE* module,
                                                        std::string* error) {
  bool refused = false;
  *module = LoadLibrary(path, error, &refused);
  if (*module) return Outcome::Ok;
  return refused ? Outcome::Refused : Outcome::NotFound;
}
