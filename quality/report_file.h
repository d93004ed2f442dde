#pragma once
// Writing a report file into the profile folder.
#include <string>
#include <string_view>

struct ReportFileResult {
  enum Stage { Written, Open, Write };
  Stage stage = Written;
  int error = 0;     // the system's error number of the failure
  std::string path;  // the full path (empty when there is no profile folder)
};

// Creates or replaces `name` in the profile folder with `bytes`. A missing
// profile folder fails at Open, with nothing written anywhere else.
ReportFileResult WriteProfileReport(const std::string& name, std::string_view bytes);

// The writer's first name: the user name up to its first blank, at most 40
// characters.
std::string WriterFirstName();
