// Runs the whole engine (tokenizer, classification, every rule pass and the
// collection of findings) over arbitrary text with small dictionaries. The
// first byte picks the check (document or selection) and the warning
// setting. Besides the sanitizers' checks: the list stays linked both ways
// and every finding's search key reads back with its separator.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dictbuild/dict_writer.h"
#include "engine/dict_file.h"
#include "engine/dict_store.h"
#include "engine/message_list.h"
#include "engine/tokenizer.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"
#include "platform/scripted_interaction.h"
#include "rules/engine_passes.h"

namespace {

const char* const kSources[kDictCount] = {
    "valve+seat 1014\nvalve$ 1014\npump$ 1014\nbolt$ 1014\nhose$ 1214>\nshut^20>\n"
    "check 1012\ntype 1014\nside 1075\nheight 1075\nbutton 1011\nabove 5052\n",
    "remov^21\ninstall^20\nopen&20\nclean@ 30\nand 63\nis 24\nare 25\nit 66\nthey 31266 persons\n"
    "to 68\nof 67\nwith 74\nthen 73\nmay 28\nwhilst 30270 while\nmak^+sure 35 do\n"
    "approximately 30150 about\n",
    "about 52\nshut 30120 close\n",
};

void LoadOnce() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  for (int slot = 0; slot < kDictCount; ++slot) {
    std::string file;
    std::vector<DictBuildError> errors;
    if (!BuildDict(kSources[slot], &file, &errors)) std::abort();
    const std::string path =
        "/tmp/kesta-passes-fuzz-" + std::to_string(getpid()) + "-" + std::to_string(slot) + ".cmp";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);
    const int rc = LoadDict(slot, path.c_str());
    std::remove(path.c_str());
    if (rc != kDictLoaded) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static ScriptedInteraction quiet;  // boxes of a refused load would go here
  LoadOnce();
  Settings.app.showWarnings = data[0] & 1;
  const CheckScope scope = (data[0] & 2) ? CheckScope::Selection : CheckScope::Document;
  std::vector<char> text(data + 1, data + size);
  static const char kEnd[] = ". @@END";
  text.insert(text.end(), kEnd, kEnd + sizeof kEnd);
  WordList.Reset();
  TokenizeText(text.data(), 0, scope == CheckScope::Document ? 1 : 3);
  const int n = RunEnginePasses(scope);
  if (n < 0 || static_cast<std::size_t>(n) != MessageList.Count()) __builtin_trap();
  const WordRec* last = nullptr;
  for (const WordRec* w = WordList.head; w; w = w->next) {
    if (w->prev != last) __builtin_trap();
    last = w;
  }
  for (const MessageRec& r : MessageList.records) {
    if (r.searchKey.empty() || r.searchKey.size() > kSearchKeyMax) __builtin_trap();
    if (!ParseSearchKey(r.searchKey).hasSeparator) __builtin_trap();
  }
  WordList.Reset();
  MessageList.Clear();
  return 0;
}
