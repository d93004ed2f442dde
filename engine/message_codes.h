#pragma once
// Message codes of the checker's findings and the one setter that gives a
// word its message. A code is 300 plus the index of its name in
// MessageClassNames; code - 300 is the message category the markers and
// reports use; 0 means no message.
#include "engine/word_rec.h"

using MessageCode = int;

namespace Msg {
inline constexpr MessageCode None = 0;
inline constexpr MessageCode WrongVerb = 300;
inline constexpr MessageCode WrongChoice = 301;
inline constexpr MessageCode Awkward = 302;
inline constexpr MessageCode Agreement = 303;
inline constexpr MessageCode Delete = 304;
inline constexpr MessageCode Measurement = 305;
inline constexpr MessageCode ChangeToVerb = 306;
inline constexpr MessageCode ProductLiability = 307;
inline constexpr MessageCode Number = 308;
inline constexpr MessageCode Abbreviation = 309;
inline constexpr MessageCode Apostrophe = 310;
inline constexpr MessageCode Spelling = 311;
inline constexpr MessageCode Pronoun = 312;
inline constexpr MessageCode Translation = 313;
inline constexpr MessageCode Terminology = 314;
inline constexpr MessageCode PhrasalVerb = 315;
inline constexpr MessageCode Capitalization = 316;
inline constexpr MessageCode Hyphenation = 317;
inline constexpr MessageCode Comma = 318;
inline constexpr MessageCode PrefixSuffix = 319;
inline constexpr MessageCode MissingReference = 320;
inline constexpr MessageCode Rephrase = 321;
inline constexpr MessageCode ChangeToNoun = 322;
inline constexpr MessageCode NameLabel = 323;
inline constexpr MessageCode WrongMeaning = 324;
inline constexpr MessageCode NotInDictionary = 325;
inline constexpr MessageCode Style = 326;
inline constexpr MessageCode Adjective = 327;
inline constexpr MessageCode SentenceLength = 328;
inline constexpr MessageCode Parallel = 329;
inline constexpr MessageCode PassiveVoice = 330;
inline constexpr MessageCode Preposition = 331;
inline constexpr MessageCode ThatWhich = 332;
inline constexpr MessageCode Adverb = 333;
inline constexpr MessageCode Negative = 334;
inline constexpr MessageCode VerbTense = 335;
inline constexpr MessageCode WordCluster = 336;
inline constexpr MessageCode Punctuation = 337;
inline constexpr MessageCode Gerund = 338;

inline constexpr MessageCode First = WrongVerb;
inline constexpr MessageCode Last = Gerund;
}  // namespace Msg

// Names of the message categories (code - 300). Index 39 is "(NOT USED)",
// index 40 seven blanks; no code maps to either.
inline constexpr int kMessageClassCount = 41;
extern const char* const MessageClassNames[kMessageClassCount];

// The name of a code's category, or null for a code outside 300..338.
const char* MessageClassName(MessageCode code);

// Gives `word` the message `code` with `ruleId`. Any code but SENTENCE
// LENGTH first clears subClass, message and message2; a word whose
// verbForm is 'q' is locked and keeps the rest; SENTENCE LENGTH pushes an
// earlier message into message2 and is refused on words holding digits or
// markup characters. A code outside 300..338 only clears and sets ruleId.
void SetWordMessage(WordRec* word, int code, int ruleId);

// Whether SetWordMessage refuses SENTENCE LENGTH on `word`: its text holds
// a digit or one of the markup characters.
bool RefusesSentenceLength(const WordRec& word);
