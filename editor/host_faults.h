#pragma once
// Failures the tests ask of the host: a stage of the connection (creating
// the application object, getting the host object, the query of the host
// object for its document interface, creating the ACL object) on its n-th
// occurrence, the n-th ACL call, or the first ACL call whose text holds a
// pattern. Counting starts when the failure is asked for.
#include <string>
#include <string_view>
#include <vector>

#include "platform/com_types.h"

namespace editor {

enum class HostStage { CreateApplication, GetHostObject, QueryDocumentObject, CreateAcl };

struct HostFaults {
  struct StageRule {
    HostStage stage;
    HRESULT hr;
    int skip;   // occurrences still to let pass
    int times;  // failures still to give; 0 = every one from then on
  };
  struct CallRule {
    int skip;             // calls still to let pass (pattern rules: unused)
    std::string pattern;  // empty: counted rule
    HRESULT hr;
    std::string description;  // the failure's error information
  };
  std::vector<StageRule> stages;
  std::vector<CallRule> calls;

  // S_OK, or the failure asked for this occurrence of the stage.
  HRESULT PassStage(HostStage stage);
  // S_OK, or the failure asked for this ACL call; its description goes to
  // `description` (left alone when the rule gives none).
  HRESULT PassCall(std::string_view text, std::string* description = nullptr);
  void Clear() {
    stages.clear();
    calls.clear();
  }
};

}  // namespace editor
