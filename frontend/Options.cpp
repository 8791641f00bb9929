// The options screen: two volume bars with their arrows, the live music volume, the
// reset of the high-score table and "al.raw", and the volumes saved on leaving.
#include "frontend/Options.h"

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "frontend/HighScores.h"
#include "frontend/HighScreen.h"
#include "frontend/Menu.h"
#include "shell/Pointer.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

static const short SCREEN_W = 800, SCREEN_H = 600;
static const long ARROW_HOLD_TICKS = 120;
static const short BAR_X = 518, MUSIC_BAR_Y = 159, EFFECTS_BAR_Y = 221;
static const int VOLUME_PER_STEP = 10;

const int volumeBarWidth[VOLUME_STEPS] = {0, 10, 20, 30, 40, 50, 64, 74, 84, 94};

enum OptionsPicture { OPT_BACKGROUND, OPT_BACK, OPT_MUSIC_DOWN, OPT_MUSIC_UP, OPT_EFFECTS_DOWN, OPT_EFFECTS_UP,
                      OPT_BAR, OPT_RESET, OPT_PICTURES };

struct OptionsPictureFile {
    const char *file;
    bool fromLanguage;
    bool rollOver;
    short drawX, drawY, left, top, right, bottom;
};

static const OptionsPictureFile kOptionsPictures[OPT_PICTURES] = {
    {"menu\\optionsoff.bmp", true, false, 0, 0, 0, 0, 0, 0},
    {"menu\\backon.bmp", true, true, 350, 484, 352, 490, 440, 525},
    {"data\\sprites\\vlefton.bmp", false, true, 484, 166, 484, 167, 504, 188},
    {"data\\sprites\\vrighton.bmp", false, true, 621, 166, 621, 167, 640, 190},
    {"data\\sprites\\sleft.bmp", false, true, 483, 227, 484, 228, 504, 251},
    {"data\\sprites\\sright.bmp", false, true, 622, 228, 622, 228, 640, 251},
    {"data\\sprites\\progress.bmp", false, false, 0, 0, 0, 0, 0, 0},
    {"menu\\resetscore.bmp", true, true, 479, 366, 478, 366, 620, 390},
};

// A step from outside 0..9 (a damaged preference file) counts as the nearest end.
int Options_ClampStep(int step) {
    return step < 0 ? 0 : step > VOLUME_STEPS - 1 ? VOLUME_STEPS - 1 : step;
}

static void FreePictures(KGraphic *pictures[OPT_PICTURES]) {
    for (int i = 0; i < OPT_PICTURES; i++) {
        delete pictures[i];
        pictures[i] = nullptr;
    }
}

static bool LoadPictures(KGraphic *pictures[OPT_PICTURES]) {
    for (int i = 0; i < OPT_PICTURES; i++) {
        const OptionsPictureFile &p = kOptionsPictures[i];
        pictures[i] = p.fromLanguage ? LoadPictureFromFileLanguage(p.file)
                                     : CreateSurfaceFromFile(Vuz_MakeFilePath(p.file));
        if (!pictures[i])
            return false;
        if (p.rollOver)
            SetHotSpotSurface(pictures[i], p.drawX, p.drawY, p.left, p.top, p.right, p.bottom);
    }
    return true;
}

static void ResetScoresAndLevels() {
    InitScores();
    SaveScores();
    const unsigned char one[4] = {0, 0, 0, 1};
    KMiscTools::writeFileAtomically(Vuz_MakeFilePath("al.raw"), one, sizeof(one));
}

// An arrow held over: one step, then up to two seconds before the next.
static void StepVolume(KGraphic *arrow, bool click, int &step, int delta) {
    if (IsMouseInRollOver(arrow) != 2 && click) {
        step = Options_ClampStep(step + delta);
        SleepBtn(ARROW_HOLD_TICKS);
    }
}

static void DrawBar(KGraphic *bar, int step, short y) {
    BlitTransparentSurface(bar, 0, 0, static_cast<short>(volumeBarWidth[step]), static_cast<short>(bar->pictureHeight),
                           BAR_X, y);
}

static void RunOptions(KGraphic *pic[OPT_PICTURES]) {
    do {
        const bool click = GetLeftMouseButton();
        BlitSurface(pic[OPT_BACKGROUND], 0, 0, SCREEN_W, SCREEN_H, 0, 0);
        if (KInput::isPressed(KEY_H))
            LaunchHighscores(-1);
        if (IsMouseInRollOver(pic[OPT_BACK]) == 1 && click)
            return;
        StepVolume(pic[OPT_MUSIC_UP], click, vol_music, +1);
        StepVolume(pic[OPT_MUSIC_DOWN], click, vol_music, -1);
        StepVolume(pic[OPT_EFFECTS_UP], click, vol_sample, +1);
        StepVolume(pic[OPT_EFFECTS_DOWN], click, vol_sample, -1);
        if (IsMouseInRollOver(pic[OPT_RESET]) != 2 && click)
            ResetScoresAndLevels();
        vol_music = Options_ClampStep(vol_music);
        vol_sample = Options_ClampStep(vol_sample);
        Sound_SetGlobalVolumes(static_cast<short>(vol_music * VOLUME_PER_STEP),
                               static_cast<short>(vol_sample * VOLUME_PER_STEP));
        DrawBar(pic[OPT_BAR], vol_music, MUSIC_BAR_Y);
        DrawBar(pic[OPT_BAR], vol_sample, EFFECTS_BAR_Y);
        ShowPointer();
        Flip_Screen();
    } while (!ProcessEvents());
}

bool GoOptions() {
    KGraphic *pictures[OPT_PICTURES] = {};
    if (!LoadPictures(pictures)) {
        FreePictures(pictures);
        return false;
    }
    vol_music = Options_ClampStep(vol_music);
    vol_sample = Options_ClampStep(vol_sample);
    WaitForMouseButton();
    RunOptions(pictures);
    FreePictures(pictures);
    SaveDefaultVolumes();
    return true;
}
