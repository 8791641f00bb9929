// The start-up dialog: the unlit dialog, the same with every button lit, and the tick
// drawn into the full-screen check box. Positions come from DialogLayout.h.
#include "tools/forge/screens/DialogLayout.h"
#include "tools/forge/screens/Screens.h"
#include "tools/forge/screens/Scenery.h"
#include "tools/forge/screens/Wood.h"

#include <cmath>

namespace screens {

namespace {

constexpr double kSceneBottom = 112;   // the sky-and-sea band behind the title
constexpr double kFrame = 5;
constexpr double kButtonInset = 4;     // room left inside each button for its glow
constexpr unsigned kPanelTop = 0xF6E3B8;
constexpr unsigned kPanelBottom = 0xE9CC92;
constexpr unsigned kInk = 0x5A2E0E;

void drawTitleBand(cairo_t *cr) {
    Rng rng(1234);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kDialogWidth, kSceneBottom);
    cairo_clip(cr);
    drawSky(cr, kDialogWidth, 84, kDaySky);
    drawSun(cr, 352, 30, 14, 0xFFF7C2, 0xFFF1A0);
    drawCloud(cr, 60, 26, 0.45, 0xFFFFFF, 0.9);
    drawCloud(cr, 300, 58, 0.35, 0xFFFFFF, 0.8);
    drawSea(cr, kDialogWidth, 84, kSceneBottom, 0x1E9FD6, 0x0C6FA8, rng);
    drawPalm(cr, 22, 124, 95, 14, 0.55, rng);
    drawPalm(cr, 404, 124, 85, -18, 0.5, rng);
    drawWoodTitle(cr, "ZumboRumble", kDialogWidth / 2.0, 70, 44, 7);
    cairo_restore(cr);
}

void drawLowerPanel(cairo_t *cr) {
    verticalGradient(cr, {0, kSceneBottom, double(kDialogWidth), kDialogHeight - kSceneBottom}, kPanelTop,
                     kPanelBottom);
    // a carved rail between the picture and the panel
    Rng rng(77);
    cairo_rectangle(cr, 0, kSceneBottom - 3, kDialogWidth, 8);
    forge::setColour(cr, kWoodMid);
    cairo_fill_preserve(cr);
    grainInPath(cr, {0, kSceneBottom - 3, double(kDialogWidth), 8}, rng, 3, 0.35);
    fillBox(cr, {0, kSceneBottom - 3, double(kDialogWidth), 1.5}, 0xFFE2B0, 0.5);
    fillBox(cr, {0, kSceneBottom + 4, double(kDialogWidth), 1.5}, 0x3A1E08, 0.6);
    forge::drawLettering(cr, "Two monkeys, one wheel, a whole wall of crates!", kDialogWidth / 2.0, 137, 13,
                         kInk, 0, 0, forge::ALIGN_CENTRE, false);
}

void drawCheckBox(cairo_t *cr) {
    const DialogRect &b = kDialogCheckBox;
    drawInset(cr, {double(b.left), double(b.top), double(b.width()), double(b.height())}, 0xFFFBEF, 4);
    forge::roundedRect(cr, b.left + 0.75, b.top + 0.75, b.width() - 1.5, b.height() - 1.5, 4);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    const DialogRect &label = kDialogCheckLabel;
    forge::drawLettering(cr, "Full screen", label.left + 10, label.top + label.height() / 2.0 + 5.5, 16, kInk, 0, 0,
                         forge::ALIGN_LEFT, false);
}

void drawFrame(cairo_t *cr) {
    cairo_rectangle(cr, kFrame / 2, kFrame / 2, kDialogWidth - kFrame, kDialogHeight - kFrame);
    forge::setColour(cr, kWoodDark);
    cairo_set_line_width(cr, kFrame);
    cairo_stroke(cr);
    cairo_rectangle(cr, 0.5, 0.5, kDialogWidth - 1, kDialogHeight - 1);
    forge::setColour(cr, 0x3A1E08);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, kFrame + 0.5, kFrame + 0.5, kDialogWidth - 2 * kFrame - 1, kDialogHeight - 2 * kFrame - 1);
    forge::setColour(cr, 0xFFE2B0, 0.6);
    cairo_stroke(cr);
}

void drawButton(cairo_t *cr, const DialogRect &r, const char *label, bool lit) {
    const Box sign{r.left + kButtonInset, r.top + kButtonInset, r.width() - 2 * kButtonInset,
                   r.height() - 2 * kButtonInset};
    cairo_save(cr);
    cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
    cairo_clip(cr);
    drawSign(cr, sign, label, 17, lit, kButtonInset - 0.5);
    cairo_restore(cr);
}

void drawDialog(cairo_t *cr, bool lit) {
    drawTitleBand(cr);
    drawLowerPanel(cr);
    drawCheckBox(cr);
    drawButton(cr, kDialogQuit, "QUIT", lit);
    drawButton(cr, kDialogHelp, "HELP", lit);
    drawButton(cr, kDialogPlay, "PLAY", lit);
    forge::drawLettering(cr, "Return: Play   Esc: Quit   Space: Full screen", kDialogWidth - 12, 251, 10.5,
                         0x7A4E24, 0, 0, forge::ALIGN_RIGHT, false);
    drawFrame(cr);
}

bool writeTick(const std::string &path) {
    forge::Canvas c = forge::canvasCreate(kDialogCheckBox.width(), kDialogCheckBox.height());
    cairo_t *cr = c.cr;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, 4.5, 11.5);
    cairo_line_to(cr, 9, 16.5);
    cairo_line_to(cr, 18.5, 3.5);
    forge::setColour(cr, 0x12401A);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke_preserve(cr);
    forge::setColour(cr, 0x3E9A4A);
    cairo_set_line_width(cr, 3.2);
    cairo_stroke(cr);
    const bool ok = forge::writeBmp(c, path, forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace

bool forgeDialog(const std::string &gameDir) {
    bool ok = true;
    for (int lit = 0; lit <= 1; ++lit) {
        forge::Canvas c = forge::canvasCreate(kDialogWidth, kDialogHeight);
        drawDialog(c.cr, lit != 0);
        ok = forge::writeBmp(c, outPath(gameDir, lit ? kDialogLitPicture : kDialogPicture), forge::BMP_OPAQUE) &&
             ok;
        forge::canvasFree(c);
    }
    return writeTick(outPath(gameDir, kDialogTickPicture)) && ok;
}

} // namespace screens
