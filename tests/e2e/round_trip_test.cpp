// Check, then close: every corpus document and every sample comes back byte
// for byte, apart from the corrections the check makes on purpose, and no
// finding is lost on the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/e2e/sample_check.h"
#include "tests/support/corpus.h"

namespace {

namespace fs = std::filesystem;

// The documents; a corpus folder that is missing stands in the list itself,
// so that its test skips and says so instead of passing unseen.
std::vector<std::string> Documents() {
  std::vector<std::string> files;
  for (const fs::path& folder : {CorpusDir() / "dita", CorpusDir() / "s1000d", CorpusDir() / "docbook",
                                 fs::path(KESTA_SOURCE_DIR) / "data" / "samples"}) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) files.push_back(folder.string());
    for (const auto& entry : fs::directory_iterator(folder, ec))
      if (entry.is_regular_file()) files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Tokens of a saved document: a tag, comment or instruction whole; a
// reference; a word (letters, digits, '-' and '\''); a run of blanks; any
// other character alone.
std::vector<std::string> Tokens(const std::string& xml) {
  auto word = [](unsigned char c) { return std::isalnum(c) || c == '-' || c == '\'' || c >= 0x80; };
  auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  std::vector<std::string> out;
  for (std::size_t i = 0, end = 0; i < xml.size(); i = end) {
    const unsigned char c = static_cast<unsigned char>(xml[i]);
    end = i + 1;
    if (c == '<') {
      end = std::min(xml.find('>', i), xml.size() - 1) + 1;
    } else if (c == '&' && xml.find(';', i) - i < 40) {
      end = xml.find(';', i) + 1;
    } else if (word(c) || blank(c)) {
      while (end < xml.size() && (word(c) ? word(xml[end]) : blank(xml[end]))) ++end;
    }
    out.push_back(xml.substr(i, end - i));
  }
  return out;
}

bool Blank(const std::string& t) { return std::isspace(static_cast<unsigned char>(t[0])); }

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool IsArticle(const std::string& w) { return w == "a" || w == "an" || w == "the"; }

// A number written in words ("five", "twelve", "twenty-five") as its
// value; -1 for anything else.
int NumberWords(const std::string& word) {
  static const std::vector<std::string> names = {
      "zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "eleven", "twelve",
      "thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty", "thirty",
      "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
  auto value = [](const std::string& w) {
    const auto at = static_cast<int>(std::find(names.begin(), names.end(), w) - names.begin());
    return at >= static_cast<int>(names.size()) ? -1 : at < 20 ? at : 20 + 10 * (at - 20);
  };
  const std::string w = Lower(word);
  const std::size_t dash = w.find('-');
  if (dash == std::string::npos) return value(w);
  const int tens = value(w.substr(0, dash)), unit = value(w.substr(dash + 1));
  return tens >= 20 && tens % 10 == 0 && unit >= 1 && unit <= 9 ? tens + unit : -1;
}

// A sign as the document's encoding holds it: the character itself, or a
// character reference.
bool IsSign(const std::string& s, const char* utf8, unsigned code) {
  return s == utf8 || s == std::string(1, static_cast<char>(code)) || s == "&#" + std::to_string(code) + ";";
}

// "25C" written as "25°C": the digits, the degree sign and the scale letter.
bool DegreeSign(const std::string& before, const std::vector<std::string>& after) {
  std::string a;
  for (const std::string& t : after) a += t;
  if (before.size() < 2 || a.size() <= before.size()) return false;
  const char scale = before.back();
  if (scale != 'C' && scale != 'F') return false;
  const std::string digits = before.substr(0, before.size() - 1);
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
    return false;
  return a.compare(0, digits.size(), digits) == 0 && a.back() == scale &&
         IsSign(a.substr(digits.size(), a.size() - digits.size() - 1), "\xC2\xB0", 176);
}

// A sign added to a word ("pump®").
bool SignAdded(const std::string& before, const std::vector<std::string>& after) {
  std::string a;
  for (const std::string& t : after) a += t;
  if (a.compare(0, before.size(), before) != 0) return false;
  const std::string sign = a.substr(before.size());
  return IsSign(sign, "\xC2\xAE", 174) || IsSign(sign, "\xE2\x84\xA2", 8482);
}

// Units the sample dictionary gives a short form ("millimetre 1717%mm").
std::map<std::string, std::string> UnitShortForms() {
  std::map<std::string, std::string> out;
  std::istringstream in(ReadAll(std::string(KESTA_SOURCE_DIR) + "/tests/data/dictionaries/TEC.txt"));
  for (std::string line; std::getline(in, line);) {
    std::size_t percent = line.find('%');
    std::size_t blank = line.find(' ');
    if (line.empty() || line[0] == '#' || percent == std::string::npos || blank == std::string::npos ||
        line.compare(percent, 2, "%%") == 0)
      continue;
    std::string word = line.substr(0, blank);
    if (!word.empty() && word.back() == '$') word.pop_back();
    out[word] = line.substr(percent + 1);
  }
  return out;
}

// One stretch where the document after the round trip differs: `before`
// from the original, `after` put in its place; `previous` is the word
// before it. True when a correction of the check explains it.
bool IsCorrection(const std::vector<std::string>& before, const std::vector<std::string>& after,
                  const std::string& previous) {
  static const std::map<std::string, std::string> units = UnitShortForms();
  std::vector<std::string> o, a;
  for (auto [from, to] : {std::pair{&before, &o}, std::pair{&after, &a}})
    for (const auto& t : *from) {
      if (t[0] == '<') return false;  // markup never changes
      if (!Blank(t)) to->push_back(t);
    }
  // Articles and "and" are never put in or changed unseen: they are
  // markers' advice. A repeated article is taken out.
  if (a.empty() && o.size() == 1) return IsArticle(Lower(o[0])) && Lower(o[0]) == Lower(previous);
  if (o.size() == 1 && (DegreeSign(o[0], a) || SignAdded(o[0], a))) return true;
  if (o.size() == 1 && a.size() == 1) {
    int number = NumberWords(o[0]);
    if (number >= 0 && a[0] == std::to_string(number)) return true;  // a number in digits
    auto unit = units.find(Lower(o[0]));
    if (unit != units.end() && a[0] == unit->second) return true;  // a unit's short form
  }
  return false;
}

std::string Change(const std::vector<std::string>& x, std::size_t i, std::size_t iEnd,
                   const std::vector<std::string>& y, std::size_t j, std::size_t jEnd, const char* more) {
  std::string o, a;
  for (; i < iEnd; ++i) o += x[i];
  for (; j < jEnd; ++j) a += y[j];
  return "\"" + o + more + "\" became \"" + a + more + "\"";
}

// The stretches where `after` differs from `original`; each must be a
// correction. Empty when all are, else a description of the first that is
// not.
std::string UnexplainedChange(const std::string& original, const std::string& after) {
  const std::vector<std::string> x = Tokens(original);
  const std::vector<std::string> y = Tokens(after);
  constexpr std::size_t kAnchor = 3;
  constexpr std::size_t kReach = 12;
  auto agree = [&](std::size_t i, std::size_t j) {
    for (std::size_t k = 0; k < kAnchor; ++k) {
      if (i + k >= x.size() || j + k >= y.size()) return i + k >= x.size() && j + k >= y.size();
      if (x[i + k] != y[j + k]) return false;
    }
    return true;
  };
  std::size_t i = 0, j = 0;
  std::string previous;
  while (i < x.size() || j < y.size()) {
    if (i < x.size() && j < y.size() && x[i] == y[j]) {
      if (!Blank(x[i])) previous = x[i];
      ++i, ++j;
      continue;
    }
    bool synced = false;
    for (std::size_t reach = 1; reach <= kReach && !synced; ++reach) {
      for (std::size_t di = 0; di <= reach && !synced; ++di) {
        std::size_t dj = reach - di;
        if (i + di > x.size() || j + dj > y.size() || !agree(i + di, j + dj)) continue;
        std::vector<std::string> before(x.begin() + static_cast<long>(i), x.begin() + static_cast<long>(i + di));
        std::vector<std::string> put(y.begin() + static_cast<long>(j), y.begin() + static_cast<long>(j + dj));
        if (!IsCorrection(before, put, previous)) return Change(x, i, i + di, y, j, j + dj, "");
        i += di;
        j += dj;
        synced = true;
      }
    }
    if (!synced) return Change(x, i, std::min(x.size(), i + 8), y, j, std::min(y.size(), j + 8), "...");
  }
  return "";
}

// ASCII text as UTF-16, little end first (or big end first).
std::string Utf16Le(const std::string& ascii, bool bigEndian = false) {
  std::string out;
  for (char c : ascii) {
    if (bigEndian) out += '\0';
    out += c;
    if (!bigEndian) out += '\0';
  }
  return out;
}

class RoundTrip : public SampleCheck {
 protected:
  // Checks `file` and closes the result; the text after both, or a failure.
  std::string CheckThenClose(const std::string& file, std::string* marked = nullptr) {
    std::string markedPath = (dir_.path() / "marked.xml").string();
    std::string backPath = (dir_.path() / "back.xml").string();
    ProgramRun checked = Kesta({"check", file, "-o", markedPath});
    EXPECT_LE(checked.status, 1) << checked.err;
    EXPECT_EQ(checked.err.find("Sanitizer"), std::string::npos) << checked.err;
    EXPECT_EQ(checked.err.find("[status] Not found"), std::string::npos) << checked.err;
    if (file.find("/data/samples/") != std::string::npos) {  // every sample is marked and shows no box
      EXPECT_EQ(checked.err.find("[box"), std::string::npos) << checked.err;
      EXPECT_NE(ReadAll(markedPath).find("<?Pub _touchup Kesta="), std::string::npos);
    }
    ProgramRun closed = Kesta({"call", "CloseKesta", markedPath, "-o", backPath});
    EXPECT_EQ(closed.status, 0) << closed.err;
    EXPECT_EQ(closed.err.find("Sanitizer"), std::string::npos) << closed.err;
    if (marked) *marked = ReadAll(markedPath);
    CountsWhatIsMarked(checked.err, ReadAll(markedPath));
    return ReadAll(backPath);
  }
  // The status lines count the markers in the document: no more (a finding
  // that was not found) and no fewer (a correction made in place has none).
  static void CountsWhatIsMarked(const std::string& err, const std::string& marked) {
    // In the file's encoding (the two UTF-16 forms also match each other
    // one byte apart).
    int markers = 0;
    for (const std::string& open :
         {std::string("_touchup Kesta="), Utf16Le("_touchup Kesta="), Utf16Le("_touchup Kesta=", true)}) {
      int found = 0;
      for (std::size_t at = marked.find(open); at != std::string::npos; at = marked.find(open, at + 1)) ++found;
      markers = std::max(markers, found);
    }
    const std::string messages = "[status] KESta Messages=(";
    std::size_t at = err.rfind(messages);
    int counted = at == std::string::npos ? 0 : std::atoi(err.c_str() + at + messages.size());
    EXPECT_EQ(counted, markers) << err;
    const std::string found = "[status] KESta: Found ";
    at = err.rfind(found);
    if (at != std::string::npos) {
      EXPECT_EQ(std::atoi(err.c_str() + at + found.size()), markers) << err;
    }
    if (err.find("[status] KESta: One error.") != std::string::npos) {
      EXPECT_EQ(markers, 1) << err;
    }
  }
};

// The parts of a file that a writer keeps as written survive the check and
// the close byte for byte: line ends, byte-order mark, CDATA, quoting and
// spacing in tags, the declaration with its encoding, the internal subset.
TEST_F(RoundTrip, EveryPartOfTheFileAsWritten) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const std::string words = "Glorp the pump. Remove the cover.";
  const Case cases[] = {
      {"CRLF line ends", "<?xml version=\"1.0\"?>\r\n<topic>\r\n<p>Glorp the pump.\r\nRemove the cover.</p>\r\n</topic>\r\n"},
      {"byte-order mark", "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<topic><p>" + words + "</p></topic>\n"},
      {"CDATA", "<topic><p>" + words + "</p><p><![CDATA[Glorp <b> & the pump.]]> <![CDATA[]]>Glorp.</p></topic>"},
      {"quoting and spacing in tags",
       "<topic  id='t1' class = \"a\"\n  ><p\toutputclass='x'>" + words + "</p ><br\n/><p/></topic >"},
      {"ISO-8859-1", "<?xml version='1.0' encoding='ISO-8859-1'?>\n<topic><p>Caf\xE9 glorp. " + words + "</p></topic>\n"},
      {"windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<topic><p>Don\x92t glorp. " + words + "</p></topic>\n"},
      {"UTF-16", "\xFF\xFE" + Utf16Le("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<topic><p>" + words + "</p></topic>\n")},
      {"UTF-16 without byte-order mark",
       Utf16Le("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<topic><p>" + words + "</p></topic>\n")},
      {"UTF-16 big end first without byte-order mark",
       Utf16Le("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<topic><p>" + words + "</p></topic>\n", true)},
      {"internal subset",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE topic [\n  <!ENTITY prod \"Fuel Pump\">\n  <!-- it's ] here -->\n"
       "  <!ATTLIST p  outputclass CDATA #IMPLIED>\n]>\n<topic><p outputclass=\"&prod;\">" + words + "</p></topic>\n"},
      {"references and comments",
       "<topic><!-- a  comment --><?app  data ?><p>Glorp &#x41;&#66;&amp;&gt; the&#160;pump&#xD;. " + words + "</p></topic>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string file = dir_.Write("doc.xml", c.bytes);
    std::string marked;
    std::string back = CheckThenClose(file, &marked);
    // The check marked something (in the file's own encoding).
    EXPECT_TRUE(marked.find("Pub _touchup") != std::string::npos ||
                marked.find(Utf16Le("Pub _touchup")) != std::string::npos ||
                marked.find(Utf16Le("Pub _touchup", true)) != std::string::npos)
        << marked;
    EXPECT_TRUE(back == c.bytes) << back;
  }
}

class CorpusRoundTrip : public RoundTrip, public ::testing::WithParamInterface<std::string> {};

TEST_P(CorpusRoundTrip, CheckThenClose) {
  const std::string file = GetParam();
  if (!fs::is_regular_file(file)) GTEST_SKIP() << CorpusMissing(file);
  const std::string original = ReadAll(file);
  const std::string after = CheckThenClose(file);
  EXPECT_EQ(after.find("_touchup"), std::string::npos);
  if (after != original) {
    std::string change = UnexplainedChange(original, after);
    EXPECT_TRUE(change.empty()) << change;
  }
}

INSTANTIATE_TEST_SUITE_P(Documents, CorpusRoundTrip, ::testing::ValuesIn(Documents()),
                         [](const auto& info) {
                           std::string name = fs::path(info.param).stem().string();
                           if (!fs::is_regular_file(info.param)) name = "missing_" + name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name + "_" + std::to_string(info.index);
                         });

}  // namespace
