#pragma once
// The registry stand-in: a text file of values that a server writes when it
// registers itself and that clients read to find a class by its ProgID.
//
// One value a line: "KEY = VALUE" for a key's default value and
// "KEY : NAME = VALUE" for a named value; keys are paths such as
// "CLSID\{...}\InprocServer32" and compare without regard to case, as the
// home platform's do. Lines starting with '#' and empty lines are kept as
// they are.
#include <string>
#include <vector>

#include "platform/com_object.h"

struct RegistryValue {
  std::string key;
  std::string name;  // empty for the key's default value
  std::string value;
};

// $KESTA_REGISTRY when set; else "kesta/registry" in $XDG_CONFIG_HOME, or in
// $HOME/.config.
std::string RegistryPath();

// Reads every value; a missing file reads as empty. False with a reason
// (naming the file and line) when the file cannot be read or a line is not
// in the form above.
bool ReadRegistry(std::vector<RegistryValue>* values, std::string* error);

// The value of `name` under `key`; false when there is none.
bool RegistryGetValue(const std::string& key, const std::string& name, std::string* value);

// Sets the values (replacing those of the same key and name) and rewrites
// the file in one step: it is either the old or the new file, never half
// written. A key or value that cannot be written (a line end, " = " or
// " : " where the form does not allow it) is refused with E_INVALIDARG.
HRESULT RegistrySetValues(const std::vector<RegistryValue>& values, std::string* error);

// Removes each key with its values and every key below it.
HRESULT RegistryDeleteTrees(const std::vector<std::string>& keys, std::string* error);

// The class id registered under a ProgID ("PROGID\CLSID"); REGDB_E_CLASSNOTREG
// when it is not registered, CO_E_CLASSSTRING when the entry is no class id.
HRESULT CLSIDFromProgID(const std::string& progId, CLSID* clsid);
