#pragma once
// The type library KESTAEPICLib: the coclass RunKesta and the dual interface
// IRunKesta with its 27 methods in slot order, their dispatch ids and help
// strings. Dispatch calls are served from this data.
#include <cstddef>

#include "platform/dispatch.h"

constexpr std::size_t kRunKestaMethodCount = 27;

struct TypeLibrary {
  const char* name;
  const char* helpString;
  const GUID* libid;
  int majorVersion;
  int minorVersion;
  const char* coclassName;
  const char* coclassHelpString;
  const CLSID* clsid;
  const TypeInfo* defaultInterface;
};

extern const FuncDesc kRunKestaMethods[kRunKestaMethodCount];
extern const TypeInfo kIRunKestaTypeInfo;
extern const TypeLibrary kKestaEpicTypeLibrary;
