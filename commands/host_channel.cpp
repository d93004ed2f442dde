#include "commands/host_channel.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

std::string StatusCommand(const std::string& text) { return "mes \"" + text + "\""; }

void SendStatus(HostChannel& host, const std::string& text) { host.Execute(StatusCommand(text)); }

std::string Format(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  va_list copy;
  va_copy(copy, ap);
  int n = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string out;
  if (n > 0) {
    std::vector<char> buf(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), fmt, ap);
    out.assign(buf.data(), static_cast<std::size_t>(n));
  }
  va_end(ap);
  return out;
}
