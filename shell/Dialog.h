// The start-up dialog: a small window of its own before the game window, offering
// Quit, Play, Help and the full-screen check box, remembered in data\fullscreen.stt.
#pragma once

// What the dialog's items do, shared by the mouse and the keyboard.
enum DialogItem { DIALOG_NONE = 0, DIALOG_QUIT = 1, DIALOG_PLAY = 2, DIALOG_HELP = 9, DIALOG_FULLSCREEN = 10 };

// Reads the window-mode byte: 0 (full screen) when the file is missing or empty.
unsigned char Dialog_ReadModeByte();
// Writes it atomically; a folder that cannot be written is silently left as it is.
void Dialog_WriteModeByte(unsigned char mode);
// Applies one item to bFullScreen and isWindowed; false when the dialog should close.
bool Dialog_ApplyItem(DialogItem item, bool *ticked);
