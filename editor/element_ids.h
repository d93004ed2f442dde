#pragma once
// Element ids as the host shows them: "(1,N,0)", N the object's serial
// number from 1 (never reused, so an id stays valid while other elements
// change), and the null id "(0,0,0)".
#include <string>
#include <string_view>

#include "editor/document.h"

namespace editor {

inline constexpr const char* kNullId = "(0,0,0)";

std::string IdOf(NodeIndex node);
// The node an id names, kNoNode when the text is no id of ours (dead
// nodes are the caller's to test).
NodeIndex ParseId(std::string_view id);

}  // namespace editor
