#include "quality/not_found_list.h"

#include <algorithm>
#include <cctype>

#include "engine/ascii_text.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "platform/bounded_text.h"
#include "platform/wide_text.h"
#include "quality/quality_stats.h"

namespace {
constexpr std::size_t kFieldWidth = 25;

// At most 24 characters, padded with blanks to 25. A letter the code page
// could not hold shows as the system's conversion shows it.
std::string Field(std::string_view text) {
  std::string out(text.substr(0, kFieldWidth - 1));
  ShowSubstitutes(out);
  out.resize(kFieldWidth, ' ');
  return out;
}

std::string WithoutBlanksLower(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The word field of an entry already listed (between its first and last
// tab, less the last character) names the same word.
bool AlreadyListed(const std::string& word) {
  const std::string key = WithoutBlanksLower(word);
  for (const std::string& entry : NotFoundList.entries) {
    std::size_t first = entry.find('\t');
    std::size_t last = entry.rfind('\t');
    if (first == std::string::npos || last <= first + 1) continue;
    std::string listed = entry.substr(first + 1, last - first - 2);
    if (AsciiLower(static_cast<unsigned char>(entry[first + 1])) == AsciiLower(static_cast<unsigned char>(word[0])) &&
        WithoutBlanksLower(listed) == key)
      return true;
  }
  return false;
}
}  // namespace

std::vector<NotFoundRow> CollectNotFoundWords(const WordRec* head) {
  NotFoundList.entries.clear();
  std::vector<NotFoundRow> rows;
  for (const WordRec* w = head; !AtEnd(w); w = w->next) {
    if (w->message != Msg::NotInDictionary || w->text.length() < 3) continue;
    std::string_view text = w->text.view();
    NotFoundRow row;
    row.word = Field(text.substr(0, text.find(' ')));
    // The sentinel that ends the text is no right context.
    const WordRec* next = w->next;
    row.right = Field(!AtEnd(next) && next->length > 2 ? next->written.view() : std::string_view());
    const WordRec* prev = w->prev;
    bool leftWord = w->sentencePos > 0 && prev && !IsAsciiPunct(static_cast<unsigned char>(prev->text[0]));
    row.left = Field(leftWord ? prev->written.view() : std::string_view());
    if (AlreadyListed(row.word)) continue;
    NotFoundList.entries.push_back("Ref(" + std::to_string(rows.size() + 1) + ")  " + row.left + "\t" +
                                   row.word + "\t" + row.right + "\r\n");
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string NotFoundReportText(const std::vector<std::string>& entries) {
  std::string text = "<<<  List of Words or terms Not Found in the Dictionaries  <<<\r\n";
  for (const std::string& e : entries) text += e;
  return text;
}
