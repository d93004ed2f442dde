// kesta: the command a writer runs to check a document.
#include <string>
#include <vector>

#include "cli/install_layout.h"
#include "cli/kesta_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const CliPaths built{KESTA_MODULE_PATH, KESTA_BUILT_CUSTOM_DIR, KESTA_SOURCE_CUSTOM_DIR};
  return RunKestaCli(args, LocatePaths(ThisProgram(), KESTA_INSTALLED_MODULE, KESTA_INSTALLED_CUSTOM_DIR, built));
}
