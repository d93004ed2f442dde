#include "platform/com_module.h"

namespace {
// An empty map still marks the module as initialised.
const ObjectMapEntry kEmptyMap[] = {{}};
}  // namespace

HRESULT ComModule::Init(const ObjectMapEntry* map, const GUID* libid) {
  map_ = map ? map : kEmptyMap;
  libid_ = libid;
  for (const ObjectMapEntry* e = map_; e->clsid; ++e)
    if (e->objectMain) e->objectMain(true);
  return S_OK;
}

void ComModule::Term() {
  if (!map_) return;
  for (const ObjectMapEntry* e = map_; e->clsid; ++e)
    if (e->objectMain) e->objectMain(false);
  map_ = nullptr;
  libid_ = nullptr;
}
