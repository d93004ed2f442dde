// Arbitrary bytes to the XML loader: no crash, overrun or leak; a refused
// document says why; an accepted one saves as the bytes it was read from
// (when its text could be kept), walks, and saves as XML that reads back
// the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editor/editor.h"
#include "fuzz/round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  editor::Editor e;
  std::string error;
  if (!e.LoadText(bytes, "fuzz.xml", &error)) {
    if (error.find("fuzz.xml") == std::string::npos) std::abort();
    return 0;
  }
  // Nothing edited: a document whose text was kept saves as the very bytes.
  if (e.State().doc.source.kept && e.SaveText() != bytes) {
    std::fprintf(stderr, "saved text differs from the bytes read:\n%s\n", e.SaveText().c_str());
    std::abort();
  }
  std::string id;
  e.Evaluate("oid_first()", &id);
  for (int steps = 0; id != "(0,0,0)" && steps < 10000; ++steps) {
    std::string name;
    e.Evaluate("oid_name('" + id + "')", &name);
    e.Evaluate("oid_forward('" + id + "')", &id);
  }
  e.Execute("oid_select(oid_last())");
  std::string selection;
  e.Evaluate("$selection", &selection);
  CheckSavedTextReadsBack(e);
  return 0;
}
