#pragma once
// The binding of the type library's methods to the interface's slots, row
// for row in the type library's order.
#include <cstddef>

#include "resources/run_kesta_idl.h"
#include "resources/type_library.h"

struct DispatchSlot {
  const char* name;                          // the method's name, as in the type library
  HRESULT (IRunKesta::*call)();              // methods without an argument
  HRESULT (IRunKesta::*callWithInt)(int);    // the one method with an INT argument
};

extern const DispatchSlot kDispatchSlots[kRunKestaMethodCount];
