#include "editor/source_text.h"

#include <iconv.h>

#include <cerrno>

#include "editor/text_chars.h"

namespace editor {

namespace {

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
    char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
    if (x != y) return false;
  }
  return true;
}

bool IsUtf8Name(std::string_view name) { return SameNoCase(name, "UTF-8") || SameNoCase(name, "UTF8"); }

bool IsUnicodeName(std::string_view name) {
  return name.empty() || IsUtf8Name(name) || SameNoCase(name.substr(0, 6), "UTF-16") ||
         SameNoCase(name.substr(0, 6), "UTF-32") || SameNoCase(name.substr(0, 3), "UCS");
}

bool Convert(const std::string& to, const std::string& from, std::string_view in, std::string* out) {
  iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out->assign(in.size() * 2 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  std::size_t used = 0;
  bool ok = true;
  while (true) {
    char* dst = out->data() + used;
    std::size_t dstLeft = out->size() - used;
    std::size_t r = srcLeft ? ::iconv(cd, &src, &srcLeft, &dst, &dstLeft) : ::iconv(cd, nullptr, nullptr, &dst, &dstLeft);
    used = out->size() - dstLeft;
    if (r != static_cast<std::size_t>(-1)) {
      if (srcLeft == 0 && src != nullptr) {
        src = nullptr;  // then the shift back to the initial state
        continue;
      }
      break;
    }
    if (errno != E2BIG) {
      ok = false;
      break;
    }
    out->resize(out->size() * 2);
  }
  ::iconv_close(cd);
  out->resize(used);
  return ok;
}

}  // namespace

bool DecodeSource(std::string_view bytes, const char* declaredEncoding, SourceText* source) {
  source->encoding.clear();
  source->bom.clear();
  using namespace std::string_view_literals;
  std::size_t bom = 0;
  if (bytes.starts_with("\xFF\xFE"sv)) {
    source->encoding = "UTF-16LE";
    bom = 2;
  } else if (bytes.starts_with("\xFE\xFF"sv)) {
    source->encoding = "UTF-16BE";
    bom = 2;
  } else if (bytes.starts_with("<\0?\0"sv)) {
    // UTF-16 without a byte-order mark, known by the declaration's "<?"
    // as XML's own detection of the encoding reads it; it stays without.
    source->encoding = "UTF-16LE";
  } else if (bytes.starts_with("\0<\0?"sv)) {
    source->encoding = "UTF-16BE";
  } else if (declaredEncoding && !IsUtf8Name(declaredEncoding)) {
    source->encoding = declaredEncoding;
    if (bytes.starts_with("\xEF\xBB\xBF"sv)) bom = 3;
  }
  if (source->encoding.empty()) {
    if (!IsWellFormedUtf8(bytes)) return false;
    source->text.assign(bytes);
    return true;
  }
  // A byte-order mark stays as it was, before the text in its encoding.
  source->bom.assign(bytes.substr(0, bom));
  std::string_view body = bytes.substr(bom);
  if (!Convert("UTF-8", source->encoding, body, &source->text)) return false;
  std::string back;
  return EncodeSource(*source, source->text, &back) && back == bytes;
}

bool EncodeSource(const SourceText& source, std::string_view utf8, std::string* bytes) {
  if (source.encoding.empty()) {
    bytes->assign(utf8);
    return true;
  }
  std::string encoded;
  if (!Convert(source.encoding, "UTF-8", utf8, &encoded)) return false;
  *bytes = source.bom + encoded;
  return true;
}

EncodingTest::EncodingTest(const std::string& encoding) : unicode_(IsUnicodeName(encoding)) {
  if (unicode_) return;
  iconv_t cd = ::iconv_open(encoding.c_str(), "UTF-8");
  if (cd != reinterpret_cast<iconv_t>(-1)) converter_ = cd;
}

EncodingTest::~EncodingTest() {
  if (converter_) ::iconv_close(static_cast<iconv_t>(converter_));
}

bool EncodingTest::Holds(char32_t c) {
  if (unicode_ || c < 0x80) return true;
  if (!converter_) return false;
  auto it = known_.find(c);
  if (it != known_.end()) return it->second;
  std::string utf8;
  AppendUtf8(utf8, c);
  char out[16];
  char* src = utf8.data();
  std::size_t srcLeft = utf8.size();
  char* dst = out;
  std::size_t dstLeft = sizeof out;
  auto cd = static_cast<iconv_t>(converter_);
  ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
  bool holds = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1) && srcLeft == 0;
  known_.emplace(c, holds);
  return holds;
}

}  // namespace editor
