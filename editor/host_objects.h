#pragma once
// The host's automation objects over the stand-in editor: the application
// object (IHostApplication, whose host object answers the query for
// IID_HostDocumentObject) and the ACL object (IHostAcl). Objects reach the
// editor through a link that the editor cuts when it goes, so an object
// the module still holds fails its calls instead of touching freed memory.
#include <memory>

#include "platform/host_automation.h"

namespace editor {

class Editor;

struct HostLink {
  Editor* editor = nullptr;
};

// Class factories for the class table (CoRegisterClass).
HRESULT CreateHostApplicationObject(const std::shared_ptr<HostLink>& link, const IID& iid, void** out);
HRESULT CreateHostAclObject(const std::shared_ptr<HostLink>& link, const IID& iid, void** out);

}  // namespace editor
