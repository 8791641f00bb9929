// The music: one looping Ogg stream at a time in the global module, replaced by every
// PlayMusic and freed at the end of a game.
#include "audio/KAudioSource.h"
#include "audio/Sound.h"
#include "engine/KWindow.h"

const int MUSIC_VOLUME_STEP = 10;

KAudioSource *module = nullptr;

void PlayMusic(const char *path) {
    if (!path)
        return;
    FreeMusic();
    if (KWindow::isQuit())
        return;
    module = new KAudioSource();
    module->loadStream(path);
    module->playStream(true);
    module->setVolume(vol_music * MUSIC_VOLUME_STEP);
}

void FreeMusic() {
    delete module;
    module = nullptr;
}
