#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/dict_file.h"
#include "engine/dict_store.h"
#include "platform/scripted_interaction.h"
#include "tests/support/dict_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

// A file made by hand, for damage the writer would never produce: `text` is
// the plain entry text (masked here), `map` the map lines as written.
struct RawDict {
  std::string mapOffset;  // empty: the real offset
  std::string count = "10";
  std::string name = "RAW";
  std::string secondName = "raw";
  std::string version = "1.0";
  std::string text;
  std::string map;
  std::size_t minSize = kDictMinFileSize;

  std::string Bytes() const {
    std::string region;
    for (char c : text) region += static_cast<char>(MaskDictByte(static_cast<unsigned char>(c)));
    std::size_t total = kDictHeaderSize + region.size() + kMapGap + map.size();
    if (total < minSize) region.append(minSize - total, '\0');
    std::string offset = mapOffset.empty() ? std::to_string(kDictHeaderSize + region.size() + kMapGap) : mapOffset;
    std::string header(kDictHeaderSize, '\0');
    header.replace(0, 4, "+OKU");
    auto put = [&](std::size_t at, const std::string& s) { header.replace(at, s.size(), s); };
    put(kMapOffsetAt, offset.substr(0, 8));
    if (offset.size() < 8) header[kMapOffsetAt + offset.size()] = ' ';
    put(kEntryCountAt, count);
    put(kNameAt, name);
    put(kSecondNameAt, secondName);
    put(kVersionAt, version);
    return header + region + std::string(kMapGap, '\0') + map;
  }
};

class DictLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override { Dictionaries.Reset(); }
  void TearDown() override {
    FailDictAllocationForTesting(0);
    Dictionaries.Reset();
  }
  int Load(int slot, const std::string& bytes) {
    std::string path = dir_.Write("d" + std::to_string(files_++) + ".cmp", bytes);
    return LoadDict(slot, path.c_str());
  }
  int LoadSource(int slot, const std::string& source) { return Load(slot, BuildTestDict(source)); }
  static std::string Run(const char* word, int slot) {
    const DigramNode* node = FindDigramNode(word);
    if (!node) return "<no node>";
    const char* run = DictRun(node, slot);
    return run ? std::string(run) : "<absent>";
  }
  // Each node: "key offset/count/third" of the slot (the key alone where the
  // slot has no run), in list order.
  static std::string Nodes(int slot) {
    std::string out;
    for (const DigramNode* n = Dictionaries.DigramIndex; n; n = n->next) {
      EXPECT_TRUE(!n->next || n->next->prev == n);
      out += std::string(out.empty() ? "" : " ") + n->key;
      if (n->runOffset[slot] != kAbsentRun)
        out += " " + std::to_string(n->runOffset[slot]) + "/" + std::to_string(n->entryCount[slot]) + "/" +
               std::to_string(n->thirdNumber[slot]);
    }
    return out;
  }

  TempDir dir_;
  ScriptedInteraction ui_;
  int files_ = 0;
};

TEST_F(DictLoaderTest, LoadsWhatTheWriterWrites) {
  ASSERT_EQ(LoadSource(kTechnicalDict, "name: TECHNICAL\nsecond-name: tec\nversion: 2.1 beta\n"
                       "valve+seat 1014\nvalve$ 1014\npump$ 1014\nup 52\n"),
            kDictLoaded);
  EXPECT_TRUE(ui_.Events().empty());
  EXPECT_EQ(Run("valve", 0) + " ~ " + Run("pumps", 0) + " ~ " + Run("up", 0),
            "lve+seat 1014|lve$ 1014|mp$ 1014|up 52| ~ mp$ 1014|up 52| ~ up 52|");
  EXPECT_EQ(Run("valve", 1) + Run("zz", 0) + Run("v", 0), "<absent><no node><no node>");
  const DigramNode* va = FindDigramNode("valve");
  ASSERT_NE(va, nullptr);
  EXPECT_EQ(std::to_string(RunEntryCount(va, 0)) + " " + std::to_string(RunEntryCount(va, 1)), "2 -1");
  EXPECT_EQ(va->runOffset[2], kAbsentRun);
  const DictDescriptor& d = Dictionaries.DictDescriptors[0];
  EXPECT_EQ(d.name.str() + "|" + d.secondName.str() + "|" + d.version.str(), "TECHNICAL|tec|2.1");
  EXPECT_EQ(Dictionaries.blockSize[0], kDictMinFileSize);
  EXPECT_EQ(Dictionaries.SynonymDictIndex, 0);
}

