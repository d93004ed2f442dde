#pragma once
// The boxes a refused start shows.
#include "resources/string_table.h"  // kSupportAddress

// The settings file or one of its dictionaries is missing: the missing
// dictionary's path, then the settings file's place.
inline constexpr const char* kMissingFileMessage =
    "Error(68) File %s\nin %s is missing, damaged, or has a spelling error.";
inline constexpr const char* kSettingsFilePlace =
    "\\PTC\\Arbortext Editor x.x\\custom\\editinit\\KestaArbortext.ini";
// Any other settings failure; the support address follows.
inline constexpr const char* kSettingsDamagedMessage =
    "Error(69) The settings file KestaArbortext.ini is missing or damaged.\nContact %s";

// The message of a failed dictionary load, formatted with the path and the
// support address; null for a code that has none.
const char* DictLoadMessage(int code);
