// The game's table of sound effects, loaded once at start-up, and the play function of
// each game event: which variant it picks and the volume it plays at.
#include "audio/Sound.h"

#include "audio/KAudioSource.h"
#include "engine/KRandom.h"
#include "shell/Vuz.h"

KAudioSource *Snd_monkeyvoice[3];
KAudioSource *Snd_BatSound[9];
KAudioSource *Snd_EvillBallBatSound[3];
KAudioSource *Snd_GetFruit[3];
KAudioSource *Snd_CasseBox[2];
KAudioSource *Snd_BallInMagnet;
KAudioSource *Snd_Fire;
KAudioSource *Snd_Bigger;
KAudioSource *Snd_Smaller;
KAudioSource *Snd_extralife;
KAudioSource *Snd_CaisseResist[3];
KAudioSource *Snd_CaisseWoodResist[3];
KAudioSource *Snd_SpaceInvaders;
KAudioSource *Snd_Wall[2];

struct SoundSlot {
    KAudioSource **slot;
    const char *file;
    bool loop;
};

static const SoundSlot soundTable[SOUND_EFFECT_COUNT] = {
    {&Snd_monkeyvoice[0], "data\\audio\\monkeya.wav", false},
    {&Snd_monkeyvoice[1], "data\\audio\\monkeyd.wav", false},
    {&Snd_monkeyvoice[2], "data\\audio\\monkeyb.wav", false},
    {&Snd_BatSound[0], "data\\audio\\ballbat1.ogg", false},
    {&Snd_BatSound[1], "data\\audio\\ballbat2.ogg", false},
    {&Snd_BatSound[2], "data\\audio\\ballbat3.ogg", false},
    {&Snd_BatSound[3], "data\\audio\\ballbatlow_2.ogg", false},
    {&Snd_BatSound[4], "data\\audio\\ballbatlow_3.ogg", false},
    {&Snd_BatSound[5], "data\\audio\\ballbatlow1.ogg", false},
    {&Snd_BatSound[6], "data\\audio\\ballbatmedium1.ogg", false},
    {&Snd_BatSound[7], "data\\audio\\ballbatmedium2.ogg", false},
    {&Snd_BatSound[8], "data\\audio\\ballbatmedium3.ogg", false},
    {&Snd_EvillBallBatSound[0], "data\\audio\\ballbatheavy1.ogg", false},
    {&Snd_EvillBallBatSound[1], "data\\audio\\ballbatheavy2.ogg", false},
    {&Snd_EvillBallBatSound[2], "data\\audio\\ballbatheavy3.ogg", false},
    {&Snd_GetFruit[0], "data\\audio\\fruit_1.ogg", false},
    {&Snd_GetFruit[1], "data\\audio\\fruit_2.ogg", false},
    {&Snd_GetFruit[2], "data\\audio\\fruit_3.ogg", false},
    {&Snd_CasseBox[0], "data\\audio\\cassecaisse1.ogg", false},
    {&Snd_CasseBox[1], "data\\audio\\cassecaisse2.ogg", false},
    {&Snd_BallInMagnet, "data\\audio\\ballinaimant.ogg", true},
    {&Snd_Fire, "data\\audio\\shoot.ogg", false},
    {&Snd_Bigger, "data\\audio\\larger.ogg", false},
    {&Snd_Smaller, "data\\audio\\lower.ogg", false},
    {&Snd_extralife, "data\\audio\\extralife.ogg", false},
    {&Snd_CaisseResist[0], "data\\audio\\cassecaissemetal1.ogg", false},
    {&Snd_CaisseResist[1], "data\\audio\\cassecaissemetal2.ogg", false},
    {&Snd_CaisseResist[2], "data\\audio\\cassecaissemetal3.ogg", false},
    {&Snd_CaisseWoodResist[0], "data\\audio\\caissewood1.ogg", false},
    {&Snd_CaisseWoodResist[1], "data\\audio\\caissewood2.ogg", false},
    {&Snd_CaisseWoodResist[2], "data\\audio\\caissewood3.ogg", false},
    {&Snd_SpaceInvaders, "data\\audio\\spaceinv.ogg", false},
    {&Snd_Wall[0], "data\\audio\\wall.ogg", false},
    {&Snd_Wall[1], "data\\audio\\wall2.ogg", false},
};

