#include "commands/run_kesta.h"

#include <vector>

#include "commands/dispatch_slots.h"
#include "resources/type_library.h"

ServerState Server;

RunKesta::RunKesta() { ++Server.objects; }

RunKesta::~RunKesta() { --Server.objects; }

HRESULT RunKesta::QueryInterface(const IID& iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IRunKesta)
    *out = static_cast<IRunKesta*>(this);
  else if (iid == IID_ISupportErrorInfo)
    *out = static_cast<ISupportErrorInfo*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG RunKesta::AddRef() { return ++refs_; }

ULONG RunKesta::Release() {
  ULONG n = --refs_;
  if (n == 0) delete this;
  return n;
}

HRESULT RunKesta::GetTypeInfoCount(unsigned* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT RunKesta::GetTypeInfo(unsigned index, const TypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  *info = &kIRunKestaTypeInfo;
  return S_OK;
}

HRESULT RunKesta::GetIDsOfNames(const IID& /*riid*/, const WideString* names, unsigned count,
                                DISPID* ids) {
  return DispGetIDsOfNames(kIRunKestaTypeInfo, names, count, ids);
}

HRESULT RunKesta::Invoke(DISPID id, const IID& /*riid*/, unsigned flags, const DispParams& params,
                         Variant* result) {
  std::size_t index = 0;
  std::vector<int> args;
  HRESULT hr = DispPrepareCall(kIRunKestaTypeInfo, id, flags, params, &index, &args);
  if (FAILED(hr)) return hr;
  if (result) *result = Variant{};
  const DispatchSlot& slot = kDispatchSlots[index];
  IRunKesta* self = this;
  if (slot.callWithInt) return (self->*slot.callWithInt)(args.at(0));
  return (self->*slot.call)();
}

HRESULT RunKesta::InterfaceSupportsErrorInfo(const IID& iid) {
  return iid == IID_IRunKesta ? S_OK : S_FALSE;
}

// Kept for its slot: nothing in the module calls it.
HRESULT RunKesta::FindStartElement() { return E_NOTIMPL; }
