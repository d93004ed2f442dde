// What kesta says of an owner or group that a replaced file could not keep.
#include "cli/file_owner.h"

#include <gtest/gtest.h>

TEST(FileOwner, LinesForWhatWasNotKept) {
  // Ids without a name (none of the system's) are given as numbers.
  const FileOwner old{4000000001u, 4000000002u};
  EXPECT_TRUE(OwnershipNotKept("f.xml", old, old).empty());
  EXPECT_EQ(OwnershipNotKept("f.xml", old, {4000000003u, 4000000002u}),
            std::vector<std::string>{
                "f.xml: the owner 4000000001 could not be kept; the file now belongs to 4000000003"});
  EXPECT_EQ(OwnershipNotKept("f.xml", old, {4000000003u, 4000000004u}),
            (std::vector<std::string>{
                "f.xml: the owner 4000000001 could not be kept; the file now belongs to 4000000003",
                "f.xml: the group 4000000002 could not be kept; the file's group is now 4000000004"}));
  EXPECT_FALSE(RegularFileOwner("/").has_value());
}
