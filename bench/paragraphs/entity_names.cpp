#include "bench/paragraphs/entity_names.h"

#include <cctype>
#include <string_view>

#include "bench/paragraphs/content_parts.h"

namespace bench {
namespace {

struct EntityName {
  const char* name;
  const char* text;  // the declared text; null: left to the DTD
};

constexpr EntityName kNames[] = {
    {"masq-gw", "masquerading gateway"},
    {"booth.conf", nullptr},
    {"linux_qdisc", "queueing discipline"},
    {"db:x", nullptr},
    {"param-rate", "rate"},
    {"Prod2", nullptr},
    {"net:if.eth0", nullptr},
    {"x86_64", "x86-64"},
    {"ha-cluster.v2", "cluster"},
    {"kernel_ver", nullptr},
    {"yum.repo-id", "repository"},
};
constexpr long kNameCount = sizeof(kNames) / sizeof(kNames[0]);
constexpr long kShapeCount = 8;
constexpr char kMarks[] = {',', ';', '.'};

// A word of letters or digits (not markup's punctuation alone, "(" or "-").
bool HoldsLetterOrDigit(std::string_view word) {
  for (char c : word)
    if (std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

void AddReference(const ContentPart& word, EntityNameRhythm* rhythm, std::string* out) {
  const long r = rhythm->references++;
  const std::string reference = std::string("&") + kNames[r % kNameCount].name + ";";
  switch (r % kShapeCount) {
    case 0: *out += reference; break;
    case 1: *out += reference + "s"; break;
    case 2: *out += "(" + reference + ")"; break;
    case 3:
    case 4:
    case 5:
      *out += reference;
      if (word.closing.empty()) *out += kMarks[r % kShapeCount - 3];
      break;
    case 6: *out += reference; *out += word.text; break;
    case 7: *out += word.text; *out += reference; break;
  }
  *out += word.closing;
}

}  // namespace

std::string WithEntityNames(const std::string& content, EntityNameRhythm* rhythm) {
  std::string out;
  out.reserve(content.size() + content.size() / 8);
  for (const ContentPart& part : ContentParts(content)) {
    if (part.kind != ContentPart::Kind::kWord || !HoldsLetterOrDigit(part.text)) {
      out += part.text;
      out += part.closing;
      continue;
    }
    if (++rhythm->words % 7 == 0) {
      AddReference(part, rhythm, &out);
      continue;
    }
    out += part.text;
    out += part.closing;
  }
  return out;
}

std::string EntityNamesDoctype() {
  std::string doctype = "<!DOCTYPE topic PUBLIC \"-//OASIS//DTD DITA Topic//EN\" \"topic.dtd\" [\n";
  for (const EntityName& entity : kNames)
    if (entity.text) doctype += std::string("<!ENTITY ") + entity.name + " \"" + entity.text + "\">\n";
  return doctype + "]>\n";
}

}  // namespace bench
