#include "app/Folders.h"

#include <gtest/gtest.h>

using stoupe::Folders;

TEST(Folders, DataFoldersSitBesideTheExecutable) {
    const Folders f = Folders::fromBase("/opt/vs/lib/vellamor-stoupe/");
    EXPECT_EQ(f.BaseFolder, "/opt/vs/lib/vellamor-stoupe");
    EXPECT_EQ(f.NeutralFolder, "/opt/vs/lib/vellamor-stoupe/Neutral/");
    EXPECT_EQ(f.LanguagesFolder, "/opt/vs/lib/vellamor-stoupe/Lang/");
    EXPECT_EQ(f.LanguageFolder, "/opt/vs/lib/vellamor-stoupe/Lang/EN");
}
