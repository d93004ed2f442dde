#include "editor/editor.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>

#include "editor/acl.h"
#include "editor/caret.h"
#include "editor/document_walk.h"
#include "editor/element_ids.h"
#include "editor/host_objects.h"
#include "editor/markup_text.h"
#include "editor/text_chars.h"
#include "editor/xml_file.h"
#include "platform/files.h"

namespace editor {

namespace {

// The editor whose classes the class table holds: a later registration
// takes them over, and only their holder takes them out again.
const Editor* g_registered = nullptr;

std::string BaseName(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

Editor::Editor() : state_(std::make_unique<EditorState>()), link_(std::make_shared<HostLink>()) {
  link_->editor = this;
  SetDefaultOptions(*state_);
}

Editor::~Editor() {
  RevokeHostClasses();
  link_->editor = nullptr;
}

bool Editor::Load(const std::string& path, std::string* error) {
  std::string bytes;
  std::string notRegular;
  errno = 0;
  if (!ReadFileBytes(path, &bytes, &notRegular, kMostXmlBytes)) {
    if (error)
      *error = path + ": " +
               (!notRegular.empty() ? "cannot read: not a regular file (" + notRegular + ")"
                : errno == EFBIG    ? "file too large"
                : errno             ? std::strerror(errno)
                                    : "cannot be read");
    return false;
  }
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(NativePath(path), ec);
  Document doc;
  if (!ParseXml(bytes, path, &doc, error)) return false;
  state_->doc = std::move(doc);
  state_->name = BaseName(NativePath(path));
  state_->path = ec ? NativePath(path) : absolute.lexically_normal().string();
  state_->title = state_->name;
  state_->trackedChange.clear();
  editor::ClearSelection(*state_);
  state_->caret = state_->doc.StartOf(state_->doc.Root()) + 1;
  return true;
}

bool Editor::LoadText(std::string_view xml, const std::string& name, std::string* error,
                      const std::string& path) {
  Document doc;
  if (!ParseXml(xml, name.empty() ? "(document)" : name, &doc, error)) return false;
  state_->doc = std::move(doc);
  state_->name = name;
  state_->path = path;
  state_->title = name;
  state_->trackedChange.clear();
  editor::ClearSelection(*state_);
  state_->caret = state_->doc.StartOf(state_->doc.Root()) + 1;
  return true;
}

std::string Editor::SaveText() const { return WriteXml(state_->doc); }

bool Editor::Save(const std::string& path, std::string* error) const {
  int code = 0;
  const char* stage = "";
  if (ReplaceFileContent(path, SaveText(), &code, &stage)) return true;
  if (error) *error = path + ": cannot " + stage + ": " + std::strerror(code);
  return false;
}

std::string Editor::ResolveElement(std::string_view ref) const {
  const Document& doc = state_->doc;
  NodeIndex node = ParseId(ref);
  if (InsideRoot(doc, node)) return IdOf(node);
  NodeIndex best = kNoNode;
  for (NodeIndex n = 0; n < doc.NodeCount(); ++n) {
    const Node& candidate = doc.NodeAt(n);
    if (!InsideRoot(doc, n) || candidate.isPi) continue;
    for (const Attribute& a : candidate.attributes) {
      if ((a.name == "id" || a.name == "xml:id") && DecodeAttributeValue(a.value) == ref &&
          (best == kNoNode || doc.StartOf(n) < doc.StartOf(best)))
        best = n;
    }
  }
  return best == kNoNode ? std::string() : IdOf(best);
}

bool Editor::PlaceCaretIn(std::string_view ref) {
  NodeIndex node = ParseId(ResolveElement(ref));
  if (!state_->doc.IsAlive(node)) return false;
  PlaceCaretInside(*state_, node);
  return true;
}

bool Editor::SelectElement(std::string_view ref) {
  NodeIndex node = ParseId(ResolveElement(ref));
  if (!state_->doc.IsAlive(node)) return false;
  SelectNode(*state_, node);
  return true;
}

std::string Editor::CaretElementId() const { return IdOf(CaretElement(*state_)); }

std::string Editor::SelectionMarkup() const { return editor::SelectionMarkup(*state_); }

void Editor::ClearSelection() { editor::ClearSelection(*state_); }

std::string Editor::Option(const std::string& name) const {
  auto it = state_->options.find(name);
  return it == state_->options.end() ? std::string() : it->second;
}

HRESULT Editor::Run(AclCall::Kind kind, std::string_view text, std::string* result) {
  std::vector<AclCall>& calls = state_->calls;
  // Malformed UTF-8 becomes U+FFFD here, so nothing malformed is ever kept.
  std::string repaired;
  if (!IsWellFormedUtf8(text)) {
    repaired = EncodeUtf8(DecodeUtf8(text));
    text = repaired;
  }
  // The call is on the record before it runs, so that the record keeps the
  // order in which calls arrived.
  const bool record = state_->recordCalls;
  std::size_t index = calls.size();
  if (record) calls.push_back({kind, std::string(text), {}, S_OK});
  std::string description = "the host was made to fail this call";
  HRESULT hr = state_->faults.PassCall(text, &description);
  std::string value;
  if (FAILED(hr)) {
    state_->lastError = description;
  } else {
    try {
      if (kind == AclCall::Evaluated) {
        value = EvaluateExpression(*state_, text);
      } else if (AclResult failed = ExecuteLine(*state_, text)) {
        hr = E_FAIL;
        state_->lastError = std::move(failed->message);
      }
    } catch (const AclFailure& failure) {
      hr = E_FAIL;
      state_->lastError = failure.message;
    } catch (const std::bad_alloc&) {
      hr = E_OUTOFMEMORY;
      state_->lastError = "out of memory";
    }
  }
  if (record) {
    calls[index].result = value;
    calls[index].hr = hr;
  }
  if (result) *result = std::move(value);
  return hr;
}

HRESULT Editor::Evaluate(const Bstr& expression, Bstr* result) {
  std::string value;
  HRESULT hr = Run(AclCall::Evaluated, WideToUtf8(expression.Text()), &value);
  if (result) *result = SUCCEEDED(hr) ? Bstr(Utf8ToWide(value)) : Bstr();
  return hr;
}

HRESULT Editor::Execute(const Bstr& command) {
  return Run(AclCall::Executed, WideToUtf8(command.Text()), nullptr);
}

HRESULT Editor::Evaluate(std::string_view expression, std::string* result) {
  return Run(AclCall::Evaluated, expression, result);
}

HRESULT Editor::Execute(std::string_view command) { return Run(AclCall::Executed, command, nullptr); }

void Editor::FailStage(HostStage stage, HRESULT hr, int nth, int times) {
  state_->faults.stages.push_back({stage, hr, nth > 1 ? nth - 1 : 0, times < 0 ? 1 : times});
}

void Editor::FailCall(int nth, HRESULT hr, std::string description) {
  state_->faults.calls.push_back({nth > 1 ? nth - 1 : 0, {}, hr, std::move(description)});
}

void Editor::FailCallMatching(std::string pattern, HRESULT hr, std::string description) {
  if (pattern.empty()) return;  // an empty pattern would match every call
  state_->faults.calls.push_back({0, std::move(pattern), hr, std::move(description)});
}

void Editor::RegisterHostClasses() {
  std::shared_ptr<HostLink> link = link_;
  CoRegisterClass(CLSID_HostApplication, [link](const IID& iid, void** out) {
    return CreateHostApplicationObject(link, iid, out);
  });
  CoRegisterClass(CLSID_HostAcl, [link](const IID& iid, void** out) {
    return CreateHostAclObject(link, iid, out);
  });
  g_registered = this;
}

void Editor::RevokeHostClasses() {
  if (g_registered != this) return;
  CoRevokeClass(CLSID_HostApplication);
  CoRevokeClass(CLSID_HostAcl);
  g_registered = nullptr;
}

}  // namespace editor
