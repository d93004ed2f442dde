// Memory that runs out below the size limit: kesta says so, writes nothing
// and leaves the source as it was. The allocator of this program refuses,
// on demand, every request from a size on, as a system under a memory limit
// refuses a large one.
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
void* operator new[](std::size_t n) { return ::operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return ::operator new(n);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t n, const std::nothrow_t& tag) noexcept { return ::operator new(n, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

TEST(OutOfMemory, NothingIsWrittenAndTheSourceStays) {
  TempDir dir;
  std::string body;
  for (int i = 0; i < 20000; ++i) body += "<p>Close the valve and stop the pump.</p>\n";
  const std::string doc = "<?xml version=\"1.0\"?>\n<topic id=\"t\"><title>T</title><body>\n" + body + "</body></topic>\n";
  const std::string big = dir.Write("big.xml", doc);
  const std::string out = (dir.path() / "out.xml").string();
  const std::string custom = std::string(KESTA_SOURCE_DIR) + "/data/custom";
  const CliPaths paths{"", custom, custom};
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"check", big, "-o", out}, {"check", big, "-i"}, {"call", "SixsigmaRead", big, "--answer", "1", "-i"}}) {
    testing::internal::CaptureStderr();
    g_refuseFrom = doc.size() / 2;  // the document is read whole
    const int status = RunKestaCli(args, paths);
    g_refuseFrom = 0;
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, kExitFile) << args[1];
    EXPECT_EQ(err, "kesta: " + big + ": out of memory; nothing was written\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(dir.Read("big.xml"), doc);
  }
  ::unsetenv("APTCUSTOM");
}