const long SOUND_LOAD_VOLUME = 100;
const short SOUND_VOICES = 1;
const short SOUND_START_VOLUME = 80;

// Cycle positions of the play functions: from 0 at start-up, never reset.
static int wallTurn, batTurn, evilBatTurn, ballOnBallTurn, casseBoxTurn, metalTurn, fruitTurn;

KAudioSource *QUOR_SampleLoad(bool loop, const char *path, int, int, int, int) {
    KAudioSource *sound = new KAudioSource();
    sound->loadSample(path, SOUND_LOAD_VOLUME, loop, SOUND_VOICES);
    return sound;
}

void Sound_InitEngine() { Sound_LoadSamples(); }

void Sound_LoadSamples() {
    for (const SoundSlot &s : soundTable)
        *s.slot = QUOR_SampleLoad(s.loop, Vuz_MakeFilePath(s.file));
    Sound_InField(0);                     // recorded first, so the hum starts silent
    if (Snd_BallInMagnet)
        Snd_BallInMagnet->playSample();   // loops from now on; its volume is the hum
    Sound_InField(0);
    Sound_SetGlobalVolumes(SOUND_START_VOLUME, SOUND_START_VOLUME);
}

void Sound_FreeEngine() { Sound_FreeSounds(); }

void Sound_FreeSounds() {
    for (const SoundSlot &s : soundTable) {
        delete *s.slot;
        *s.slot = nullptr;
    }
}

// Plays one effect at the effect volume; false when the slot is empty.
static bool PlayEffect(KAudioSource *sound) {
    if (!sound)
        return false;
    sound->playSample();
    sound->setVolume(gSampleVolume);
    return true;
}

// Plays variant turn of a cycle of count sounds and moves the turn on.
static void PlayCycle(KAudioSource *const *sounds, int count, int &turn) {
    if (PlayEffect(sounds[turn]))
        turn = (turn + 1) % count;
}

void Sound_PlayWall() { PlayCycle(Snd_Wall, 2, wallTurn); }
void Sound_PlayBallOnBat() { PlayCycle(Snd_BatSound, 8, batTurn); }   // eight of the nine
void Sound_PlayBallOnBatSimple() { PlayEffect(Snd_BatSound[1]); }
void Sound_PlayEvillBallOnBat() { PlayCycle(Snd_EvillBallBatSound, 3, evilBatTurn); }
void Sound_PlayBallOnBall() { PlayCycle(Snd_BatSound, 9, ballOnBallTurn); }
void Sound_PlayCasseBox() { PlayCycle(Snd_CasseBox, 2, casseBoxTurn); }
void Sound_PlayCaisseMetalResist() { PlayCycle(Snd_CaisseResist, 3, metalTurn); }
void Sound_PlayFruit() { PlayCycle(Snd_GetFruit, 3, fruitTurn); }
void Sound_PlayABonus() { PlayEffect(Snd_GetFruit[2]); }
void Sound_PlayBigger() { PlayEffect(Snd_Bigger); }
void Sound_PlaySmaller() { PlayEffect(Snd_Smaller); }
void Sound_PlayExtra() { PlayEffect(Snd_extralife); }
void SoundPlay_SpaceInvaders() { PlayEffect(Snd_SpaceInvaders); }

void Sound_PlayFire() {
    if (!Snd_Fire)
        return;
    Snd_Fire->stopVoices();
    PlayEffect(Snd_Fire);
}

void Sound_playMonkey() {
    KAudioSource *voice = Snd_monkeyvoice[KRandom::rand() % 3];
    if (!voice)
        return;
    voice->playSample();
    voice->setVolume(gSampleVolume / 2);
}

void Sound_InField(short v) {
    if (!Snd_BallInMagnet)
        return;
    int level = v < gSampleVolume ? v : gSampleVolume;
    Snd_BallInMagnet->setVolume(level / 2);
}
