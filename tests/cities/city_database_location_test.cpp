// Where the programs find the shipped city database: the build tree only for programs that run
// from it, beside the program, then each absolute folder of $XDG_DATA_DIRS. (An installed tree
// that was moved is checked end to end by tests/packaging/install_test.sh.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cities/city_database_path.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

// One case a line: the paths made (a path ending in '/' is made as a folder, any other as a
// small file), the program, $XDG_DATA_DIRS ("@" stands for the scratch folder), the paths tried
// and whether the last of them was found. Paths are relative to a scratch folder; lists are
// separated by commas.
constexpr const char* kCases = R"(
b/orvanta/cities.db,c/orvanta/cities.db opt/bin/orvanta-times rel/share:@/a::@/b:@/c opt/share/orvanta/cities.db,a/orvanta/cities.db,b/orvanta/cities.db 1
opt/share/orvanta/cities.db/ opt/bin/orvanta-times @/b opt/share/orvanta/cities.db,b/orvanta/cities.db 0
build/data/cities.db,build/share/orvanta/cities.db build/cli/orvanta-times @/x build/data/cities.db 1
build/data/cities.db moved/cli/orvanta-times @/x moved/share/orvanta/cities.db,x/orvanta/cities.db 0
)";

std::vector<fs::path> Paths(const fs::path& root, const std::string& list) {
    std::vector<fs::path> paths;
    std::istringstream in(list);
    for (std::string path; std::getline(in, path, ',');) {
        paths.push_back(root / path);
    }
    return paths;
}

TEST(CityDatabaseLocationTest, TriesThePlacesInOrder) {
    std::istringstream rows(kCases);
    for (std::string made, executable, dataDirs, tried, found;
         rows >> made >> executable >> dataDirs >> tried >> found;) {
        SCOPED_TRACE(made + " " + executable);
        const testing_support::ScratchFolder scratch;
        const fs::path& root = scratch.Path();
        for (const fs::path& path : Paths(root, made)) {
            fs::create_directories(path.parent_path());
            if (path.filename().empty()) {
                fs::create_directories(path);
            } else {
                std::ofstream(path) << "x";
            }
        }
        for (std::size_t at = dataDirs.find('@'); at != std::string::npos;
             at = dataDirs.find('@')) {
            dataDirs.replace(at, 1, root.string());
        }
        CityDatabaseSearch search;
        search.executable = root / executable;
        search.dataFromBin = "../share";
        search.dataDirs = dataDirs;
        search.buildTree = root / "build";
        search.buildTreeDatabase = root / "build/data/cities.db";
        const CityDatabaseLocation location = LocateCityDatabase(search);
        const std::vector<fs::path> expected = Paths(root, tried);
        EXPECT_EQ(location.tried, expected);
        EXPECT_EQ(location.found, found == "1");
        EXPECT_EQ(location.path, found == "1" ? expected.back() : expected.front());
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
