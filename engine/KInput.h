// KInput: the mouse and keyboard as they are now (polled, never evented), the pointer's
// visibility counter and warp, and the game's view of the two gamepads.
#pragma once
#include <cstdint>
#include "engine/KWindow.h"

// The logical keys the game tests, mapped by KeyboardLayout to the physical keys.
enum EKeyboardLayout {
    KEY_LEFT = 0,           // Left arrow
    KEY_UP = 1,             // Up arrow
    KEY_DOWN = 2,           // Down arrow
    KEY_RIGHT = 3,          // Right arrow
    KEY_SPACE = 4,          // Space
    KEY_LSHIFT = 5,         // Shift (left)
    KEY_RSHIFT = 6,         // Shift (right)
    KEY_RETURN = 7,         // Return
    KEY_RCONTROL = 8,       // Control (right)
    KEY_LCONTROL = 9,       // Control (left)
    KEY_F1 = 10,            // F1
    KEY_F2 = 11,            // F2
    KEY_F3 = 12,            // F3
    KEY_F4 = 13,            // F4
    KEY_F5 = 14,            // F5
    KEY_F6 = 15,            // F6
    KEY_F7 = 16,            // F7
    KEY_F8 = 17,            // F8
    KEY_F9 = 18,            // F9
    KEY_F10 = 19,           // F10
    KEY_F11 = 20,           // F11
    KEY_F12 = 21,           // F12
    KEY_BACKSPACE = 22,     // Delete (backspace)
    KEY_TAB = 23,           // Tab
    KEY_ESCAPE = 24,        // Escape
    KEY_A = 25,             // A
    KEY_B = 26,             // B
    KEY_C = 27,             // C
    KEY_D = 28,             // D
    KEY_E = 29,             // E
    KEY_F = 30,             // F
    KEY_G = 31,             // G
    KEY_H = 32,             // H
    KEY_I = 33,             // I
    KEY_J = 34,             // J
    KEY_K = 35,             // K
    KEY_L = 36,             // L
    KEY_M = 37,             // M
    KEY_N = 38,             // N
    KEY_O = 39,             // O
    KEY_P = 40,             // P
    KEY_Q = 41,             // Q
    KEY_R = 42,             // R
    KEY_S = 43,             // S
    KEY_T = 44,             // T
    KEY_U = 45,             // U
    KEY_V = 46,             // V
    KEY_W = 47,             // W
    KEY_X = 48,             // X
    KEY_Y = 49,             // Y
    KEY_Z = 50,             // Z
    KEY_0 = 51,             // Digit 0
    KEY_1 = 52,             // Digit 1
    KEY_2 = 53,             // Digit 2
    KEY_3 = 54,             // Digit 3
    KEY_4 = 55,             // Digit 4
    KEY_5 = 56,             // Digit 5
    KEY_6 = 57,             // Digit 6
    KEY_7 = 58,             // Digit 7
    KEY_8 = 59,             // Digit 8
    KEY_9 = 60,             // Digit 9
    KEY_PAD0 = 61,          // Keypad 0
    KEY_PAD1 = 62,          // Keypad 1
    KEY_PAD2 = 63,          // Keypad 2
    KEY_PAD3 = 64,          // Keypad 3
    KEY_PAD4 = 65,          // Keypad 4
    KEY_PAD5 = 66,          // Keypad 5
    KEY_PAD6 = 67,          // Keypad 6
    KEY_PAD7 = 68,          // Keypad 7
    KEY_PAD8 = 69,          // Keypad 8
    KEY_PAD9 = 70,          // Keypad 9
    KEY_PAD_MULTIPLY = 71,  // Keypad multiply
    KEY_PAD_PLUS = 72,      // Keypad plus
    KEY_PAD_MINUS = 73,     // Keypad minus
    KEY_PAD_DECIMAL = 74,   // Keypad decimal point
    KEY_PAD_DIVIDE = 75,    // Keypad divide
    KEY_PAD_CLEAR = 76,     // Keypad Clear
    KEY_COMMAND = 77,       // Command
    KEY_LOPTION = 78,       // Option (left)
    KEY_ROPTION = 79,       // Option (right)
    KEY_CAPSLOCK = 80,      // Caps Lock
    KEY_F14 = 81,           // F14
    KEY_SEMICOLON = 82,     // Semicolon
    KEY_EQUAL = 83,         // Equals sign
    KEY_COMMA = 84,         // Comma
    KEY_MINUS = 85,         // Minus
    KEY_PERIOD = 86,        // Period
    KEY_SLASH = 87,         // Slash
    KEY_GRAVE = 88,         // Grave accent
    KEY_LBRACKET = 89,      // Left bracket
    KEY_BACKSLASH = 90,     // Backslash
    KEY_RBRACKET = 91,      // Right bracket
    KEY_QUOTE = 92,         // Apostrophe
    KEY_COUNT = 93
};

struct KKeyEntry {
    int32_t key;       // the EKeyboardLayout value of this entry
    int16_t keyCode;   // virtual key code of the physical key (ANSI layout)
};
extern const KKeyEntry KeyboardLayout[KEY_COUNT];

class KInput {
public:
    static void initInput(KWindowHandle window);
    static int getMouseX();
    static int getMouseY();
    static bool getLeftButtonState();
    static void showPointer();
    static void hidePointer();
    static void mousePointerTo(long x, long y);
    // One direct step of the system pointer, outside the counted show/hide: the game
    // shows it while its own pointer is off the scene and hides it again on return.
    static void showSystemPointer(bool show);
    static bool isPressed(EKeyboardLayout key);
    static void waitForKeyRelease(EKeyboardLayout key);

    // gamepads 0 and 1
    static bool joyEnable(char pad);
    static void joyDisable(char pad);
    static bool joyLeft(char pad);
    static bool joyRight(char pad);
    static bool joyButtonN(char pad, long index);

    static int32_t _cursorVis;   // 0 shown, -1 hidden
    static bool joystick[2];
};
