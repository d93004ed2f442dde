#pragma once
// The engine passes of a document check over the word list just read:
// classification, the rule passes in their fixed order, and the collection
// of the findings. Returns the number of findings.
int RunDocumentPasses();
