#pragma once
// Late-bound calls (the IDispatch of the home platform): a method is found by
// name through its dispatch id and called with a list of arguments. The
// description of an interface's methods (the type library) is plain data.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/com_object.h"
#include "platform/wide_text.h"

using DISPID = std::int32_t;
constexpr DISPID DISPID_UNKNOWN = -1;

// Invoke flags; a method call is the only kind the module's interface has.
constexpr unsigned DISPATCH_METHOD = 0x1;

// One argument or result value.
struct Variant {
  enum class Type { Empty, Int, Text };
  Type type = Type::Empty;
  int intValue = 0;
  WideString text;

  static Variant Int(int v) {
    Variant r;
    r.type = Type::Int;
    r.intValue = v;
    return r;
  }
  static Variant Text(WideString s) {
    Variant r;
    r.type = Type::Text;
    r.text = std::move(s);
    return r;
  }
};

// Arguments in the order the method declares them.
struct DispParams {
  std::vector<Variant> args;
};

// The type library's record of one method.
struct FuncDesc {
  const char* name;
  DISPID dispid;
  const char* helpString;  // null when the method has none
  std::size_t paramCount;  // all parameters are INT
};

// The type library's record of one interface.
struct TypeInfo {
  const char* name;
  const char* helpString;
  const IID* iid;
  bool dual;
  const FuncDesc* funcs;
  std::size_t funcCount;
};

class IDispatch : public IUnknown {
 public:
  virtual HRESULT GetTypeInfoCount(unsigned* count) = 0;
  virtual HRESULT GetTypeInfo(unsigned index, const TypeInfo** info) = 0;
  // Names are matched without regard to case; unknown names get
  // DISPID_UNKNOWN and the call DISP_E_UNKNOWNNAME.
  virtual HRESULT GetIDsOfNames(const IID& riid, const WideString* names, unsigned count,
                                DISPID* ids) = 0;
  // Calls the method; answers the method's own result, or a DISP_E_ code
  // when the call itself is wrong (unknown id, wrong arguments).
  virtual HRESULT Invoke(DISPID id, const IID& riid, unsigned flags, const DispParams& params,
                         Variant* result) = 0;
};

// The standard behaviour of a dispatch implementation served from a type
// library record.
HRESULT DispGetIDsOfNames(const TypeInfo& info, const WideString* names, unsigned count,
                          DISPID* ids);
// Finds the method of `id` and converts the arguments to INT (text must be a
// whole decimal number); `index` receives the method's position in the record.
HRESULT DispPrepareCall(const TypeInfo& info, DISPID id, unsigned flags, const DispParams& params,
                        std::size_t* index, std::vector<int>* ints);
