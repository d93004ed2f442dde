// Arbitrary markers, flagged texts, advice and selections through showing a
// finding, its menu and the selection check's reading of the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "commands/check_state.h"
#include "commands/finding_state.h"
#include "commands/finding_work.h"
#include "commands/menu_line.h"
#include "engine/word_rec.h"
#include "platform/scripted_interaction.h"
#include "resources/context_menu.h"

namespace {
class FuzzHost : public HostChannel {
 public:
  std::string selection, value, mouse, response;
  std::string Evaluate(const std::string& e) override {
    if (e == "$selection") return selection;
    if (e.rfind("oid_attr", 0) == 0) return value;
    if (e == "mouse_at(0x001)") return mouse;
    if (e.rfind("response", 0) == 0) return response;
    if (e.rfind("change_tracking_find", 0) == 0) return "(-1,0,0)";
    if (e.rfind("oid_name", 0) == 0) return value.substr(0, 8);
    return "(1,4,0)";
  }
  std::optional<std::string> EvaluateConverted(const std::string& e) override { return Evaluate(e); }
  std::string EvaluateMarkup(const std::string& e) override { return Evaluate(e); }
  void Execute(const std::string& c) override {
    // A command that names the fuzzed text fails now and then, as a host may.
    if (!c.empty() && c.size() % 7 == 0 && c.find('@') != std::string::npos) throw _com_error(E_FAIL);
  }
};

class FuzzCalls : public FindingCalls, public CommandCalls {
 public:
  explicit FuzzCalls(FuzzHost& host) : host_(host) {}
  HRESULT CaptureHostAndCursor() override { return S_OK; }
  HRESULT DisplayCmenu(int mode) override {
    try {
      return DisplayCmenuWork(host_, *this, mode);
    } catch (const _com_error&) {
      return S_FALSE;
    }
  }
  HRESULT CLoadMenu() override {
    LoadMenuLine();
    return S_OK;
  }
  HRESULT RemoveAllMarkers() override { return S_OK; }
  HRESULT ChangeEditWinTitle() override { return S_OK; }
  HRESULT FindKesta() override { return S_OK; }
  HRESULT GetDocStart() override { return S_OK; }
  HRESULT MarkingEngine() override { return S_OK; }
  HRESULT RemoveKestaPi() override { return S_OK; }
  HRESULT RemoveMarks() override { return S_OK; }

 private:
  FuzzHost& host_;
};

std::vector<std::string> Split(const std::string& text, char separator, std::size_t parts) {
  std::vector<std::string> out(parts);
  std::size_t at = 0;
  for (std::size_t i = 0; i < parts; ++i) {
    std::size_t end = i + 1 == parts ? std::string::npos : text.find(separator, at);
    out[i] = text.substr(std::min(at, text.size()), end == std::string::npos ? std::string::npos : end - at);
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const unsigned choice = data[0];
  std::vector<std::string> parts =
      Split(std::string(reinterpret_cast<const char*>(data + 1), size - 1), '\x01', 4);
  ScriptedInteraction ui;
  FuzzHost host;
  FuzzCalls calls(host);
  Finding.Reset();
  Check.Reset();
  Cursor.Reset();

  host.value = parts[0];
  host.selection = (choice & 1 ? "<?Pub _touchup Kesta=\"" : "<?Pub\n_t") + parts[0] + "\"?>" + parts[1] + "</_touchup>";
  const unsigned ids[] = {0, ID_KESTA_SYN1, ID_KESTA_SYN1 + 1, ID_KESTA_SYN6, ID_KESTA_ONE_MESSAGE,
                          ID_KESTA_ALL_IN_DOCUMENT, ID_KESTA_NEXT_MESSAGE, ID_KESTA_CLOSE, ID_KESTA_TERM};
  ui.QueueAnswer(static_cast<int>(ids[(choice >> 1) % 9]));
  try {
    ShowMeWork(host, calls);
    ShowContextWork(host, calls);
  } catch (const _com_error&) {
  }
  Finding.CurrentAdvice = parts[2];
  Finding.CurrentCategory = static_cast<int>(choice) - 60;
  Cursor.CurrentOid = parts[3];
  calls.DisplayCmenu(static_cast<int>(choice % 3));

  // The selection check reads the same texts as a selection or a table.
  host.selection = parts[1] + parts[2];
  host.mouse = choice & 0x40 ? "entry" : "text";
  host.response = parts[3].substr(0, 2);
  try {
    SelectElementWork(host, calls, [] {
      return Check.elementText.endsWith("@@END") ? 0 : -1;
    });
  } catch (const _com_error&) {
  }
  return 0;
}
