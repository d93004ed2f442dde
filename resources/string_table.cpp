#include "resources/string_table.h"

namespace {
struct StringEntry {
  unsigned id;
  const char* text;
};

const StringEntry kStrings[] = {
    {.id = IDS_DOCUMENT_MODE_POSITION_2, .text = "Failed in Document Mode - position 2."},
    {.id = IDS_ACL_FAILED,
     .text = "One of the Arbortext ACL functions failed to activate.\nContact " KESTA_SUPPORT_ADDRESS
             " for advice."},
    {.id = 112, .text = "%1 : WRONG CHOICE"},
    {.id = 113, .text = "%1 : AWKWARD"},
    {.id = 114, .text = "%1 : AGREEMENT"},
    {.id = 115, .text = "%1 : DELETE"},
    {.id = 116, .text = "%1 : MEASUREMENT"},
    {.id = 117, .text = "%1   CHANGE-TO-VERB"},
    {.id = 118, .text = "%1 : PRODUCT LIABILITY"},
    {.id = 119, .text = "%1 : NUMBER"},
    {.id = 120, .text = "%1 : ABBREVIATION"},
    {.id = 121, .text = "%1 : APOSTROPHE"},
    {.id = 122, .text = "%1 : SPELLING"},
    {.id = 123, .text = "%1 : PRONOUN"},
    {.id = 124, .text = "%1 : TRANSLATION"},
    {.id = 125, .text = "%1 : TERMINOLOGY"},
    {.id = 126, .text = "%1 : PHRASAL VERB"},
    {.id = 127, .text = "%1 : CAPITALIZATION"},
    {.id = 128, .text = "%1 : HYPHEN"},
    {.id = 129, .text = "%1 : COMMA"},
    {.id = 130, .text = "%1 : PREFIX-SUFFIX"},
    {.id = 131, .text = "%1 : MISSING REFERENCE"},
    {.id = 132, .text = "%1 : REPHRASE"},
    {.id = 133, .text = "%1 : CHANGE-TO_NOUN"},
    {.id = 134, .text = "%1 : NAME-LABEL"},
    {.id = 135, .text = "%1   WRONG MEANING"},
    {.id = 136, .text = "%1 : NOT-IN-DICTIONARY"},
    {.id = 137, .text = "%1 : STYLE"},
    {.id = 138, .text = "%1 : ADJECTIVE"},
    {.id = 139, .text = "SENT.  LENGTH:  %2 from <%1>."},
    {.id = 140, .text = "%1 : PARALLEL"},
    {.id = 141, .text = "%1 : PASSIVE VOICE"},
    {.id = 142, .text = "%1 : PREPOSITION"},
    {.id = 143, .text = "%1 : THAT-WHICH"},
    {.id = 144, .text = "%1 : ADVERB"},
    {.id = 145, .text = "%1 :  NEGATIVE"},
    {.id = 146, .text = "%1 : VERB TENSE"},
    {.id = 147, .text = "%1 : WORD CLUSTER"},
    {.id = 148, .text = "%1 : PUNCTUATION"},
    {.id = 149, .text = "%1 : GERUND"},
    {.id = 150, .text = "%1 : WRONG CHOICE"},
    {.id = 151, .text = "%1: LONG PARAGRAPH (STE-100 rule)"},
    {.id = 156, .text = "%1 : WRONG VERB"},
    {.id = 159, .text = "%1 : PRODUCT LIABILITY (say what to do)"},
    {.id = IDS_DOCUMENT_MODE_POSITION_3, .text = "Failed in Document Mode - position 3."},
    {.id = IDS_DOCUMENT_MODE_POSITION_4, .text = "Failed in Document Mode - Position 4."},
    {.id = IDS_ACL_DOCUMENT_MODE, .text = "Report to ORVANE that an ACL error occurred in Document mode."},
};
}  // namespace

const char* LoadStringResource(unsigned id) {
  for (const StringEntry& e : kStrings)
    if (e.id == id) return e.text;
  return nullptr;
}
