// Configuration glue: the game's one INI reader and the path function.
#include "shell/Vuz.h"

#include "engine/KIniReader.h"
#include "engine/KMiscTools.h"

KIniReader kini;

bool Vuz_InitErrors() {
    return kini.setIni(KMiscTools::makeFilePath("zumbo.ini"));
}

bool Vuz_GetMessageString(const char *section, const char *key, char *dst, long len) {
    return kini.getString(section, key, dst, len);
}

long Vuz_GetIniValue(const char *key) {
    return kini.getValue("DATA", key);
}

char *Vuz_MakeFilePath(const char *path) {
    return KMiscTools::makeFilePath(path);
}
