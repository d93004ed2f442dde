#pragma once
// The error information a failing object leaves for its caller (per thread):
// the host sets a description before it answers a call with a failure code,
// and the caller takes it to describe the failure.
#include <string>

void SetErrorInfo(std::string description);
// Takes the description left by the last failure (and clears it); false when
// there is none.
bool GetErrorInfo(std::string* description);
