#include "resources/registrar_script.h"

#include "resources/run_kesta_idl.h"

namespace {
// %CLSID%, %IID%, %LIBID% and %MODULE% are filled in when the script runs.
struct ScriptRow {
  const char* key;
  const char* name;
  const char* value;
};

const ScriptRow kScript[] = {
    {.key = "KestaEpic.RunKesta.1", .name = "", .value = "RunKesta Class"},
    {.key = "KestaEpic.RunKesta.1\\CLSID", .name = "", .value = "%CLSID%"},
    {.key = "KestaEpic.RunKesta", .name = "", .value = "RunKesta Class"},
    {.key = "KestaEpic.RunKesta\\CLSID", .name = "", .value = "%CLSID%"},
    {.key = "KestaEpic.RunKesta\\CurVer", .name = "", .value = "KestaEpic.RunKesta.1"},
    {.key = "CLSID\\%CLSID%", .name = "", .value = "RunKesta Class"},
    {.key = "CLSID\\%CLSID%\\ProgID", .name = "", .value = "KestaEpic.RunKesta.1"},
    {.key = "CLSID\\%CLSID%\\VersionIndependentProgID", .name = "", .value = "KestaEpic.RunKesta"},
    {.key = "CLSID\\%CLSID%\\InprocServer32", .name = "", .value = "%MODULE%"},
    {.key = "CLSID\\%CLSID%\\InprocServer32", .name = "ThreadingModel", .value = "Both"},
    {.key = "CLSID\\%CLSID%\\TypeLib", .name = "", .value = "%LIBID%"},
    {.key = "TypeLib\\%LIBID%\\1.0", .name = "", .value = "KestaEpic 1.0 Type Library"},
    {.key = "TypeLib\\%LIBID%\\1.0\\0\\linux64", .name = "", .value = "%MODULE%"},
    {.key = "Interface\\%IID%", .name = "", .value = "IRunKesta"},
    {.key = "Interface\\%IID%\\TypeLib", .name = "", .value = "%LIBID%"},
};

const char* const kKeys[] = {
    "KestaEpic.RunKesta.1", "KestaEpic.RunKesta", "CLSID\\%CLSID%", "TypeLib\\%LIBID%",
    "Interface\\%IID%",
};

std::string Fill(const std::string& text, const std::string& modulePath) {
  struct Token {
    const char* name;
    std::string value;
  };
  const Token tokens[] = {
      {"%CLSID%", CLSID_RunKesta.ToString()},
      {"%IID%", IID_IRunKesta.ToString()},
      {"%LIBID%", LIBID_KESTAEPICLib.ToString()},
      {"%MODULE%", modulePath},
  };
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    bool replaced = false;
    for (const Token& t : tokens) {
      std::string name = t.name;
      if (text.compare(pos, name.size(), name) == 0) {
        out += t.value;
        pos += name.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += text[pos++];
  }
  return out;
}
}  // namespace

std::vector<RegistryValue> RegistrarValues(const std::string& modulePath) {
  std::vector<RegistryValue> values;
  for (const ScriptRow& row : kScript)
    values.push_back({Fill(row.key, modulePath), row.name, Fill(row.value, modulePath)});
  return values;
}

std::vector<std::string> RegistrarKeys() {
  std::vector<std::string> keys;
  for (const char* key : kKeys) keys.push_back(Fill(key, ""));
  return keys;
}
