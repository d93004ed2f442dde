#pragma once
// The `kesta` command: parses its line, opens the document in the stand-in
// editor, loads the module, calls the method, writes the document.
#include <string>
#include <vector>

// Where the build put the module and the default custom folder.
struct CliPaths {
  std::string modulePath;
  std::string builtCustomDir;   // made by the build; preferred
  std::string sourceCustomDir;  // the folder in the sources
};

// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitFalse = 1;
constexpr int kExitUsage = 2;  // also a module that refused to load
constexpr int kExitFile = 3;

int RunKestaCli(const std::vector<std::string>& args, const CliPaths& paths);
