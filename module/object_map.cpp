#include "module/kesta_app.h"

ComModule KestaComModule;

// {6B1E3A52-8F0C-4D7A-9B21-3C5E7A4D2F10}
const GUID LIBID_KESTAEPICLib = {0x6B1E3A52, 0x8F0C, 0x4D7A, {0x9B, 0x21, 0x3C, 0x5E, 0x7A, 0x4D, 0x2F, 0x10}};

// The classes the module serves; the RunKesta class joins here.
const ObjectMapEntry KestaObjectMap[] = {{}};
