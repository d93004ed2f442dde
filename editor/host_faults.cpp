#include "editor/host_faults.h"

namespace editor {

HRESULT HostFaults::PassStage(HostStage stage) {
  HRESULT result = S_OK;
  for (auto it = stages.begin(); it != stages.end();) {
    if (it->stage != stage) {
      ++it;
      continue;
    }
    if (it->skip > 0) {
      --it->skip;
      ++it;
      continue;
    }
    if (result == S_OK) result = it->hr;
    if (it->times == 1) {
      it = stages.erase(it);
      continue;
    }
    if (it->times > 1) --it->times;
    ++it;
  }
  return result;
}

HRESULT HostFaults::PassCall(std::string_view text, std::string* description) {
  HRESULT result = S_OK;
  for (auto it = calls.begin(); it != calls.end();) {
    bool fires = false;
    if (it->pattern.empty()) {
      if (it->skip == 0)
        fires = true;
      else
        --it->skip;
    } else {
      // A pattern rule waits for a call that no other rule fails.
      fires = result == S_OK && text.find(it->pattern) != std::string_view::npos;
    }
    if (!fires) {
      ++it;
      continue;
    }
    if (result == S_OK) {
      result = it->hr;
      if (description && !it->description.empty()) *description = it->description;
    }
    it = calls.erase(it);
  }
  return result;
}

}  // namespace editor
