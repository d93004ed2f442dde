#pragma once
// The module as `kesta` reaches it, like any client of a COM server: the
// class RunKesta found by its ProgID through the registry, or the module
// loaded from the path it was built to.
#include <string>

#include "platform/library_loader.h"
#include "resources/run_kesta_idl.h"

class ModuleClient {
 public:
  enum class Outcome { Ok, NotFound, Refused, Failed };

  explicit ModuleClient(std::string builtPath) : builtPath_(std::move(builtPath)) {}
  ~ModuleClient() { Close(); }
  ModuleClient(const ModuleClient&) = delete;
  ModuleClient& operator=(const ModuleClient&) = delete;

  // Creates the RunKesta object; `error` says why not.
  Outcome Open(std::string* error);
  IRunKesta* Object() const { return object_; }
  // Where the module came from (for messages).
  const std::string& Source() const { return source_; }

  // Calls a method by name, as a host script does. DISP_E_UNKNOWNNAME,
  // DISP_E_BADPARAMCOUNT and DISP_E_TYPEMISMATCH report a wrong call.
  HRESULT Call(const std::string& method, const std::string* arg);

  // Releases the object and unloads the module (its shut-down runs).
  void Close();

  // Loads the module from the built path for its registration entry points.
  static Outcome LoadForRegistration(const std::string& path, HMODULE* module, std::string* error);

 private:
  std::string builtPath_;
  std::string source_;
  IRunKesta* object_ = nullptr;
  HMODULE module_ = nullptr;  // set when loaded by path
  bool throughRegistry_ = false;
};
