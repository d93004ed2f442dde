#include "platform/environment.h"

#include <cstdlib>

#include "platform/wide_text.h"

bool GetNativeEnvVar(const char* name, std::string* value) {
  const char* v = std::getenv(name);
  if (!v) return false;
  if (value) *value = v;
  return true;
}

bool GetEnvVar(const char* name, std::string* value) {
  if (!GetNativeEnvVar(name, value)) return false;
  if (value) *value = Utf8ToAnsi(*value);
  return true;
}
