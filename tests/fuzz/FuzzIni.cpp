// Fuzzes the configuration reader: any bytes as zumbo.ini, then the lookups the game
// makes, lookups of the sections and keys the file itself names, and odd buffer sizes.
#include <cstring>
#include <string>
#include <vector>

#include "engine/KIniReader.h"
#include "tests/fuzz/FuzzSupport.h"

// A found value is cut to the buffer, ends there, and never holds a line break.
static void Lookup(KIniReader &ini, const char *section, const char *key, long len) {
    std::vector<char> dst(len > 0 ? (size_t)len : 1, '#');
    if (ini.getString(section, key, dst.data(), len)) {
        const size_t n = strnlen(dst.data(), dst.size());
        FUZZ_CHECK(n < dst.size());
        FUZZ_CHECK(!std::memchr(dst.data(), '\n', n) && !std::memchr(dst.data(), '\r', n));
    } else if (len > 1) {
        FUZZ_CHECK(dst[0] == 0);
    }
    ini.getValue(section, key);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string path = fuzz::Folder().write("zumbo.ini", data, size);
    KIniReader ini;
    const bool read = ini.setIni(path.c_str());
    FUZZ_CHECK(read == (size > 0));

    Lookup(ini, "DATA", "levelcount", 256);
    char key[16];
    for (int i = 0; i <= 33; i += 11) {
        std::snprintf(key, sizeof(key), "L%d", i);
        Lookup(ini, "LEVELS", key, 260);
    }
    Lookup(ini, "LEVELS", "L1", 2);
    Lookup(ini, "LEVELS", "L1", 1);
    Lookup(ini, "LEVELS", "L1", 0);
    Lookup(ini, "", "", 16);
    const std::string longName(300, 'L');   // longer than any search the reader makes
    Lookup(ini, longName.c_str(), longName.c_str(), 64);

    // The sections and keys the file itself names, each looked up in the first section.
    std::string firstSection;
    const std::string text(reinterpret_cast<const char *>(data), size);
    size_t pos = 0;
    for (int lines = 0; pos < text.size() && lines < 16; lines++) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        const size_t close = line.find(']');
        if (!line.empty() && line[0] == '[' && close != std::string::npos) {
            const std::string section = line.substr(1, close - 1);
            if (firstSection.empty())
                firstSection = section;
            Lookup(ini, section.c_str(), "x", 8);
            continue;
        }
        const size_t eq = line.find('=');
        if (eq != std::string::npos)
            Lookup(ini, firstSection.c_str(), line.substr(0, eq).c_str(), 1 + (long)(line.size() % 300));
    }

    KIniReader unread;   // lookups before any file
    Lookup(unread, "DATA", "levelcount", 256);
    return 0;
}
