#include "module/startup_messages.h"

#include "engine/dict_file.h"

namespace {

struct DictMessageRow {
  int code;
  const char* text;  // %s: the path, then the support address
};

// clang-format off
constexpr DictMessageRow kDictMessages[] = {
    {.code = kDictWrongSignature, .text = "Error(14) File %s has wrong signature.\nContact %s"},
    {.code = kDictWrongMap,       .text = "Error(14) File %s has wrong digram map.\nContact %s"},
    {.code = kDictTooShort,       .text = "Error(13) File %s checksum is damaged.\nReload from backup."},
    {.code = kDictNoAccess,       .text = "Error(14) File %s is damaged.\nContact %s"},
    {.code = kDictNoNodeMemory,   .text = "Error(17) File %s has a damaged digram table.\nContact %s"},
};
// clang-format on

}  // namespace

const char* DictLoadMessage(int code) {
  for (const DictMessageRow& row : kDictMessages)
    if (row.code == code) return row.text;
  return nullptr;
}
