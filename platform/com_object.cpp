#include "platform/com_object.h"

#include <cstdio>

#include "platform/library_loader.h"
#include "platform/registry.h"
#include <map>
#include <mutex>
#include <vector>

// Interface ids of the standard interfaces (the well-known values).
const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_ISupportErrorInfo = {0xDF0B3D60, 0x548F, 0x101B, {0x8E, 0x65, 0x08, 0x00, 0x2B, 0x2B, 0xD1, 0x19}};

bool GUID::operator==(const GUID& o) const {
  if (data1 != o.data1 || data2 != o.data2 || data3 != o.data3) return false;
  for (int i = 0; i < 8; ++i)
    if (data4[i] != o.data4[i]) return false;
  return true;
}

std::string GUID::ToString() const {
  char buf[40];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1, data2,
                data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6], data4[7]);
  return buf;
}

bool GUID::Parse(const std::string& text, GUID* out) {
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return false;
  static const int dashes[] = {9, 14, 19, 24};
  for (int d : dashes)
    if (text[d] != '-') return false;
  auto hex = [&](std::size_t pos, std::size_t len, std::uint32_t* v) {
    *v = 0;
    for (std::size_t i = pos; i < pos + len; ++i) {
      char c = text[i];
      int n;
      if (c >= '0' && c <= '9') n = c - '0';
      else if (c >= 'a' && c <= 'f') n = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') n = c - 'A' + 10;
      else return false;
      *v = (*v << 4) | static_cast<std::uint32_t>(n);
    }
    return true;
  };
  GUID g;
  std::uint32_t v;
  if (!hex(1, 8, &v)) return false;
  g.data1 = v;
  if (!hex(10, 4, &v)) return false;
  g.data2 = static_cast<std::uint16_t>(v);
  if (!hex(15, 4, &v)) return false;
  g.data3 = static_cast<std::uint16_t>(v);
  static const std::size_t pos[] = {20, 22, 25, 27, 29, 31, 33, 35};
  for (int i = 0; i < 8; ++i) {
    if (!hex(pos[i], 2, &v)) return false;
    g.data4[i] = static_cast<std::uint8_t>(v);
  }
  *out = g;
  return true;
}

namespace {
struct ClassTable {
  std::mutex mutex;
  std::vector<std::pair<CLSID, ClassFactoryMaker>> classes;
};
ClassTable& Table() {
  static ClassTable table;
  return table;
}
}  // namespace

void CoRegisterClass(const CLSID& clsid, ClassFactoryMaker maker) {
  std::lock_guard<std::mutex> lock(Table().mutex);
  for (auto& entry : Table().classes)
    if (entry.first == clsid) {
      entry.second = std::move(maker);
      return;
    }
  Table().classes.emplace_back(clsid, std::move(maker));
}

void CoRevokeClass(const CLSID& clsid) {
  std::lock_guard<std::mutex> lock(Table().mutex);
  auto& v = Table().classes;
  for (auto it = v.begin(); it != v.end(); ++it)
    if (it->first == clsid) {
      v.erase(it);
      return;
    }
}

namespace {
// The in-process servers CoCreateInstance loaded, until CoFreeUnusedLibraries.
struct ServerTable {
  std::mutex mutex;
  std::vector<HMODULE> modules;
};
ServerTable& Servers() {
  static ServerTable table;
  return table;
}
}  // namespace

HRESULT CoGetClassObject(const CLSID& clsid, unsigned /*context*/, const IID& iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  std::string path;
  if (!RegistryGetValue("CLSID\\" + clsid.ToString() + "\\InprocServer32", "", &path) || path.empty())
    return REGDB_E_CLASSNOTREG;
  std::string error;
  bool refused = false;
  HMODULE module = LoadLibrary(path, &error, &refused);
  if (!module) return refused ? E_DLL_INIT_FAILED : CO_E_DLLNOTFOUND;
  auto getClassObject = reinterpret_cast<DllGetClassObjectProc>(GetProcAddress(module, "DllGetClassObject"));
  if (!getClassObject) {
    FreeLibrary(module);
    return CO_E_ERRORINDLL;
  }
  HRESULT hr = getClassObject(clsid, iid, out);
  std::lock_guard<std::mutex> lock(Servers().mutex);
  bool known = false;
  for (HMODULE m : Servers().modules)
    if (m == module) known = true;
  if (known)
    FreeLibrary(module);  // one load per server is enough
  else
    Servers().modules.push_back(module);
  return hr;
}

void CoFreeUnusedLibraries() {
  std::vector<HMODULE> unload;
  {
    std::lock_guard<std::mutex> lock(Servers().mutex);
    auto& v = Servers().modules;
    for (auto it = v.begin(); it != v.end();) {
      auto canUnload = reinterpret_cast<DllCanUnloadNowProc>(GetProcAddress(*it, "DllCanUnloadNow"));
      if (!canUnload || canUnload() == S_OK) {
        unload.push_back(*it);
        it = v.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (HMODULE m : unload) FreeLibrary(m);
}

HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, unsigned context, const IID& iid,
                         void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  ClassFactoryMaker maker;
  {
    std::lock_guard<std::mutex> lock(Table().mutex);
    for (auto& entry : Table().classes)
      if (entry.first == clsid) maker = entry.second;
  }
  if (maker) return maker(iid, out);
  // Released however the creation ends, memory that runs out included.
  ComPtr<IClassFactory> factory;
  HRESULT hr = CoGetClassObject(clsid, context, IID_IClassFactory, factory.OutVoid());
  if (hr == REGDB_E_CLASSNOTREG) return CLASS_E_CLASSNOTAVAILABLE;
  if (FAILED(hr)) return hr;
  if (!factory) return E_POINTER;
  return factory->CreateInstance(nullptr, iid, out);
}

HRESULT OleRun(IUnknown* object) { return object ? S_OK : E_POINTER; }
