// The high-score screen: the table drawn in the bitmap font with the won line blinking,
// three-letter name entry from the keyboard, and viewing mode from the menu.
#include "frontend/HighScreen.h"

#include <cstdio>
#include <cstring>

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "frontend/HighScores.h"
#include "play/Scene.h"
#include "shell/Pointer.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

static const char *const MSG_ENTER = "PLEASE ENTER YOUR NAME";
static const char *const MSG_VIEW = "GREATEST PLAYERS.";
static const char TYPED_RETURN = '+';
static const short SCREEN_W = 800, SCREEN_H = 600;
static const int DOORS_OPEN = -300, DOOR_STEP = 10;
static const int VIEW_FRAMES = 1700;
static const int BLINK_HIDE_FROM = 35, BLINK_WRAP_AFTER = 70;
static const short TABLE_TOP = 267, TABLE_LINE = 31;
static const short RANK_X = 475, NAME_X = 520, SCORE_X = 590;
static const short MSG_X = 455, MSG_Y = 207;
static const int32_t SCORE_SHOWN_MAX = 99999999;   // eight digits

KGraphic *surf_HighscoreFond = nullptr;
KGraphic *surf_backh = nullptr;
int32_t winningLine = -1;
int32_t winningLineTimer = -1;
int32_t curnamepos = -1;
char curname[256];
char curmsg[256];

char GetCharInBuffer() {
    char c = 0;
    for (int k = KEY_A; k <= KEY_Z; k++)
        if (KInput::isPressed(static_cast<EKeyboardLayout>(k)))
            c = static_cast<char>('A' + (k - KEY_A));
    if (KInput::isPressed(KEY_SPACE))
        c = ' ';
    if (KInput::isPressed(KEY_RETURN))
        c = TYPED_RETURN;
    for (int k = KEY_A; k <= KEY_Z; k++)
        KInput::waitForKeyRelease(static_cast<EKeyboardLayout>(k));
    KInput::waitForKeyRelease(KEY_SPACE);
    return c;
}

static bool IsInAlphabet(char c) {
    for (const AlphabetGlyph &g : alphabet)
        if (g.ch == c)
            return true;
    return false;
}

static void UpdateWonLine() {
    if (winningLine >= 0)
        cTheHigh.ModifyEntry(winningLine, curname);
}

char GetNextKey() {
    const char c = GetCharInBuffer();
    if (c == TYPED_RETURN)
        return TYPED_RETURN;
    if (c == 0 || !IsInAlphabet(c) || curnamepos < 0)
        return 0;
    if (curnamepos == 0)
        std::memset(curname, 0, NAME_LETTERS + 1);
    curname[curnamepos] = c;
    UpdateWonLine();
    if (curnamepos < NAME_LETTERS - 1)
        curnamepos++;
    return 0;
}

static void EraseLetter() {
    curname[curnamepos] = ' ';
    if (curnamepos > 0)
        curnamepos--;
    UpdateWonLine();
    KInput::waitForKeyRelease(KEY_BACKSPACE);
}

// Only the letters a player can type are shown, and scores as eight digits, so a
// damaged file cannot push text over the rest of the table.
static void DrawLine(int i, const HighScoreEntry &e, bool hideNumbers) {
    const short y = static_cast<short>(TABLE_TOP + TABLE_LINE * i);
    if (!hideNumbers) {
        char text[32];
        std::snprintf(text, sizeof(text), "%d", i + 1);
        DisplayText(text, RANK_X, y);
        int32_t shown = e.score < 0 ? 0 : e.score > SCORE_SHOWN_MAX ? SCORE_SHOWN_MAX : e.score;
        std::snprintf(text, sizeof(text), "%08d", shown);
        DisplayTextReg(text, SCORE_X, y);
    }
    char name[NAME_LETTERS + 1] = {};
    for (int c = 0; c < NAME_LETTERS && e.name[c]; c++)
        name[c] = e.name[c];
    DisplayTextGlow(name, NAME_X, y);
}

void DisplayHighscores() {
    if (winningLineTimer >= 0) {
        winningLineTimer++;
        if (winningLineTimer > BLINK_WRAP_AFTER)
            winningLineTimer = 0;
    }
    for (int i = 0; i < HIGHSCORE_LINES; i++) {
        const HighScoreEntry *e = cTheHigh.GetEntry(i);
        if (e)
            DrawLine(i, *e, i == winningLine && winningLineTimer >= BLINK_HIDE_FROM);
    }
}

static void DrawBackground() {
    BlitSurface(surf_HighscoreFond, 0, 0, SCREEN_W, SCREEN_H, 0, 0);
}

static void LoadScreenPictures() {
    surf_Fonte = CreateSurfaceFromFile(KMiscTools::makeFilePath("data\\sprites\\policeoff.bmp"));
    surf_FonteOn = CreateSurfaceFromFile(KMiscTools::makeFilePath("data\\sprites\\policeon.bmp"));
    surf_backh = LoadPictureFromFileLanguage("menu\\backhson.bmp");
    if (surf_backh)
        SetHotSpotSurface(surf_backh, 293, 495, 288, 500, 380, 540);
}

static void FreeScreenPictures() {
    KGraphic **pictures[] = {&surf_HighscoreFond, &surf_Fonte, &surf_FonteOn, &surf_backh};
    for (KGraphic **p : pictures) {
        delete *p;
        *p = nullptr;
    }
}

static void OpenDoors() {
    for (int n = 0; n >= DOORS_OPEN; n -= DOOR_STEP) {
        DrawBackground();
        MainGame_DisplayPanels(n);
        Flip_Screen();
    }
}

// The frame loop; returns when the player leaves, the viewing time is up or the
// program is asked to quit.
static void RunScreen(bool entering) {
    int frames = 0;
    do {
        const bool click = GetLeftMouseButton();
        if (entering) {
            if (GetNextKey() == TYPED_RETURN) {
                cTheHigh.SaveHighScores();
                return;
            }
        } else if (++frames >= VIEW_FRAMES) {
            return;
        }
        DrawBackground();
        DisplayHighscores();
        if (surf_backh && IsMouseInRollOver(surf_backh) == 1 && click)
            return;
        DisplayText(curmsg, MSG_X, MSG_Y);
        if (entering && KInput::isPressed(KEY_BACKSPACE))
            EraseLetter();
        ShowPointer();
        Flip_Screen();
    } while (!ProcessEvents());
}

bool LaunchHighscores(long score) {
    winningLine = -1;
    const bool entering = score >= 0;
    if (entering) {
        winningLine = cTheHigh.SubmitScore("", score);
        if (winningLine == -1)
            return false;
        std::snprintf(curmsg, sizeof(curmsg), "%s", MSG_ENTER);
        curnamepos = 0;
    } else {
        std::snprintf(curmsg, sizeof(curmsg), "%s", MSG_VIEW);
        curnamepos = -1;
    }
    surf_HighscoreFond = LoadPictureFromFileLanguage("menu\\highscores.bmp");
    if (!surf_HighscoreFond) {
        cTheHigh.SaveHighScores();   // the new score is kept, nameless
        return true;
    }
    LoadScreenPictures();
    OpenDoors();
    WaitForMouseButton();
    if (score != -1)
        PlayMusic(Vuz_MakeFilePath("data\\audio\\monkey5.ogg"));
    winningLineTimer = winningLine >= 0 ? 0 : -1;
    RunScreen(entering);
    FreeScreenPictures();
    cTheHigh.SaveHighScores();
    return true;
}
