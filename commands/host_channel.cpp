#include "commands/host_channel.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "host/acl_bridge.h"
#include "platform/wide_text.h"

bool HostChannel::TryExecute(const std::string& command, std::string* description) {
  try {
    Execute(command);
    return true;
  } catch (const _com_error& e) {
    if (description) *description = e.Description();
    return false;
  }
}

std::string StatusCommand(const std::string& text) { return "mes " + AclString(text); }

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

std::string WideToAnsiMarkup(std::u16string_view wide) {
  std::string out;
  out.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char16_t c = wide[i];
    std::size_t units = 1;
    char32_t code = c;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
        wide[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
      units = 2;
    }
    std::string narrow = units == 1 ? WideToAnsi(wide.substr(i, 1)) : std::string("?");
    if (narrow != "?" || c == u'?') {
      out += narrow;
    } else {
      out += Format("&#x%X;", static_cast<unsigned>(code));
    }
    i += units - 1;
  }
  return out;
}
