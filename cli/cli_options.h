#pragma once
// The command line of `kesta`, parsed.
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_data.h"

struct CliOptions {
  enum class Action { Help, Version, Check, Call, Register, Unregister };
  Action action = Action::Help;
  std::string method;               // call: the method's name
  std::optional<std::string> arg;   // call: its argument
  std::string file;                 // check, call: the document
  std::string element;              // check --element: the element to check
  std::string caret;                // --caret: the element the caret is put in
  std::string select;               // --select: the element whose content is selected
  std::string outFile;              // -o
  bool inPlace = false;             // -i
  std::vector<int> answers;         // --answer, in order
  std::vector<DialogAction> actions; // --do, in order
  std::optional<std::string> mouse; // --mouse
  std::string helpFor;              // help: the command it was asked after, if any
};

// False with a message for a command line that is not valid.
bool ParseCliOptions(const std::vector<std::string>& args, CliOptions* options, std::string* error);

// The text of `kesta --help`.
const char* CliUsage();

// The usage of one command (`kesta COMMAND --help` prints it before the
// general text); empty for a word that is no command.
const char* CommandUsage(const std::string& command);
