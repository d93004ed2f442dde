#pragma once
// The work of the checking, marking, search, removal and help commands: what
// each does once it is connected to the host. The COM class runs each one
// inside its command frame, which connects, catches host failures by stage
// and releases the host objects.
#include "commands/host_channel.h"
#include "platform/com_types.h"

// The commands that others call through the object's own method table; each
// such call runs that command's own frame.
class CommandCalls {
 public:
  virtual ~CommandCalls() = default;
  virtual HRESULT ChangeEditWinTitle() = 0;
  virtual HRESULT FindKesta() = 0;
  virtual HRESULT GetDocStart() = 0;
  virtual HRESULT MarkingEngine() = 0;
  virtual HRESULT RemoveAllMarkers() = 0;
  virtual HRESULT RemoveKestaPi() = 0;
  virtual HRESULT RemoveMarks() = 0;
};

// GetDocStart's answer when the body could not be read: its message was
// shown, and the check must stop without marking anything.
inline constexpr HRESULT KESTA_E_BODY_UNREAD = E_ABORT;

// Each returns the method's code; a host failure inside escapes as
// _com_error to the frame unless the command handles it itself.
HRESULT ProcessKestaWork(HostChannel& host, CommandCalls& self);
HRESULT GetDocStartWork(HostChannel& host);
HRESULT MarkingEngineWork(HostChannel& host);
HRESULT FindKestaWork(HostChannel& host);
HRESULT FindNextKestaWork(HostChannel& host, CommandCalls& self);
HRESULT TreeWalkerWork(HostChannel& host);
HRESULT RemoveAllMarkersWork(HostChannel& host);
HRESULT RemoveKestaMarkersWork(HostChannel& host, CommandCalls& self);
HRESULT RemoveMarksWork(HostChannel& host);
HRESULT RemoveKestaPiWork(HostChannel& host);
HRESULT RemoveMessageWork(HostChannel& host);
// CloseKesta frees the results of the last check before it connects.
void CloseKestaForget();
HRESULT CloseKestaWork(HostChannel& host, CommandCalls& self);
HRESULT GetKestaHelpWork(HostChannel& host, CommandCalls& self);
HRESULT ChangeEditWinTitleWork(HostChannel& host);
