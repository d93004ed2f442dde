// Walks of the document's elements that look for markers.
#include <cstdlib>

#include "commands/command_work.h"
#include "engine/word_rec.h"
#include "platform/bounded_text.h"

namespace {
using Oid = BoundedText<16>;
using Name = BoundedText<32>;

Oid EvalOid(HostChannel& host, const std::string& expr) { return Oid(host.Evaluate(expr)); }

Name NameOf(HostChannel& host, const Oid& oid) {
  return Name(host.Evaluate(Format("oid_name('%s')", oid.c_str())));
}

bool IsValid(HostChannel& host, const Oid& oid) {
  return std::atoi(host.Evaluate(Format("oid_valid('%s')", oid.c_str())).c_str()) == 1;
}
}  // namespace

HRESULT FindKestaWork(HostChannel& host) {
  Oid first = EvalOid(host, "oid_first()");
  Oid last = EvalOid(host, "oid_last()");
  Oid cursor = first;
  for (;;) {
    Oid next = EvalOid(host, Format("oid_forward('%s')", cursor.c_str()));
    if (NameOf(host, next) == "_touchup") return S_OK;
    if (next == last) {
      SendStatus(host, "KESta Search complete. No KESta Messages.");
      host.Execute(Format("goto_oid('%s')", cursor.c_str()));
      SendStatus(host, "NO KESta Messages to remove.");
      return S_FALSE;
    }
    if (!IsValid(host, next)) {
      SendStatus(host, "NO KESta Messages to remove.");
      return S_FALSE;
    }
    cursor = next;
  }
}

HRESULT FindNextKestaWork(HostChannel& host, CommandCalls& self) {
  Oid tag = EvalOid(host, "oid_current_tag(0)");
  Cursor.CurrentOid = tag.view();
  if (self.FindKesta() == S_FALSE) SendStatus(host, "KESta Search complete. Next Messages not found.");
  return S_OK;
}

HRESULT TreeWalkerWork(HostChannel& host) {
  Oid last = EvalOid(host, "oid_last()");
  Oid cursor = EvalOid(host, "oid_first()");
  Oid end = EvalOid(host, Format("oid_backward('%s')", last.c_str()));
  int counter = 0;
  for (;;) {
    Oid next = EvalOid(host, Format("oid_forward('%s')", cursor.c_str()));
    if (next == end) break;
    if (NameOf(host, next) == "_touchup") {
      BoundedText<256> value(host.Evaluate(Format("oid_attr('%s',\"Kesta\");", next.c_str())));
      if (value.length() > 3) break;
      ++counter;
    }
    cursor = next;
    bool goOn = counter <= 1600;
    ++counter;
    if (!goOn) break;
  }
  return S_OK;
}
