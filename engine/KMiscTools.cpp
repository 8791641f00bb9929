// KMiscTools: the program's folder and the one path buffer, the clocks, message boxes,
// byte-order flips, atomic file writes and handing documents to the desktop.
#include "engine/KMiscTools.h"
#include "engine/platform/Platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

char KMiscTools::currentFilePath[K_MAX_PATH];
static char filePathResult[K_MAX_PATH];
static KMessageBoxHook messageBoxHook;

static const long PARAM_ERROR = -50;

void KMiscTools::initMiscTools()
{
    if (currentFilePath[0])
        return;
    char exe[4096];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof(exe) - 1);
    if (n <= 0)
        return;
    exe[n] = 0;
    char *slash = strrchr(exe, '/');
    if (!slash)
        return;
    *slash = 0;
    if (strlen(exe) >= sizeof(currentFilePath))
        return;   // a folder too long for the path buffer: leave it empty
    memcpy(currentFilePath, exe, strlen(exe) + 1);
}

void KMiscTools::setBaseFolder(const char *folder)
{
    snprintf(currentFilePath, sizeof(currentFilePath), "%s", folder ? folder : "");
}

char *KMiscTools::makeFilePath(const char *relative)
{
    if (!relative)
        relative = "";
    if (relative[0] == '\\' || relative[0] == '/')
        relative++;
    if (snprintf(filePathResult, sizeof(filePathResult), "%s/%s", currentFilePath, relative) < 0)
        filePathResult[0] = 0;
    for (char *p = filePathResult; *p; p++)
        if (*p == '\\')
            *p = '/';
    return filePathResult;
}

void KMiscTools::setMessageBoxHook(KMessageBoxHook hook) { messageBoxHook = hook; }

void KMiscTools::messageBox(const char *first, const char *second)
{
    char a[256], b[256];
    snprintf(a, sizeof(a), "%s", first ? first : "");
    snprintf(b, sizeof(b), "%s", second ? second : "");
    if (messageBoxHook)
        messageBoxHook(a, b);
    else
        Plat_MessageBox(a, b);
}

uint32_t KMiscTools::getTheTicks() { return (uint32_t)(Plat_Microseconds() * 60 / 1000000); }

uint32_t KMiscTools::getMilliseconds() { return (uint32_t)Plat_Microseconds() / 1000u; }

// Files are little-endian and so is every host we build for: the flips keep the value.
static bool hostIsBigEndian()
{
    const uint16_t probe = 1;
    unsigned char first;
    memcpy(&first, &probe, 1);
    return first == 0;
}

short KMiscTools::flipShort(short value)
{
    if (!hostIsBigEndian())
        return value;
    uint16_t u = (uint16_t)value;
    u = (uint16_t)((u >> 8) | (u << 8));
    return (short)u;
}

float KMiscTools::flipFloat(float value)
{
    if (!hostIsBigEndian())
        return value;
    unsigned char b[4], r[4];
    memcpy(b, &value, 4);
    for (int i = 0; i < 4; i++)
        r[i] = b[3 - i];
    float out;
    memcpy(&out, r, 4);
    return out;
}

long KMiscTools::launchFile(const char *path, bool)
{
    const char *paths[1] = {path};
    return OpenerLaunch(path ? 1 : 0, path ? paths : nullptr);
}

long KMiscTools::OpenerLaunch(long count, const char *const *paths)
{
    if (count <= 0 || !paths)
        return PARAM_ERROR;
    for (long i = 0; i < count; i++) {
        long err = Plat_Launch(paths[i]);
        if (err)
            return err;
    }
    return 0;
}

static bool writeAll(int fd, const void *data, size_t len)
{
    const char *p = (const char *)data;
    while (len > 0) {
        ssize_t n = write(fd, p, len);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        len -= (size_t)n;
    }
    return true;
}

// The folder part of path, for syncing the rename ("." when there is none).
static void syncFolderOf(const char *path)
{
    char folder[4096];
    snprintf(folder, sizeof(folder), "%s", path);
    char *slash = strrchr(folder, '/');
    if (slash == folder)
        slash[1] = 0;
    else if (slash)
        *slash = 0;
    else
        snprintf(folder, sizeof(folder), ".");
    int fd = open(folder, O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

bool KMiscTools::writeFileAtomically(const char *path, const void *data, size_t len)
{
    if (!path || !path[0] || (!data && len))
        return false;
    char temp[4096];
    if (snprintf(temp, sizeof(temp), "%s.tmpXXXXXX", path) >= (int)sizeof(temp))
        return false;
    int fd = mkstemp(temp);
    if (fd < 0)
        return false;
    mode_t mask = umask(0);
    umask(mask);
    bool ok = fchmod(fd, 0666 & ~mask) == 0 && writeAll(fd, data, len) && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && rename(temp, path) == 0;
    if (!ok) {
        unlink(temp);
        return false;
    }
    syncFolderOf(path);
    return true;
}
