/* A player for the bench's scripted game: watches the lower play field of the game
   window and keeps the monkeys under the lowest moving thing (a ball most of the time,
   else fruit or a capsule) by moving the pointer, as a player's eye and hand would.
   Moving things are found against a picture of the field that learns each pixel once it
   has stood still for a while, so the island and the parked ball fade into it.
   It clicks every two seconds, which launches a ball held on the bat. The pointer moves
   through the X test extension, as a real mouse's would: the game reads the pointer the
   way the desktop reports device motion, and a plain warp from another program is not
   reported that way.
   Usage: zumbo_xplay <window id> <seconds> */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#define FIELD_LEFT 170     /* the side walls of the play field */
#define FIELD_RIGHT 786
#define BAND_TOP 250       /* from below the wall down to just above the bat */
#define BAND_BOTTOM 450
#define STILL_GRABS 20     /* a pixel unchanged this many grabs is background */
#define DIFFERENCE 60      /* summed channel difference that counts as moving */
#define HALF_BAT 35        /* the medium bat is 71 pixels wide */
#define POINTER_Y 420
#define CLICK_EVERY 200    /* grabs, about two seconds */

#define BAND_W (FIELD_RIGHT - FIELD_LEFT)
#define BAND_H (BAND_BOTTOM - BAND_TOP)

static unsigned long background[BAND_H][BAND_W], last[BAND_H][BAND_W];
static unsigned char still[BAND_H][BAND_W];

static int Differs(unsigned long a, unsigned long b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8)
        sum += abs((int)((a >> shift) & 255) - (int)((b >> shift) & 255));
    return sum > DIFFERENCE;
}

/* Learns the background from one grab; returns the x of the lowest moving thing, or -1. */
static int LowestMoving(XImage *img, int first) {
    int found = -1;
    for (int y = BAND_H - 1; y >= 0; y--) {
        int runStart = -1, runEnd = -1;
        for (int x = 0; x < BAND_W; x++) {
            unsigned long p = XGetPixel(img, x, y) & 0xFFFFFF;
            if (first || p != last[y][x])
                still[y][x] = 0;
            else if (still[y][x] < STILL_GRABS && ++still[y][x] == STILL_GRABS)
                background[y][x] = p;
            if (first)
                background[y][x] = p;
            last[y][x] = p;
            if (found < 0 && Differs(p, background[y][x])) {
                if (runStart < 0)
                    runStart = x;
                if (runEnd < 0 || x - runEnd <= 3)
                    runEnd = x;
            }
        }
        if (found < 0 && runStart >= 0 && runEnd - runStart >= 3)
            found = (runStart + runEnd) / 2;
    }
    return found;
}

/* Moves the pointer to (x, y) of the window as a mouse would. */
static void MovePointer(Display *d, Window w, int x, int y) {
    Window child;
    int rx, ry;
    if (XTranslateCoordinates(d, w, DefaultRootWindow(d), x, y, &rx, &ry, &child))
        XTestFakeMotionEvent(d, DefaultScreen(d), rx, ry, 0);
}

int main(int argc, char **argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: zumbo_xplay <window id> <seconds>\n");
        return 2;
    }
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "zumbo_xplay: no display\n");
        return 1;
    }
    int event, error, major, minor;
    if (!XTestQueryExtension(d, &event, &error, &major, &minor)) {
        fprintf(stderr, "zumbo_xplay: the X server has no test extension\n");
        return 1;
    }
    Window w = (Window)strtoul(argv[1], NULL, 0);
    const time_t end = time(NULL) + atol(argv[2]);
    const struct timespec pause = {0, 8000000};
    int first = 1, aim = 0, grabs = 0;
    while (time(NULL) < end) {
        XImage *img = XGetImage(d, w, FIELD_LEFT, BAND_TOP, BAND_W, BAND_H, AllPlanes, ZPixmap);
        if (!img) {
            fprintf(stderr, "zumbo_xplay: the window is gone\n");
            break;
        }
        int x = LowestMoving(img, first);
        XDestroyImage(img);
        first = 0;
        if (++grabs % 50 == 0)
            aim = rand() % 31 - 15;   /* not always the middle of the bat: the ball goes places */
        if (x >= 0)
            MovePointer(d, w, FIELD_LEFT + x - HALF_BAT + aim, POINTER_Y);
        if (grabs % CLICK_EVERY == 0) {
            XTestFakeButtonEvent(d, 1, True, 0);
            XTestFakeButtonEvent(d, 1, False, 100);   /* held a tenth of a second */
        }
        XFlush(d);
        nanosleep(&pause, NULL);
    }
    XCloseDisplay(d);
    return 0;
}
