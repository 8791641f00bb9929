// The start-up dialog and the window-mode byte it keeps in data/fullscreen.stt.
#include "tests/shell/ShellFixture.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/Dialog.h"
#include "shell/Startup.h"
#include "tools/forge/screens/DialogLayout.h"

namespace {

enum Action { PRESS_RETURN, PRESS_ESCAPE, PRESS_SPACE, CLICK_BOX, CLICK_HELP, CLICK_PLAY, CLICK_QUIT, CLOSE_BOX };

// Plays the actions one after another, each over two frames (down, then up).
void ScriptDialog(const std::vector<Action> &actions) {
    Headless::setFlipHook([actions](uint32_t flip) {
        // Flips count from 1: the first action goes down after the first frame.
        const size_t step = (flip - 1) / 2;
        const bool down = (flip - 1) % 2 == 0;
        if (step >= actions.size())
            return;
        auto click = [down](const DialogRect &r) {
            Headless::setMouse((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            Headless::setMouseButton(down);
        };
        switch (actions[step]) {
        case PRESS_RETURN: Headless::setKey(KEY_RETURN, down); break;
        case PRESS_ESCAPE: Headless::setKey(KEY_ESCAPE, down); break;
        case PRESS_SPACE: Headless::setKey(KEY_SPACE, down); break;
        case CLICK_BOX: click(kDialogCheckBox); break;
        case CLICK_HELP: click(kDialogHelp); break;
        case CLICK_PLAY: click(kDialogPlay); break;
        case CLICK_QUIT: click(kDialogQuit); break;
        case CLOSE_BOX: Headless::requestQuit(); break;
        }
    });
}

} // namespace

class DialogTest : public ShellFixture {
protected:
    std::string modeFile() { return dir.file("data/fullscreen.stt"); }
    void writeMode(const std::string &bytes) {
        std::ofstream(modeFile(), std::ios::binary) << bytes;
    }
    std::string readMode() {
        std::ifstream in(modeFile(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(DialogTest, RemembersTheWindowModeAsTheBoxLeavesIt) {
    struct Case {
        const char *name;
        bool fileExists;
        std::string before;
        std::vector<Action> actions;
        std::string after;
        bool windowed;
    } cases[] = {
        {"first run: full screen", false, "", {PRESS_RETURN}, std::string(1, '\0'), false},
        {"empty file counts as full screen", true, "", {CLICK_PLAY}, std::string(1, '\0'), false},
        {"windowed stays windowed", true, "\x01", {PRESS_RETURN}, "\x01", true},
        {"any other byte is windowed and kept", true, "\x07", {PRESS_RETURN}, "\x07", true},
        {"box clicked twice writes 1", true, "\x07", {CLICK_BOX, CLICK_BOX, CLICK_PLAY}, "\x01", true},
        {"space ticks the box", true, "\x01", {PRESS_SPACE, PRESS_RETURN}, std::string(1, '\0'), false},
        {"help leaves the dialog open", true, "\x01", {CLICK_HELP, CLICK_HELP, PRESS_RETURN}, "\x01", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        std::remove(modeFile().c_str());
        if (c.fileExists)
            writeMode(c.before);
        ScriptDialog(c.actions);
        EXPECT_TRUE(ShowWelcomeDialog());
        EXPECT_EQ(readMode(), c.after);
        EXPECT_EQ(isWindowed, c.windowed);
        EXPECT_FALSE(Headless::windowOpen()) << "the dialog window closes before the game's opens";
    }
}

TEST_F(DialogTest, HelpOpensTheHelpPageEachTime) {
    writeMode("\x01");
    ScriptDialog({CLICK_HELP, CLICK_HELP, PRESS_RETURN});
    ShowWelcomeDialog();
    ASSERT_EQ(Headless::launched().size(), 2u);
    EXPECT_EQ(Headless::launched()[0], dir.path() + "/data/help/english/index.html");
}

TEST_F(DialogTest, AButtonActsOnlyWhenReleasedWhereItWasPressed) {
    writeMode("\x01");
    // Press on Quit, drag to Play, release: nothing; then Return plays.
    Headless::setFlipHook([](uint32_t flip) {
        if (flip == 1) {
            Headless::setMouse(kDialogQuit.left + 5, kDialogQuit.top + 5);
            Headless::setMouseButton(true);
        } else if (flip == 2) {
            Headless::setMouse(kDialogPlay.left + 5, kDialogPlay.top + 5);
        } else if (flip == 3) {
            Headless::setMouseButton(false);
        } else if (flip == 5) {
            Headless::setKey(KEY_RETURN, true);
        }
    });
    EXPECT_TRUE(ShowWelcomeDialog());
    EXPECT_GE(Headless::flipCount(), 5u);
}

using DialogDeathTest = DialogTest;

TEST_F(DialogDeathTest, QuitEndsAtOnceAndWritesNothing) {
    for (Action quit : {PRESS_ESCAPE, CLICK_QUIT, CLOSE_BOX}) {
        writeMode("\x07");
        EXPECT_EXIT(
            {
                ScriptDialog({CLICK_BOX, quit});
                ShowWelcomeDialog();
            },
            ::testing::ExitedWithCode(0), "");
        EXPECT_EQ(readMode(), "\x07");
    }
}

TEST_F(DialogTest, AFolderThatCannotBeWrittenStillLetsTheGameStart) {
    // "data" is a plain file here, so data/fullscreen.stt can be neither read nor written.
    testsupport::GameDir broken;
    std::filesystem::remove_all(broken.path() + "/data");
    std::ofstream(broken.path() + "/data") << "not a folder";
    KMiscTools::setBaseFolder(broken.path().c_str());
    ScriptDialog({PRESS_RETURN});
    EXPECT_TRUE(ShowWelcomeDialog());
    EXPECT_FALSE(isWindowed);
}
