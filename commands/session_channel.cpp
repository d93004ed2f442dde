#include "commands/session_channel.h"

std::string SessionChannel::Evaluate(const std::string& expression) {
  return session_.Evaluate(expression.c_str()).Ansi();
}

std::optional<std::string> SessionChannel::EvaluateConverted(const std::string& expression) {
  std::unique_ptr<char[]> text = BstrToAnsi(session_.Evaluate(expression.c_str()));
  if (!text) return std::nullopt;
  return std::string(text.get());
}

std::string SessionChannel::EvaluateMarkup(const std::string& expression) {
  return WideToAnsiMarkup(session_.Evaluate(expression.c_str()).Wide());
}

void SessionChannel::Execute(const std::string& command) { session_.Execute(command.c_str()); }

bool SessionChannel::TryExecute(const std::string& command, std::string* description) {
  return SUCCEEDED(session_.TryExecute(command.c_str(), description));
}

HRESULT RunWork(const CommandFrame& frame, HRESULT (*work)(HostChannel&)) {
  return RunCommandFrame(frame, [work](HostSession& session) {
    SessionChannel host(session);
    return work(host);
  });
}

HRESULT RunWorkWithSelf(const CommandFrame& frame, IRunKesta* object,
                        HRESULT (*work)(HostChannel&, CommandCalls&)) {
  return RunCommandFrame(frame, [object, work](HostSession& session) {
    SessionChannel host(session);
    SelfCalls self(object);
    return work(host, self);
  });
}
