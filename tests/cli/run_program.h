#pragma once
// Runs a program with arguments and extra environment, and collects what it
// wrote and its exit status.
#include <map>
#include <optional>
#include <string>
#include <vector>

struct ProgramRun {
  int status = -1;  // exit status; -1 when it did not exit normally
  std::string out;
  std::string err;
};

// `env` entries override the current environment; an empty optional unsets.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::map<std::string, std::optional<std::string>>& env,
                      const std::string& input = "");
