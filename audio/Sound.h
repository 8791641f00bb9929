// The game's sounds: the table of sound effects with one play function per game event,
// the effect and music volume settings with their preference file, and the music.
#pragma once

class KAudioSource;

// Sound effects, loaded at start-up and freed at shut-down.
extern KAudioSource *Snd_monkeyvoice[3];
extern KAudioSource *Snd_BatSound[9];
extern KAudioSource *Snd_EvillBallBatSound[3];
extern KAudioSource *Snd_GetFruit[3];
extern KAudioSource *Snd_CasseBox[2];
extern KAudioSource *Snd_BallInMagnet;
extern KAudioSource *Snd_Fire;
extern KAudioSource *Snd_Bigger;
extern KAudioSource *Snd_Smaller;
extern KAudioSource *Snd_extralife;
extern KAudioSource *Snd_CaisseResist[3];
extern KAudioSource *Snd_CaisseWoodResist[3];
extern KAudioSource *Snd_SpaceInvaders;
extern KAudioSource *Snd_Wall[2];

const int SOUND_EFFECT_COUNT = 34;

KAudioSource *QUOR_SampleLoad(bool loop, const char *path, int = 0, int = 0, int = 0, int = 0);
void Sound_InitEngine();
void Sound_LoadSamples();
void Sound_FreeEngine();
void Sound_FreeSounds();

void Sound_PlayWall();
void Sound_PlayBallOnBat();
void Sound_PlayBallOnBatSimple();
void Sound_PlayEvillBallOnBat();
void Sound_PlayBallOnBall();
void Sound_PlayCasseBox();
void Sound_PlayCaisseMetalResist();
void Sound_PlayFruit();
void Sound_PlayABonus();
void Sound_PlayBigger();
void Sound_PlaySmaller();
void Sound_PlayExtra();
void SoundPlay_SpaceInvaders();
void Sound_PlayFire();
void Sound_playMonkey();
void Sound_InField(short v);        // the magnet hum's loudness, 0..100

// Volumes: steps 0..9 as the options screen sets them; effects play at gSampleVolume.
extern int vol_music;
extern int vol_sample;
extern int gSampleVolume;
void Sound_SetGlobalVolumes(short music, short sample);
void LoadDefaultVolumes();
void SaveDefaultVolumes();

// Music: one looping Ogg stream at a time.
extern KAudioSource *module;
void PlayMusic(const char *path);
void FreeMusic();
