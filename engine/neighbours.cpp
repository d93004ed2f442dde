#include "engine/neighbours.h"

namespace {
WordRec MakeNoWord() {
  WordRec w;
  w.classCode.clear();
  w.wordClass = 0;
  w.entryWords = 0;
  w.weight = 0;
  w.splitKind = '\0';
  w.caseFlag = '\0';
  w.markFlag = '\0';
  w.separatorFlag = '\0';
  w.dictMarker = '\0';
  w.verbForm = '\0';
  w.extraFlag = '\0';
  w.pluralMarker = '\0';
  return w;
}
}  // namespace

const WordRec& NoWord() {
  static const WordRec none = MakeNoWord();
  return none;
}
