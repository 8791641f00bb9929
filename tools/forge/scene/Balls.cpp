// The two ball sheets: the coconut ball rolling through its frames (20 x 20 each) and the
// spiky evil ball with glowing eyes (27 x 26 each), frames side by side in one row.
#include "tools/forge/scene/SceneKit.h"
#include "tools/forge/scene/ScenePictures.h"
#include "tools/forge/scene/SceneSizes.h"

#include <cmath>

namespace scene {

using forge::setColour;

namespace {

constexpr unsigned kShell = 0x8A5A2B;
constexpr unsigned kShellDark = 0x3F230E;
constexpr unsigned kEvilBody = 0x4B1D6B;
constexpr unsigned kEvilSpike = 0x2A0C40;
constexpr unsigned kEvilGlow = 0xFFE04A;

void radialBody(cairo_t *cr, double cx, double cy, double r, double light, double mid, double dark,
                unsigned colour) {
    cairo_pattern_t *p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, cx, cy, r);
    const double cr0 = ((colour >> 16) & 0xFF) / 255.0, cg = ((colour >> 8) & 0xFF) / 255.0,
                 cb = (colour & 0xFF) / 255.0;
    cairo_pattern_add_color_stop_rgb(p, 0, cr0 * light, cg * light, cb * light);
    cairo_pattern_add_color_stop_rgb(p, 0.55, cr0 * mid, cg * mid, cb * mid);
    cairo_pattern_add_color_stop_rgb(p, 1, cr0 * dark, cg * dark, cb * dark);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// One coconut frame, turned by `angle`: fibres and the three dark pores roll with it,
// the light stays where it is.
void coconut(cairo_t *cr, double cx, double cy, double angle) {
    const double r = 9.0;
    setColour(cr, kShellDark);
    cairo_arc(cr, cx, cy, r + 0.9, 0, 2 * M_PI);
    cairo_fill(cr);
    radialBody(cr, cx, cy, r, 1.55, 1.0, 0.62, kShell);
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_clip(cr);
    // Fibres: short strokes on rings around the centre, turning with the ball.
    Rng rng(5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 26; ++i) {
        const double a = rng.range(0, 2 * M_PI) + angle, d = rng.range(2, 8.5), len = rng.range(1.5, 3);
        const double x = cx + d * std::cos(a), y = cy + d * std::sin(a);
        const double t = a + M_PI / 2 + rng.range(-0.4, 0.4);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len * std::cos(t), y + len * std::sin(t));
        const bool dark = i % 3 != 0;
        setColour(cr, dark ? kShellDark : lighten(kShell, 0.35), dark ? 0.55 : 0.5);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    // The three pores sit off-centre so the ball visibly rolls.
    for (int k = 0; k < 3; ++k) {
        const double a = angle + k * 2 * M_PI / 3;
        const double px = cx + 3.2 * std::cos(angle) + 2.0 * std::cos(a), py = cy + 3.2 * std::sin(angle) + 2.0 * std::sin(a);
        setColour(cr, 0x24130A);
        cairo_arc(cr, px, py, 1.15, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Shine and a warm rim light so it reads on dark skies too.
    softGlow(cr, cx - 3.2, cy - 3.6, 3.6, 0xFFF1D0, 0.85);
    setColour(cr, 0xF7C98A, 0.8);
    cairo_set_line_width(cr, 1.0);
    cairo_arc(cr, cx, cy, r - 0.6, 0.1 * M_PI, 0.65 * M_PI);
    cairo_stroke(cr);
}

void spike(cairo_t *cr, double cx, double cy, double a, double inner, double outer, double halfWidth) {
    const double tx = cx + outer * std::cos(a), ty = cy + outer * std::sin(a);
    cairo_move_to(cr, cx + inner * std::cos(a - halfWidth), cy + inner * std::sin(a - halfWidth));
    cairo_line_to(cr, tx, ty);
    cairo_line_to(cr, cx + inner * std::cos(a + halfWidth), cy + inner * std::sin(a + halfWidth));
    cairo_close_path(cr);
}

void glowingEye(cairo_t *cr, double x, double y, double slant, double glow) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, slant);
    cairo_scale(cr, 2.6, 1.7);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    setColour(cr, mix(0xE08A1A, kEvilGlow, glow));
    cairo_fill(cr);
    setColour(cr, 0xFFFFE0, 0.5 + 0.5 * glow);
    cairo_arc(cr, x - 0.4, y - 0.3, 0.8, 0, 2 * M_PI);
    cairo_fill(cr);
    setColour(cr, 0xB0100A);
    cairo_arc(cr, x + 0.4, y + 0.3, 0.75, 0, 2 * M_PI);
    cairo_fill(cr);
}

// One evil-ball frame: the spikes turn, the eyes pulse and stay level.
void evilBall(cairo_t *cr, double cx, double cy, double angle, double glow) {
    const int spikes = 8;
    for (int i = 0; i < spikes; ++i)
        spike(cr, cx, cy, angle + i * 2 * M_PI / spikes, 6.5, 12.8, 0.36);
    setColour(cr, kEvilSpike);
    cairo_fill(cr);
    for (int i = 0; i < spikes; ++i)
        spike(cr, cx, cy, angle + i * 2 * M_PI / spikes - 0.08, 7.0, 11.2, 0.16);
    setColour(cr, 0xB07AD8);
    cairo_fill(cr);
    setColour(cr, kEvilSpike);
    cairo_arc(cr, cx, cy, 8.6, 0, 2 * M_PI);
    cairo_fill(cr);
    radialBody(cr, cx, cy, 7.8, 2.1, 1.1, 0.55, kEvilBody);
    // Frown above the eyes.
    setColour(cr, 0x14041F);
    cairo_set_line_width(cr, 1.3);
    cairo_move_to(cr, cx - 5.5, cy - 3.6);
    cairo_line_to(cr, cx - 1, cy - 1.2);
    cairo_move_to(cr, cx + 5.5, cy - 3.6);
    cairo_line_to(cr, cx + 1, cy - 1.2);
    cairo_stroke(cr);
    glowingEye(cr, cx - 3.1, cy + 0.4, 0.35, glow);
    glowingEye(cr, cx + 3.1, cy + 0.4, -0.35, glow);
    // Grin of small teeth.
    setColour(cr, 0x14041F);
    cairo_move_to(cr, cx - 3.5, cy + 4);
    cairo_curve_to(cr, cx - 1, cy + 6, cx + 1, cy + 6, cx + 3.5, cy + 4);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    softGlow(cr, cx - 3, cy - 4.2, 2.6, 0xE8C8FF, 0.6);
}

} // namespace

bool forgeBalls(const std::string &game) {
    forge::Canvas ball = forge::canvasCreate(kBallSize * kBallFrames, kBallSize);
    for (int f = 0; f < kBallFrames; ++f)
        coconut(ball.cr, f * kBallSize + kBallSize / 2.0, kBallSize / 2.0, f * 2 * M_PI / kBallFrames);
    bool ok = savePicture(ball, dataFile(game, "sprites/balle.bmp"), forge::BMP_KEYED);
    forge::canvasFree(ball);

    forge::Canvas evil = forge::canvasCreate(kEvilBallWidth * kEvilBallFrames, kEvilBallHeight);
    for (int f = 0; f < kEvilBallFrames; ++f) {
        const double glow = 0.5 + 0.5 * std::cos(f * 2 * M_PI / kEvilBallFrames);
        // Eight spikes repeat every 45 degrees: a full cycle of the sheet turns them one spike on.
        evilBall(evil.cr, f * kEvilBallWidth + 13.5, 13.0, f * (2 * M_PI / 8) / kEvilBallFrames, glow);
    }
    ok = savePicture(evil, dataFile(game, "sprites/evilball.bmp"), forge::BMP_KEYED) && ok;
    forge::canvasFree(evil);
    return ok;
}

} // namespace scene
