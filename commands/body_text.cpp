#include "commands/body_text.h"

#include "engine/markup_end.h"

std::size_t FindStartTag(std::string_view text, std::string_view startTag) {
  if (startTag.empty()) return std::string_view::npos;
  for (std::size_t at = text.find('<'); at != std::string_view::npos;) {
    if (text.substr(at).starts_with(startTag)) return at;
    // A comment, an instruction or a CDATA section may show a tag that
    // starts nothing.
    const std::string_view markup = text.substr(at, 2);
    at = text.find('<', markup == "<!" || markup == "<?" ? MarkupEnd(text, at) : at + 1);
  }
  return std::string_view::npos;
}

std::size_t BodyStartOffset(std::string_view text, std::string_view startTag) {
  const std::size_t k = FindStartTag(text, startTag);
  return k == std::string_view::npos ? 0 : k;
}

std::string WithSentinel(std::string_view text) {
  std::string out(text);
  for (std::size_t p = out.find("@@END"); p != std::string::npos; p = out.find("@@END", p + 1))
    out[p + 1] = ' ';
  out += kTextEnd;
  return out;
}

std::string BodyFrom(std::string_view text, std::size_t offset, std::string_view startTagName) {
  if (offset > text.size()) offset = text.size();
  std::string_view body = text.substr(offset);
  if (!startTagName.empty() && body.size() > startTagName.size() + 1 && body[0] == '<' &&
      body.substr(1, startTagName.size()) == startTagName) {
    char after = body[startTagName.size() + 1];
    const std::size_t close = MarkupEnd(body, 0);
    if ((after == '>' || after == ' ' || after == '\t' || after == '\n' || after == '\r') && body[close - 1] == '>')
      body.remove_prefix(close);
  }
  return WithSentinel(body);
}

std::string BodyRunText(std::string_view text, const BodyRun& run, std::string_view startTagName,
                        std::vector<TextStretch>* passOver, std::size_t* begin) {
  const std::string_view bodies = text.substr(run.begin, run.end - run.begin);
  std::string out = BodyFrom(bodies, 0, startTagName);
  // Where the text returned begins in `text`: after the start tag left out.
  const std::size_t from = run.end - (out.size() - kTextEnd.size());
  for (const TextStretch& s : run.between) passOver->push_back({s.begin - from, s.end - from});
  if (begin) *begin = from;
  return out;
}
