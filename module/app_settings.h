#pragma once
// The module-wide settings: the folders and files built from APTCUSTOM, the
// fields of the settings file, and the three dictionary slots.
#include <array>

#include "platform/bounded_text.h"

constexpr int kDictSlotCount = 3;

struct AppSettings {
  BoundedText<260> customDir;
  BoundedText<260> iniPath;
  BoundedText<260> dictDir;
  BoundedText<260> editinitDir;
  BoundedText<260> helpFile;
  BoundedText<260> userGuideFile;
  BoundedText<260> metricFile;
  BoundedText<260> converterFile;
  BoundedText<260> wordListFile;
  BoundedText<8> wordListCode;
  BoundedText<80> userName;
  BoundedText<128> userLabel;
  BoundedText<80> userCodeLabel;
  BoundedText<128> writerSite;
  int showWarnings = 1;
  // A folder of dictionaries on the network the writer chose; the loader
  // does not read it.
  BoundedText<260> altDictDir;
  unsigned char steDictionary = 0;
  BoundedText<260> missingFile;
};

struct DictSlot {
  BoundedText<260> path;
  BoundedText<36> name;
};

// Module-wide: filled once at start-up, read for the rest of the module's life.
struct ModuleSettings {
  AppSettings app;
  std::array<DictSlot, kDictSlotCount> dictFileTable;
  void Reset() { *this = ModuleSettings{}; }
};
extern ModuleSettings Settings;

// 3 on success; -1 without APTCUSTOM or without seven fields; -23 for a
// missing or unreadable file or a dictionary list that does not fill exactly
// three slots.
int LoadSettings();

// Mode 1 hides text in warning tags, mode 2 shows it; any other mode only
// recomputes the custom folder and the settings path. 1, or -1 without
// APTCUSTOM.
int SetWarningPreference(const char* text, void* unused, int mode);

// Writes "SHO" or "HID" (from the first letter of `text`) into field 6 of the
// settings file. 1 on success, -1 after a message.
int WriteWarningField(const char* text, const char* path);
