// The start-up dialog, drawn from the forge's dialog pictures in a small window of
// its own. Mouse buttons act on release over the button they were pressed on;
// Return plays, Escape quits and Space toggles the full-screen box.
#include "shell/Dialog.h"

#include <cstdio>
#include <cstdlib>

#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "shell/Startup.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"
#include "tools/forge/screens/DialogLayout.h"

static const char *kModeFile = "data\\fullscreen.stt";

struct DialogButton {
    DialogItem item;
    DialogRect rect;
};

static const DialogButton kButtons[] = {
    {DIALOG_QUIT, kDialogQuit},
    {DIALOG_HELP, kDialogHelp},
    {DIALOG_PLAY, kDialogPlay},
    {DIALOG_FULLSCREEN, kDialogCheckBox},
    {DIALOG_FULLSCREEN, kDialogCheckLabel},   // the label beside the box toggles it too
};

unsigned char Dialog_ReadModeByte() {
    unsigned char mode = 0;
    FILE *f = std::fopen(Vuz_MakeFilePath(kModeFile), "rb");
    if (f) {
        if (std::fread(&mode, 1, 1, f) != 1)
            mode = 0;
        std::fclose(f);
    }
    return mode;
}

void Dialog_WriteModeByte(unsigned char mode) {
    KMiscTools::writeFileAtomically(Vuz_MakeFilePath(kModeFile), &mode, 1);
}

bool Dialog_ApplyItem(DialogItem item, bool *ticked) {
    switch (item) {
    case DIALOG_FULLSCREEN:
        *ticked = !*ticked;
        bFullScreen = *ticked ? 0 : 1;
        isWindowed = !*ticked;
        return true;
    case DIALOG_HELP:
        ShowZumboHelp();
        return true;
    case DIALOG_PLAY:
        return false;
    case DIALOG_QUIT:
        std::exit(0);   // nothing is written, nothing is freed
    default:
        return true;
    }
}

void ShowZumboHelp() {
    KMiscTools::launchFile(KMiscTools::makeFilePath("data\\help\\english\\index.html"), false);
}

static DialogItem ItemAt(int x, int y) {
    for (const DialogButton &b : kButtons)
        if (b.rect.contains(x, y))
            return b.item;
    return DIALOG_NONE;
}

struct DialogPictures {
    KGraphic *back = nullptr, *lit = nullptr, *tick = nullptr;
};

static void DrawDialog(const DialogPictures &pics, bool ticked, DialogItem hover) {
    KGraphic::setDefaultWorldView();
    if (pics.back)
        pics.back->blitRect(0, 0, kDialogWidth, kDialogHeight, 0, 0);
    for (const DialogButton &b : kButtons)
        if (b.item == hover && b.item != DIALOG_FULLSCREEN && pics.lit)
            pics.lit->blitRect(b.rect.left, b.rect.top, b.rect.right, b.rect.bottom, b.rect.left, b.rect.top);
    if (ticked && pics.tick)
        pics.tick->blitAlphaRect(0, 0, pics.tick->pictureWidth, pics.tick->pictureHeight, kDialogCheckBox.left,
                                 kDialogCheckBox.top);
}

// Keys act when they go down, not while they are held.
struct KeyEdge {
    EKeyboardLayout key;
    DialogItem item;
    bool wasDown;
};

// Runs the dialog until Play; Quit or the close box end the program.
static void RunDialog(bool *ticked) {
    DialogPictures pics;
    pics.back = LoadPictureFromFileLanguage("dialog.bmp");
    pics.lit = LoadPictureFromFileLanguage("dialogon.bmp");
    pics.tick = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\sprites\\tick.bmp"));
    KeyEdge keys[] = {{KEY_RETURN, DIALOG_PLAY, true}, {KEY_ESCAPE, DIALOG_QUIT, true},
                      {KEY_SPACE, DIALOG_FULLSCREEN, true}};
    DialogItem pressedOn = DIALOG_NONE;
    bool buttonWasDown = true;   // a press held from before the dialog opened does not count
    bool open = true;
    while (open) {
        KWindow::processEvents();
        if (KWindow::isQuit())
            Dialog_ApplyItem(DIALOG_QUIT, ticked);
        const int x = KInput::getMouseX(), y = KInput::getMouseY();
        const bool down = KInput::getLeftButtonState();
        DialogItem fired = DIALOG_NONE;
        if (down && !buttonWasDown)
            pressedOn = ItemAt(x, y);
        if (!down && buttonWasDown) {
            if (pressedOn != DIALOG_NONE && ItemAt(x, y) == pressedOn)
                fired = pressedOn;
            pressedOn = DIALOG_NONE;
        }
        buttonWasDown = down;
        for (KeyEdge &k : keys) {
            const bool keyDown = KInput::isPressed(k.key);
            if (keyDown && !k.wasDown && fired == DIALOG_NONE)
                fired = k.item;
            k.wasDown = keyDown;
        }
        if (fired != DIALOG_NONE)
            open = Dialog_ApplyItem(fired, ticked);
        const DialogItem hover = down ? (ItemAt(x, y) == pressedOn ? pressedOn : DIALOG_NONE) : ItemAt(x, y);
        DrawDialog(pics, *ticked, hover);
        KWindow::flipBackBuffer(false);
    }
    delete pics.back;
    delete pics.lit;
    delete pics.tick;
}

bool ShowWelcomeDialog() {
    bFullScreen = Dialog_ReadModeByte();
    isWindowed = bFullScreen != 0;
    bool ticked = false;
    if (bFullScreen == 0) {
        isWindowed = false;
        ticked = true;
    }
    {
        KWindow dialog;
        if (dialog.createGameWindow(kDialogWidth, kDialogHeight, 32, true, "ZumboRumble")) {
            KGraphic::setScreenSize(kDialogWidth, kDialogHeight, 32);
            RunDialog(&ticked);
        }
        // Without a dialog window the remembered choice stands and the game starts.
    }
    Dialog_WriteModeByte(bFullScreen);
    return true;
}
