#pragma once
// Environment variables, read from the real environment.
#include <string>

// True and the value when the variable is set (an empty value counts as set).
bool GetEnvVar(const char* name, std::string* value);