TEST_F(DictLoaderTest, LaterSlotsShareTheNodesOfTheFirst) {
  ASSERT_EQ(LoadSource(0, "valve$ 1014\nbolt$ 1014\n"), kDictLoaded);
  ASSERT_EQ(LoadSource(1, "remov^21\nvalve 10\n"), kDictLoaded);
  ASSERT_EQ(LoadSource(2, "shut 30120 close\nvalve 10\n"), kDictLoaded);
  EXPECT_EQ(Dictionaries.SynonymDictIndex, kSynonymDict);

  EXPECT_EQ(Nodes(2), "va 15/1/7 bo re sh 0/1/15");
  EXPECT_EQ(Run("valve", 0) + Run("valve", 1) + Run("valve", 2), "lve$ 1014|lt$ 1014|lve 10|lve 10|");
  const DigramNode* sh = FindDigramNode("shut");
  EXPECT_EQ(RunEntryCount(sh, 0) + RunEntryCount(sh, 1), -2);
  // Loading a slot again gives up its earlier block.
  ASSERT_EQ(LoadSource(1, "valve 11\n"), kDictLoaded);
  EXPECT_EQ(Run("valve", 1), "lve 11|");
}

TEST_F(DictLoaderTest, RepeatedKeys) {
  RawDict first;
  first.text = "lve 10|lve$ 1014|";
  first.map = "va 0 1 0\nva 7 1 0\n";
  ASSERT_EQ(Load(0, first.Bytes()), kDictLoaded);
  EXPECT_EQ(Nodes(0), "va 0/1/0 va 7/1/0");  // the second "va" node is never reached
  EXPECT_EQ(Run("valve", 0), "lve 10|lve$ 1014|");

  RawDict second;
  second.text = "lve 11|lve 12|";
  second.map = "va 0 1 5\nva|7|1|6\n";  // the later line of the same dictionary wins
  ASSERT_EQ(Load(1, second.Bytes()), kDictLoaded);
  EXPECT_EQ(Nodes(1), "va 7/1/6 va");
  EXPECT_EQ(Run("valve", 1), "lve 12|");
}

TEST_F(DictLoaderTest, MapCommentsAndSeparators) {
  RawDict raw;
  raw.text = std::string(120, 'x') + std::string(34, '|') + "y|";
  raw.map = "@@ 0 0 0\n\n  ab|120|35|7  \r\n@@anything at all\n";
  ASSERT_EQ(Load(0, raw.Bytes()), kDictLoaded);
  EXPECT_EQ(Nodes(0), "ab 120/35/7");
}

TEST_F(DictLoaderTest, HeaderFields) {
  RawDict raw;
  raw.name = std::string(30, 'N');
  raw.version = "123456789012345678";  // fills its field: 17 are taken, no blank to cut at
  raw.secondName = "abcdefghijkl";         // fills its field: runs on into the version
  raw.count = " +12";
  ASSERT_EQ(Load(0, raw.Bytes()), kDictLoaded);
  const DictDescriptor& d = Dictionaries.DictDescriptors[0];
  EXPECT_EQ(d.name.str() + "|" + d.secondName.str() + "|" + d.version.str(),
            std::string(20, 'N') + "|abcdefghijkl12345678|12345678901234567");
}

TEST_F(DictLoaderTest, FileThatCannotBeOpened) {
  std::string path = (dir_.path() / "missing.cmp").string();
  EXPECT_EQ(LoadDict(0, path.c_str()), kDictCannotOpen);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].caption + "|" + ui_.Boxes()[0].text,
            "KESta FILE ERROR|Error(1) LoadDict can not open requested file:\n" + path);
  EXPECT_EQ(ui_.Boxes()[0].style & MB_ICONMASK, MB_ICONERROR);
  ui_.Clear();
  EXPECT_EQ(LoadDict(0, dir_.path().c_str()), kDictCannotOpen);  // a folder
  EXPECT_EQ(ui_.Boxes().size(), 1u);
}

// Header faults, each on a fresh file: what the load answers.
TEST_F(DictLoaderTest, HeaderFailures) {
  const struct {
    void (*damage)(RawDict&);
    int result;
  } cases[] = {
      {[](RawDict& r) { r.minSize = 999; }, kDictTooShort},
      {[](RawDict& r) { r.count = "9"; }, kDictWrongMap},
      {[](RawDict& r) { r.count = "1000001"; }, kDictWrongMap},
      {[](RawDict& r) { r.count = "1000000"; }, kDictLoaded},
      {[](RawDict& r) { r.mapOffset = "1000001"; }, kDictWrongMap},
      {[](RawDict& r) { r.mapOffset = "91"; }, kDictWrongMap},    // no room for any text
      {[](RawDict& r) { r.mapOffset = "1001"; }, kDictWrongMap},  // past the end of the file
      {[](RawDict& r) { r.mapOffset = "92"; }, kDictLoaded},      // an empty text and the map from byte 92
  };
  for (const auto& c : cases) {
    RawDict raw;
    c.damage(raw);
    EXPECT_EQ(Load(0, raw.Bytes()), c.result) << raw.count << " " << raw.mapOffset;
  }
  EXPECT_EQ(Dictionaries.DictDescriptors[0].name, "RAW");  // filled before the map check
  std::string bytes = RawDict{}.Bytes();
  bytes[3] = 'X';
  Dictionaries.Reset();
  EXPECT_EQ(Load(0, bytes), kDictWrongSignature);
  EXPECT_EQ(Dictionaries.DictDescriptors[0].name, "");
  EXPECT_TRUE(ui_.Events().empty());
  EXPECT_EQ(Dictionaries.DigramIndex, nullptr);
}

