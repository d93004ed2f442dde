#include "host/command_frame.h"

#include <new>
#include <optional>
#include <string>
#include <vector>

#include "host/host_state.h"
#include "platform/app_framework.h"
#include "resources/string_table.h"

namespace {
// Ends the command with a handler's result; only the frame catches it.
struct FrameExit {
  HRESULT result;
};

std::string ErrorTextOf(FrameErrorText which, const _com_error& error) {
  switch (which) {
    case FrameErrorText::Description:
      return error.Description();
    case FrameErrorText::SystemMessage:
      return error.ErrorMessage();
    case FrameErrorText::None:
      break;
  }
  return {};
}

// Replaces the first "%s" of `text` (no other conversion is read).
std::string FillText(const char* text, const std::string& value) {
  std::string out(text);
  std::size_t at = out.find("%s");
  if (at != std::string::npos) out.replace(at, 2, value);
  return out;
}

[[noreturn]] void Raise(HRESULT hr) { throw _com_error(hr); }

// Runs a handler: its box, then its result ends the command.
[[noreturn]] void EndCommand(const FrameHandler& handler, const _com_error& error) {
  ShowFrameBox(handler.box, error);
  throw FrameExit{handler.result};
}
}  // namespace

void ShowFrameBox(const FrameBox& box, const _com_error& error) {
  std::string text;
  switch (box.kind) {
    case FrameBox::Kind::None:
      return;
    case FrameBox::Kind::String: {
      const char* s = LoadStringResource(box.stringId);
      text = s ? s : "";
      break;
    }
    case FrameBox::Kind::Text:
      text = box.text ? box.text : "";
      if (box.errorText != FrameErrorText::None)
        text = FillText(text.c_str(), ErrorTextOf(box.errorText, error));
      break;
  }
  // A text formatted into a fixed buffer keeps what fits.
  if (box.bound > 0 && text.size() > box.bound - 1) text.resize(box.bound - 1);
  if (box.caption)
    ShowMessageBox(text, box.caption, box.style);
  else
    AfxMessageBox(text, box.style);
}

AclText HostSession::Evaluate(const char* expression) { return EvaluateAcl(acl_, expression); }

void HostSession::Execute(const char* command) { ExecuteAcl(acl_, command); }

HRESULT HostSession::TryExecute(const char* command, std::string* description) {
  return TryExecuteAcl(acl_, command, description);
}

bool HostSession::Guard(const FrameHandler& handler, const std::function<void()>& region,
                        const std::function<void(const _com_error&)>& onFailure) {
  std::optional<_com_error> failure;
  try {
    region();
    return true;
  } catch (const _com_error& error) {
    failure = error;
  }
  // Outside the catch: what the handler itself raises goes to the enclosing
  // handler as a fresh failure.
  if (onFailure) onFailure(*failure);
  ShowFrameBox(handler.box, *failure);
  if (handler.goOn) return false;
  throw FrameExit{handler.result};
}

void HostSession::Release() {
  acl_.Reset();
  document_.Reset();
  hostObject_.Reset();
  application_.Reset();
}

HRESULT RunCommandFrame(const CommandFrame& frame, const std::function<HRESULT(HostSession&)>& work) {
  // The module's framework state for the whole call, and back on every way out.
  std::optional<AfxManageState> state;
  if (frame.switchModuleState) state.emplace(AfxGetStaticModuleState());
  HostSession host;
  HRESULT result = S_OK;
  try {
    try {
      HRESULT hr = CreateHostApplication(host.application_, CLSID_HostApplication, nullptr, CLSCTX_ALL);
      if (FAILED(hr) && hr != E_NOINTERFACE) Raise(hr);
    } catch (const _com_error& error) {
      EndCommand(frame.application, error);
    }
    try {
      ComPtr<IUnknown> fetched;
      HRESULT hr = host.application_->GetHostObject(fetched.Out());
      if (FAILED(hr)) Raise(hr);
      if (frame.storeHostObject) Bridge.HostObject = fetched;
      host.hostObject_ = fetched;
      hr = host.hostObject_->QueryInterface(IID_HostDocumentObject, host.document_.OutVoid());
      if (FAILED(hr) && hr != E_NOINTERFACE) Raise(hr);
    } catch (const _com_error& error) {
      EndCommand(frame.hostObject, error);
    }
    if (frame.connectAcl) {
      try {
        HRESULT hr = CreateHostAcl(host.acl_, CLSID_HostAcl, nullptr, CLSCTX_ALL);
        if (FAILED(hr) && hr != E_NOINTERFACE) Raise(hr);
      } catch (const _com_error& error) {
        EndCommand(frame.acl, error);
      }
      if (work) {
        try {
          result = work(host);
        } catch (const _com_error& error) {
          EndCommand(frame.work, error);
        } catch (const std::bad_alloc&) {
          // A text that cannot be allocated fails like a host call.
          EndCommand(frame.work, _com_error(E_OUTOFMEMORY));
        }
      }
    }
  } catch (const FrameExit& exit) {
    result = exit.result;
  }
  host.Release();
  return result;
}
