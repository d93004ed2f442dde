#include "module/app_settings.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/interaction.h"

ModuleSettings Settings;

namespace {

constexpr const char* kMissingAptcustom =
    "STOP: Missing Environment variable APTCUSTOM.\nSee User Guide to restore the variable.";
constexpr std::size_t kSettingsReadBytes = 256;

// Pieces between separators; consecutive separators count as one.
std::vector<std::string> SplitFields(const std::string& text, char separator) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == separator) ++i;
    if (i >= text.size()) break;
    std::size_t end = text.find(separator, i);
    if (end == std::string::npos) end = text.size();
    out.push_back(text.substr(i, end - i));
    i = end;
  }
  return out;
}

// Reads APTCUSTOM and builds customDir and iniPath. An empty value or one
// longer than the folder field is treated as missing.
bool ReadCustomFolder() {
  AppSettings& s = Settings.app;
  s.iniPath.clear();
  std::string value;
  if (!GetEnvVar("APTCUSTOM", &value) || value.empty() || value.size() > 259) {
    AfxMessageBox(kMissingAptcustom, MB_OK);
    return false;
  }
  s.customDir = value;
  if (s.customDir.last() != '\\') s.customDir.append('\\');
  s.iniPath.format("%seditinit\\KestaArbortext.ini", s.customDir.c_str());
  return true;
}

void BuildPaths() {
  AppSettings& s = Settings.app;
  s.dictDir.format("%sdictionaries\\", s.customDir.c_str());
  s.editinitDir.format("%seditinit\\", s.customDir.c_str());
  s.helpFile.format("%sKestaHelp.chm", s.editinitDir.c_str());
  s.userGuideFile.format("%seditinit\\User_guide.pdf", s.customDir.c_str());
  s.metricFile.format("%smetric.txt", s.dictDir.c_str());
  s.converterFile = s.metricFile;
  s.wordListFile = s.dictDir;
}

bool StartsWithNoCase(const std::string& s, const char* prefix) {
  std::size_t n = std::strlen(prefix);
  if (s.size() < n) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
  return true;
}

// Fills the dictionary slots from the list of field 2; 3 or -23.
int FillDictSlots(const std::string& list) {
  AppSettings& s = Settings.app;
  std::vector<std::string> names = SplitFields(list, ',');
  if (names.empty()) return -23;
  int filled = 0;
  bool nameAfterThird = false;
  for (const std::string& raw : names) {
    if (filled == kDictSlotCount) {
      nameAfterThird = true;
      continue;
    }
    BoundedText<64> name(raw);
    if (const char* paren = std::strchr(name.c_str(), '(')) name.truncate(paren - name.c_str());
    DictSlot& slot = Settings.dictFileTable[filled];
    slot.path.format("%s%s.cmp", s.dictDir.c_str(), name.c_str());
    slot.name.assign(name.view().substr(0, 32));
    if (filled == 1 && StartsWithNoCase(name.str(), "ste")) s.steDictionary = 1;
    if (!FileExists(slot.path.str())) {
      s.missingFile = slot.path;
      continue;
    }
    ++filled;
  }
  if (filled != kDictSlotCount || nameAfterThird) return -23;
  return kDictSlotCount;
}

void FileErrorBox(const char* format, int code) {
  BoundedText<256> text;
  text.format(format, code);
  ShowMessageBox(text.str(), "KESta File Error", MB_ICONERROR);
}

}  // namespace