// Every map line must fit the text it indexes, or a lookup would read outside
// the block; a file that does not fit is refused whole.
TEST_F(DictLoaderTest, MapThatDoesNotFitTheText) {
  const std::string badMaps[] = {
      "va 0 3 0\n",             // two entries present, three claimed
      "va 14 1 0\n",            // offset at the end of the text
      "va 4000 1 0\n",          // offset far outside
      "va -1 1 0\n",            // negative offset
      "va 0 -2 0\n",            // negative count
      "va 0 40000 0\n",         // more than a signed 16-bit count
      "va 0 12345678 0\n",      // a number of more than 7 characters
      "v 0 1 0\n",              // a one-letter key
      "va 0 1 0 " + std::string(80, 'x') + "\n",  // a line the line buffer would split
      "va 0 1 0\nbo 20 1 0\n",  // a good line, then one outside: nothing is kept
  };
  auto refused = [&](const std::string& text, const std::string& map) {
    RawDict raw;
    raw.text = text;
    raw.map = map;
    EXPECT_EQ(Load(0, raw.Bytes()), kDictWrongMap) << map;
    EXPECT_EQ(Dictionaries.DigramIndex, nullptr) << map;
    EXPECT_EQ(Dictionaries.DictTextBlocks[0], nullptr) << map;
  };
  for (const std::string& map : badMaps) refused("lve 10|lve$ 1|", map);
  // Runs end at the first NUL of the text.
  refused(std::string("lve 10|") + '\0' + "lt 10|", "va 0 1 0\nbo 8 1 0\n");
  // The last entry needs no separator after it; a count of 0 reads nothing.
  RawDict fits;
  fits.text = "lve 10|lve$ 1";
  fits.map = "va 0 2 0\nbo 7 0 0\n";
  EXPECT_EQ(Load(0, fits.Bytes()), kDictLoaded);
}

TEST_F(DictLoaderTest, OutOfMemory) {
  std::string file = BuildTestDict("valve 10\nbolt 10\n");
  FailDictAllocationForTesting(2);  // the second node
  EXPECT_EQ(Load(0, file), kDictNoNodeMemory);
  FailDictAllocationForTesting(0);
  Dictionaries.Reset();
  FailDictAllocationForTesting(3);  // the text block, after two nodes
  EXPECT_EQ(Load(0, file), kDictCannotOpen);
  EXPECT_TRUE(ui_.Events().empty());
  EXPECT_EQ(Dictionaries.DictTextBlocks[0], nullptr);
}

TEST_F(DictLoaderTest, UnmaskAndAddNode) {
  unsigned char bytes[] = {165, 208, 209, 210, 211, 212, 213, 241, 242, 'x', 0};
  UnmaskDictText(reinterpret_cast<char*>(bytes), sizeof bytes);
  EXPECT_STREQ(reinterpret_cast<char*>(bytes), "aie |ou+|x");
  bytes[0] = 165;
  UnmaskDictText(reinterpret_cast<char*>(bytes), 0);
  EXPECT_EQ(bytes[0], 165);
  for (const MaskRow& row : kMaskRows) EXPECT_TRUE(IsMaskByte(row.stored));
  EXPECT_FALSE(IsMaskByte('a'));
  EXPECT_EQ(MaskDictByte('|'), 211);
  EXPECT_EQ(AddDigramNode("@@", 0, 1, 0, 0), 0);
  EXPECT_EQ(AddDigramNode("ab", 0, 1, 3, 0), -1);
  FailDictAllocationForTesting(1);
  EXPECT_EQ(AddDigramNode("ab", 0, 1, 0, 0), -1);
  EXPECT_EQ(Dictionaries.DigramIndex, nullptr);
  EXPECT_EQ(AddDigramNode("cd", 5, 2, 1, 9), 1);
  EXPECT_EQ(Nodes(1), "cd 5/2/9");
  EXPECT_EQ(Dictionaries.DigramIndex->thirdNumber[0], kAbsentRun);
  EXPECT_EQ(Dictionaries.DigramIndex->entryCount[2], kAbsentCount);
  EXPECT_EQ(DictRun(Dictionaries.DigramIndex, 1), nullptr);  // no text loaded for the slot
}

}  // namespace
