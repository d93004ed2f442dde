#pragma once
// A small document with one marker for the tests of showing a finding and
// its menu, and a record of the calls on the object's own methods.
#include <map>
#include <string>
#include <vector>

#include "commands/finding_state.h"
#include "commands/finding_work.h"
#include "commands/menu_line.h"
#include "engine/word_rec.h"
#include "platform/scripted_interaction.h"
#include "tests/commands/element_host.h"

class RecordedFindingCalls : public FindingCalls {
 public:
  std::vector<std::string> made;
  HRESULT CaptureHostAndCursor() override { return Made("CaptureHostAndCursor"); }
  HRESULT DisplayCmenu(int menuMode) override { return Made("DisplayCmenu(" + std::to_string(menuMode) + ")"); }
  HRESULT CLoadMenu() override {
    LoadMenuLine();
    return Made("CLoadMenu");
  }
  HRESULT RemoveAllMarkers() override { return Made("RemoveAllMarkers"); }

 private:
  HRESULT Made(const std::string& name) {
    made.push_back(name);
    return S_OK;
  }
};

// Root, a paragraph, and a marker inside it around `word`; the caret in the
// marker.
struct MarkerDocument {
  ElementHost host;
  int para = 0;
  int marker = 0;
  explicit MarkerDocument(const std::string& kesta = "0103use/apply", const std::string& word = "utilize") {
    Finding.Reset();
    Cursor.Reset();
    host.Add("doc");
    para = host.Add("para", 0, "<para>Do not " + word + " it.</para>");
    marker = host.Add("_touchup", para,
                      "<?Pub _touchup Kesta=\"" + kesta + "\" HighltBckclr=\"6699FF\"?>" + word + "</_touchup>");
    host.elements[static_cast<std::size_t>(marker)].kesta = kesta;
    host.caret = marker;
    host.answers["oid_attr(oid_caret(),\"Kesta\");"] = kesta;
  }
};
