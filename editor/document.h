#pragma once
// The open document as the editor holds it: one sequence of items (start
// tags, end tags, processing instructions, other markup, characters and
// entity references) in a gap buffer, so that edits near the last edit cost
// little, and a table of the walkable objects (elements and processing
// instructions). Each object records the buffer slot of its tags, kept up to
// date as the gap moves, so an object's position is found in constant time.
// Positions are logical: 0 is before the first item, Size() after the last.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "editor/source_text.h"

namespace editor {

enum class ItemKind : std::uint8_t {
  Char,       // value: the code point
  EntityRef,  // value: index of the entity name
  StartTag,   // value: node index
  EndTag,     // value: node index
  Pi,         // value: node index
  Markup,     // value: index of raw markup kept verbatim (comments, doctype)
};

constexpr std::uint32_t kNoSource = 0xFFFFFFFFu;
// The longest stretch of source text an item can name; a longer item (a
// huge comment) is written afresh.
constexpr std::uint32_t kMaxSourceLength = (1u << 23) - 1;

struct Item {
  Item() : kind(ItemKind::Char), inCdata(0), sourceLength(0) {}
  Item(ItemKind k, std::uint32_t v) : value(v), kind(k), inCdata(0), sourceLength(0) {}

  std::uint32_t value = 0;
  // Where the item stands in the text the document was read from (see
  // SourceText), so that what nobody edited is saved as it was written;
  // kNoSource for an item made since.
  std::uint32_t source = kNoSource;
  ItemKind kind : 8;
  std::uint32_t inCdata : 1;  // read inside a CDATA section
  std::uint32_t sourceLength : 23;
};
static_assert(sizeof(Item) == 12, "an item stays small: a document holds one per character");

inline bool IsTextItem(const Item& item) {
  return item.kind == ItemKind::Char || item.kind == ItemKind::EntityRef;
}

using NodeIndex = std::uint32_t;
constexpr NodeIndex kNoNode = 0xFFFFFFFFu;

// An attribute value is kept in its markup form: '&', '<' and '"' escaped,
// entity references as written, so that it saves back as it was read.
struct Attribute {
  std::string name;
  std::string value;
};

struct Node {
  bool isPi = false;
  bool alive = true;
  std::string name;  // element name, or the PI's target
  std::string data;  // PI only: the text after the target
  std::vector<Attribute> attributes;
  std::size_t startSlot = 0;  // buffer slot of the start tag or PI
  std::size_t endSlot = 0;    // buffer slot of the end tag (elements)
};

class Document {
 public:
  std::size_t Size() const { return buffer_.size() - (gapEnd_ - gapStart_); }
  const Item& At(std::size_t pos) const { return buffer_[Slot(pos)]; }
  // The items from `pos` to the end of the stretch that holds it (the gap
  // splits the sequence in two): a pointer to the first and their number,
  // 0 at the end of the document.
  const Item* RunFrom(std::size_t pos, std::size_t* count) const {
    if (pos >= Size()) {
      *count = 0;
      return nullptr;
    }
    *count = pos < gapStart_ ? gapStart_ - pos : Size() - pos;
    return &buffer_[Slot(pos)];
  }

  // The XML declaration's standalone value: 1 yes, 0 no, -1 not given.
  int standalone = -1;
  // The text the document was read from, while its items can name it.
  SourceText source;
  // Every item is written afresh from then on.
  void ForgetSource();

  NodeIndex Root() const { return root_; }
  void SetRoot(NodeIndex root) { root_ = root; }
  std::size_t NodeCount() const { return nodes_.size(); }
  bool IsAlive(NodeIndex n) const { return n < nodes_.size() && nodes_[n].alive; }
  const Node& NodeAt(NodeIndex n) const { return nodes_[n]; }
  Node& MutableNode(NodeIndex n) { return nodes_[n]; }
  // Logical positions of a live node's start tag (or PI) and end tag.
  std::size_t StartOf(NodeIndex n) const { return Logical(nodes_[n].startSlot); }
  std::size_t EndOf(NodeIndex n) const {
    return nodes_[n].isPi ? StartOf(n) : Logical(nodes_[n].endSlot);
  }

  NodeIndex NewElement(std::string name, std::vector<Attribute> attributes);
  NodeIndex NewPi(std::string target, std::string data);
  std::uint32_t InternEntity(const std::string& name);
  const std::string& EntityName(std::uint32_t index) const { return entities_[index]; }
  std::uint32_t AddMarkup(std::string raw);
  const std::string& MarkupText(std::uint32_t index) const { return markup_[index]; }

  // Inserts items at a logical position; nodes they name take their slots.
  void Insert(std::size_t pos, const std::vector<Item>& items);
  // Removes `count` items at a logical position; a node whose start tag or
  // PI goes is dead from then on (its id stays invalid for good).
  void Erase(std::size_t pos, std::size_t count);
  // Appends while building a document.
  void Append(const Item& item);
  // Room for `n` more items before the buffer grows again (a reading
  // document sizes it once).
  void ReserveGap(std::size_t n);
  // Hands back room beyond `n` free items when there is more than twice that.
  void FitGap(std::size_t n);
  // Turns the start tag of an element back into a processing instruction
  // (the loader's unmatched marker openings).
  void MakePi(NodeIndex n, std::string target, std::string data);

 private:
  std::size_t Slot(std::size_t pos) const { return pos < gapStart_ ? pos : pos + (gapEnd_ - gapStart_); }
  std::size_t Logical(std::size_t slot) const {
    return slot < gapStart_ ? slot : slot - (gapEnd_ - gapStart_);
  }
  void MoveGap(std::size_t pos);
  void EnsureGap(std::size_t n);
  // Rebuilds the buffer with exactly `newGap` free slots at the gap.
  void Regap(std::size_t newGap);
  void Place(std::size_t slot);

  std::vector<Item> buffer_;
  std::size_t gapStart_ = 0;
  std::size_t gapEnd_ = 0;
  // A deque: the table grows without moving (or holding twice) what it has.
  std::deque<Node> nodes_;
  std::vector<std::string> entities_;
  std::unordered_map<std::string, std::uint32_t> entityIndex_;
  std::vector<std::string> markup_;
  NodeIndex root_ = kNoNode;
};

}  // namespace editor
