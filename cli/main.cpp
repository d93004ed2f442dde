// kesta: the command a writer runs to check a document.
#include <unistd.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "cli/install_layout.h"
#include "cli/kesta_command.h"

namespace {
// Memory that runs out before the run's own watch begins: nothing was read
// or written. Neither an exception nor a buffer can be counted on then (the
// runtime may have had no memory for its reserve of exceptions either), so
// the line is written as it is and the program ends here.
[[noreturn]] void EndOutOfMemory() {
  static constexpr char kLine[] = "kesta: out of memory; nothing was written\n";
  [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kLine, sizeof kLine - 1);
  std::_Exit(kExitFile);
}
}  // namespace

int main(int argc, char** argv) {
  // Set first: nothing of kesta's own allocates before main (its one static
  // initialiser hands libxml2 the editor's allocator). The run's watch takes
  // the handler over in one exchange and gives it back as the run ends.
  const std::new_handler previous = std::set_new_handler(EndOutOfMemory);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const CliPaths built{KESTA_MODULE_PATH, KESTA_BUILT_CUSTOM_DIR, KESTA_SOURCE_CUSTOM_DIR};
  const int status =
      RunKestaCli(args, LocatePaths(ThisProgram(), KESTA_INSTALLED_MODULE, KESTA_INSTALLED_CUSTOM_DIR, built));
  // The run has said how it ended, and may have written: a later refusal is
  // not this line's to tell.
  std::set_new_handler(previous);
  return status;
}
