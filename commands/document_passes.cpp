#include "commands/document_passes.h"

#include "rules/engine_passes.h"

int RunDocumentPasses() { return RunEnginePasses(CheckScope::Document); }
