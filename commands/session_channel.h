#pragma once
// The command work's view of a connected frame, and of the object's own
// method table; running a work inside its frame.
#include "commands/command_work.h"
#include "commands/run_kesta.h"
#include "host/command_frame.h"

class SessionChannel final : public HostChannel {
 public:
  explicit SessionChannel(HostSession& session) : session_(session) {}
  std::string Evaluate(const std::string& expression) override;
  std::optional<std::string> EvaluateConverted(const std::string& expression) override;
  std::string EvaluateMarkup(const std::string& expression) override;
  void Execute(const std::string& command) override;
  bool TryExecute(const std::string& command, std::string* description) override;

 private:
  HostSession& session_;
};

// Calls go through the interface, as the host's own calls do.
class SelfCalls final : public CommandCalls {
 public:
  explicit SelfCalls(IRunKesta* self) : self_(self) {}
  HRESULT ChangeEditWinTitle() override { return self_->ChangeEditWinTitle(); }
  HRESULT FindKesta() override { return self_->FindKesta(); }
  HRESULT GetDocStart() override { return self_->GetDocStart(); }
  HRESULT MarkingEngine() override { return self_->MarkingEngine(); }
  HRESULT RemoveAllMarkers() override { return self_->RemoveAllMarkers(); }
  HRESULT RemoveKestaPi() override { return self_->RemoveKestaPi(); }
  HRESULT RemoveMarks() override { return self_->RemoveMarks(); }

 private:
  IRunKesta* self_;
};

// Runs `frame` around a work that needs only the host.
HRESULT RunWork(const CommandFrame& frame, HRESULT (*work)(HostChannel&));
// Runs `frame` around a work that also calls `object`'s own methods.
HRESULT RunWorkWithSelf(const CommandFrame& frame, IRunKesta* object,
                        HRESULT (*work)(HostChannel&, CommandCalls&));
