// The bitmap-font high-score screen: viewing the table and entering a name, and the
// 40-glyph font it is written in.
#pragma once
#include <cstdint>

class KGraphic;

#include "frontend/Alphabet.h"

#define NAME_LETTERS 3

extern KGraphic *surf_Fonte;       // normal font
extern KGraphic *surf_FonteOn;     // glowing font
extern KGraphic *surf_HighscoreFond;
extern KGraphic *surf_backh;

extern int32_t winningLine;        // line won by the submitted score, -1 for none
extern int32_t winningLineTimer;   // blink counter of that line, -1 when there is none
extern int32_t curnamepos;         // where the next letter goes, 0..2; -1 when only viewing
extern char curname[256];
extern char curmsg[256];

// bitmap text, drawn from the top-left of the first glyph
int GetCharIndexInTable(char ch);
void DisplayText(const char *text, short x, short y);
void DisplayTextGlow(const char *text, short x, short y);
void DisplayTextReg(const char *text, short x, short y);

// name entry
char GetCharInBuffer();
char GetNextKey();

void DisplayHighscores();
// score >= 0: enter it and type a name (false when it does not make the table);
// score < 0: only show the table.
bool LaunchHighscores(long score);
