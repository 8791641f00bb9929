// The high-score screen's bitmap font: 40 glyphs cut from the normal and the glowing
// font pictures, drawn packed by glyph width or at a fixed pitch for digits.
#include "engine/KGraphic.h"
#include "frontend/HighScreen.h"
#include "shell/Pointer.h"

static const short DIGIT_PITCH = 16;

KGraphic *surf_Fonte = nullptr;
KGraphic *surf_FonteOn = nullptr;

int GetCharIndexInTable(char ch) {
    for (int i = 0; i < ALPHABET_SIZE; i++)
        if (alphabet[i].ch == ch)
            return i;
    return ALPHABET_BLANK;
}

// pitch 0: each glyph advances by its own width.
static void DrawText(KGraphic *font, const char *text, short x, short y, short pitch) {
    for (const char *p = text; *p; p++) {
        const AlphabetGlyph &g = alphabet[GetCharIndexInTable(*p)];
        if (font)
            BlitSurface(font, g.left, g.top, g.right, g.bottom, x, y);
        x = static_cast<short>(x + (pitch ? pitch : g.right - g.left));
    }
}

void DisplayText(const char *text, short x, short y) { DrawText(surf_Fonte, text, x, y, 0); }
void DisplayTextGlow(const char *text, short x, short y) { DrawText(surf_FonteOn, text, x, y, 0); }
void DisplayTextReg(const char *text, short x, short y) { DrawText(surf_Fonte, text, x, y, DIGIT_PITCH); }
