// The marking's reading of finding keys and the texts it sends back to the
// host: arbitrary keys, kinds and categories must never read outside their
// text. Input: kind selector, category, then the key.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "commands/body_text.h"
#include "commands/host_channel.h"
#include "commands/mark_plan.h"
#include "commands/marker_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  MarkInput in;
  in.kind = kFindingKindLetters[data[0] % std::size(kFindingKindLetters)].kind;
  in.category = static_cast<int>(data[1]) - 100;
  in.markerNumber = data[0];
  in.searchKey.assign(reinterpret_cast<const char*>(data + 2), size - 2);
  in.altWord = in.searchKey.substr(0, 8);
  in.suggestion = in.searchKey.substr(in.searchKey.size() / 2);

  MarkWork w;
  if (ReadMarkKey(in, w) == KeyReading::Search) {
    ArticleFix(w);
    DotsForBlanksAndHyphens(w.S);
    ApplyLeadingKeyChar(in, w);
    RefineSearch(in, w);
    std::string text = MarkerTextFromF(w);
    InsertMarkupCommand(MarkerMarkup(KestaValue(in.category, in.markerNumber, w.A),
                                     CategoryColour(in.category), EscapeContent(text)));
    FindText(w.S);
    FindText(w.findF);
  }
  IsRenderedMarker(in.searchKey);
  ProtectAt(in.searchKey);
  BodyFrom(in.searchKey, data[0], in.altWord);
  std::u16string wide;
  for (std::size_t i = 2; i + 1 < size; i += 2) wide.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  WideToAnsiMarkup(wide);
  return 0;
}
