// The gun sheet data/sprites/gunshoot.bmp, 7 x 4 frames drawn at (bat x + 8, 416): the
// monkeys raise a cork gun, fire at the ninth frame (muzzle flash, recoil, smoke), hold
// it up while the trigger is held, then lower it back to where the plank rides.
#include "tools/forge/sprites/Sheets.h"

#include "tools/forge/sprites/Monkey.h"
#include "tools/forge/sprites/Rig.h"
#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

constexpr int kCols = 7, kRows = 4, kFrameW = 64, kFrameH = 130;
constexpr double kOffsetX = 8, kOffsetY = 416 - kMonkeyCellScreenY;   // frame origin in rig coordinates
// The cork sprite starts with its top left at screen (bat x + 27, 449): the barrel is centred
// on the 9-pixel cork so it seems to leave the muzzle.
constexpr double kMuzzleX = 19 + 4.5, kMuzzleY = 33;
constexpr double kTubeY = kPlankTop + kPlankThick / 2 - kOffsetY;   // the gun lies where the plank rode
constexpr double kTubeLeft = 0.5, kTubeRight = 62.5, kTubeThick = kPlankThick;
constexpr double kBarrel = kTubeY - kMuzzleY;
constexpr double kLeftMonkeyShift = 4;           // keeps the left monkey's arm inside the frame
constexpr double kRaiseLast = 6, kFireFrame = 8, kLowerFirst = 19, kLowerLast = 27;
constexpr unsigned kGunRed = 0xC8452D, kBrass = 0xE2B23A, kCork = 0xD8B27A;
constexpr unsigned kFlash = 0xFFF06A, kFlashCore = 0xFFFFFF, kSmoke = 0xEDE6DA;

struct GunFrame {
    double theta;     // the barrel: 0 points up, pi/2 lies along the tube
    double recoil;    // pixels the whole gun is pushed down
    bool flash, corkLoaded;
    double smoke;     // 0 none .. 1 a big puff drifting away
    int mood;         // 0 aiming, 1 bang, 2 glee, 3 easy
};

GunFrame gunFrame(int i) {
    GunFrame g{0, 0, false, true, 0, 0};
    double up = 1;
    if (i <= kRaiseLast)
        up = ease(i / kRaiseLast);
    else if (i >= kLowerFirst)
        up = 1 - ease((i - kLowerFirst) / (kLowerLast - kLowerFirst));
    g.theta = (1 - up) * kPi / 2;
    if (i >= kFireFrame && i <= kFireFrame + 4) {
        const int k = i - kFireFrame;
        g.recoil = k < 3 ? 3 - k : 0;
        g.flash = k <= 1;
        g.corkLoaded = false;
        g.smoke = k == 0 ? 0 : 0.25 * k;
        g.mood = k <= 1 ? 1 : 2;
    } else if (i > kFireFrame + 4 && i < kLowerFirst) {
        g.mood = 2;
        g.corkLoaded = i >= kFireFrame + 7;   // a fresh cork pushed in
    } else if (i >= kLowerFirst) {
        g.mood = 3;
    }
    return g;
}

void band(cairo_t *cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    fillAndInk(cr, kBrass, 0.8);
}

// The cork cannon: a tube lying on the monkeys' hands with a barrel that swings up.
void drawGun(cairo_t *cr, const GunFrame &g) {
    const double y = kTubeY + g.recoil;
    forge::roundedRect(cr, kTubeLeft, y - kTubeThick / 2, kTubeRight - kTubeLeft, kTubeThick, 3);
    linearShade(cr, 0, y - kTubeThick / 2, 0, y + kTubeThick / 2, lighten(kGunRed, 0.3), darken(kGunRed, 0.3));
    cairo_fill_preserve(cr);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    band(cr, kTubeLeft + 1, y - kTubeThick / 2 - 0.5, 3, kTubeThick + 1);
    band(cr, kTubeRight - 9, y - kTubeThick / 2 - 0.5, 3, kTubeThick + 1);
    band(cr, 36, y - kTubeThick / 2 - 0.5, 3, kTubeThick + 1);
    cairo_save(cr);
    cairo_translate(cr, kMuzzleX, y);
    cairo_rotate(cr, g.theta);
    forge::roundedRect(cr, -4, -kBarrel - 1, 8, kBarrel + 4, 2.5);
    linearShade(cr, -4, 0, 4, 0, lighten(kGunRed, 0.35), darken(kGunRed, 0.25));
    cairo_fill_preserve(cr);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    band(cr, -4.5, -kBarrel, 9, 2.6);
    band(cr, -4.5, -kBarrel / 2, 9, 2);
    inkedEllipse(cr, 0, 0, 3.2, 3.2, kBrass, 0.8);   // the hinge
    if (g.corkLoaded) {
        cairo_rectangle(cr, -2.8, -kBarrel - 4, 5.6, 4);
        fillAndInk(cr, kCork, 0.8);
    }
    cairo_restore(cr);
}

