// Configuration glue: the game's one INI reader and the path function through which
// every data file name (written with backslashes, relative to the game folder) passes.
#pragma once

class KIniReader;
extern KIniReader kini;

bool Vuz_InitErrors();
bool Vuz_GetMessageString(const char *section, const char *key, char *dst, long len);
long Vuz_GetIniValue(const char *key);
char *Vuz_MakeFilePath(const char *path);
