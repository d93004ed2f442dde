#pragma once
// The COM object model as the module uses it: class and interface ids,
// reference-counted interfaces, an interface holder, and the creation of
// registered classes by class id.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/com_types.h"

using ULONG = std::uint32_t;

struct GUID {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::uint8_t data4[8] = {};
  bool operator==(const GUID& o) const;
  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
  std::string ToString() const;
  // Parses the braced form; false on any other text.
  static bool Parse(const std::string& text, GUID* out);
};
using IID = GUID;
using CLSID = GUID;

// Creation contexts; CLSCTX_ALL includes the local- and remote-server bits.
constexpr unsigned CLSCTX_INPROC_SERVER = 0x1;
constexpr unsigned CLSCTX_INPROC_HANDLER = 0x2;
constexpr unsigned CLSCTX_LOCAL_SERVER = 0x4;
constexpr unsigned CLSCTX_REMOTE_SERVER = 0x10;
constexpr unsigned CLSCTX_ALL =
    CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

extern const IID IID_IUnknown;
extern const IID IID_IDispatch;
extern const IID IID_IClassFactory;
extern const IID IID_ISupportErrorInfo;

class IUnknown {
 public:
  virtual HRESULT QueryInterface(const IID& iid, void** out) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  virtual ~IUnknown() = default;
};

class IClassFactory : public IUnknown {
 public:
  virtual HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) = 0;
  virtual HRESULT LockServer(bool lock) = 0;
};

class ISupportErrorInfo : public IUnknown {
 public:
  virtual HRESULT InterfaceSupportsErrorInfo(const IID& iid) = 0;
};

// Reference counting for an object that implements its interfaces by
// inheritance; Release deletes it at zero.
class RefCounted {
 public:
  ULONG AddRefImpl() { return ++refs_; }
  ULONG ReleaseImpl() {
    ULONG n = --refs_;
    if (n == 0) delete this;
    return n;
  }
  virtual ~RefCounted() = default;

 private:
  std::atomic<ULONG> refs_{1};
};

// An interface holder (the `_com_ptr_t` of the home platform): releases what
// it holds; a call through an empty holder raises E_POINTER.
template <class I>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(I* p, bool addRef = false) : p_(p) {
    if (p_ && addRef) p_->AddRef();
  }
  ComPtr(const ComPtr& o) : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr& operator=(const ComPtr& o) {
    if (this != &o) {
      Reset();
      p_ = o.p_;
      if (p_) p_->AddRef();
    }
    return *this;
  }
  ~ComPtr() { Reset(); }
  void Reset() {
    if (p_) {
      I* p = p_;
      p_ = nullptr;
      p->Release();
    }
  }
  // The slot an out-parameter writes into; empties the holder first.
  I** Out() {
    Reset();
    return &p_;
  }
  void** OutVoid() { return reinterpret_cast<void**>(Out()); }
  I* Get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  I* operator->() const {
    if (!p_) throw _com_error(E_POINTER, "call through an empty interface holder");
    return p_;
  }

 private:
  I* p_ = nullptr;
};

// Class registration and creation (the runtime's class table).
using ClassFactoryMaker = std::function<HRESULT(const IID& iid, void** out)>;
void CoRegisterClass(const CLSID& clsid, ClassFactoryMaker maker);
void CoRevokeClass(const CLSID& clsid);
// A class of the class table is made by its maker; any other class is looked
// up in the registry stand-in: its in-process server (InprocServer32) is
// loaded, stays loaded, and its class object makes the instance.
HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, unsigned context, const IID& iid,
                         void** out);
// The class object of a class served by a registered in-process server.
// REGDB_E_CLASSNOTREG when the class is not registered; CO_E_DLLNOTFOUND
// when its module cannot be loaded; E_DLL_INIT_FAILED
// when the module refused to load; CO_E_ERRORINDLL when it has no class
// object entry.
HRESULT CoGetClassObject(const CLSID& clsid, unsigned context, const IID& iid, void** out);
// Unloads the in-process servers loaded for CoCreateInstance whose
// DllCanUnloadNow answers S_OK.
void CoFreeUnusedLibraries();

// The signatures of a server module's entry points.
using DllGetClassObjectProc = HRESULT (*)(const CLSID& clsid, const IID& iid, void** out);
using DllCanUnloadNowProc = HRESULT (*)();
using DllRegisterServerProc = HRESULT (*)();
// Runs an object created for a local server; in-process objects are running.
HRESULT OleRun(IUnknown* object);
