#include "platform/app_framework.h"

namespace {
CWinApp* g_app = nullptr;
bool g_oleReady = false;
AFX_MODULE_STATE g_moduleState{"KestaEpic"};
AFX_MODULE_STATE* g_currentState = nullptr;
}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

BOOL AfxOleInit() {
  g_oleReady = true;
  return 1;
}

bool AfxOleInitialized() { return g_oleReady; }

AFX_MODULE_STATE* AfxGetStaticModuleState() { return &g_moduleState; }

AFX_MODULE_STATE* AfxGetModuleState() { return g_currentState; }

AfxManageState::AfxManageState(AFX_MODULE_STATE* state) : previous_(g_currentState) {
  g_currentState = state;
}

AfxManageState::~AfxManageState() { g_currentState = previous_; }
