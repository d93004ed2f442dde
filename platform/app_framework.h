#pragma once
// The pieces of the application framework that the module's start-up relies
// on: the application object's base class, OLE preparation, and the switch
// to the module's framework state. There is one module per process here, so
// the state switch only records which state is current.
using BOOL = int;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  // The framework's own start-up and exit: nothing to prepare or release here.
  virtual BOOL InitInstance() { return 1; }
  virtual int ExitInstance() { return 0; }
};

// The application object of the process (the last one built), or null.
CWinApp* AfxGetApp();

// Prepares OLE for the process; non-zero on success. Calling it again is harmless.
BOOL AfxOleInit();
bool AfxOleInitialized();

struct AFX_MODULE_STATE {
  const char* name;
};
AFX_MODULE_STATE* AfxGetStaticModuleState();
// The state in effect; null outside any switch.
AFX_MODULE_STATE* AfxGetModuleState();

// Makes `state` current for the life of the object, then restores the previous one.
class AfxManageState {
 public:
  explicit AfxManageState(AFX_MODULE_STATE* state);
  ~AfxManageState();
  AfxManageState(const AfxManageState&) = delete;
  AfxManageState& operator=(const AfxManageState&) = delete;

 private:
  AFX_MODULE_STATE* previous_;
};
#define AFX_MANAGE_STATE(state) AfxManageState afxManageState_(state)
