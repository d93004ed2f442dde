#pragma once
// The host editor's two automation interfaces, as the module uses them.
// The stand-in editor implements them; the module reaches them only by
// creating the registered classes below.
#include "platform/com_object.h"
#include "platform/wide_text.h"

class IHostApplication : public IUnknown {
 public:
  // The host object (an interface pointer, AddRef'ed for the caller).
  virtual HRESULT GetHostObject(IUnknown** out) = 0;
};

class IHostAcl : public IUnknown {
 public:
  // Evaluates an ACL expression; its value comes back as text.
  virtual HRESULT EvaluateAcl(const Bstr& expression, Bstr* result) = 0;
  // Executes an ACL command line.
  virtual HRESULT ExecuteAcl(const Bstr& command) = 0;
};

// {B7DB2D75-3663-11D4-9BF5-00108302EAA9} / {B7DB2D74-...}
extern const CLSID CLSID_HostApplication;
extern const IID IID_IHostApplication;
// {59CA1745-1011-11D3-A085-0060B0A1E356} / {59CA1744-...}
extern const CLSID CLSID_HostAcl;
extern const IID IID_IHostAcl;
// The interface every frame queries the host object for.
extern const IID IID_HostDocumentObject;  // {57CD8E32-6047-11D5-9C7A-00108302EAA9}
