#pragma once
// The module's string table: texts that several commands show, by id.

// The address that the module's messages tell the writer to contact.
#define KESTA_SUPPORT_ADDRESS "support@kesta-checker.example"
inline constexpr const char* kSupportAddress = KESTA_SUPPORT_ADDRESS;

constexpr unsigned IDS_DOCUMENT_MODE_POSITION_2 = 105;
constexpr unsigned IDS_ACL_FAILED = 108;
constexpr unsigned IDS_DOCUMENT_MODE_POSITION_3 = 161;
constexpr unsigned IDS_DOCUMENT_MODE_POSITION_4 = 170;
constexpr unsigned IDS_ACL_DOCUMENT_MODE = 182;

// The first lines of the finding's context menu: "%1" is the flagged text,
// "%2" (sentence length only) the marker number. Ids 112 to 151 and 156
// name the categories; 150 serves any category without a line of its own.
constexpr unsigned IDS_MENU_SENTENCE_LENGTH = 139;
constexpr unsigned IDS_MENU_OTHER_CATEGORY = 150;
constexpr unsigned IDS_MENU_WRONG_VERB = 156;
constexpr unsigned IDS_MENU_DO_DID = 159;

// The text of a string; null when the table has no such id.
const char* LoadStringResource(unsigned id);
