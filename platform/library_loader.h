#pragma once
// Loading and unloading a module (the LoadLibrary of the home platform): the
// loader calls the module's entry point `DllMain` after mapping it, and a
// module whose entry point refuses the attach is not loaded. A module loaded
// twice is mapped and attached once and counts its loads.
#include <string>

struct LoadedLibrary;
using HMODULE = LoadedLibrary*;

constexpr unsigned DLL_PROCESS_DETACH = 0;
constexpr unsigned DLL_PROCESS_ATTACH = 1;

// The entry point every module exports as extern "C" DllMain: non-zero when
// it may stay loaded.
using DllMainProc = int (*)(HMODULE module, unsigned reason, void* reserved);

// Null on failure, with the reason in `error`. `refused` (optional) tells
// whether the module was found but its entry point refused to load.
HMODULE LoadLibrary(const std::string& path, std::string* error, bool* refused = nullptr);
// Drops one load; the last one detaches (DllMain with DLL_PROCESS_DETACH)
// and unmaps the module.
bool FreeLibrary(HMODULE module);
void* GetProcAddress(HMODULE module, const char* name);
// The full path the module was loaded from.
std::string GetModuleFileName(HMODULE module);
