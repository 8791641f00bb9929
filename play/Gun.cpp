// The gun bat: the fire request, the shooting animation that releases one bullet and
// one cartridge case at its eighth step, bullets against balls and bricks, and the
// cases' flight.
#include "play/Gun.h"

#include "audio/Sound.h"
#include "engine/KRandom.h"
#include "level/Level.h"
#include "play/Balls.h"
#include "play/Bat.h"
#include "play/Scene.h"
#include "shell/Pointer.h"

int32_t gunShootX = -1, gunShootY = 0, gunShootFrame = 0;
int32_t gunShootWidth = 0, gunShootHeight = 0;
int32_t gunShootMaxX = 0, gunShootMaxY = 0;
int16_t gunStepDivider = 0;
Bullet bullet[MAX_SHOTS];
Casing cartouche[MAX_SHOTS];
int32_t cartanimX[MAX_SHOTS];
int32_t cartanimY[MAX_SHOTS];
int16_t curCartouche = 0;

static const int32_t kLoopBackFrame = 18;
static const int32_t kLoopToFrame = 7;
static const int32_t kShootFrame = 8;
static const int kStepEvery = 2;

static const float kCasingFromBat = 12.0f, kCasingY = 465.0f, kCasingFall = 0.4f;
static const float kBulletFromBat = 27.0f, kBulletY = 449.0f, kBulletSpeed = -16.0f;
static const float kBulletKick = 2.0f;
static const int kInterfereFrames = 16;
static const float kCasingLeft = 170.0f, kCasingRight = 772.0f, kCasingGone = 599.0f;

// Gun picture drawn over the monkeys; casings spin through 12 x 6 frames of 14 x 14.
static const int kGunX = 8, kGunY = 416;
static const int kCasingFrame = 14, kCasingSheetW = 168, kCasingSheetH = 84, kCasingSheetY = 258;
static const int kBulletSrc[4] = {163, 213, 172, 221};

// Fire held: start the animation, and from its 18th step loop back to the 7th so the
// next step shoots again.
void MainGame_FireRequest() {
    if (gunShootX == -1)
        gunShootX = 0;
    if (gunShootFrame == kLoopBackFrame) {
        gunShootX = gunShootWidth;
        gunShootY = gunShootHeight;
        gunShootFrame = kLoopToFrame;
    }
}

static void Shoot() {
    const int slot = curCartouche;
    Casing &c = cartouche[slot];
    c.x = batPosition + kCasingFromBat;
    c.y = kCasingY;
    c.vx = static_cast<float>((KRandom::rand() % 50 - 100) / 15);
    c.vy = static_cast<float>((KRandom::rand() % 50 - 100) / 20);
    c.active = true;
    Bullet &b = bullet[slot];
    b.x = batPosition + kBulletFromBat;
    b.y = kBulletY;
    b.vy = kBulletSpeed;
    b.active = true;
    curCartouche = static_cast<int16_t>((curCartouche + 1) % MAX_SHOTS);
    Sound_PlayFire();
}

void MainGame_CalculateGun() {
    gunStepDivider += 1;
    if (gunStepDivider < kStepEvery)
        return;
    gunStepDivider = 0;
    gunShootX += gunShootWidth;
    gunShootFrame += 1;
    if (gunShootX >= gunShootMaxX) {
        gunShootX = 0;
        gunShootY += gunShootHeight;
        if (gunShootY >= gunShootMaxY) {
            gunShootY = 0;
            monkeys.frame = 0;
            gunShootX = -1;
            gunShootFrame = 0;
        }
    }
    if (gunShootFrame == kShootFrame)
        Shoot();
}

static bool PointInBall(float x, float y, const Ball &b) {
    return x >= b.x && x < b.x + b.width && y >= b.y && y < b.y + b.height;
}

static void MoveBullet(Bullet &shot) {
    shot.y += shot.vy;
    if (shot.y < 0) {
        shot.active = false;
        return;
    }
    for (Ball &b : allBalls) {
        if (!b.active || !PointInBall(shot.x, shot.y, b))
            continue;
        shot.active = false;
        b.vy -= kBulletKick;
        if (b.type == BALL_EVIL) {
            b.interfere = true;
            b.interfereTimer = kInterfereFrames;
        }
    }
}

static void MoveCasing(Casing &c) {
    c.x += c.vx;
    c.y += c.vy;
    c.vy += kCasingFall;
    if (c.x < kCasingLeft) {
        c.x = kCasingLeft;
        c.vx = -c.vx;
    }
    if (c.x > kCasingRight)
        c.vx = -c.vx;
    if (c.y >= kCasingGone)
        c.active = false;
}

void MainGame_CalculateBullets() {
    for (Bullet &shot : bullet)
        if (shot.active)
            MoveBullet(shot);
    for (Casing &c : cartouche)
        if (c.active)
            MoveCasing(c);
}

// Each bullet inside a standing brick is spent; metal holds, anything else breaks.
// The brick was standing when the scan began, so two bullets in it both break it.
void MainGame_BulletsHitBrick(long brick) {
    const Brick &b = WallOfBricks[brick];
    for (Bullet &shot : bullet) {
        if (!shot.active)
            continue;
        if (shot.x < b.left || shot.x > b.right || shot.y < b.top || shot.y > b.bottom)
            continue;
        shot.active = false;
        if (b.strength >= STRENGTH_METAL)
            Sound_PlayCaisseMetalResist();
        else
            Level_BreakBrick(brick);
    }
}

void MainGame_DisplayGun() {
    if (!surf_MonkeyGun)
        return;
    BlitTransparentSurface(surf_MonkeyGun, gunShootX, gunShootY, gunShootX + gunShootWidth, gunShootY + gunShootHeight,
                           Level_ScreenCoord(batPosition + kGunX), kGunY);
}

static void SpinCasing(int slot) {
    cartanimX[slot] += kCasingFrame;
    if (cartanimX[slot] >= kCasingSheetW) {
        cartanimX[slot] = 0;
        cartanimY[slot] += kCasingFrame;
        if (cartanimY[slot] >= kCasingSheetH)
            cartanimY[slot] = 0;
    }
}

void MainGame_DisplayBullet() {
    for (int i = 0; i < MAX_SHOTS; i++) {
        if (cartouche[i].active) {
            SpinCasing(i);
            if (surf_SpriteCollection)
                BlitTransparentSurface(surf_SpriteCollection, cartanimX[i], cartanimY[i] + kCasingSheetY,
                                       cartanimX[i] + kCasingFrame, cartanimY[i] + kCasingSheetY + kCasingFrame,
                                       Level_ScreenCoord(cartouche[i].x), Level_ScreenCoord(cartouche[i].y));
        }
        if (bullet[i].active && surf_SpriteCollection)
            BlitTransparentSurface(surf_SpriteCollection, kBulletSrc[0], kBulletSrc[1], kBulletSrc[2], kBulletSrc[3],
                                   Level_ScreenCoord(bullet[i].x), Level_ScreenCoord(bullet[i].y));
    }
}
