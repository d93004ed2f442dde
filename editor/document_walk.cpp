#include "editor/document_walk.h"

namespace editor {

namespace {

NodeIndex EnclosingBefore(const Document& doc, std::size_t pos) {
  std::size_t i = pos;
  while (i > 0) {
    const Item& item = doc.At(i - 1);
    if (item.kind == ItemKind::StartTag) return item.value;
    if (item.kind == ItemKind::EndTag)
      i = doc.StartOf(item.value);  // skip the whole sibling element
    else
      --i;
  }
  return kNoNode;
}

bool IsObjectItem(const Item& item) {
  return item.kind == ItemKind::StartTag || item.kind == ItemKind::Pi;
}

}  // namespace

NodeIndex InnermostElementAt(const Document& doc, std::size_t pos) {
  if (doc.Root() == kNoNode || pos > doc.Size()) return kNoNode;
  return EnclosingBefore(doc, pos);
}

NodeIndex ParentOf(const Document& doc, NodeIndex node) {
  if (!doc.IsAlive(node) || node == doc.Root()) return kNoNode;
  return EnclosingBefore(doc, doc.StartOf(node));
}

bool InsideRoot(const Document& doc, NodeIndex node) {
  NodeIndex root = doc.Root();
  if (root == kNoNode || !doc.IsAlive(node)) return false;
  std::size_t p = doc.StartOf(node);
  return p >= doc.StartOf(root) && p <= doc.EndOf(root);
}

NodeIndex NextInOrder(const Document& doc, NodeIndex node) {
  if (!InsideRoot(doc, node)) return kNoNode;
  std::size_t end = doc.EndOf(doc.Root());
  for (std::size_t i = doc.StartOf(node) + 1; i < end; ++i)
    if (IsObjectItem(doc.At(i))) return doc.At(i).value;
  return kNoNode;
}

NodeIndex PrevInOrder(const Document& doc, NodeIndex node) {
  if (!InsideRoot(doc, node) || node == doc.Root()) return kNoNode;
  std::size_t begin = doc.StartOf(doc.Root());
  for (std::size_t i = doc.StartOf(node); i-- > begin;)
    if (IsObjectItem(doc.At(i))) return doc.At(i).value;
  return kNoNode;
}

NodeIndex LastInOrder(const Document& doc) {
  NodeIndex root = doc.Root();
  if (root == kNoNode) return kNoNode;
  std::size_t begin = doc.StartOf(root);
  for (std::size_t i = doc.EndOf(root); i-- > begin;)
    if (IsObjectItem(doc.At(i))) return doc.At(i).value;
  return root;
}

}  // namespace editor
