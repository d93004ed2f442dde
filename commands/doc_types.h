#pragma once
// The document types the checker knows by the name of the root element, and
// where each one's checkable body begins.
#include <span>
#include <string_view>

struct DocTypeEntry {
  const char* docType;   // root element name
  const char* startTag;  // the body's start tag, brackets included
};

// The table in search order; the first matching row wins.
std::span<const DocTypeEntry> DocTypeTable();

// The row for a root element name (exact comparison), or null.
const DocTypeEntry* FindDocType(std::string_view rootName);

// Documents whose body is read whole from one element: the root name begins
// "cmm" or "task".
bool UsesTagTableRoad(std::string_view rootName);
