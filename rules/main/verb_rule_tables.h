#pragma once
// The rows of the verbs of classes 20 and 21: the phrase table of a verb
// that opens its sentence, and the trigger rows of the verbs inside a
// sentence, one table per first letter, with the tests and writes they
// share. In a trigger table each verb's rows stand together, in the order
// they are tried, and a row with the verb alone ends its chain: a verb that
// matched none of its own rows goes no further.
#include <span>

#include "rules/common/rule_row.h"

// The phrase table of a sentence-opening verb.
std::span<const RuleRow> VerbOpenerRows();

// The trigger rows of the verbs whose text begins with `letter`; empty for
// a letter that has none.
std::span<const RuleRow> VerbTriggerRows(char letter);
std::span<const RuleRow> VerbRowsA();
std::span<const RuleRow> VerbRowsB();
std::span<const RuleRow> VerbRowsC();
std::span<const RuleRow> VerbRowsD();
std::span<const RuleRow> VerbRowsE();
std::span<const RuleRow> VerbRowsF();
std::span<const RuleRow> VerbRowsG();
std::span<const RuleRow> VerbRowsH();
std::span<const RuleRow> VerbRowsI();
std::span<const RuleRow> VerbRowsK();
std::span<const RuleRow> VerbRowsL();
std::span<const RuleRow> VerbRowsM();
std::span<const RuleRow> VerbRowsN();
std::span<const RuleRow> VerbRowsO();
std::span<const RuleRow> VerbRowsP();
std::span<const RuleRow> VerbRowsR();
std::span<const RuleRow> VerbRowsS();
std::span<const RuleRow> VerbRowsT();
std::span<const RuleRow> VerbRowsU();

// The trigger rules of a verb inside its sentence: the steps that are no
// rows, then the table of its first letter.
Walk ApplyVerbTriggers(RuleContext& c);

namespace verb_rows {

// The verb's form: the -s form of the sentence's last verb (verbIsSForm),
// or, for the few verbs that ask for it, the verb's own class 21.
bool SForm(const RuleContext& c);
bool BaseForm(const RuleContext& c);
bool ClassS(const RuleContext& c);
bool ClassBase(const RuleContext& c);
bool VerbMarked(const RuleContext& c);
bool NextMarked(const RuleContext& c);

// Writes on the word that gets the row's finding.
void MakeNoun(RuleContext& c, WordRec& t);         // class 10
void MakeNeutral(RuleContext& c, WordRec& t);      // class 40
void MakeParticiple(RuleContext& c, WordRec& t);   // class 31
void VerbCoversTwo(RuleContext& c, WordRec& t);    // the verb's entryWords 2

}  // namespace verb_rows
