#pragma once
// The document types the checker knows by the name of the root element, and
// where each one's checkable body begins.
#include <span>
#include <string_view>

// Which elements after the first body are bodies too: a check reads every
// body of a document, in document order.
enum class LaterBodies {
  // Elements named as the first body, or as the body of any topic
  // (conbody, refbody, taskbody...): the bodies of nested topics, without
  // their titles and prologs.
  TopicBodies,
  // Every element that follows the first body: a book's later chapters,
  // appendices, parts, glossary and the rest.
  AllThatFollow,
};

struct DocTypeEntry {
  const char* docType;   // root element name
  const char* startTag;  // the body's start tag, brackets included
  LaterBodies laterBodies = LaterBodies::TopicBodies;
};

// The table in search order; the first matching row wins.
std::span<const DocTypeEntry> DocTypeTable();

// The row for a root element name (exact comparison), or null.
const DocTypeEntry* FindDocType(std::string_view rootName);

// Whether an element of that name is an S1000D data module (the root of
// one, or a module a publication holds).
bool IsDataModule(std::string_view name);

// Documents whose body is read whole from one element: the root name begins
// "cmm" or "task".
bool UsesTagTableRoad(std::string_view rootName);

// Whether an element named `name` after the first body (named `firstBody`)
// is a body as well.
bool IsLaterBody(LaterBodies rule, std::string_view name, std::string_view firstBody);