int LoadSettings() {
  AppSettings& s = Settings.app;
  if (!ReadCustomFolder()) return -1;

  BoundedText<512> message;
  if (!FileExists(s.iniPath.str())) {
    message.format("Error(67) Make sure %s\nexists in PTC folder.", s.iniPath.c_str());
    AfxMessageBox(message.str(), MB_ICONERROR);
    return -23;
  }
  if (!FileReadable(s.iniPath.str())) {
    message.format("Error(66) Can not find %s.\nCheck for READ Permissions.", s.iniPath.c_str());
    AfxMessageBox(message.str(), MB_ICONERROR);
    return -23;
  }
  std::string text;
  if (std::FILE* f = OpenFile(s.iniPath.str(), "rb")) {
    char buf[kSettingsReadBytes];
    std::size_t n = std::fread(buf, 1, sizeof buf, f);
    std::fclose(f);
    text.assign(buf, strnlen(buf, n));
  } else {
    message.format("Error(65) Can not read %s.\nCheck for READ permissions.", s.iniPath.c_str());
    AfxMessageBox(message.str(), MB_ICONERROR);
  }

  std::vector<std::string> pieces = SplitFields(text, '|');
  int count = 0;
  BoundedText<256> dictList;
  for (std::size_t i = 0; i < pieces.size() && i < 7; ++i) {
    const std::string& piece = pieces[i];
    switch (i) {
      case 0:
        ++count;
        BuildPaths();
        break;
      case 1:
        dictList = piece;
        if (!piece.empty()) ++count;
        break;
      case 2:
        if (!piece.empty()) {
          ++count;
          s.wordListCode.assign(std::string_view(piece).substr(1, 4));
          s.wordListFile.format("%sWord_List_%s.txt", s.dictDir.c_str(), s.wordListCode.c_str());
        }
        break;
      case 3:
        s.userName.clear();
        if (!piece.empty()) {
          s.userName = piece;
          ++count;
          s.userLabel.format("User: %s", s.userName.c_str());
        }
        break;
      case 4:
        s.writerSite.clear();
        if (!piece.empty()) {
          s.writerSite = piece;
          ++count;
        }
        break;
      case 5:
        ++count;
        s.showWarnings = piece.compare(0, 3, "SHO") == 0 ? 1 : 0;
        break;
      case 6:
        ++count;
        break;
    }
  }
  s.userCodeLabel.format("%s (%s)", s.userName.c_str(), s.wordListCode.c_str());

  if (count != 7) {
    message.format(
        "Error(60) Read %d fields in KestaArbortext.ini.\nNeed 7 fields. See KestaArbortext.ini "
        "format.",
        count);
    AfxMessageBox(message.str(), MB_ICONINFORMATION);
    return -1;
  }
  return FillDictSlots(dictList.str());
}

int SetWarningPreference(const char* text, void* /*unused*/, int mode) {
  if (!ReadCustomFolder()) return -1;
  const char* done = nullptr;
  int newValue = 0;
  if (mode == 1) {
    done = "KESta: Set IGNORE text in <warning> tags.";
    newValue = 0;
  } else if (mode == 2) {
    done = "KESta: Set SHOW text in <warning> tags.";
    newValue = 1;
  } else {
    return 1;
  }
  const char* caption = "KESta Preferences";
  if (WriteWarningField(text, Settings.app.iniPath.c_str()) == 1) {
    ShowMessageBox(done, caption, MB_ICONERROR);
    Settings.app.showWarnings = newValue;
  } else {
    ShowMessageBox("KESta(34) Error can not write Warning preference to KestaArbortext.ini file",
                   caption, MB_ICONERROR);
  }
  return 1;
}

int WriteWarningField(const char* text, const char* path) {
  std::FILE* f = OpenFile(path, "rb");
  if (!f) {
    FileErrorBox("KESta(48) Can not open KestaArbortext.ini:\nError Code %d\nCheck permissions in editinit.",
                 errno);
    return -1;
  }
  std::string content;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) content.append(buf, n);
  if (std::ferror(f)) {
    int code = errno;
    std::fclose(f);
    FileErrorBox("KESta(48) Can not read KestaArbortext.ini:\nError Code %d\nCheck permissions in editinit.",
                 code);
    return -1;
  }
  std::fclose(f);

  const char* value = nullptr;
  if (text && text[0] == 'S') value = "SHO";
  if (text && text[0] == 'H') value = "HID";

  // Find field 6 exactly as the reader does: within the bytes it reads, with
  // runs of separators counting as one.
  std::size_t limit = std::min(content.size(), kSettingsReadBytes);
  limit = strnlen(content.data(), limit);
  int field = 0;
  std::size_t i = 0;
  while (value && i < limit) {
    while (i < limit && content[i] == '|') ++i;
    if (i >= limit) break;
    std::size_t end = content.find('|', i);
    if (end == std::string::npos || end > limit) end = limit;
    if (++field == 6) {
      // A field shorter than three characters is widened rather than letting
      // the value spill over the separator after it.
      std::size_t len = std::min<std::size_t>(3, end - i);
      content.replace(i, len, value, 3);
      break;
    }
    i = end;
  }

  int code = 0;
  const char* stage = nullptr;
  if (!ReplaceFileContent(path, content, &code, &stage)) {
    if (std::strcmp(stage, "open") == 0)
      FileErrorBox("KESta(48) Can not open KestaArbortext.ini:\nError Code %d\nCheck permissions in editinit.",
                   code);
    else
      FileErrorBox("KESta(60) Can not open KestaArbortext.ini to write:\nError Code %d\nCheck permissions to WRITE.",
                   code);
    return -1;
  }
  return 1;
}
