#pragma once
// The interface of the module as its clients see it: the ids of the class,
// the interface and the type library, and IRunKesta with its methods in
// slot order. A client includes this header only; it links nothing of the
// module.
#include "platform/dispatch.h"

// {38F4D00F-9ACD-4079-A6D9-6D5C90847BB1}
inline constexpr CLSID CLSID_RunKesta = {0x38F4D00F, 0x9ACD, 0x4079, {0xA6, 0xD9, 0x6D, 0x5C, 0x90, 0x84, 0x7B, 0xB1}};
// {B585667F-7BFA-40AF-845D-28145CADAC2A}
inline constexpr IID IID_IRunKesta = {0xB585667F, 0x7BFA, 0x40AF, {0x84, 0x5D, 0x28, 0x14, 0x5C, 0xAD, 0xAC, 0x2A}};
// {83F05023-E620-4919-B920-AA89595FEBEB}
inline constexpr GUID LIBID_KESTAEPICLib = {0x83F05023, 0xE620, 0x4919, {0xB9, 0x20, 0xAA, 0x89, 0x59, 0x5F, 0xEB, 0xEB}};

inline constexpr const char* kRunKestaProgId = "KestaEpic.RunKesta.1";
inline constexpr const char* kRunKestaVersionIndependentProgId = "KestaEpic.RunKesta";

// Dual interface: every method is also reachable through IDispatch by its
// dispatch id or its name.
class IRunKesta : public IDispatch {
 public:
  virtual HRESULT ProcessKesta() = 0;
  virtual HRESULT CloseKesta() = 0;
  virtual HRESULT GetKestaHelp() = 0;
  virtual HRESULT WordFinder() = 0;
  virtual HRESULT SelectElement() = 0;
  virtual HRESULT SixsigmaRead() = 0;
  virtual HRESULT MarkingEngine() = 0;
  virtual HRESULT ShowMe() = 0;
  virtual HRESULT ShowContext() = 0;
  virtual HRESULT RemoveAllMarkers() = 0;
  virtual HRESULT RemoveKestaMarkers() = 0;
  virtual HRESULT DisplayCmenu(int menuMode) = 0;
  virtual HRESULT RemoveKestaPi() = 0;
  virtual HRESULT ShowTemp() = 0;
  virtual HRESULT MetricConverter() = 0;
  virtual HRESULT CLoadMenu() = 0;
  virtual HRESULT VerbSelector() = 0;
  virtual HRESULT RemoveMessage() = 0;
  virtual HRESULT CallNextKesta() = 0;
  virtual HRESULT TrafficLight() = 0;
  virtual HRESULT RemoveMarks() = 0;
  virtual HRESULT FullTags() = 0;
  virtual HRESULT ChangeEditWinTitle() = 0;
  virtual HRESULT TreeWalker() = 0;
  virtual HRESULT GetDocStart() = 0;
  virtual HRESULT FindKesta() = 0;
  virtual HRESULT FindNextKesta() = 0;
};
