// The ball table: up to ten balls in play, their creation, the per-frame physics
// (walls, bat, loss, the two gravity periods), ball against ball, and their drawing.
#pragma once
#include <cstdint>

class KGraphic;

#define MAX_BALLS 10

enum EballType : int8_t { BALL_HELD = 0, BALL_NORMAL = 1, BALL_EVIL = 4 };

struct Ball {
    KGraphic *picture;
    int16_t width, height;
    int16_t centreX, centreY;
    float x, y;
    float vx, vy;
    bool active;
    int16_t animTick;
    int16_t srcX, srcY;
    int16_t sheetWidth, sheetHeight;
    float speed;
    EballType type;
    bool interfere;
    int32_t interfereTimer;
};

extern Ball allBalls[MAX_BALLS];

void InitBall(short index, float x, float y, float vx, float vy, EballType type);
void Level_AddBall(EballType type, short x, short y);
void KillBalls();
void InitTheBalls();
void MainGame_CalculateBalls();
void MainGame_BallCollideBall(short a, short b);
void MainGame_BlitBalls();
