#include "tests/cli/run_program.h"

#include "tests/support/temp_dir.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

namespace {

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (std::string& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}
}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::map<std::string, std::optional<std::string>>& env, const std::string& input) {
  char tmpl[] = "/tmp/kesta-run-XXXXXX";
  const std::string dir = ::mkdtemp(tmpl);
  const std::string outPath = dir + "/out", errPath = dir + "/err", inPath = dir + "/in";
  { std::ofstream(inPath, std::ios::binary) << input; }

  std::map<std::string, std::string> vars;
  for (char** e = environ; *e; ++e)
    if (const char* eq = std::strchr(*e, '=')) vars[std::string(*e, static_cast<std::size_t>(eq - *e))] = eq + 1;
  for (const auto& [name, value] : env) {
    if (value) {
      vars[name] = *value;
    } else {
      vars.erase(name);
    }
  }
  std::vector<std::string> envStrings, argStrings{program};
  for (const auto& [name, value] : vars) envStrings.push_back(name + "=" + value);
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv = Pointers(argStrings), envp = Pointers(envStrings);

  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&files, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ProgramRun run;
  pid_t pid = 0;
  int status = 0;
  if (posix_spawn(&pid, program.c_str(), &files, nullptr, argv.data(), envp.data()) != 0) {
    run.status = 127;
  } else {
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&files);
  run.out = ReadAll(outPath);
  run.err = ReadAll(errPath);
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  return run;
}
