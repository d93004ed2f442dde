#pragma once
// The work of the selection check, of showing a finding, of its context menu
// and of the next-finding command: what each does once it is connected to
// the host. The COM class runs each inside its command frame.
#include <functional>
#include <string>
#include <string_view>

#include "commands/command_work.h"
#include "commands/host_channel.h"
#include "platform/com_types.h"

// The object's own methods that showing a finding and its menu call
// through the method table; each call runs that method's own frame.
class FindingCalls {
 public:
  virtual ~FindingCalls() = default;
  virtual HRESULT CaptureHostAndCursor() = 0;
  virtual HRESULT DisplayCmenu(int menuMode) = 0;
  virtual HRESULT CLoadMenu() = 0;
  virtual HRESULT RemoveAllMarkers() = 0;
};

// The engine's passes over ElementText: the word list built afresh, every
// pass run, the findings collected. Returns the number of findings.
using SelectionPasses = std::function<int()>;

HRESULT SelectElementWork(HostChannel& host, CommandCalls& self, const SelectionPasses& passes);
HRESULT ShowMeWork(HostChannel& host, FindingCalls& self);
HRESULT ShowContextWork(HostChannel& host, FindingCalls& self);
HRESULT DisplayCmenuWork(HostChannel& host, FindingCalls& self, int menuMode);
HRESULT CallNextKestaWork(HostChannel& host);

// Moves the mouse cursor to a screen point and clicks the right button
// there (press, then release).
void RightClickAt(int x, int y);

// What the menu puts in for the suggestion `chosen`: without the blanks
// round it and without a word class the advice names after a word
// ("specified(adj)" puts in "specified").
std::string SuggestionToPutIn(std::string_view chosen);

// `text` between the delimiters of a find command: '@', or '/' when the
// text holds an '@' (which would end it early).
std::string FindDelimited(std::string_view text);
// A command formatted into a fixed buffer of `size` bytes: one that would
// be cut is refused as a failed host call, never sent cut.
std::string FitCommand(std::size_t size, std::string command);
