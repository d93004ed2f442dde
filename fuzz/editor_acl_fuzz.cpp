// Arbitrary ACL text, evaluated and executed on a loaded document: no
// crash, overrun or leak, and whatever the text did, the document saves as
// XML that reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editor/editor.h"
#include "fuzz/round_trip.h"
#include "platform/scripted_interaction.h"
#include "platform/wide_text.h"

namespace {

constexpr const char* kDocument =
    "<?xml version=\"1.0\"?>\n"
    "<!DOCTYPE task SYSTEM \"task.dtd\">\n"
    "<task id=\"t1\"><title>Replace the pump &trade;</title>"
    "<taskbody><context><p>Do not open the valve; it is hot.</p></context>"
    "<?KESSTA STE=green:SIX SIGMA#1:1:2026-1:1-ABCD?>"
    "<steps><step><cmd>Close the <uicontrol>valve</uicontrol> slowly.</cmd></step>"
    "<step><cmd>Remove <?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>the"
    "<?Pub /_touchup?> pump.</cmd></step></steps>"
    "<table><tgroup cols=\"1\"><row><entry>a &lt; b</entry></row></tgroup></table>"
    // What the saved file keeps as written: quoting, CDATA, line ends,
    // references, tags written empty.
    "<p outputclass='x' >Clean<![CDATA[ the <valve> ]]]]><![CDATA[>]]>now]]&gt;\r\n"
    "<b a='1' /> &#xAD;x</p>"
    "</taskbody></task>\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ScriptedInteraction ui;  // questions are dismissed, status lines kept here
  editor::Editor e;
  std::string error;
  if (!e.LoadText(kDocument, "fuzz.xml", &error, "/nonexistent/fuzz.xml")) std::abort();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  // One call per line: '?' evaluates the rest, '!' executes it as wide
  // text, anything else executes the line as it is.
  std::size_t start = 0;
  for (int calls = 0; start < input.size() && calls < 64; ++calls) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    std::string_view line = input.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.front() == '?') {
      std::string result;
      e.Evaluate(line.substr(1), &result);
    } else if (!line.empty() && line.front() == '!') {
      e.Execute(Bstr(Utf8ToWide(line.substr(1))));
    } else {
      e.Execute(line);
    }
  }
  CheckSavedTextReadsBack(e);
  return 0;
}
