#include "core/users/AllowEdits.h"
#include "core/users/Validation.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

TEST(AllowEditsTest, EntriesForOneAccountOrEveryAccount) {
    TempDir dir;
    const std::string allow = dir.file("a.allow");
    EXPECT_TRUE(AddAllowedEntry(allow, "ann", "10.1."));
    EXPECT_TRUE(AddAllowedEntry(allow, "", "10.2.0.1"));
    EXPECT_FALSE(AddAllowedEntry(allow, "ann", "10.1."));
    EXPECT_THROW(AddAllowedEntry(allow, "ann", "010.1."), InvalidInput);
    EXPECT_THROW(AddAllowedEntry(allow, "", ""), InvalidInput);
    EXPECT_TRUE(AddAllowedEntry(allow, "bob", "10.1."));
    EXPECT_EQ(RemoveAllowedEntriesOf(allow, "ann"), 1u);
    EXPECT_FALSE(RemoveAllowedEntry(allow, "", "10.1."));
    EXPECT_TRUE(RemoveAllowedEntry(allow, "bob", "10.1."));
    EXPECT_EQ(readFile(allow), "10.2.0.1\r\n");
}

TEST(AllowEditsTest, AddressesAdmitAsTheServerComparesThem) {
    EXPECT_TRUE(AddressAdmits("10.1.", "10.1.2.3"));
    EXPECT_FALSE(AddressAdmits("10.1.", "10.10.2.3"));
    EXPECT_TRUE(AddressAdmits("10.1.2.3", "10.1.2.3"));
    EXPECT_FALSE(AddressAdmits("10.1.2.3", "10.1.2.33"));
    const AllowedEntryParts parts = SplitAllowedEntry("ann@10.1.");
    EXPECT_EQ(parts.user, "ann");
    EXPECT_EQ(parts.address, "10.1.");
    EXPECT_FALSE(SplitAllowedEntry("10.1.").user);
    EXPECT_FALSE(SplitAllowedEntry("ann@").address);
}

} // namespace
