#include "platform/environment.h"

#include <cstdlib>

#include "platform/files.h"
#include "platform/wide_text.h"

bool GetNativeEnvVar(const char* name, std::string* value) {
  const char* v = std::getenv(name);
  if (!v) return false;
  if (value) *value = v;
  return true;
}

bool GetEnvVar(const char* name, std::string* value) {
  if (!GetNativeEnvVar(name, value)) return false;
  if (value) {
    // The module's environment names folders (APTCUSTOM): its paths below
    // them are found again.
    NoteGivenPath(*value);
    *value = Utf8ToAnsi(*value);
  }
  return true;
}
