// The program's start-up and shutdown, run whole on the headless backend.
#include "tests/shell/ShellFixture.h"

#include <filesystem>
#include <fstream>

#include "shell/Startup.h"

class StartupTest : public ShellFixture {};

TEST_F(StartupTest, RunsFromTheDialogToTheMenuAndShutsDown) {
    std::ofstream(dir.file("data/fullscreen.stt"), std::ios::binary) << '\x01';
    // Play in the dialog, then close the game window once the menu runs.
    Headless::setFlipHook([](uint32_t flip) {
        Headless::setKey(KEY_RETURN, flip == 1);
        if (flip == 8)
            Headless::requestQuit();
    });
    EXPECT_EQ(Zumbo_Main(), 0);
    EXPECT_TRUE(isWindowed);
    EXPECT_FALSE(Headless::windowOpen());
    EXPECT_EQ(fenetre, nullptr);
}

TEST_F(StartupTest, MissingPointerPictureStopsWithAClearMessageAndAFailureStatus) {
    // A game folder whose general pictures are missing.
    std::filesystem::remove(dir.file("data/general"));
    std::filesystem::create_directories(dir.file("data/general"));
    std::ofstream(dir.file("data/fullscreen.stt"), std::ios::binary) << '\x01';
    Headless::setFlipHook([](uint32_t flip) { Headless::setKey(KEY_RETURN, flip == 1); });
    testing::internal::CaptureStderr();
    const int status = Zumbo_Main();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(status, 0);
    EXPECT_NE(err.find("pointer picture"), std::string::npos) << err;
    EXPECT_NE(err.find(dir.path() + "/data/general/curseur.bmp"), std::string::npos) << err;
    ASSERT_FALSE(Headless::messages().empty()) << "the picture loader tells the player too";
}
