#pragma once
// How a rule hands the walk back: the one outcome type of both rule
// families. Every class body, gate and table row ends in one of these; the
// walk (ResumeWord, rules/common/rule_context.h) applies its effect and
// names the word after which the walk goes on. That word never lies beyond
// the end record.
#include <cstdint>

enum class Walk : std::uint8_t {
  Next,         // nothing more: the walk goes on with the next word
  PassNext,     // the next word is not examined
  PassTwo,      // the next two words are not examined
  SkipCovered,  // SkipCoveredWords on the current word; the walk goes on after the last covered word
  Clear,        // the current word's subClass, message2 and message become 0; then the next word
  ClearNext,    // the next word's subClass, message2 and message become 0; then the next word
  NeutralNext,  // the next word becomes class 40 and is not examined
  Neutral,      // the current word becomes class 40; then the next word
};
