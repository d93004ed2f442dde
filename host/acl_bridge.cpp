#include "host/acl_bridge.h"

#include <cstring>

#include "platform/error_info.h"

namespace {
const WideString kEmpty;

// Error information left over from an earlier call must not describe this one.
void DropStaleErrorInfo() {
  std::string stale;
  GetErrorInfo(&stale);
}

[[noreturn]] void RaiseHostError(HRESULT hr) {
  std::string description;
  GetErrorInfo(&description);
  throw _com_error(hr, description);
}

// Local- and remote-server contexts need the object run before it is used;
// in-process creation is one step.
template <class I>
HRESULT CreateHostObject(ComPtr<I>& holder, const CLSID& clsid, const IID& iid, IUnknown* outer,
                         unsigned context) {
  holder.Reset();
  if (!(context & (CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)))
    return CoCreateInstance(clsid, outer, context, iid, holder.OutVoid());
  ComPtr<IUnknown> unknown;
  HRESULT hr = CoCreateInstance(clsid, outer, context, IID_IUnknown, unknown.OutVoid());
  if (FAILED(hr)) return hr;
  hr = OleRun(unknown.Get());
  if (FAILED(hr)) return hr;
  hr = unknown->QueryInterface(iid, holder.OutVoid());
  if (FAILED(hr)) holder.Reset();
  return hr;
}
}  // namespace

AclText::AclText(Bstr text) : data_(std::make_shared<Data>()) { data_->wide = std::move(text); }

const WideString& AclText::Wide() const { return data_ ? data_->wide.Text() : kEmpty; }

const char* AclText::Ansi() const {
  if (!data_) return "";
  if (!data_->converted) {
    data_->ansi = data_->wide.ToAnsi();
    data_->converted = true;
  }
  return data_->ansi.c_str();
}

AclText EvaluateAcl(const ComPtr<IHostAcl>& acl, const char* expression) {
  Bstr in = Bstr::FromAnsi(expression ? expression : "");
  Bstr out;
  IHostAcl* host = acl.operator->();
  DropStaleErrorInfo();
  HRESULT hr = host->EvaluateAcl(in, &out);
  if (FAILED(hr)) RaiseHostError(hr);
  return AclText(std::move(out));
}

HRESULT TryExecuteAcl(const ComPtr<IHostAcl>& acl, const char* command, std::string* description) {
  Bstr in = Bstr::FromAnsi(command ? command : "");
  IHostAcl* host = acl.operator->();
  DropStaleErrorInfo();
  HRESULT hr = host->ExecuteAcl(in);
  if (FAILED(hr)) {
    std::string text;
    GetErrorInfo(&text);
    if (description) *description = std::move(text);
  }
  return hr;
}

HRESULT ExecuteAcl(const ComPtr<IHostAcl>& acl, const char* command) {
  std::string description;
  HRESULT hr = TryExecuteAcl(acl, command, &description);
  if (FAILED(hr)) throw _com_error(hr, std::move(description));
  return hr;
}

std::string AclString(std::string_view text, std::size_t limit) {
  std::string out = "\"";
  std::size_t length = 0;
  for (char c : text) {
    const bool escaped = c == '"' || c == '\\';
    if (length + (escaped ? 2 : 1) > limit) break;
    if (escaped) out += '\\';
    out += c;
    length += escaped ? 2 : 1;
  }
  out += '"';
  return out;
}

std::unique_ptr<char[]> BstrToAnsi(const AclText& text) {
  const std::string ansi = WideToAnsi(text.Wide(), kSubstituteChar);
  // The text ends at its first NUL, as the array's reader takes it.
  const std::size_t size = std::strlen(ansi.c_str()) + 1;
  auto out = std::make_unique<char[]>(size);
  std::memcpy(out.get(), ansi.c_str(), size);
  return out;
}

HRESULT CreateHostApplication(ComPtr<IHostApplication>& holder, const CLSID& clsid,
                              IUnknown* outer, unsigned context) {
  return CreateHostObject(holder, clsid, IID_IHostApplication, outer, context);
}

HRESULT CreateHostAcl(ComPtr<IHostAcl>& holder, const CLSID& clsid, IUnknown* outer,
                      unsigned context) {
  return CreateHostObject(holder, clsid, IID_IHostAcl, outer, context);
}
