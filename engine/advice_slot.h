#pragma once
// The place a finding's advice goes into: what stands right before the
// words it replaces, what those words begin and end with, and so what form
// an alternative put there must take.
#include <string_view>

#include "engine/word_rec.h"

struct AdviceSlot {
  // The form (kForm... of inflection.h) of the verb an alternative begins
  // with; -1 where the words replaced are no verb.
  int form = -1;
  // The words replaced are a verb: an alternative noted as a noun ("(n)")
  // does not fit.
  bool verb = false;
  // A form of "be" stands before the words and stays ("is", "are", "’re").
  bool afterBe = false;
  // A modal stands before them ("may", "cannot", "must not", "does not").
  bool afterModal = false;
  // The words replaced begin with a finite "be" ("are running", "is able
  // to"): the alternative takes its place, for the same subject. `number`
  // is the subject's: 1 singular ("is", "was"), 2 plural ("are", "were"),
  // 3 "am"; `be` the form itself.
  bool replacesBe = false;
  int number = 0;
  std::string_view be = {};
  // The words replaced end with "to" before a verb's base form ("allowed
  // to start"): an alternative must end so that the verb can follow it.
  bool beforeBareVerb = false;
  // The words replaced open the sentence: an alternative the rules flag
  // there is a hint. Where they open it with a capital, so does the
  // alternative.
  bool opening = false;
  bool capital = false;
  // The words of the text on either side of the words replaced (the
  // article the tokenizer set aside counts as the word before its word);
  // empty at the sentence's edge.
  std::string_view before = {};
  std::string_view after = {};
  // The word before `before`, empty where there is none.
  std::string_view twoBefore = {};
  // The words replaced begin or end inside a hyphenated word that the
  // check split ("backward" of "backward-compatible"): an alternative put
  // in would leave the rest of the word beside it, so it is a hint.
  bool partOfWord = false;
};

// The slot of the finding on `w` (the first word it covers), whose advice
// is `advice`.
AdviceSlot SlotOf(const WordRec& w, std::string_view advice);
// The same for a finding with `message` that would cover `covers` words
// from `w` on, whatever finding `w` holds now.
AdviceSlot SlotOfFinding(const WordRec& w, int covers, int message, std::string_view advice);

// Verbs of class 28 with the forms they stand for. A modal stands for any
// subject and tense, never after "be" nor as an -ing form.
enum class Aux { Modal, Base, S, Past, Ing };
// What `lower` stands for; Base for "do", "want" and any other word.
Aux AuxOf(std::string_view lower);

// "is", "are", "am", "was", "were", "be", "been", "being".
bool IsBeWord(std::string_view lower);

// The finite forms of "be" and "have": the form each stands for (kForm...)
// and its subject's number (as AdviceSlot::number; 0 any), or false.
bool FiniteForm(std::string_view lower, int* form, int* number);
