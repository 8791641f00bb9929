// The sdl backend's system services: the microsecond clock, the message box and handing
// a document to the desktop's opener (xdg-open, started directly, no shell).
#include "engine/platform/Platform.h"

#include <SDL.h>
#include <cstdio>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

static const long FILE_NOT_FOUND = -43;
static const long LAUNCH_FAILED = -1;

uint64_t Plat_Microseconds()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint64_t)t.tv_sec * 1000000u + (uint64_t)t.tv_nsec / 1000u;
}

void Plat_MessageBox(const char *first, const char *second)
{
    fprintf(stderr, "zumbo: %s: %s\n", first, second);
    char text[600];
    snprintf(text, sizeof(text), "%s\n\n%s", first, second);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "ZumboRumble", text, nullptr);
}

// The opener runs in a grandchild so nothing is left to reap and the game never waits.
long Plat_Launch(const char *path)
{
    if (!path || access(path, R_OK) != 0)
        return FILE_NOT_FOUND;
    pid_t child = fork();
    if (child < 0)
        return LAUNCH_FAILED;
    if (child == 0) {
        pid_t opener = fork();
        if (opener == 0) {
            execlp("xdg-open", "xdg-open", path, (char *)nullptr);
            _exit(127);
        }
        _exit(opener < 0 ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : LAUNCH_FAILED;
}
