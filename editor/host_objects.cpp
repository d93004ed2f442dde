#include "editor/host_objects.h"

#include "editor/editor.h"
#include "platform/error_info.h"

namespace editor {

namespace {

// The host object: the module only queries it for its document interface.
class HostDocumentObject final : public IUnknown, public RefCounted {
 public:
  explicit HostDocumentObject(std::shared_ptr<HostLink> link) : link_(std::move(link)) {}

  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_HostDocumentObject) {
      if (!link_->editor) return E_UNEXPECTED;
      HRESULT hr = link_->editor->PassStage(HostStage::QueryDocumentObject);
      if (FAILED(hr)) return hr;
    } else if (!(iid == IID_IUnknown)) {
      return E_NOINTERFACE;
    }
    AddRef();
    *out = static_cast<IUnknown*>(this);
    return S_OK;
  }
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }

 private:
  std::shared_ptr<HostLink> link_;
};

class HostApplicationObject final : public IHostApplication, public RefCounted {
 public:
  explicit HostApplicationObject(std::shared_ptr<HostLink> link) : link_(std::move(link)) {}

  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!(iid == IID_IUnknown) && !(iid == IID_IHostApplication)) return E_NOINTERFACE;
    AddRef();
    *out = static_cast<IHostApplication*>(this);
    return S_OK;
  }
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }

  HRESULT GetHostObject(IUnknown** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!link_->editor) return E_UNEXPECTED;
    HRESULT hr = link_->editor->PassStage(HostStage::GetHostObject);
    if (FAILED(hr)) return hr;
    *out = new HostDocumentObject(link_);
    return S_OK;
  }

 private:
  std::shared_ptr<HostLink> link_;
};

class HostAclObject final : public IHostAcl, public RefCounted {
 public:
  // A failed call leaves what went wrong as the caller's error information,
  // as the host does.
  HRESULT Described(HRESULT hr) const {
    if (FAILED(hr)) SetErrorInfo(link_->editor->LastError());
    return hr;
  }

  explicit HostAclObject(std::shared_ptr<HostLink> link) : link_(std::move(link)) {}

  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!(iid == IID_IUnknown) && !(iid == IID_IHostAcl)) return E_NOINTERFACE;
    AddRef();
    *out = static_cast<IHostAcl*>(this);
    return S_OK;
  }
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }

  HRESULT EvaluateAcl(const Bstr& expression, Bstr* result) override {
    if (!result) return E_POINTER;
    if (!link_->editor) return E_UNEXPECTED;
    return Described(link_->editor->Evaluate(expression, result));
  }

  HRESULT ExecuteAcl(const Bstr& command) override {
    if (!link_->editor) return E_UNEXPECTED;
    return Described(link_->editor->Execute(command));
  }

 private:
  std::shared_ptr<HostLink> link_;
};

template <class Object>
HRESULT Create(const std::shared_ptr<HostLink>& link, HostStage stage, const IID& iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!link->editor) return CLASS_E_CLASSNOTAVAILABLE;
  HRESULT hr = link->editor->PassStage(stage);
  if (FAILED(hr)) return hr;
  auto* object = new Object(link);
  hr = object->QueryInterface(iid, out);
  object->Release();
  return hr;
}

}  // namespace

HRESULT CreateHostApplicationObject(const std::shared_ptr<HostLink>& link, const IID& iid, void** out) {
  return Create<HostApplicationObject>(link, HostStage::CreateApplication, iid, out);
}

HRESULT CreateHostAclObject(const std::shared_ptr<HostLink>& link, const IID& iid, void** out) {
  return Create<HostAclObject>(link, HostStage::CreateAcl, iid, out);
}

}  // namespace editor