void drawFlash(cairo_t *cr) {
    const double x = kMuzzleX, y = kMuzzleY + 1;
    for (int k = 0; k <= 16; ++k) {
        const double a = -kPi / 2 + k * kPi / 8;
        const double r = (k % 2) ? 4 : 11;
        if (k == 0)
            cairo_move_to(cr, x + std::cos(a) * r, y - 3 + std::sin(a) * r * 0.9);
        else
            cairo_line_to(cr, x + std::cos(a) * r, y - 3 + std::sin(a) * r * 0.9);
    }
    cairo_close_path(cr);
    fillAndInk(cr, kFlash, 1);
    inkedEllipse(cr, x, y - 4, 3, 3.5, kFlashCore, 0);
}

void drawSmoke(cairo_t *cr, double amount) {
    const double rise = 14 * amount;
    for (int k = 0; k < 3; ++k) {
        const double r = 3 + 3 * amount - k * 0.8;
        inkedEllipse(cr, kMuzzleX + (k - 1) * 4 * (0.5 + amount), kMuzzleY - 4 - rise - k * 3, r, r * 0.85, kSmoke,
                     0.8);
    }
}

// A puff from the breech at the left end, where the empty case is thrown out.
void drawBreechPuff(cairo_t *cr, const GunFrame &g) {
    inkedEllipse(cr, kTubeLeft + 1, kTubeY + g.recoil - 4, 3, 2.5, kSmoke, 0.7);
}

MonkeyPose gunner(const GunFrame &g, int who) {
    MonkeyPose p;
    const double rigX = who < 0 ? kLeftMonkeyX : kRightMonkeyX;
    p.x = rigX - kOffsetX + (who < 0 ? kLeftMonkeyShift : 0);
    p.y = kMonkeyHipsY - kOffsetY + g.recoil * 0.6;
    p.mirrored = who < 0;
    const double handY = kTubeY + kTubeThick / 2 + 1.5 + g.recoil;
    p.handLX = rigX - 8.5 - kOffsetX + (who < 0 ? kLeftMonkeyShift : 0) - p.x;
    p.handRX = rigX + 8.5 - kOffsetX - p.x;
    p.handLY = p.handRY = handY - p.y;
    p.elbowBend = 5 - g.recoil;
    p.bodyDy = g.recoil * 0.5;
    p.footLX = -4.8, p.footRX = 4.8;
    p.footLY = p.footRY = 77 - kOffsetY - p.y;
    p.lookY = -1;
    p.lookX = who < 0 ? 0.3 : -0.8;
    switch (g.mood) {
    case 0: p.mouth = Mouth::FLAT; break;
    case 1:
        p.eyes = Eyes::SQUEEZED;
        p.mouth = who < 0 ? Mouth::SHOUT : Mouth::OOH;
        p.blush = 0.6;
        break;
    case 2: p.mouth = Mouth::GRIN; p.blush = 0.3; break;
    default: p.mouth = Mouth::SMILE; break;
    }
    return p;
}

void drawGunFrame(cairo_t *cr, int i) {
    const GunFrame g = gunFrame(i);
    drawMonkey(cr, gunner(g, -1));
    drawMonkey(cr, gunner(g, 1));
    drawGun(cr, g);
    if (g.flash)
        drawFlash(cr);
    if (g.smoke > 0)
        drawSmoke(cr, g.smoke);
    if (i == kFireFrame + 1)
        drawBreechPuff(cr, g);
}

} // namespace

bool forgeGunSheet(const std::string &gameDir) {
    forge::Canvas c = forge::canvasCreate(kCols * kFrameW, kRows * kFrameH);
    drawCells(c, kCols, kRows, kFrameW, kFrameH, drawGunFrame);
    const bool ok = writePicture(c, gameDir, "data/sprites/gunshoot.bmp", forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace sprites
