#pragma once
// The user's profile folder, where the report files go: $KESTA_PROFILE when
// set (for tests), else $HOME. Made when it is missing.
#include <string>

// True and the folder (no separator at its end); false with the system's
// error number when there is no such folder and it cannot be made (or
// neither variable names one).
bool GetProfileFolder(std::string* folder, int* error);

// The folder and a file name joined with '/'.
std::string ProfilePath(const std::string& folder, const std::string& name);
