// Picture makers used by every screen.
#include "shell/Surfaces.h"

#include <cstdio>

#include "engine/KGraphic.h"
#include "engine/KMiscTools.h"

KGraphic *CreateSurfaceFromFile(const char *path) {
    KGraphic *picture = new KGraphic();
    picture->setColorKey(true, 0, 0, 255);
    if (!picture->loadPicture(path, true, false)) {
        delete picture;
        return nullptr;
    }
    return picture;
}

KGraphic *LoadPictureFromFileLanguage(const char *name) {
    char relative[260];
    std::snprintf(relative, sizeof(relative), "data\\general\\ENGLISH\\%s", name);
    KGraphic *picture = new KGraphic();
    if (!picture->loadPicture(KMiscTools::makeFilePath(relative), true, false)) {
        delete picture;
        return nullptr;
    }
    return picture;
}

KGraphic *GrabFrontBuffer() {
    KGraphic *picture = new KGraphic();
    picture->grabFrontBuffer();
    return picture;
}
