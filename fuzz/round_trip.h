#pragma once
// Shared check of the editor fuzz targets: a document saves as XML that
// reads back and saves again to the same text. Aborts (the fuzzer's crash)
// with both texts when it does not.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "editor/editor.h"

inline void CheckSavedTextReadsBack(const editor::Editor& e) {
  const std::string saved = e.SaveText();
  editor::Editor again;
  std::string error;
  if (!again.LoadText(saved, "again.xml", &error)) {
    std::fprintf(stderr, "saved text does not read back: %s\n%s\n", error.c_str(), saved.c_str());
    std::abort();
  }
  if (again.SaveText() != saved) {
    std::fprintf(stderr, "saved text changes when read back:\n%s\n---\n%s\n", saved.c_str(),
                 again.SaveText().c_str());
    std::abort();
  }
}
