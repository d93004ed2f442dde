#include "cli/install_layout.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

CliPaths LocatePaths(const std::string& program, const std::string& moduleFromProgram,
                     const std::string& customFromProgram, const CliPaths& built) {
  if (program.empty()) return built;
  const fs::path folder = fs::path(program).parent_path();
  const fs::path module = (folder / moduleFromProgram).lexically_normal();
  std::error_code ec;
  if (!fs::is_regular_file(module, ec)) return built;
  const std::string custom = (folder / customFromProgram).lexically_normal().string();
  return CliPaths{module.string(), custom, custom};
}

std::string ThisProgram() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : self.string();
}
