// KIniReader: one small configuration file read whole, answering "[section]" / "key="
// lookups by plain text search (no parse, no comments, exact case).
#pragma once
#include <cstdint>

class KIniReader {
public:
    KIniReader();
    ~KIniReader();
    KIniReader(const KIniReader &) = delete;
    KIniReader &operator=(const KIniReader &) = delete;

    bool setIni(const char *path);
    bool getString(const char *section, const char *key, char *dst, long len);
    int32_t getValue(const char *section, const char *key);   // 0 when not found

private:
    char _path[260];
    char *_text;       // the file, followed by one zero byte
    long _length;
};
