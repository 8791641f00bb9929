/* Waits for a window of the game to show a given picture, and says when: the start-up
   bench's stopwatch. Polls every 2 ms for a viewable window with that name and size and,
   when pixels are given, until each of them is within 12 levels of its colour.
   Usage: zumbo_xwatch <name> <width>x<height> <timeout ms> [x,y=RRGGBB ...]
   Prints "<window id> <wall-clock ms>" and exits 0, or exits 1 on time-out. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#define MAX_SPOTS 16
#define TOLERANCE 12

typedef struct {
    int x, y;
    unsigned long rgb;
} Spot;

static long long NowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return (long long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

static int NameIs(Display *d, Window w, const char *name) {
    char *title = NULL;
    int same = XFetchName(d, w, &title) && title && strcmp(title, name) == 0;
    if (title)
        XFree(title);
    return same;
}

/* The first viewable window under root (depth first) with that name and size. */
static Window FindWindow(Display *d, Window root, const char *name, int w, int h) {
    Window parent, *kids = NULL, found = 0;
    unsigned int n = 0;
    if (!XQueryTree(d, root, &root, &parent, &kids, &n))
        return 0;
    for (unsigned int i = 0; i < n && !found; i++) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, kids[i], &a) && a.map_state == IsViewable && a.width == w &&
            a.height == h && NameIs(d, kids[i], name))
            found = kids[i];
        else
            found = FindWindow(d, kids[i], name, w, h);
    }
    if (kids)
        XFree(kids);
    return found;
}

static int Near(unsigned long a, unsigned long b) {
    for (int shift = 0; shift < 24; shift += 8) {
        int ca = (int)((a >> shift) & 255), cb = (int)((b >> shift) & 255);
        if (abs(ca - cb) > TOLERANCE)
            return 0;
    }
    return 1;
}

static int SpotsShown(Display *d, Window w, const Spot *spots, int n) {
    for (int i = 0; i < n; i++) {
        XImage *img = XGetImage(d, w, spots[i].x, spots[i].y, 1, 1, AllPlanes, ZPixmap);
        if (!img)
            return 0;
        unsigned long p = XGetPixel(img, 0, 0) & 0xFFFFFF;
        XDestroyImage(img);
        if (!Near(p, spots[i].rgb))
            return 0;
    }
    return 1;
}

static int IgnoreErrors(Display *d, XErrorEvent *e) {
    (void)d;
    (void)e;
    return 0;   /* a window that went away between two calls */
}

int main(int argc, char **argv) {
    int w, h, n = 0;
    Spot spots[MAX_SPOTS];
    if (argc < 4 || sscanf(argv[2], "%dx%d", &w, &h) != 2 || argc - 4 > MAX_SPOTS) {
        fprintf(stderr, "usage: zumbo_xwatch <name> <width>x<height> <timeout ms> [x,y=RRGGBB ...]\n");
        return 2;
    }
    for (int i = 4; i < argc; i++, n++)
        if (sscanf(argv[i], "%d,%d=%lx", &spots[n].x, &spots[n].y, &spots[n].rgb) != 3) {
            fprintf(stderr, "zumbo_xwatch: bad pixel %s\n", argv[i]);
            return 2;
        }
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "zumbo_xwatch: no display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    const long long end = NowMs() + atol(argv[3]);
    const struct timespec pause = {0, 2000000};
    while (NowMs() < end) {
        Window found = FindWindow(d, DefaultRootWindow(d), argv[1], w, h);
        if (found && SpotsShown(d, found, spots, n)) {
            printf("%lu %lld\n", (unsigned long)found, NowMs());
            XCloseDisplay(d);
            return 0;
        }
        nanosleep(&pause, NULL);
    }
    XCloseDisplay(d);
    return 1;
}
