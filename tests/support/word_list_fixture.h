#pragma once
// Builds the module-wide word list from a compact description, and dumps the
// fields that a rule changed, for the tests of every rule pass.
//
//   TestWords words({{"switched", 22}, {"off", 61}, {".", 48}});
//   CheckOffPhrase(words["off"]);
//   EXPECT_EQ(words.Changes(), "off: message=323 ruleId=8466 ...");
//
// Each record is described by its written form, its class, and optionally its
// class code and a flags string of "name=value" items separated by blanks:
//   mark=1 case=2 split=4 token=9 sub=80 msg=325 msg2=330 rule=4152 pos=3
//   weight=2 end=1 len=5 verb=q extra=* sep=S dict=^ plural=7 last=s aside=1
//   tag=<AR> sug=text text=lower entry=2 sentlen=4
// The text is the written form, lower-cased when it begins with a capital,
// and the case flag follows the written form as the tokenizer sets them.
// Positions count from 0 and start again after each word of class 48. A
// sentinel "@@END" (class 40) ends the list unless `sentinel` is false.
// Plain words of class 40 may be given by their written forms alone:
//   TestWords words({"valve", "seat", "."});
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/word_rec.h"

struct WordSpec {
  const char* written;
  int wordClass = 40;
  const char* classCode = nullptr;  // null: "D****"
  const char* flags = "";
};

class TestWords {
 public:
  TestWords(std::initializer_list<WordSpec> specs, bool sentinel = true);
  TestWords(std::initializer_list<const char*> written, bool sentinel = true);
  TestWords(const std::vector<WordSpec>& specs, bool sentinel = true);
  // An empty text: the sentinel alone.
  TestWords() : TestWords(std::initializer_list<WordSpec>{}) {}
  ~TestWords();
  TestWords(const TestWords&) = delete;
  TestWords& operator=(const TestWords&) = delete;

  WordRec* head() const { return WordList.head; }
  // The i-th record as built (it may since have been unlinked by a rule).
  WordRec* at(std::size_t i) const { return built_.at(i); }
  // The first record in the list now whose written form is `written`
  // (the `nth` one when there are several); throws when missing.
  WordRec* operator[](std::string_view written) const { return Find(written, 0); }
  WordRec* Find(std::string_view written, int nth) const;
  // The i-th record of the list now (null past its end), and how many
  // records the list holds now, the sentinel included.
  WordRec* Nth(std::size_t i) const;
  std::size_t Size() const;

  // Remembers every record's fields; Changes() reports against it.
  void Snapshot();
  // One line per record whose fields differ from the snapshot taken when the
  // list was built (or by Snapshot()): "written: field=value ...". New records
  // read "+written: ..." with their set fields, vanished ones "-written".
  std::string Changes() const;
  // The written forms of the list now, joined with blanks.
  std::string Written() const;

 private:
  void Build(const WordSpec* specs, std::size_t count, bool sentinel);

  struct Saved {
    const WordRec* rec;
    WordRec fields;
  };
  std::vector<WordRec*> built_;
  std::vector<Saved> saved_;
};

// The fields of `after` that differ from `before`, as "field=value" items.
std::string DiffFields(const WordRec& before, const WordRec& after);

// A lone record outside the list, for functions that never look at
// neighbours: text and written form `text`, its length and last letter.
WordRec LoneWord(const char* text);
