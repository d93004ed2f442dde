#include "cli/module_client.h"

#include "platform/registry.h"

ModuleClient::Outcome ModuleClient::Open(std::string* error) {
  CLSID clsid;
  if (SUCCEEDED(CLSIDFromProgID(kRunKestaVersionIndependentProgId, &clsid))) {
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
    // A registration that leads nowhere: the built module stands in.
    if (hr != CO_E_DLLNOTFOUND && hr != CLASS_E_CLASSNOTAVAILABLE) {
      *error = "the registered module cannot serve RunKesta: " + SystemErrorText(hr);
      return Outcome::Failed;
    }
  }

  bool refused = false;
  module_ = LoadLibrary(builtPath_, error, &refused);
  if (!module_) return refused ? Outcome::Refused : Outcome::NotFound;
  source_ = builtPath_;
  auto getClassObject = reinterpret_cast<DllGetClassObjectProc>(GetProcAddress(module_, "DllGetClassObject"));
  IClassFactory* factory = nullptr;
  HRESULT hr = getClassObject ? getClassObject(CLSID_RunKesta, IID_IClassFactory, reinterpret_cast<void**>(&factory))
                              : CO_E_ERRORINDLL;
  if (SUCCEEDED(hr)) {
    hr = factory->CreateInstance(nullptr, IID_IRunKesta, reinterpret_cast<void**>(&object_));
    factory->Release();
  }
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
