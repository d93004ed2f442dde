#include "platform/library_loader.h"

#include <dlfcn.h>
#include <stdlib.h>

#include <memory>
#include <mutex>
#include <vector>

#include "platform/files.h"

struct LoadedLibrary {
  std::string path;
  void* handle = nullptr;
  int loads = 0;
};

namespace {
struct LoadedTable {
  std::recursive_mutex mutex;
  std::vector<LoadedLibrary*> modules;
};
LoadedTable& Loaded() {
  static LoadedTable table;
  return table;
}

std::string FullPath(const std::string& path) {
  const std::string native = NativePath(path);
  // Freed however the copy ends, memory that runs out included.
  std::unique_ptr<char, void (*)(void*)> real(::realpath(native.c_str(), nullptr), ::free);
  return real ? std::string(real.get()) : native;
}
}  // namespace

HMODULE LoadLibrary(const std::string& path, std::string* error, bool* refused) {
  if (refused) *refused = false;
  std::lock_guard<std::recursive_mutex> lock(Loaded().mutex);
  std::string full = FullPath(path);
  for (LoadedLibrary* m : Loaded().modules)
    if (m->path == full) {
      ++m->loads;
      return m;
    }
  if (!FileExists(full)) {
    if (error) *error = "module not found: " + full;
    return nullptr;
  }
  void* handle = ::dlopen(full.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = ::dlerror();
    if (error) *error = "cannot load " + full + ": " + (why ? why : "unknown reason");
    return nullptr;
  }
  auto* module = new LoadedLibrary{full, handle, 1};
  auto entry = reinterpret_cast<DllMainProc>(::dlsym(handle, "DllMain"));
  if (entry && !entry(module, DLL_PROCESS_ATTACH, nullptr)) {
    // The module's start-up refused: it has cleaned up after itself, and the
    // host sees a failed load.
    ::dlclose(handle);
    delete module;
    if (error) *error = "the module refused to load: " + full;
    if (refused) *refused = true;
    return nullptr;
  }
  Loaded().modules.push_back(module);
  return module;
}

bool FreeLibrary(HMODULE module) {
  std::lock_guard<std::recursive_mutex> lock(Loaded().mutex);
  auto& v = Loaded().modules;
  for (auto it = v.begin(); it != v.end(); ++it) {
    if (*it != module) continue;
    if (--module->loads > 0) return true;
    auto entry = reinterpret_cast<DllMainProc>(::dlsym(module->handle, "DllMain"));
    if (entry) entry(module, DLL_PROCESS_DETACH, nullptr);
    v.erase(it);
    ::dlclose(module->handle);
    delete module;
    return true;
  }
  return false;
}

void* GetProcAddress(HMODULE module, const char* name) {
  if (!module || !name) return nullptr;
  return ::dlsym(module->handle, name);
}

std::string GetModuleFileName(HMODULE module) { return module ? module->path : std::string(); }
