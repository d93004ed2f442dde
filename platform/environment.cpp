#include "platform/environment.h"

#include <cstdlib>

bool GetEnvVar(const char* name, std::string* value) {
  const char* v = std::getenv(name);
  if (!v) return false;
  if (value) *value = v;
  return true;
}
