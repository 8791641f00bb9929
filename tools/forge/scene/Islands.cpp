// The island backgrounds: six moods of the same island (morning beach, lagoon, jungle
// edge, sunset, volcano shore, moonlit night) plus the plain beach used as a fallback.
#include "tools/forge/common/ForgeNames.h"
#include "tools/forge/scene/IslandParts.h"
#include "tools/forge/scene/ScenePictures.h"
#include "tools/forge/scene/SceneSizes.h"

#include <cmath>

namespace scene {

using forge::setColour;

namespace {

enum SkyLight { LIGHT_MORNING_SUN, LIGHT_SETTING_SUN, LIGHT_MOON, LIGHT_HAZE };
enum Backdrop { BACK_ISLETS, BACK_LAGOON, BACK_JUNGLE, BACK_VOLCANO, BACK_OPEN_SEA };

struct Mood {
    unsigned skyTop, skyHorizon;
    unsigned seaFar, seaNear, foam;
    unsigned sand, sandShadow;
    PalmColours palm;
    unsigned hillFar, hillNear;
    unsigned cloud, cloudShade;
    double cloudAlpha;
    int horizon, shore;
    SkyLight light;
    Backdrop backdrop;
    uint32_t seed;
};

constexpr PalmColours kDayPalm = {0x8A5A2B, 0x2E9E44, 0x1F7A33, 0x7A4A22};

// One mood per island name, in that order, then the plain beach.
const Mood kMoods[] = {
    // morning beach
    {0x5EC8F2, 0xBFEFFF, 0x0C6FA8, 0x1E9FD6, 0xE8FBFF, 0xF3D9A0, 0xD9B878, kDayPalm,
     0x6FB07A, 0x4E9A5A, 0xFFFFFF, 0xD6EEF8, 0.85, 300, 425, LIGHT_MORNING_SUN, BACK_ISLETS, 1},
    // lagoon
    {0x63C9F0, 0xD8F6FF, 0x1978B8, 0x39D2CC, 0xF2FFFF, 0xF6E0AC, 0xDCC08A,
     {0x94633A, 0x35A94C, 0x217E36, 0x7A4A22}, 0x7CC38A, 0x5AAE66, 0xFFFFFF, 0xD8F0F8, 0.8, 250, 440,
     LIGHT_MORNING_SUN, BACK_LAGOON, 2},
    // jungle edge
    {0x72C4E4, 0xDDF3E4, 0x2C8C9C, 0x3FAFB0, 0xE8FBFF, 0xE8CE94, 0xC8AA70,
     {0x7A4E28, 0x2A8E3E, 0x1A6A2C, 0x6E4420}, 0x8CC49A, 0x2F7A3C, 0xFFFFFF, 0xD0E8E8, 0.7, 255, 440,
     LIGHT_HAZE, BACK_JUNGLE, 3},
    // sunset
    {0xFF9A5A, 0xFFD59E, 0x7A4A78, 0xD07A66, 0xFFE2C8, 0xE8B884, 0xC08F62,
     {0x4A2A22, 0x3E4A2A, 0x2A3420, 0x3A2418}, 0xA0607A, 0x7A4A66, 0xFFE0C0, 0xF0A080, 0.8, 320, 430,
     LIGHT_SETTING_SUN, BACK_ISLETS, 4},
    // volcano shore
    {0x8AB8D2, 0xF2DCBC, 0x235E84, 0x2F86A8, 0xE6F4F8, 0xCDB294, 0xA08A70,
     {0x6A4830, 0x3A8A44, 0x276632, 0x5A3A22}, 0x8A7A80, 0x5E5058, 0xF4F0EC, 0xC8C0C0, 0.6, 305, 430,
     LIGHT_HAZE, BACK_VOLCANO, 5},
    // night with moon
    {0x263E7E, 0x6A84C4, 0x1A3A78, 0x2E5EA4, 0xC8DCFF, 0xBCB6CE, 0x908AA8,
     {0x5A4A4E, 0x2E6A62, 0x1E4A48, 0x4A3A36}, 0x36508A, 0x2A3E70, 0xA8B8E0, 0x7688B8, 0.45, 310, 430,
     LIGHT_MOON, BACK_ISLETS, 6},
    // plain beach (fallback)
    {0x5EC8F2, 0xC8F2FF, 0x1683C0, 0x2AB0DE, 0xE8FBFF, 0xF3D9A0, 0xD9B878, kDayPalm, 0x6FB07A,
     0x4E9A5A, 0xFFFFFF, 0xD6EEF8, 0.9, 310, 425, LIGHT_MORNING_SUN, BACK_OPEN_SEA, 7},
};

constexpr double kLeft = kPanelRight, kRight = kPlayfieldRight;
constexpr double kWidth = kRight - kLeft;

void morningSun(cairo_t *cr) {
    softGlow(cr, 700, 70, 120, 0xFFFBE0, 0.7);
    setColour(cr, 0xFFF6C8);
    cairo_arc(cr, 700, 70, 26, 0, 2 * M_PI);
    cairo_fill(cr);
}

void settingSun(cairo_t *cr, const Mood &m) {
    softGlow(cr, 480, m.horizon, 220, 0xFFE6A0, 0.8);
    setColour(cr, 0xFFD060);
    cairo_arc(cr, 480, m.horizon - 8, 48, 0, 2 * M_PI);
    cairo_fill(cr);
    setColour(cr, 0xFFF2B0);
    cairo_arc(cr, 480, m.horizon - 8, 40, 0, 2 * M_PI);
    cairo_fill(cr);
}

void moonAndStars(cairo_t *cr, const Mood &m) {
    Rng rng(m.seed * 31);
    for (int i = 0; i < 90; ++i) {
        const double x = rng.range(kLeft, kRight), y = rng.range(0, m.horizon - 30);
        const double r = rng.range(0.5, 1.3);
        setColour(cr, 0xFFFBE8, rng.range(0.5, 1.0));
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    softGlow(cr, 660, 95, 150, 0xD8E4FF, 0.55);
    setColour(cr, 0xFFF8E0);
    cairo_arc(cr, 660, 95, 34, 0, 2 * M_PI);
    cairo_fill(cr);
    const double craters[][3] = {{-10, -8, 7}, {9, 6, 5}, {-4, 14, 4}, {12, -12, 3}};
    for (const auto &c : craters) {
        setColour(cr, 0xE4DCC0, 0.9);
        cairo_arc(cr, 660 + c[0], 95 + c[1], c[2], 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void sky(cairo_t *cr, const Mood &m) {
    verticalGradient(cr, kLeft, 0, kWidth, m.horizon, m.skyTop, m.skyHorizon);
    if (m.light == LIGHT_MORNING_SUN)
        morningSun(cr);
    else if (m.light == LIGHT_SETTING_SUN)
        settingSun(cr, m);
    else if (m.light == LIGHT_MOON)
        moonAndStars(cr, m);
    Rng rng(m.seed * 17);
    const int clouds = 4;
    for (int i = 0; i < clouds; ++i) {
        const double x = kLeft + (i + 0.5) * kWidth / clouds + rng.range(-40, 40);
        const double y = rng.range(40, m.horizon - 90);
        drawCloud(cr, x, y, rng.range(70, 120), m.cloud, m.cloudShade, m.cloudAlpha * rng.range(0.6, 1.0));
    }
}

void distantIslets(cairo_t *cr, const Mood &m) {
    drawIslet(cr, 230, 400, m.horizon + 1, 20, m.hillFar, m.seed);
    drawIslet(cr, 570, 770, m.horizon + 1, 34, m.hillNear, m.seed + 1);
    const PalmColours far = {darken(m.hillNear, 0.2), m.hillNear, darken(m.hillNear, 0.2), darken(m.hillNear, 0.3)};
    drawPalm(cr, 640, m.horizon - 26, 30, 6, 18, far, m.seed + 2);
    drawPalm(cr, 662, m.horizon - 28, 38, -6, 20, far, m.seed + 3);
    drawPalm(cr, 305, m.horizon - 14, 22, 4, 14, far, m.seed + 4);
}

void lagoonIslet(cairo_t *cr, const Mood &m) {
    drawIslet(cr, 190, 360, m.horizon + 1, 16, m.hillFar, m.seed);
    // A sandbar with its own palm in the middle of the lagoon.
    const double cx = 560, cy = m.horizon + 75;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 95, 16);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    setColour(cr, 0x9EEAE0, 0.8);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy - 2);
    cairo_scale(cr, 75, 11);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_restore(cr);
    setColour(cr, m.sand);
    cairo_fill(cr);
    drawPalm(cr, cx - 10, cy - 6, 80, 14, 34, m.palm, m.seed + 5);
    drawPalm(cr, cx + 22, cy - 5, 58, 18, 26, m.palm, m.seed + 6);
}

void waterfall(cairo_t *cr, const Mood &m) {
    const double x = 470, top = m.horizon + 30, bottom = m.shore - 26;
    // Mossy rocks around the fall.
    setColour(cr, 0x6E7A6A);
    cairo_move_to(cr, x - 34, bottom + 4);
    cairo_curve_to(cr, x - 36, top + 10, x - 20, top - 8, x - 2, top - 4);
    cairo_line_to(cr, x + 22, top - 2);
    cairo_curve_to(cr, x + 40, top + 10, x + 44, bottom - 20, x + 38, bottom + 4);
    cairo_close_path(cr);
    cairo_fill(cr);
    fillRect(cr, x - 30, top - 4, 60, 6, 0x4E8A3A, 0.9);
    verticalGradient(cr, x - 8, top, 22, bottom - top, 0xF4FDFF, 0xA8E2F0);
    drawWaterGlints(cr, x - 8, x + 14, top, bottom, 0x7CC8E0, 0.9, m.seed);
    setColour(cr, m.seaNear);
    cairo_save(cr);
    cairo_translate(cr, x + 3, bottom + 2);
    cairo_scale(cr, 64, 12);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
    drawWaterGlints(cr, x - 45, x + 50, bottom - 6, bottom + 10, 0xFFFFFF, 0.8, m.seed + 1);
    drawCloud(cr, x + 3, bottom - 2, 46, 0xFFFFFF, 0xE0F4FA, 0.8);
}

void jungle(cairo_t *cr, const Mood &m) {
    drawCanopy(cr, kLeft, kRight, m.horizon - 10, m.shore, m.hillFar, m.seed);
    drawCanopy(cr, kLeft, kRight, m.horizon + 40, m.shore, mix(m.hillFar, m.hillNear, 0.5), m.seed + 1);
    drawCanopy(cr, kLeft, kRight, m.horizon + 108, m.shore, m.hillNear, m.seed + 2);
    waterfall(cr, m);
}

void volcano(cairo_t *cr, const Mood &m) {
    const double peakX = 610, peakY = 150, base = m.horizon + 2;
    drawIslet(cr, 200, 400, base - 1, 18, m.hillFar, m.seed);
    cairo_move_to(cr, 440, base);
    cairo_curve_to(cr, 520, base - 40, 570, peakY + 30, peakX - 22, peakY);
    cairo_line_to(cr, peakX + 22, peakY);
    cairo_curve_to(cr, 650, peakY + 30, 700, base - 40, 786, base);
    cairo_close_path(cr);
    cairo_pattern_t *p = cairo_pattern_create_linear(0, peakY, 0, base);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.42, 0.34, 0.36);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.56, 0.5, 0.5);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Lava runs and the glowing crater.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double runs[][4] = {{-8, 50, -20, 110}, {10, 40, 26, 95}};
    for (const auto &r : runs) {
        cairo_move_to(cr, peakX + r[0] * 0.3, peakY + 2);
        cairo_curve_to(cr, peakX + r[0], peakY + r[1] * 0.5, peakX + r[2], peakY + r[1], peakX + r[2], peakY + r[3]);
        setColour(cr, 0xE8502A, 0.85);
        cairo_set_line_width(cr, 4);
        cairo_stroke_preserve(cr);
        setColour(cr, 0xFFC040);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    softGlow(cr, peakX, peakY, 30, 0xFF8A3A, 0.7);
    // A soft plume of smoke drifting away from the playfield's middle.
    Rng rng(m.seed * 7);
    // One group so the puffs merge into a single soft plume.
    cairo_push_group(cr);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 18; ++i) {
            const double t = i / 17.0, r = 12 + t * 30;
            const double x = peakX + 6 + t * 140 + 8 * std::sin(t * 7), y = peakY - 12 - t * 130;
            setColour(cr, pass ? 0xEEE8E6 : 0xB8AEB0);
            cairo_arc(cr, x - pass * r * 0.2, y - pass * r * 0.25, r * (pass ? 0.8 : 1.0), 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.55);
}

void sailboat(cairo_t *cr, double x, double y) {
    cairo_move_to(cr, x - 14, y);
    cairo_line_to(cr, x + 14, y);
    cairo_line_to(cr, x + 10, y + 5);
    cairo_line_to(cr, x - 10, y + 5);
    cairo_close_path(cr);
    setColour(cr, 0x8A4A2A);
    cairo_fill(cr);
    cairo_move_to(cr, x, y - 1);
    cairo_line_to(cr, x, y - 26);
    cairo_line_to(cr, x + 13, y - 4);
    cairo_close_path(cr);
    setColour(cr, 0xFFF8EC);
    cairo_fill(cr);
    cairo_move_to(cr, x - 1.5, y - 1);
    cairo_line_to(cr, x - 1.5, y - 22);
    cairo_line_to(cr, x - 11, y - 4);
    cairo_close_path(cr);
    setColour(cr, 0xF25C3C);
    cairo_fill(cr);
}

void gulls(cairo_t *cr, const Mood &m) {
    Rng rng(m.seed * 13);
    setColour(cr, 0x3A4A5A, 0.8);
    cairo_set_line_width(cr, 1.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 3; ++i) {
        const double x = rng.range(560, 740), y = rng.range(m.horizon - 110, m.horizon - 50), w = rng.range(5, 8);
        cairo_move_to(cr, x - w, y - w * 0.4);
        cairo_curve_to(cr, x - w * 0.5, y - w * 0.8, x - w * 0.2, y - w * 0.4, x, y);
        cairo_curve_to(cr, x + w * 0.2, y - w * 0.4, x + w * 0.5, y - w * 0.8, x + w, y - w * 0.4);
        cairo_stroke(cr);
    }
}

void sea(cairo_t *cr, const Mood &m) {
    verticalGradient(cr, kLeft, m.horizon, kWidth, m.shore - m.horizon, m.seaFar, m.seaNear);
    fillRect(cr, kLeft, m.horizon, kWidth, 1.5, lighten(m.seaFar, 0.3), 0.7);
    if (m.light == LIGHT_SETTING_SUN)
        drawWaterGlints(cr, 400, 560, m.horizon + 2, m.shore - 10, 0xFFE6A0, 0.9, m.seed + 9);
    if (m.light == LIGHT_MOON)
        drawWaterGlints(cr, 610, 710, m.horizon + 2, m.shore - 10, 0xE8F0FF, 0.8, m.seed + 9);
    drawWaterGlints(cr, kLeft, kRight, m.horizon + 4, m.shore - 8, lighten(m.seaNear, 0.5), 0.5, m.seed + 10);
}

void beach(cairo_t *cr, const Mood &m) {
    const double bottom = kWheelTop;
    // Wet sand just above the foam line, then dry sand toward the track.
    verticalGradient(cr, kLeft, m.shore, kWidth, bottom - m.shore, m.sandShadow, m.sand);
    verticalGradient(cr, kLeft, m.shore + 12, kWidth, bottom - m.shore - 12, mix(m.sandShadow, m.sand, 0.6),
                     lighten(m.sand, 0.1));
    if (m.backdrop == BACK_JUNGLE)
        verticalGradient(cr, kLeft, m.shore, kWidth, 8, darken(m.sandShadow, 0.25), m.sandShadow);
    else
        drawFoamLine(cr, kLeft, kRight, m.shore + 1, m.foam, m.seed);
    drawSandDetail(cr, kLeft, kRight, m.shore + 16, bottom - 6, m.sand, m.seed);
    // Shade where the sand meets the track.
    verticalGradient(cr, kLeft, bottom - 10, kWidth, 10, m.sand, m.sandShadow);
}

void sidePalms(cairo_t *cr, const Mood &m) {
    if (m.backdrop == BACK_JUNGLE) {
        drawLeafFan(cr, kLeft, m.shore + 20, 90, -0.5, m.palm.leaf, m.palm.leafDark, m.seed);
        drawLeafFan(cr, kRight, m.shore + 25, 95, M_PI + 0.5, m.palm.leaf, m.palm.leafDark, m.seed + 1);
    }
    // The same three palms on every island, each grown a little differently.
    Rng rng(m.seed * 5);
    drawPalm(cr, 196 + rng.range(-8, 8), 505, rng.range(270, 320), rng.range(35, 60), rng.range(84, 98), m.palm,
             m.seed + 20);
    drawPalm(cr, 770 + rng.range(-6, 6), 510, rng.range(250, 290), rng.range(-60, -40), rng.range(80, 92), m.palm,
             m.seed + 21);
    if (m.backdrop == BACK_OPEN_SEA)
        return;
    drawPalm(cr, 742, 515, rng.range(170, 210), rng.range(-30, -12), rng.range(58, 68), m.palm, m.seed + 22);
}

void drawIsland(cairo_t *cr, const Mood &m) {
    cairo_save(cr);
    cairo_rectangle(cr, kLeft, 0, kWidth, kWheelTop);
    cairo_clip(cr);
    sky(cr, m);
    // On the horizon, behind the sea's edge.
    if (m.backdrop == BACK_ISLETS)
        distantIslets(cr, m);
    if (m.backdrop == BACK_VOLCANO)
        volcano(cr, m);
    sea(cr, m);
    if (m.light == LIGHT_MORNING_SUN) {
        sailboat(cr, m.backdrop == BACK_LAGOON ? 270 : 470, m.horizon + 14);
        gulls(cr, m);
    }
    if (m.backdrop == BACK_LAGOON)
        lagoonIslet(cr, m);
    if (m.backdrop == BACK_JUNGLE)
        jungle(cr, m);
    beach(cr, m);
    sidePalms(cr, m);
    cairo_restore(cr);
    drawIslandFrame(cr, {m.skyTop, m.skyHorizon, m.hillNear, m.sand});
}

} // namespace

bool forgeIslands(const std::string &game) {
    static_assert(sizeof(kMoods) / sizeof(kMoods[0]) == forge::kIslandCount + 1, "one mood per island and beach");
    bool ok = true;
    for (int i = 0; i <= forge::kIslandCount; ++i) {
        const char *name = i < forge::kIslandCount ? forge::kIslands[i] : "beach.bmp";
        forge::Canvas c = forge::canvasCreate(kScreenWidth, kScreenHeight);
        drawIsland(c.cr, kMoods[i]);
        ok = savePicture(c, dataFile(game, std::string("levels/islands/") + name), forge::BMP_OPAQUE) && ok;
        forge::canvasFree(c);
    }
    return ok;
}

} // namespace scene
