#pragma once
// A scripted host for tests of the bridge and the commands: it registers the
// host's two automation classes for its lifetime, answers evaluations from a
// table, records every string it receives, and fails where it is told to.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/host_automation.h"

class FakeHost {
 public:
  enum class Stage { CreateApplication, GetHostObject, QueryHostObject, CreateAcl };
  struct Call {
    bool evaluated;  // false: executed
    std::string text;
  };

  FakeHost();
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  // Makes a stage fail with `hr`. For GetHostObject, S_OK makes it answer
  // success with no object.
  void FailStage(Stage stage, HRESULT hr);
  // Makes the n-th ACL call (from 1) fail, or every call whose text holds
  // `pattern`; the failure leaves `description` as error information.
  void FailCall(int n, HRESULT hr, std::string description = {});
  void FailCallsMatching(std::string pattern, HRESULT hr, std::string description = {});
  // The value of an expression (wide text); unknown expressions answer "".
  void Answer(const std::string& expression, WideString value);

  const std::vector<Call>& Calls() const;
  std::vector<std::string> Executed() const;
  // Host objects alive now (applications, host objects, ACL objects).
  int LiveObjects() const;
  // The host object the latest GetHostObject handed out.
  IUnknown* LastHostObject() const;

  struct State;

 private:
  std::shared_ptr<State> state_;
};
