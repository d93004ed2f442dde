#pragma once
// The COM module object of an in-process server: the object map of the
// classes it serves and its type library's id, set up at start-up and ended
// at shut-down.
#include "platform/com_object.h"

struct ObjectMapEntry {
  const CLSID* clsid = nullptr;  // null ends the map
  HRESULT (*getClassObject)(const IID& iid, void** out) = nullptr;
  // The class's start and end hook (true at Init, false at Term); may be null.
  void (*objectMain)(bool starting) = nullptr;
};

class ComModule {
 public:
  // Keeps the map and the id and runs each class's hook. S_OK.
  HRESULT Init(const ObjectMapEntry* map, const GUID* libid);
  // Runs each class's end hook and forgets the map; nothing after no Init.
  void Term();
  bool Initialized() const { return map_ != nullptr; }
  const ObjectMapEntry* ObjectMap() const { return map_; }
  const GUID* LibId() const { return libid_; }

 private:
  const ObjectMapEntry* map_ = nullptr;
  const GUID* libid_ = nullptr;
};
