#pragma once
// The registrar script: what registering the module writes into the
// registry, and what unregistering removes.
#include <string>
#include <vector>

#include "platform/registry.h"

// The script's values with the module's path filled in.
std::vector<RegistryValue> RegistrarValues(const std::string& modulePath);
// The keys that unregistering removes, each with everything below it.
std::vector<std::string> RegistrarKeys();
