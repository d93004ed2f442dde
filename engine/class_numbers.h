#pragma once
// Names for the word classes that `WordRec::wordClass` holds. The rules of a
// class are chosen by this number; tables and tests name it here instead of
// writing the bare number.
namespace Cls {
// Nouns (10 to 19; "below 20" is the test for any noun class).
inline constexpr int Noun = 10;
inline constexpr int NounPlural = 11;
inline constexpr int Noun12 = 12;  // nouns without rules of their own
inline constexpr int Noun13 = 13;
inline constexpr int Noun14 = 14;
inline constexpr int ProperNoun = 15;
inline constexpr int MaterialNoun = 16;
inline constexpr int Unit = 17;
inline constexpr int Nomenclature = 18;
inline constexpr int NomenclaturePlural = 19;
inline constexpr int FirstNonNoun = 20;
// Verbs.
inline constexpr int Verb = 20;
inline constexpr int VerbS = 21;
inline constexpr int VerbEd = 22;
inline constexpr int VerbIng = 23;
inline constexpr int Be = 24;
inline constexpr int Have = 25;
inline constexpr int Verb26 = 26;  // no rules
inline constexpr int Been = 27;
inline constexpr int Modal = 28;
inline constexpr int Negation = 29;  // "not"
// Adjectives and their kin.
inline constexpr int Adjective = 30;
inline constexpr int Participle = 31;  // past participle used as an adjective
inline constexpr int Colour = 32;
inline constexpr int Adjective33 = 33;  // judged by the function-word rules
inline constexpr int Comparative = 34;
inline constexpr int Superlative = 35;
inline constexpr int Class36 = 36;  // no rules
inline constexpr int QuantifierSingular = 37;
inline constexpr int Determiner = 38;  // "all", "other"
inline constexpr int ProperName = 39;
// Tokens and punctuation.
inline constexpr int Neutral = 40;
inline constexpr int Class41 = 41;  // no rules
inline constexpr int InnerPunctuation = 42;  // ':' ';' '/'
inline constexpr int LeftRight = 43;
inline constexpr int Inch = 44;  // the word after "in" read as an inch unit
inline constexpr int ShortForm = 45;  // "max", "min"
inline constexpr int ByNeighbours = 46;
inline constexpr int Comma = 47;
inline constexpr int SentenceEnd = 48;
inline constexpr int Number = 49;
// Function words.
inline constexpr int Adverb = 50;
inline constexpr int Adverb51 = 51;
inline constexpr int Adverb52 = 52;
inline constexpr int Adverb53 = 53;
inline constexpr int As = 54;
inline constexpr int Adverb55 = 55;
inline constexpr int Adverb56 = 56;
inline constexpr int Adverb57 = 57;
inline constexpr int Adverb58 = 58;
inline constexpr int Class59 = 59;
inline constexpr int Preposition = 60;
inline constexpr int Particle = 61;
inline constexpr int ButBecause = 62;  // "but", "because", "so"
inline constexpr int AndOr = 63;
inline constexpr int Article = 64;
inline constexpr int ForBy = 65;
inline constexpr int Pronoun = 66;
inline constexpr int Of = 67;  // "of", "from", "their", "some"
inline constexpr int To = 68;
inline constexpr int Relative = 69;  // "which", "that", "who"
inline constexpr int TimeConjunction = 70;
inline constexpr int So = 71;
inline constexpr int Class72 = 72;
inline constexpr int About = 73;  // "about", "above", "around", "then"
inline constexpr int With = 74;
inline constexpr int PlacePreposition = 75;  // "in" and its kin
inline constexpr int Demonstrative = 76;
inline constexpr int NoNever = 77;
inline constexpr int FirstPerson = 78;
inline constexpr int Class79 = 79;
inline constexpr int Command = 80;
}  // namespace Cls
