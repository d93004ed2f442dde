#pragma once
// Opens the module's compiled help at a topic.

// Context ids of the help that lie in the help file's own range once 1000 is
// added: 0 to 33, 35 to 39 and 44.
bool IsShiftedHelpTopic(unsigned contextId);

// Opens the help file of the settings at `contextId` (shifted when it is one
// of the topics above); a missing help path gets the Error(72) box.
void ShowHelpTopic(unsigned contextId);
