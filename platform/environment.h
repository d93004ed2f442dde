#pragma once
// Environment variables, read from the real environment.
#include <string>

// True and the value when the variable is set (an empty value counts as
// set), in the module's code page, as its home platform gives it: a letter
// the code page cannot hold becomes '?'.
bool GetEnvVar(const char* name, std::string* value);

// The same as the system holds it (UTF-8), for the platform itself and the
// programs that load the module.
bool GetNativeEnvVar(const char* name, std::string* value);
