#pragma once
// The bundled default dictionaries as the check loads them, and the verdict
// on the words that the check may give as advice.
#include <string>
#include <vector>

// Loads TEC, STE and SYN from the build's default custom folder; a fatal
// failure when one does not load.
void LoadBundled();

struct UnapprovedWord {
  std::string written;
  bool found;   // a dictionary holds it, but the check flags it
  int message;  // the message it is flagged with
};

// The words of an advised text that the check would not accept: each word
// looked up as the check meets it (a phrase of the dictionaries takes the
// words after its first one into its record), and kept when no dictionary
// holds it or the check flags it (a synonym entry, a phrasal verb the check
// marks; "make sure" is the one such phrase the check then accepts).
std::vector<UnapprovedWord> UnapprovedWords(const std::vector<std::string>& words);

// "no dictionary holds" or "is flagged (message N)".
std::string Why(const UnapprovedWord& word);
