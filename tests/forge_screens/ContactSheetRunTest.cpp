// The contact sheet step: it draws whatever pictures exist and never fails the build
// because some are missing or unreadable.
#include "tests/forge_screens/Picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ContactSheetRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("contact-sheet-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    int run() {
        return std::system((std::string(FORGE_CONTACT_TOOL) + " " + dir.string() + " >/dev/null 2>&1").c_str());
    }
    screentest::Picture sheet() const { return screentest::loadPicture((dir / "contact_sheet.png").string()); }
    fs::path dir;
};

TEST_F(ContactSheetRun, WritesASheetEvenWithoutPictures) {
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(sheet().loaded());
}

TEST_F(ContactSheetRun, SkipsOverUnreadablePictures) {
    fs::create_directories(dir / "data/sprites");
    std::ofstream(dir / "data/sprites/broken.bmp") << "not a picture";
    fs::copy_file(screentest::gameFile("data/sprites/tick.bmp"), dir / "data/sprites/tick.bmp");
    EXPECT_EQ(run(), 0);
    const screentest::Picture withTwo = sheet();
    ASSERT_TRUE(withTwo.loaded());
    EXPECT_GT(withTwo.width, 400);
}

} // namespace
