#include "resources/string_table.h"

namespace {
struct StringEntry {
  unsigned id;
  const char* text;
};

const StringEntry kStrings[] = {
    {.id = IDS_DOCUMENT_MODE_POSITION_2, .text = "Failed in Document Mode - position 2."},
    {.id = IDS_ACL_FAILED,
     .text = "One of the Arbortext ACL functions failed to activate.\nContact " KESTA_SUPPORT_ADDRESS
             " for advice."},
    {.id = IDS_DOCUMENT_MODE_POSITION_3, .text = "Failed in Document Mode - position 3."},
    {.id = IDS_DOCUMENT_MODE_POSITION_4, .text = "Failed in Document Mode - Position 4."},
    {.id = IDS_ACL_DOCUMENT_MODE, .text = "Report to ORVANE that an ACL error occurred in Document mode."},
};
}  // namespace

const char* LoadStringResource(unsigned id) {
  for (const StringEntry& e : kStrings)
    if (e.id == id) return e.text;
  return nullptr;
}
