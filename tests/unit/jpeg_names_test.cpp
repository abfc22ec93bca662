// Names of the chart picture: split, timestamp, numbered copies, never an existing file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "io/JpegNames.h"
#include "TempFolder.h"

namespace velakor {
namespace {

namespace fs = std::filesystem;

using test::TempFolder;

TEST(JpegNames, SplitPathAtTheLastSeparator) {
    struct Row {
        const char* path;
        const char* folder;
        const char* file;
    };
    const std::vector<Row> rows = {
        {"/home/u/chart.jpg", "/home/u", "chart.jpg"},
        {"/home/u/My.Charts/chart.jpg", "/home/u/My.Charts", "chart.jpg"},
        {"/chart.jpg", "", "chart.jpg"},
        {"/home/u/", "/home/u", ""},
        {"chart.jpg", "", ""},
        {"", "", ""},
        {"C:\\Users\\chart.jpg", "", ""},  // not this platform's separator
    };
    for (const Row& r : rows) {
        const PathParts parts = SplitPath(r.path);
        EXPECT_EQ(parts.Folder, r.folder) << r.path;
        EXPECT_EQ(parts.File, r.file) << r.path;
    }
}

TEST(JpegNames, TimestampIsEightDigitsOfTheDate) {
    EXPECT_EQ(TimestampName(2024, 3, 7), "20240307");
    EXPECT_EQ(TimestampName(1999, 12, 31), "19991231");
    EXPECT_EQ(TimestampName(987, 1, 1), "09870101");
    const std::string today = TimestampName();
    ASSERT_EQ(today.size(), 8u);
    EXPECT_EQ(today.find_first_not_of("0123456789"), std::string::npos);
}

TEST(JpegNames, FileExistsForFilesFoldersAndDanglingLinks) {
    TempFolder dir;
    dir.Touch("chart.jpg");
    fs::create_directory(dir / "folder.jpg");
    fs::create_symlink(dir / "nowhere", dir / "link.jpg");
    EXPECT_TRUE(FileExists(dir / "chart.jpg"));
    EXPECT_TRUE(FileExists(dir / "folder.jpg"));
    EXPECT_TRUE(FileExists(dir / "link.jpg"));
    EXPECT_FALSE(FileExists(dir / "other.jpg"));
    EXPECT_FALSE(FileExists(dir / "missing/chart.jpg"));
    EXPECT_FALSE(FileExists(""));
}

TEST(JpegNames, FolderAndFileRules) {
    TempFolder dir;
    const std::string d = dir.str();
    struct Row {
        const char* name;
        std::string folder;
        std::string file;
        std::string path;
    };
    const std::vector<Row> rows = {
        {"plain name gets .jpg", d, "chart", d + "/chart.jpg"},
        {"folder with a trailing separator", d + "/", "chart", d + "/chart.jpg"},
        {"doubled separators made single", d + "//sub//", "chart", d + "/sub/chart.jpg"},
        {"empty folder is the program's folder", "", "chart", d + "/chart.jpg"},
        {"empty file is today's date", d, "", d + "/20240307.jpg"},
        {".bmp becomes .jpg", d, "chart.bmp", d + "/chart.jpg"},
        {"every .bmp, case counts", d, "a.bmp.BMP.bmp", d + "/a.jpg.BMP.jpg"},
        {"a file with a dot keeps its extension", d, "chart.png", d + "/chart.png"},
        {"a folder with a dot", d + "/My.Charts", "chart", d + "/My.Charts/chart.jpg"},
    };
    for (const Row& r : rows) {
        const JpegPathResult result = UniqueJpegPath(r.folder, r.file, d, "20240307");
        EXPECT_EQ(result.Path, r.path) << r.name;
        EXPECT_EQ(result.Message, "") << r.name;
        EXPECT_EQ(result.Title, "") << r.name;
    }
    EXPECT_TRUE(dir.Names().empty()) << "choosing a name writes nothing";
}

TEST(JpegNames, TakenNamesGetTheNextNumber) {
    TempFolder dir;
    std::vector<std::string> chosen;
    for (int i = 0; i < 3; ++i) {
        const JpegPathResult r = UniqueJpegPath(dir.str(), "chart", "");
        ASSERT_FALSE(r.Path.empty());
        chosen.push_back(fs::path(r.Path).filename().string());
        std::ofstream(r.Path) << "jpeg";
    }
    EXPECT_EQ(chosen, (std::vector<std::string>{"chart.jpg", "chart_001.jpg", "chart_002.jpg"}));

    // A gap is filled first; every dot of the name is numbered.
    fs::remove(dir / "chart_001.jpg");
    EXPECT_EQ(UniqueJpegPath(dir.str(), "chart", "").Path, dir / "chart_001.jpg");
    dir.Touch("a.b.jpg");
    EXPECT_EQ(UniqueJpegPath(dir.str(), "a.b.jpg", "").Path, dir / "a_001.b_001.jpg");
}

TEST(JpegNames, AllCopiesTakenGivesTheMessageAndNoPath) {
    TempFolder dir;
    dir.Touch("chart.jpg");
    char name[32];
    for (int n = 1; n <= 999; ++n) {
        std::snprintf(name, sizeof name, "chart_%03d.jpg", n);
        dir.Touch(name);
    }
    const auto before = dir.Names();
    const JpegPathResult r = UniqueJpegPath(dir.str(), "chart", "");
    EXPECT_EQ(r.Path, "");
    EXPECT_EQ(r.Message, "There are too many Copies of this file  chart.jpg");
    EXPECT_EQ(r.Title, " UNABLE  TO  CREATE  NEW  FILE" + std::string("chart.jpg"));
    EXPECT_EQ(dir.Names(), before);

    fs::remove(dir / "chart_999.jpg");
    EXPECT_EQ(UniqueJpegPath(dir.str(), "chart", "").Path, dir / "chart_999.jpg");
}

TEST(JpegNames, ChosenNameLosesItsExtensionButNotItsFolders) {
    TempFolder dir;
    const std::string d = dir.str();
    fs::create_directory(dir / "My.Charts");
    fs::create_directory(dir / "pics.jpg");
    struct Row {
        const char* name;
        std::string chosen;
        std::string path;
    };
    const std::vector<Row> rows = {
        {"no extension", d + "/chart", d + "/chart.jpg"},
        {"dot in the folder only", d + "/My.Charts/chart", d + "/My.Charts/chart.jpg"},
        {".jpg in the folder name stays", d + "/pics.jpg/chart.jpg", d + "/pics.jpg/chart.jpg"},
        {"everything from the first dot dropped", d + "/my.chart.jpg", d + "/my.jpg"},
        {"capital extension", d + "/chart.JPG", d + "/chart.jpg"},
        {"a bitmap name", d + "/chart.bmp", d + "/chart.jpg"},
        {"no separator: today's date in the program's folder", "chart.jpg", d + "/20240307.jpg"},
    };
    for (const Row& r : rows) EXPECT_EQ(JpegTargetPath(r.chosen, d, "20240307").Path, r.path) << r.name;

    // An existing bitmap of the same name is not in the way and is never touched.
    dir.Touch("chart.bmp");
    dir.Touch("chart.jpg");
    EXPECT_EQ(JpegTargetPath(d + "/chart.jpg", d).Path, d + "/chart_001.jpg");
    EXPECT_EQ(JpegTargetPath(d + "/chart", d).Path, d + "/chart_001.jpg");
    EXPECT_TRUE(FileExists(dir / "chart.bmp"));
}

}  // namespace
}  // namespace velakor
