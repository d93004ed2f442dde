#include "engine/word_tables.h"

#include <iterator>
#include <string_view>

#include "engine/ascii_text.h"

namespace {

struct Abbreviation {
  std::string_view word;
  int result;
};

// Whole words, full stop included. The months, the day and "vol" are written
// with their stop, as the tokenizer looks every word up with it.
constexpr Abbreviation kAbbreviations[] = {
    {"etc.", 100},  {"e.g.", 100},   {"approx.", 100}, {"Max.", 100},  {"min.", 100},
    {"i.e.", 100},  {"in.lb.", 100}, {"ref.", 100},    {"rev.", 100},  {"rel.", 100},
    {"vs.", 100},   {"Feb.", 100},   {"Fri.", 100},    {"Oct.", 100},  {"vol.", 100},

    {"a.m.", 99},   {"Apr.", 99},    {"a.c.", 99},     {"Aug.", 99},   {"Ave.", 99},
    {"kg.", 99},    {"Mar.", 99},    {"Mon.", 99},     {"msec.", 99},  {"mfg.", 99},
    {"lbs.", 99},   {"llc.", 99},    {"lbf.in.", 99},  {"lb.", 99},    {"ltd.", 99},
    {"Jan.", 99},   {"Jul.", 99},    {"Jun.", 99},     {"inc.", 99},   {"ft.", 99},
    {"fig.", 99},   {"deg.", 99},    {"D.C.", 99},     {"Dec.", 99},   {"dia.", 99},
    {"co.", 99},    {"corp.", 99},   {"cu.in.", 99},   {"Cat.", 99},   {"cu.", 99},
    {"N.m.", 99},   {"Nos.", 99},    {"Nov.", 99},     {"No.", 99},    {"psig.", 99},
    {"p.m.", 99},   {"psi.", 99},    {"pt.", 99},      {"pty.", 99},   {"Rd.", 99},
    {"s.i.", 99},   {"sq.", 99},     {"Sat.", 99},     {"Sun.", 99},   {"Sept.", 99},
    {"Tue.", 99},   {"Thu.", 99},    {"Tel.", 99},     {"U.S.A.", 99}, {"U.K.", 99},
    {"U.S.", 99},   {"Wed.", 99},    {"danN.m", 99},
};
static_assert(std::size(kAbbreviations) == 63 + 5);

// Compared by their own length, hyphen included.
constexpr std::string_view kPrefixes[] = {
    "auto-", "anti-", "bi-",   "co-",   "cu-",   "de-",  "dis-",   "ex-",  "high-",
    "hi-",   "in-",   "kilo-", "low-",  "lo-",   "micro-", "mini-", "max-", "mid-",
    "maxi-", "nano-", "non-",  "no-",   "over-", "on-",  "off-",   "pre-", "pro-",
    "post-", "quad-", "re-",   "sq-",   "sub-",  "self-", "tri-",  "un-",  "uni-",
};
static_assert(std::size(kPrefixes) == 36);

// Entries are grouped by their first letter; others are passed over.
bool SameFirst(std::string_view entry, std::string_view word) {
  return !entry.empty() && !word.empty() &&
         AsciiLower(static_cast<unsigned char>(entry[0])) ==
             AsciiLower(static_cast<unsigned char>(word[0]));
}

}  // namespace

int IsKnownAbbreviation(const char* word) {
  std::string_view w = word ? std::string_view(word) : std::string_view();
  for (const Abbreviation& e : kAbbreviations)
    if (SameFirst(e.word, w) && EqualsNoCase(w, e.word)) return e.result;
  return -1;
}

int IsKnownPrefix(const char* word) {
  std::string_view w = word ? std::string_view(word) : std::string_view();
  for (std::string_view e : kPrefixes)
    if (SameFirst(e, w) && StartsWithNoCase(w, e)) return 1;
  return -1;
}
