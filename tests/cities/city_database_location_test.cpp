// Where the programs find the shipped city database: the build tree only for programs that run
// from it, beside the program, then each absolute folder of $XDG_DATA_DIRS. (An installed tree
// that was moved is checked end to end by tests/packaging/install_test.sh.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cities/city_database_path.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

// Paths relative to a scratch folder; "@" in dataDirs stands for it. A path ending in '/' is
// made as a folder, any other as a small file.
struct LocationCase {
    const char* name;
    std::vector<std::string> made;
    const char* executable;
    const char* dataDirs;
    std::vector<std::string> tried;
    bool found;
};

const std::vector<LocationCase> kCases = {
    {"DataDirsInOrderRelativeAndEmptyIgnored",
     {"b/orvanta/cities.db", "c/orvanta/cities.db"},
     "opt/bin/orvanta-times",
     "rel/share:@/a::@/b:@/c",
     {"opt/share/orvanta/cities.db", "a/orvanta/cities.db", "b/orvanta/cities.db"},
     true},
    {"AFolderNamedLikeTheDatabaseIsSkipped",
     {"opt/share/orvanta/cities.db/"},
     "opt/bin/orvanta-times",
     "@/b",
     {"opt/share/orvanta/cities.db", "b/orvanta/cities.db"},
     false},
    {"TheBuildTreeFirstForAProgramInsideIt",
     {"build/data/cities.db", "build/share/orvanta/cities.db"},
     "build/cli/orvanta-times",
     "@/x",
     {"build/data/cities.db"},
     true},
    {"NoBuildTreeForAProgramOutsideIt",
     {"build/data/cities.db"},
     "moved/cli/orvanta-times",
     "@/x",
     {"moved/share/orvanta/cities.db", "x/orvanta/cities.db"},
     false},
};

TEST(CityDatabaseLocationTest, TriesThePlacesInOrder) {
    for (const LocationCase& row : kCases) {
        SCOPED_TRACE(row.name);
        const testing_support::ScratchFolder scratch;
        const fs::path& root = scratch.Path();
        for (const std::string& path : row.made) {
            fs::create_directories((root / path).parent_path());
            if (path.back() == '/') {
                fs::create_directories(root / path);
            } else {
                std::ofstream(root / path) << "x";
            }
        }
        std::string dataDirs = row.dataDirs;
        for (std::size_t at = dataDirs.find('@'); at != std::string::npos;
             at = dataDirs.find('@')) {
            dataDirs.replace(at, 1, root.string());
        }
        CityDatabaseSearch search;
        search.executable = root / row.executable;
        search.dataFromBin = "../share";
        search.dataDirs = dataDirs;
        search.buildTree = root / "build";
        search.buildTreeDatabase = root / "build/data/cities.db";
        const CityDatabaseLocation location = LocateCityDatabase(search);
        std::vector<fs::path> expected;
        for (const std::string& path : row.tried) {
            expected.push_back(root / path);
        }
        EXPECT_EQ(location.tried, expected);
        EXPECT_EQ(location.found, row.found);
        EXPECT_EQ(location.path, row.found ? expected.back() : expected.front());
    }
}

TEST(CityDatabaseLocationDefaultsTest, UnsetDataDirsMeanUsrLocalShareThenUsrShare) {
    CityDatabaseSearch search;
    search.executable = "/nowhere/bin/orvanta-times";
    search.dataFromBin = "../share";
    const CityDatabaseLocation location = LocateCityDatabase(search);
    // Shorter only when this machine has Orvanta installed under /usr/local.
    ASSERT_GE(location.tried.size(), 2U);
    EXPECT_EQ(location.tried[1], fs::path("/usr/local/share/orvanta/cities.db"));
    if (location.tried.size() == 3) {
        EXPECT_EQ(location.tried[2], fs::path("/usr/share/orvanta/cities.db"));
    }
}

}  // namespace
}  // namespace orvanta
