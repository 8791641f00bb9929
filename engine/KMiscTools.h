// KMiscTools: the engine's toolbox: the game folder and file paths, the two clocks,
// the modal message box, byte order of little-endian files, safe file writes, and
// handing a document to the desktop.
#pragma once
#include <cstddef>
#include <cstdint>

#define K_MAX_PATH 260

// Receives the two texts of a message box instead of the screen (tests).
typedef void (*KMessageBoxHook)(const char *first, const char *second);

class KMiscTools {
public:
    static void initMiscTools();                 // fills currentFilePath once: the program's folder
    static char *makeFilePath(const char *relative);
    static void messageBox(const char *first, const char *second);
    static uint32_t getTheTicks();               // 1/60 s ticks
    static uint32_t getMilliseconds();           // low 32 bits of the microsecond clock / 1000
    static short flipShort(short value);         // little-endian file order <-> host order
    static float flipFloat(float value);
    static long launchFile(const char *path, bool unused = false);
    static long OpenerLaunch(long count, const char *const *paths);  // -50 when nothing to open

    // Writes a whole file through a temporary file beside it, flushed, synced and renamed
    // over the target; false on any failure, and then the old file is untouched.
    static bool writeFileAtomically(const char *path, const void *data, size_t len);

    // Tests: set the base folder (instead of the program's folder) and catch message boxes.
    static void setBaseFolder(const char *folder);
    static void setMessageBoxHook(KMessageBoxHook hook);   // null: back to the real box

    static char currentFilePath[K_MAX_PATH];
};
