// The level set forged once per test run into a temporary game folder, and a reader
// of map files that works from byte offsets alone, independent of the forge's writer.
#pragma once
#include "tools/forge/levels/LevelSet.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace forgetest {

inline std::string levelSourceFolder() { return std::string(ZUMBO_SOURCE_DIR) + "/tools/levels"; }

inline std::string makeTempFolder() {
    char tmpl[] = "/tmp/zumbo-levels-XXXXXX";
    const char *made = mkdtemp(tmpl);
    return made ? made : "";
}

inline std::vector<uint8_t> readBytes(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline std::string readText(const std::string &path) {
    const std::vector<uint8_t> b = readBytes(path);
    return std::string(b.begin(), b.end());
}

// A game folder holding the forged level set; removed at the end of the run.
class ForgedSet {
public:
    static const ForgedSet &get() {
        static ForgedSet set;
        return set;
    }
    const std::string &folder() const { return folder_; }
    bool ok() const { return ok_; }
    const std::string &log() const { return log_; }
    ~ForgedSet() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

private:
    ForgedSet() : folder_(makeTempFolder()) {
        std::ostringstream log;
        ok_ = !folder_.empty() && forge::forgeLevels(levelSourceFolder(), folder_, log);
        log_ = log.str();
    }
    std::string folder_;
    std::string log_;
    bool ok_ = false;
};

inline uint16_t u16At(const std::vector<uint8_t> &m, size_t at) {
    return static_cast<uint16_t>(m[at] | (m[at + 1] << 8));
}
inline int16_t i16At(const std::vector<uint8_t> &m, size_t at) { return static_cast<int16_t>(u16At(m, at)); }
inline float f32At(const std::vector<uint8_t> &m, size_t at) {
    const uint32_t u = m[at] | (m[at + 1] << 8) | (m[at + 2] << 16) | (static_cast<uint32_t>(m[at + 3]) << 24);
    float f;
    std::memcpy(&f, &u, sizeof f);
    return f;
}

constexpr size_t kMapBytes = 13052;
constexpr size_t kFirstBrick = 1052;
constexpr size_t kBrickBytes = 60;
constexpr int kSlots = 200;

struct MapBrick {
    int16_t srcLeft, srcRight, srcTop, srcBottom;
    float left, top, right, bottom;
    uint8_t visible, present;
    float centreX, centreY, spare1, spare2;
    int16_t bonus, hits, strength, explodeTick, explodeSrcX, explodeSrcY;
    bool allZero;
};

inline MapBrick brickAt(const std::vector<uint8_t> &m, int slot) {
    const size_t b = kFirstBrick + static_cast<size_t>(slot) * kBrickBytes;
    MapBrick k;
    k.srcLeft = i16At(m, b + 2);
    k.srcRight = i16At(m, b + 4);
    k.srcTop = i16At(m, b + 6);
    k.srcBottom = i16At(m, b + 8);
    k.left = f32At(m, b + 12);
    k.top = f32At(m, b + 16);
    k.right = f32At(m, b + 20);
    k.bottom = f32At(m, b + 24);
    k.visible = m[b + 28];
    k.present = m[b + 29];
    k.centreX = f32At(m, b + 32);
    k.centreY = f32At(m, b + 36);
    k.spare1 = f32At(m, b + 40);
    k.spare2 = f32At(m, b + 44);
    k.bonus = i16At(m, b + 48);
    k.hits = i16At(m, b + 50);
    k.strength = i16At(m, b + 52);
    k.explodeTick = i16At(m, b + 54);
    k.explodeSrcX = i16At(m, b + 56);
    k.explodeSrcY = i16At(m, b + 58);
    k.allZero = true;
    for (size_t i = 0; i < kBrickBytes; ++i)
        k.allZero = k.allZero && m[b + i] == 0;
    return k;
}

// A zero-terminated name field of 260 bytes, or "<unterminated>".
inline std::string nameAt(const std::vector<uint8_t> &m, size_t at) {
    const void *end = std::memchr(&m[at], 0, 260);
    if (!end)
        return "<unterminated>";
    return std::string(reinterpret_cast<const char *>(&m[at]), static_cast<const uint8_t *>(end) - &m[at]);
}

// The game's INI lookup: the section header is found anywhere in the text, then the
// first "key=" at or after it; the value runs to the first CR or LF.
inline bool iniLookup(const std::string &text, const std::string &section, const std::string &key,
                      std::string &value, size_t *foundAt = nullptr) {
    const size_t header = text.find("[" + section + "]");
    if (header == std::string::npos)
        return false;
    const std::string needle = key + "=";
    const size_t at = text.find(needle, header);
    if (at == std::string::npos)
        return false;
    const size_t start = at + needle.size();
    const size_t end = text.find_first_of("\r\n", start);
    value = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (foundAt)
        *foundAt = at;
    return true;
}

} // namespace forgetest
