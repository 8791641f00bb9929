// Layout of the start-up dialog: its size, the full-screen check box and the three
// buttons, shared by the forge that draws dialog.bmp / dialogon.bmp and the shell that shows them.
#pragma once

struct DialogRect {
    int left, top, right, bottom;   // left/top inclusive, right/bottom exclusive
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

constexpr int kDialogWidth = 420;
constexpr int kDialogHeight = 260;

constexpr DialogRect kDialogCheckBox{40, 150, 62, 172};   // tick.bmp (22 x 22) is drawn at its top-left
constexpr DialogRect kDialogCheckLabel{62, 150, 190, 172}; // "Full screen", written from 10 pixels in
constexpr DialogRect kDialogQuit{20, 196, 140, 236};
constexpr DialogRect kDialogHelp{150, 196, 270, 236};
constexpr DialogRect kDialogPlay{280, 196, 400, 236};

// Below the game folder: the dialog unlit, the dialog with every button lit, the tick.
constexpr const char *kDialogPicture = "data/general/ENGLISH/dialog.bmp";
constexpr const char *kDialogLitPicture = "data/general/ENGLISH/dialogon.bmp";
constexpr const char *kDialogTickPicture = "data/sprites/tick.bmp";
