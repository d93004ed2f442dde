#include "resources/type_library.h"

#include "resources/run_kesta_idl.h"

// In slot order; the order is the interface's and may not change.
const FuncDesc kRunKestaMethods[kRunKestaMethodCount] = {
    {.name = "ProcessKesta", .dispid = 0x1, .helpString = "method ProcessKesta", .paramCount = 0},
    {.name = "CloseKesta", .dispid = 0x7, .helpString = "method CloseKesta", .paramCount = 0},
    {.name = "GetKestaHelp", .dispid = 0x12, .helpString = "method GetKestaHelp", .paramCount = 0},
    {.name = "WordFinder", .dispid = 0xa, .helpString = "method WordFinder", .paramCount = 0},
    {.name = "SelectElement", .dispid = 0x13, .helpString = "method SelectElement", .paramCount = 0},
    {.name = "SixsigmaRead", .dispid = 0x14, .helpString = "method SixsigmaRead", .paramCount = 0},
    {.name = "MarkingEngine", .dispid = 0x18, .helpString = "method MarkingEngine", .paramCount = 0},
    {.name = "ShowMe", .dispid = 0x19, .helpString = "method ShowMe", .paramCount = 0},
    {.name = "ShowContext", .dispid = 0x1a, .helpString = "method ShowContext", .paramCount = 0},
    {.name = "RemoveAllMarkers", .dispid = 0x1b, .helpString = "method RemoveAllMarkers", .paramCount = 0},
    {.name = "RemoveKestaMarkers", .dispid = 0x24, .helpString = "method RemoveKestaMarkers", .paramCount = 0},
    {.name = "DisplayCmenu", .dispid = 0x25, .helpString = "method DisplayCmenu", .paramCount = 1},
    {.name = "RemoveKestaPi", .dispid = 0x26, .helpString = nullptr, .paramCount = 0},
    {.name = "ShowTemp", .dispid = 0x27, .helpString = "method ShowTemp", .paramCount = 0},
    {.name = "MetricConverter", .dispid = 0x28, .helpString = "method MetricConverter", .paramCount = 0},
    {.name = "CLoadMenu", .dispid = 0x2b, .helpString = nullptr, .paramCount = 0},
    {.name = "VerbSelector", .dispid = 0x30, .helpString = nullptr, .paramCount = 0},
    {.name = "RemoveMessage", .dispid = 0x31, .helpString = nullptr, .paramCount = 0},
    {.name = "CallNextKesta", .dispid = 0x32, .helpString = nullptr, .paramCount = 0},
    {.name = "TrafficLight", .dispid = 0x33, .helpString = nullptr, .paramCount = 0},
    {.name = "RemoveMarks", .dispid = 0x34, .helpString = "method RemoveMarks", .paramCount = 0},
    {.name = "FullTags", .dispid = 0x35, .helpString = "method FullTags", .paramCount = 0},
    {.name = "ChangeEditWinTitle", .dispid = 0x39, .helpString = "method SetKestaTitle", .paramCount = 0},
    {.name = "TreeWalker", .dispid = 0x3a, .helpString = "method TreeWalker", .paramCount = 0},
    {.name = "GetDocStart", .dispid = 0x3c, .helpString = "method GetDocStart", .paramCount = 0},
    {.name = "FindKesta", .dispid = 0x3d, .helpString = "method FindKesta", .paramCount = 0},
    {.name = "FindNextKesta", .dispid = 0x3e, .helpString = "method FindNextKesta", .paramCount = 0},
};

const TypeInfo kIRunKestaTypeInfo = {
    .name = "IRunKesta",
    .helpString = "IRunKesta Interface",
    .iid = &IID_IRunKesta,
    .dual = true,
    .funcs = kRunKestaMethods,
    .funcCount = kRunKestaMethodCount,
};

const TypeLibrary kKestaEpicTypeLibrary = {
    .name = "KESTAEPICLib",
    .helpString = "KestaEpic 1.0 Type Library",
    .libid = &LIBID_KESTAEPICLib,
    .majorVersion = 1,
    .minorVersion = 0,
    .coclassName = "RunKesta",
    .coclassHelpString = "RunKesta Class",
    .clsid = &CLSID_RunKesta,
    .defaultInterface = &kIRunKestaTypeInfo,
};
