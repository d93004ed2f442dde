#include "platform/dispatch.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {
char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

bool SameName(const WideString& wide, const char* name) {
  std::size_t i = 0;
  for (; name[i]; ++i) {
    if (i >= wide.size()) return false;
    if (Lower(wide[i]) != Lower(static_cast<unsigned char>(name[i]))) return false;
  }
  return i == wide.size();
}

HRESULT ToInt(const Variant& v, int* out) {
  switch (v.type) {
    case Variant::Type::Int:
      *out = v.intValue;
      return S_OK;
    case Variant::Type::Text: {
      std::string text = WideToAnsi(v.text);
      if (text.empty()) return DISP_E_TYPEMISMATCH;
      char* end = nullptr;
      errno = 0;
      long value = std::strtol(text.c_str(), &end, 10);
      if (*end != '\0') return DISP_E_TYPEMISMATCH;
      if (errno == ERANGE || value < INT_MIN || value > INT_MAX) return DISP_E_OVERFLOW;
      *out = static_cast<int>(value);
      return S_OK;
    }
    case Variant::Type::Empty:
      break;
  }
  return DISP_E_TYPEMISMATCH;
}
}  // namespace

HRESULT DispGetIDsOfNames(const TypeInfo& info, const WideString* names, unsigned count,
                          DISPID* ids) {
  if (count == 0) return S_OK;
  if (!names || !ids) return E_POINTER;
  for (unsigned i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  // The first name is the method; further names would be its parameters,
  // which the module's methods do not name.
  for (std::size_t f = 0; f < info.funcCount; ++f)
    if (SameName(names[0], info.funcs[f].name)) {
      ids[0] = info.funcs[f].dispid;
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  return DISP_E_UNKNOWNNAME;
}

HRESULT DispPrepareCall(const TypeInfo& info, DISPID id, unsigned flags, const DispParams& params,
                        std::size_t* index, std::vector<int>* ints) {
  if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  for (std::size_t f = 0; f < info.funcCount; ++f) {
    if (info.funcs[f].dispid != id) continue;
    if (params.args.size() != info.funcs[f].paramCount) return DISP_E_BADPARAMCOUNT;
    ints->clear();
    for (const Variant& v : params.args) {
      int value = 0;
      HRESULT hr = ToInt(v, &value);
      if (FAILED(hr)) return hr;
      ints->push_back(value);
    }
    *index = f;
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}
