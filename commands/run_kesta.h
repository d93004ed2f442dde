#pragma once
// The COM class RunKesta: the object the host creates and calls, one method
// per user action. It has no data of its own; what outlives a call lives in
// module-wide state.
#include "platform/com_object.h"
#include "resources/run_kesta_idl.h"

class RunKesta : public IRunKesta, public ISupportErrorInfo {
 public:
  RunKesta();
  ~RunKesta() override;

  // IUnknown: IDispatch, IRunKesta and ISupportErrorInfo.
  HRESULT QueryInterface(const IID& iid, void** out) override;
  ULONG AddRef() override;
  ULONG Release() override;

  // IDispatch, served from the type library.
  HRESULT GetTypeInfoCount(unsigned* count) override;
  HRESULT GetTypeInfo(unsigned index, const TypeInfo** info) override;
  HRESULT GetIDsOfNames(const IID& riid, const WideString* names, unsigned count,
                        DISPID* ids) override;
  HRESULT Invoke(DISPID id, const IID& riid, unsigned flags, const DispParams& params,
                 Variant* result) override;

  // IRunKesta, in slot order.
  HRESULT ProcessKesta() override;
  HRESULT CloseKesta() override;
  HRESULT GetKestaHelp() override;
  HRESULT WordFinder() override;
  HRESULT SelectElement() override;
  HRESULT SixsigmaRead() override;
  HRESULT MarkingEngine() override;
  HRESULT ShowMe() override;
  HRESULT ShowContext() override;
  HRESULT RemoveAllMarkers() override;
  HRESULT RemoveKestaMarkers() override;
  HRESULT DisplayCmenu(int menuMode) override;
  HRESULT RemoveKestaPi() override;
  HRESULT ShowTemp() override;
  HRESULT MetricConverter() override;
  HRESULT CLoadMenu() override;
  HRESULT VerbSelector() override;
  HRESULT RemoveMessage() override;
  HRESULT CallNextKesta() override;
  HRESULT TrafficLight() override;
  HRESULT RemoveMarks() override;
  HRESULT FullTags() override;
  HRESULT ChangeEditWinTitle() override;
  HRESULT TreeWalker() override;
  HRESULT GetDocStart() override;
  HRESULT FindKesta() override;
  HRESULT FindNextKesta() override;

  // Members outside the type library, after the interface's slots.
  virtual HRESULT FindStartElement();
  // Refreshes the module-wide host object; no ACL text is sent.
  virtual HRESULT CaptureHostAndCursor();

  // ISupportErrorInfo: S_OK for IRunKesta only.
  HRESULT InterfaceSupportsErrorInfo(const IID& iid) override;

 private:
  std::atomic<ULONG> refs_{1};
};

// Module-wide count of live RunKesta objects and server locks, read by
// DllCanUnloadNow.
struct ServerState {
  std::atomic<long> objects{0};
  std::atomic<long> locks{0};
  void Reset() {
    objects = 0;
    locks = 0;
  }
};
extern ServerState Server;
