#include "platform/error_info.h"

#include <cstdio>
#include <utility>

#include "platform/com_types.h"

namespace {
struct PendingErrorInfo {
  bool set = false;
  std::string description;
};
thread_local PendingErrorInfo t_errorInfo;
}  // namespace

void SetErrorInfo(std::string description) {
  t_errorInfo.set = true;
  t_errorInfo.description = std::move(description);
}

bool GetErrorInfo(std::string* description) {
  if (!t_errorInfo.set) return false;
  *description = std::move(t_errorInfo.description);
  t_errorInfo = PendingErrorInfo{};
  return true;
}

std::string SystemErrorText(HRESULT hr) {
  struct Known {
    HRESULT hr;
    const char* text;
  };
  static const Known known[] = {
      {S_OK, "The operation completed successfully."},
      {E_NOTIMPL, "Not implemented"},
      {E_NOINTERFACE, "No such interface supported"},
      {E_POINTER, "Invalid pointer"},
      {E_ABORT, "Operation aborted"},
      {E_FAIL, "Unspecified error"},
      {E_UNEXPECTED, "Catastrophic failure"},
      {E_OUTOFMEMORY, "Not enough memory resources are available to complete this operation."},
      {E_INVALIDARG, "The parameter is incorrect."},
      {E_ACCESSDENIED, "Access is denied."},
      {CLASS_E_NOAGGREGATION, "Class does not support aggregation (or class object is remote)"},
      {CLASS_E_CLASSNOTAVAILABLE, "ClassFactory cannot supply requested class"},
      {REGDB_E_CLASSNOTREG, "Class not registered"},
      {DISP_E_UNKNOWNNAME, "Unknown name."},
      {DISP_E_BADPARAMCOUNT, "Invalid number of parameters."},
      {DISP_E_TYPEMISMATCH, "Type mismatch."},
  };
  for (const Known& k : known)
    if (k.hr == hr) return k.text;
  char buf[40];
  std::snprintf(buf, sizeof buf, "Unknown error 0x%08X", static_cast<unsigned>(hr));
  return buf;
}
