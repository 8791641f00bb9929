// The gun bat with its shooting animation, bullets and cartridge cases, and the magnet
// (the evil ball) that pushes the other balls away.
#pragma once
#include <cstdint>

#define MAX_SHOTS 10

struct Bullet {
    float x, y;
    float vy;
    bool active;
};

struct Casing {
    float x, y;
    float vx, vy;
    bool active;
};

extern int32_t gunShootX, gunShootY, gunShootFrame;
extern int32_t gunShootWidth, gunShootHeight;
extern int32_t gunShootMaxX, gunShootMaxY;
extern int16_t gunStepDivider;
extern Bullet bullet[MAX_SHOTS];
extern Casing cartouche[MAX_SHOTS];
extern int32_t cartanimX[MAX_SHOTS];
extern int32_t cartanimY[MAX_SHOTS];
extern int16_t curCartouche;

void MainGame_FireRequest();
void MainGame_CalculateGun();
void MainGame_CalculateBullets();
void MainGame_DisplayGun();
void MainGame_DisplayBullet();
void MainGame_CalculateAimant();
void MainGame_BlitAimant();
void MainGame_BulletsHitBrick(long brick);
