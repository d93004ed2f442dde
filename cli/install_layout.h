#pragma once
// Where `kesta` finds the module and the default custom folder. The build
// compiles in the paths of the build tree; the install step lays out the
// module and the custom folder at fixed places beside the program (bin/,
// lib/kesta/, share/kesta/custom/ under the prefix), so that an installed
// kesta finds them from its own place, wherever the prefix is and whether
// or not the build tree is still there.
#include <string>

#include "cli/kesta_command.h"

// The installed layout when the module stands at `moduleFromProgram`
// (relative to the folder of `program`), with the custom folder at
// `customFromProgram`; else `built`.
CliPaths LocatePaths(const std::string& program, const std::string& moduleFromProgram,
                     const std::string& customFromProgram, const CliPaths& built);

// This program's own file (/proc/self/exe); empty when it cannot be told.
std::string ThisProgram();
