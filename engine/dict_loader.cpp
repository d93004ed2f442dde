#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "engine/dict_file.h"
#include "engine/dict_run_index.h"
#include "platform/files.h"
#include "platform/interaction.h"

namespace {

// Closes the file however the read ends, memory that runs out included.
struct CloseFile {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

int CannotOpen(const char* path) {
  BoundedText<256> message;
  message.format("Error(1) LoadDict can not open requested file:\n%s", path);
  ShowMessageBox(message.str(), "KESta FILE ERROR", MB_ICONERROR);
  return kDictCannotOpen;
}

// Slot 0 makes one node per line; the others fill the element of the first
// node with the same key, or append a node of their own.
int ApplyMap(int slot, const DictImage& image) {
  if (slot == kSynonymDict) Dictionaries.SynonymDictIndex = kSynonymDict;
  for (const DictMapLine& line : image.map) {
    if (slot != kTechnicalDict) {
      if (DigramNode* node = FindKeyNode(line.key[0], line.key[1])) {
        node->runOffset[slot] = line.runOffset;
        node->entryCount[slot] = line.entryCount;
        node->thirdNumber[slot] = line.thirdNumber;
        continue;
      }
    }
    if (AddDigramNode(line.key, line.runOffset, line.entryCount, slot, line.thirdNumber) < 0)
      return kDictNoNodeMemory;
  }
  return kDictLoaded;
}

}  // namespace

int LoadDict(int index, const char* path) {
  if (!path) path = "";
  std::unique_ptr<std::FILE, CloseFile> f(OpenFile(path, "rb"));
  if (!f) return CannotOpen(path);
  std::string file;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) file.append(buf, n);
  bool readFailed = std::ferror(f.get()) != 0;
  f.reset();
  // A path that opens but cannot be read (a folder) is a file that cannot be opened.
  if (readFailed) return CannotOpen(path);

  if (file.size() < kDictMinFileSize) return kDictTooShort;
  if (!FileExists(path)) return kDictNoAccess;
  if (index < 0 || index >= kDictCount) return kDictCannotOpen;

  DictImage image;
  int code = ReadDictImage(file, &image);
  if (code == kDictTooShort || code == kDictWrongSignature) return code;
  Dictionaries.DictDescriptors[index] = image.descriptor;
  if (code != kDictLoaded) return code;

  code = ApplyMap(index, image);
  if (code != kDictLoaded) return code;

  auto* block = static_cast<char*>(AllocDictMemory(file.size()));
  if (!block) return kDictCannotOpen;
  std::memcpy(block, image.text.data(), image.text.size());
  // A slot loaded a second time gives up its earlier block.
  FreeDictMemory(Dictionaries.DictTextBlocks[index]);
  Dictionaries.DictTextBlocks[index] = block;
  Dictionaries.blockSize[index] = file.size();
  Dictionaries.textLength[index] = image.textLength;
  BuildRunIndexes(index);
  return kDictLoaded;
}
