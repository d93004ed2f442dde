#include "editor/element_ids.h"

namespace editor {

namespace {
// Serial numbers stay below this so that every id fits 15 characters.
constexpr std::uint64_t kMaxSerial = 999999999;
}  // namespace

std::string IdOf(NodeIndex node) {
  if (node == kNoNode || node >= kMaxSerial) return kNullId;
  return "(1," + std::to_string(static_cast<std::uint64_t>(node) + 1) + ",0)";
}

NodeIndex ParseId(std::string_view id) {
  while (!id.empty() && id.front() == ' ') id.remove_prefix(1);
  while (!id.empty() && id.back() == ' ') id.remove_suffix(1);
  if (id.size() < 7 || id.substr(0, 3) != "(1," || id.substr(id.size() - 3) != ",0)") return kNoNode;
  std::string_view digits = id.substr(3, id.size() - 6);
  if (digits.empty() || digits.size() > 9 || digits.front() == '0') return kNoNode;
  std::uint64_t serial = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return kNoNode;
    serial = serial * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return static_cast<NodeIndex>(serial - 1);
}

}  // namespace editor
