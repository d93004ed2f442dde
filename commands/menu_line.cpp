#include "commands/menu_line.h"

#include <cctype>

#include "commands/finding_state.h"
#include "engine/ascii_text.h"
#include "resources/string_table.h"

namespace {
struct MenuLineRow {
  int category;
  unsigned stringId;
};

// Categories without a row, 39 among them, take IDS_MENU_OTHER_CATEGORY.
constexpr MenuLineRow kMenuLines[] = {
    {.category = 0, .stringId = 156},  {.category = 1, .stringId = 112},
    {.category = 2, .stringId = 113},  {.category = 3, .stringId = 114},
    {.category = 4, .stringId = 115},  {.category = 5, .stringId = 116},
    {.category = 6, .stringId = 117},  {.category = 7, .stringId = 118},
    {.category = 8, .stringId = 119},  {.category = 9, .stringId = 120},
    {.category = 10, .stringId = 121}, {.category = 11, .stringId = 122},
    {.category = 12, .stringId = 123}, {.category = 13, .stringId = 124},
    {.category = 14, .stringId = 125}, {.category = 15, .stringId = 126},
    {.category = 16, .stringId = 127}, {.category = 17, .stringId = 128},
    {.category = 18, .stringId = 129}, {.category = 19, .stringId = 130},
    {.category = 20, .stringId = 131}, {.category = 21, .stringId = 132},
    {.category = 22, .stringId = 133}, {.category = 23, .stringId = 134},
    {.category = 24, .stringId = 135}, {.category = 25, .stringId = 136},
    {.category = 26, .stringId = 137}, {.category = 27, .stringId = 138},
    {.category = 28, .stringId = 139}, {.category = 29, .stringId = 140},
    {.category = 30, .stringId = 141}, {.category = 31, .stringId = 142},
    {.category = 32, .stringId = 143}, {.category = 33, .stringId = 144},
    {.category = 34, .stringId = 145}, {.category = 35, .stringId = 146},
    {.category = 36, .stringId = 147}, {.category = 37, .stringId = 148},
    {.category = 38, .stringId = 149}, {.category = 40, .stringId = 151},
};

constexpr int kProductLiability = 7;

}  // namespace

int RemapMenuCategory(int category, std::string_view flaggedText) {
  if (category == 24) return flaggedText.substr(0, 1) == "," ? 6 : 24;
  if (category == 44) category = 34;
  if (category == 45) category = 6;
  if (category == 15 && flaggedText.find_first_of("/;:") != std::string_view::npos) category = 24;
  return category;
}

unsigned MenuLineStringId(int category, std::string_view flaggedText) {
  if (category == kProductLiability &&
      (EqualsNoCase(flaggedText, "do") || EqualsNoCase(flaggedText, "did")))
    return IDS_MENU_DO_DID;
  for (const MenuLineRow& row : kMenuLines)
    if (row.category == category) return row.stringId;
  return IDS_MENU_OTHER_CATEGORY;
}

std::string FormatMenuLine(std::string_view text, std::string_view first, std::string_view second) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += text[i + 1] == '1' ? first : second;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void LoadMenuLine() {
  const std::string word = Finding.CurrentMarkedWord.str();
  Finding.ContextMenuText.clear();
  Finding.CurrentCategory = RemapMenuCategory(Finding.CurrentCategory, word);
  unsigned id = MenuLineStringId(Finding.CurrentCategory, word);
  const char* text = LoadStringResource(id);
  std::string line = FormatMenuLine(text ? text : "", word, std::to_string(Finding.CurrentMarkerNumber));
  Finding.ContextMenuText.assign(line);  // a longer line is cut at 255 characters
}

std::vector<std::string> SplitSuggestions(std::string_view advice) {
  std::string text(advice);
  bool fraction = text.find('/') != std::string::npos && !text.empty() &&
                  std::isdigit(static_cast<unsigned char>(text[0]));
  if (fraction) text[text.find('/')] = '~';
  std::vector<std::string> pieces;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('/', at);
    if (end == std::string::npos) end = text.size();
    if (end > at) pieces.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  if (fraction && !pieces.empty())
    for (char& c : pieces.front())
      if (c == '~') c = '/';
  return pieces;
}
