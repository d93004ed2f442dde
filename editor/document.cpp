#include "editor/document.h"

#include <algorithm>
#include <cstdlib>

namespace editor {

NodeIndex Document::NewElement(std::string name, std::vector<Attribute> attributes) {
  Node node;
  node.name = std::move(name);
  node.attributes = std::move(attributes);
  nodes_.push_back(std::move(node));
  return static_cast<NodeIndex>(nodes_.size() - 1);
}

NodeIndex Document::NewPi(std::string target, std::string data) {
  Node node;
  node.isPi = true;
  node.name = std::move(target);
  node.data = std::move(data);
  nodes_.push_back(std::move(node));
  return static_cast<NodeIndex>(nodes_.size() - 1);
}

std::uint32_t Document::InternEntity(const std::string& name) {
  auto it = entityIndex_.find(name);
  if (it != entityIndex_.end()) return it->second;
  entities_.push_back(name);
  auto index = static_cast<std::uint32_t>(entities_.size() - 1);
  entityIndex_.emplace(name, index);
  return index;
}

std::uint32_t Document::AddMarkup(std::string raw) {
  markup_.push_back(std::move(raw));
  return static_cast<std::uint32_t>(markup_.size() - 1);
}

void Document::Place(std::size_t slot) {
  const Item& item = buffer_[slot];
  switch (item.kind) {
    case ItemKind::StartTag:
    case ItemKind::Pi:
      nodes_[item.value].startSlot = slot;
      break;
    case ItemKind::EndTag:
      nodes_[item.value].endSlot = slot;
      break;
    default:
      break;
  }
}

void Document::MoveGap(std::size_t pos) {
  if (pos > Size()) std::abort();  // a caller computed a position outside the document
  std::size_t gap = gapEnd_ - gapStart_;
  if (pos < gapStart_) {
    // Items [pos, gapStart_) move to the far side of the gap.
    for (std::size_t i = gapStart_; i-- > pos;) {
      buffer_[i + gap] = buffer_[i];
      Place(i + gap);
    }
  } else if (pos > gapStart_) {
    // Items [gapEnd_, pos + gap) move to the near side.
    for (std::size_t i = gapStart_; i < pos; ++i) {
      buffer_[i] = buffer_[i + gap];
      Place(i);
    }
  }
  gapStart_ = pos;
  gapEnd_ = pos + gap;
}

void Document::EnsureGap(std::size_t n) {
  std::size_t gap = gapEnd_ - gapStart_;
  if (gap >= n) return;
  Regap(std::max<std::size_t>(n, std::max<std::size_t>(64, buffer_.size() / 2)));
}

void Document::ReserveGap(std::size_t n) {
  if (gapEnd_ - gapStart_ < n) Regap(n);
}

void Document::FitGap(std::size_t n) {
  if (gapEnd_ - gapStart_ > 2 * n) Regap(n);
}

void Document::Regap(std::size_t newGap) {
  std::size_t tail = buffer_.size() - gapEnd_;
  std::vector<Item> grown(gapStart_ + newGap + tail);
  std::copy(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(gapStart_), grown.begin());
  std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(gapEnd_), buffer_.end(),
            grown.begin() + static_cast<std::ptrdiff_t>(gapStart_ + newGap));
  buffer_.swap(grown);
  gapEnd_ = gapStart_ + newGap;
  for (std::size_t i = gapEnd_; i < buffer_.size(); ++i) Place(i);
}

void Document::Insert(std::size_t pos, const std::vector<Item>& items) {
  MoveGap(pos);
  EnsureGap(items.size());
  for (const Item& item : items) {
    buffer_[gapStart_] = item;
    Place(gapStart_);
    ++gapStart_;
  }
}

void Document::Erase(std::size_t pos, std::size_t count) {
  if (pos + count > Size()) std::abort();
  MoveGap(pos);
  for (std::size_t i = 0; i < count; ++i) {
    const Item& item = buffer_[gapEnd_ + i];
    if (item.kind == ItemKind::StartTag || item.kind == ItemKind::Pi) nodes_[item.value].alive = false;
  }
  gapEnd_ += count;
}

void Document::Append(const Item& item) {
  MoveGap(Size());
  EnsureGap(1);
  buffer_[gapStart_] = item;
  Place(gapStart_);
  ++gapStart_;
}

void Document::ForgetSource() {
  for (Item& item : buffer_) item.source = kNoSource;
  source = SourceText();
}

void Document::MakePi(NodeIndex n, std::string target, std::string data) {
  Node& node = nodes_[n];
  std::size_t slot = node.startSlot;
  node.isPi = true;
  node.name = std::move(target);
  node.data = std::move(data);
  node.attributes.clear();
  buffer_[slot].kind = ItemKind::Pi;
}

}  // namespace editor
