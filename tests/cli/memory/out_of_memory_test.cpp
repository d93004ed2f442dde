// Memory that runs out below the size limit: kesta says so, writes nothing
// and leaves the source as it was. The allocator of this program refuses,
// on demand, every request from a size on, as a system under a memory limit
// refuses a large one. (Arrays keep the sanitizer's allocator: only a
// single request is refused here.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <new>

#include "cli/kesta_command.h"
#include "tests/support/temp_dir.h"

namespace {
std::size_t g_refuseFrom = 0;  // 0: every request is served
}  // namespace

void* operator new(std::size_t n) {
  if (g_refuseFrom != 0 && n >= g_refuseFrom) throw std::bad_alloc();
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return ::operator new(n);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

TEST(OutOfMemory, NothingIsWrittenAndTheSourceStays) {
  TempDir dir;
  std::string doc = "<topic id=\"t\"><title>T</title><body>";
  for (int i = 0; i < 20000; ++i) doc += "<p>Close the valve.</p>";
  const std::string big = dir.Write("big.xml", doc + "</body></topic>");
  const std::string custom = std::string(KESTA_SOURCE_DIR) + "/data/custom";
  for (const std::vector<std::string>& args : {std::vector<std::string>{"check", big, "-o", big + ".out"}, {"check", big, "-i"}}) {
    testing::internal::CaptureStderr();
    g_refuseFrom = doc.size() / 2;  // the document is read whole
    const int status = RunKestaCli(args, {"", custom, custom});
    g_refuseFrom = 0;
    EXPECT_EQ(status, kExitFile);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "kesta: " + big + ": out of memory; nothing was written\n");
    EXPECT_EQ(dir.Read("big.xml"), doc + "</body></topic>");
    EXPECT_FALSE(std::filesystem::exists(big + ".out"));
  }
  ::unsetenv("APTCUSTOM");
}
