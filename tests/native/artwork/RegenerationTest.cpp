// Running the generator gives exactly the files committed under res/, so
// that a Windows build never needs to run it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "tests/common/FileBytes.h"

namespace {

namespace fs = std::filesystem;

// Relative path to contents, for the generator's three folders.
std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const char* sub : {"bitmaps", "icons", "sounds"}) {
        if (!fs::is_directory(root / sub)) continue;
        for (const auto& entry : fs::directory_iterator(root / sub))
            files[fs::relative(entry.path(), root).string()] = ReadFileBytes(entry.path().string());
    }
    return files;
}

TEST(Regeneration, ReproducesTheCommittedFilesByteForByte) {
    char pattern[] = "/tmp/tollwick-artgen-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path dir = pattern;
    const std::string command = std::string("'") + TOLLWICK_ARTGEN + "' '" + dir.string() + "'";
    const int status = std::system(command.c_str());
    const auto fresh = Tree(dir), committed = Tree(TOLLWICK_RES_DIR);
    fs::remove_all(dir);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(fresh.size(), 48u + 3 + 13);
    for (const auto& [name, bytes] : fresh) {
        const auto it = committed.find(name);
        if (it == committed.end()) {
            ADD_FAILURE() << name << " is made but not committed";
        } else {
            EXPECT_TRUE(it->second == bytes) << name << " differs from the committed file";
        }
    }
    for (const auto& entry : committed)
        EXPECT_TRUE(fresh.count(entry.first) == 1) << entry.first << " is committed but no longer made";
}

}  // namespace
