#pragma once
// The frame every host-facing command runs: switch to the module's framework
// state, connect afresh to the host (application object, host object and its
// document interface, ACL object), do the command's work through ACL text,
// release everything in order, and leave the state again.
//
// Each stage sits inside its own failure handler. What a handler shows and
// what the command then returns is data, written per command as a
// `CommandFrame`; inner regions of the work get their own handlers through
// `HostSession::Guard`. Example (a command that shows string 108 when it
// cannot connect, stays silent when the ACL object is missing, and answers
// S_FALSE when its work fails):
//
//   constexpr CommandFrame kFrame = {
//       .application = {.box = StringBox(IDS_ACL_FAILED), .result = S_OK},
//       .hostObject = {.box = StringBox(IDS_ACL_FAILED), .result = S_OK},
//       .acl = {.box = NoBox(), .result = S_OK},
//       .work = {.box = NoBox(), .result = S_FALSE},
//   };
//   return RunCommandFrame(kFrame, [&](HostSession& host) {
//     host.Execute("set tagdisplay=full;");
//     return S_OK;
//   });
#include <cstddef>
#include <functional>

#include "host/acl_bridge.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"

// What "%s" in a handler's text receives.
enum class FrameErrorText {
  None,
  Description,    // the host's description of the failure
  SystemMessage,  // the system's text for the failure code
};

// The message box a handler shows (or none).
struct FrameBox {
  enum class Kind { None, String, Text };
  Kind kind = Kind::None;
  unsigned stringId = 0;          // Kind::String: an entry of the string table
  const char* text = nullptr;     // Kind::Text: the text, with at most one "%s"
  const char* caption = nullptr;  // null: the framework's box, captioned with the application title
  unsigned style = MB_ICONERROR;
  FrameErrorText errorText = FrameErrorText::None;
  std::size_t bound = 0;  // size of the buffer the text is formatted into; 0 for none
};

constexpr FrameBox NoBox() { return FrameBox{}; }
// A string of the string table in the framework's box.
constexpr FrameBox StringBox(unsigned id, unsigned style = MB_ICONERROR) {
  return FrameBox{.kind = FrameBox::Kind::String, .stringId = id, .style = style};
}
// A fixed text; without a caption it goes to the framework's box.
constexpr FrameBox TextBox(const char* text, const char* caption = nullptr,
                           unsigned style = MB_ICONERROR) {
  return FrameBox{.kind = FrameBox::Kind::Text, .text = text, .caption = caption, .style = style};
}

// One failure handler: its box, then the command's result. A handler of an
// inner work region may let the command go on instead (`goOn`).
struct FrameHandler {
  FrameBox box;
  HRESULT result = S_FALSE;
  bool goOn = false;
};

// One command's frame, as data.
struct CommandFrame {
  // The host object replaces the module-wide `Bridge.HostObject`; otherwise
  // it is held for the call only.
  bool storeHostObject = false;
  // False for a command that only refreshes the host object (no ACL object,
  // no work).
  bool connectAcl = true;
  // False for a member that runs inside its caller's framework state.
  bool switchModuleState = true;
  FrameHandler application;  // creating the host's application object
  FrameHandler hostObject;   // fetching the host object and querying it
  FrameHandler acl;          // creating the ACL object
  FrameHandler work;         // the command's work, outermost handler
};

// The command's connection to the host for one call.
class HostSession {
 public:
  HostSession() = default;
  ~HostSession() { Release(); }
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  // Sends ACL text; a failed call raises _com_error (so does a call when the
  // host supplied no ACL object).
  AclText Evaluate(const char* expression);
  void Execute(const char* command);
  // Executes without raising on a failed call: the host's code, and its
  // description in `description`.
  HRESULT TryExecute(const char* command, std::string* description);
  // Evaluates into a fixed field (cleared first); false when the value was
  // cut at the field's size.
  template <std::size_t N>
  bool EvaluateInto(BoundedText<N>& out, const char* expression) {
    AclText value = Evaluate(expression);
    out.clear();
    return out.assign(value.Ansi());
  }

  // Runs `region` under its own handler. True when the region completed;
  // false when a host call failed and the handler lets the command go on. A
  // handler that ends the command does not return here: the frame releases
  // the host objects and the command answers the handler's result.
  // `onFailure` (optional) runs first, for a handler that composes its own
  // message or sends ACL text; a host failure inside it goes to the
  // enclosing handler.
  bool Guard(const FrameHandler& handler, const std::function<void()>& region,
             const std::function<void(const _com_error&)>& onFailure = {});

  const ComPtr<IHostAcl>& Acl() const { return acl_; }
  IUnknown* HostObject() const { return hostObject_.Get(); }

 private:
  friend HRESULT RunCommandFrame(const CommandFrame&, const std::function<HRESULT(HostSession&)>&);
  // Releases the ACL object, the queried host object, the host object and
  // the application object, in this order.
  void Release();

  ComPtr<IHostApplication> application_;
  ComPtr<IUnknown> hostObject_;
  ComPtr<IUnknown> document_;
  ComPtr<IHostAcl> acl_;
};

// Runs the frame around `work` and answers the work's result, or the result
// of the handler that caught a failure. `work` may be empty when the frame
// does not connect an ACL object.
HRESULT RunCommandFrame(const CommandFrame& frame, const std::function<HRESULT(HostSession&)>& work);

// Shows a handler's box for a failure (used by the frame; exposed for
// commands that compose their own handling).
void ShowFrameBox(const FrameBox& box, const _com_error& error);
