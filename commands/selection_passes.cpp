#include "commands/selection_passes.h"

#include <string>

#include "commands/check_state.h"
#include "engine/tokenizer.h"
#include "engine/word_rec.h"
#include "rules/engine_passes.h"

int RunSelectionPasses() {
  FreeWordList(WordList.head);
  WordList.Forget();
  // The scan writes into its text; ElementText stays as it was read.
  std::string text = Check.elementText.str();
  TokenizeText(text.data(), 0, 3);
  Check.checkedTextLead = 0;  // the marking starts where the text does
  if (!WordList.head) return -1;
  return RunEnginePasses(CheckScope::Selection);
}
