#include "platform/registry.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/environment.h"
#include "platform/files.h"

namespace {
constexpr const char* kValueSep = " = ";
constexpr const char* kNameSep = " : ";

// One line of the file: a value, or a comment/blank line kept as written.
struct Line {
  bool isValue = false;
  RegistryValue value;
  std::string raw;
};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

// True when `key` is `root` or lies below it.
bool InTree(const std::string& key, const std::string& root) {
  if (key.size() < root.size()) return false;
  if (!SameText(key.substr(0, root.size()), root)) return false;
  return key.size() == root.size() || key[root.size()] == '\\';
}

bool ReadLines(std::vector<Line>* lines, std::string* error) {
  lines->clear();
  std::string path = RegistryPath();
  if (!FileExists(path)) return true;
  std::string bytes;
  if (!ReadFileBytes(path, &bytes)) {
    *error = "cannot read the registry file " + path + ": " + std::strerror(errno);
    return false;
  }
  std::size_t pos = 0;
  int number = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string::npos) end = bytes.size();
    std::string text = bytes.substr(pos, end - pos);
    pos = end + 1;
    ++number;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    Line line;
    line.raw = text;
    if (text.empty() || text[0] == '#') {
      lines->push_back(line);
      continue;
    }
    std::size_t eq = text.find(kValueSep);
    if (eq == std::string::npos || eq == 0) {
      *error = path + ":" + std::to_string(number) + ": not a registry value: " + text;
      return false;
    }
    std::string left = text.substr(0, eq);
    line.isValue = true;
    line.value.value = text.substr(eq + std::strlen(kValueSep));
    std::size_t colon = left.find(kNameSep);
    if (colon == std::string::npos) {
      line.value.key = left;
    } else {
      line.value.key = left.substr(0, colon);
      line.value.name = left.substr(colon + std::strlen(kNameSep));
    }
    lines->push_back(line);
  }
  return true;
}

bool Writable(const RegistryValue& v) {
  auto clean = [](const std::string& s) { return s.find('\n') == std::string::npos && s.find('\r') == std::string::npos; };
  if (v.key.empty() || v.key[0] == '#') return false;
  if (!clean(v.key) || !clean(v.name) || !clean(v.value)) return false;
  if (v.key.find(kValueSep) != std::string::npos || v.key.find(kNameSep) != std::string::npos) return false;
  if (v.name.find(kValueSep) != std::string::npos) return false;
  return true;
}

HRESULT WriteLines(const std::vector<Line>& lines, std::string* error) {
  std::string text;
  for (const Line& line : lines) {
    if (!line.isValue) {
      text += line.raw;
    } else {
      text += line.value.key;
      if (!line.value.name.empty()) text += kNameSep + line.value.name;
      text += kValueSep + line.value.value;
    }
    text += '\n';
  }
  std::string path = RegistryPath();
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  int err = 0;
  const char* stage = "";
  if (!ReplaceFileContent(path, text, &err, &stage)) {
    *error = "cannot write the registry file " + path + " (" + stage + "): " + std::strerror(err);
    return E_ACCESSDENIED;
  }
  return S_OK;
}
}  // namespace

std::string RegistryPath() {
  std::string value;
  if (GetNativeEnvVar("KESTA_REGISTRY", &value) && !value.empty()) return value;
  if (GetNativeEnvVar("XDG_CONFIG_HOME", &value) && !value.empty()) return value + "/kesta/registry";
  if (GetNativeEnvVar("HOME", &value) && !value.empty()) return value + "/.config/kesta/registry";
  return ".kesta-registry";
}

bool ReadRegistry(std::vector<RegistryValue>* values, std::string* error) {
  std::vector<Line> lines;
  if (!ReadLines(&lines, error)) return false;
  values->clear();
  for (const Line& line : lines)
    if (line.isValue) values->push_back(line.value);
  return true;
}

bool RegistryGetValue(const std::string& key, const std::string& name, std::string* value) {
  std::vector<RegistryValue> values;
  std::string error;
  if (!ReadRegistry(&values, &error)) return false;
  for (const RegistryValue& v : values)
    if (SameText(v.key, key) && SameText(v.name, name)) {
      *value = v.value;
      return true;
    }
  return false;
}

HRESULT RegistrySetValues(const std::vector<RegistryValue>& values, std::string* error) {
  for (const RegistryValue& v : values)
    if (!Writable(v)) {
      *error = "registry value cannot be written: " + v.key;
      return E_INVALIDARG;
    }
  std::vector<Line> lines;
  if (!ReadLines(&lines, error)) return E_FAIL;
  for (const RegistryValue& v : values) {
    bool replaced = false;
    for (Line& line : lines)
      if (line.isValue && SameText(line.value.key, v.key) && SameText(line.value.name, v.name)) {
        line.value.value = v.value;  // the key keeps the spelling it was made with
        replaced = true;
        break;
      }
    if (!replaced) {
      Line line;
      line.isValue = true;
      line.value = v;
      lines.push_back(line);
    }
  }
  return WriteLines(lines, error);
}

HRESULT RegistryDeleteTrees(const std::vector<std::string>& keys, std::string* error) {
  std::vector<Line> lines;
  if (!ReadLines(&lines, error)) return E_FAIL;
  std::vector<Line> kept;
  bool removed = false;
  for (const Line& line : lines) {
    bool drop = false;
    if (line.isValue)
      for (const std::string& root : keys)
        if (InTree(line.value.key, root)) drop = true;
    if (drop)
      removed = true;
    else
      kept.push_back(line);
  }
  if (!removed) return S_OK;
  return WriteLines(kept, error);
}

HRESULT CLSIDFromProgID(const std::string& progId, CLSID* clsid) {
  std::string text;
  if (progId.empty() || !RegistryGetValue(progId + "\\CLSID", "", &text)) return REGDB_E_CLASSNOTREG;
  if (!GUID::Parse(text, clsid)) return CO_E_CLASSSTRING;
  return S_OK;
}
