#include "quality/report_file.h"

#include <cerrno>
#include <cstdio>

#include "module/app_settings.h"
#include "platform/files.h"
#include "platform/profile_folder.h"

ReportFileResult WriteProfileReport(const std::string& name, std::string_view bytes) {
  ReportFileResult result;
  std::string folder;
  if (!GetProfileFolder(&folder, &result.error)) {
    result.stage = ReportFileResult::Open;
    return result;
  }
  result.path = ProfilePath(folder, name);
  errno = 0;
  std::FILE* f = OpenFile(result.path, "wb");
  if (!f) {
    result.stage = ReportFileResult::Open;
    result.error = errno;
    return result;
  }
  errno = 0;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  int error = errno;
  if (std::fclose(f) != 0 && written) {
    written = false;
    error = errno;
  }
  if (!written) {
    result.stage = ReportFileResult::Write;
    result.error = error ? error : EIO;
  }
  return result;
}

std::string WriterFirstName() {
  std::string_view name = Settings.app.userName.view();
  return std::string(name.substr(0, std::min<std::size_t>(name.find(' '), 40)));
}
