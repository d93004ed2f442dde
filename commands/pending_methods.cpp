// Methods whose commands are not built yet: each answers E_NOTIMPL until its
// own file takes its place here.
#include "commands/run_kesta.h"

HRESULT RunKesta::WordFinder() { return E_NOTIMPL; }
HRESULT RunKesta::ShowTemp() { return E_NOTIMPL; }
HRESULT RunKesta::MetricConverter() { return E_NOTIMPL; }
HRESULT RunKesta::VerbSelector() { return E_NOTIMPL; }
