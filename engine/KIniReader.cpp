// KIniReader: the configuration file read whole; lookups are plain substring searches
// for "[section]" and then "key=" anywhere after it.
#include "engine/KIniReader.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

static const int NEEDLE_LEN = 256;

KIniReader::KIniReader() : _text(nullptr), _length(0) { _path[0] = 0; }

KIniReader::~KIniReader() { delete[] _text; }

bool KIniReader::setIni(const char *path)
{
    delete[] _text;
    _text = nullptr;
    _length = 0;
    snprintf(_path, sizeof(_path), "%s", path ? path : "");
    FILE *f = path ? fopen(path, "rb") : nullptr;
    if (!f)
        return false;
    long size = -1;
    if (fseek(f, 0, SEEK_END) == 0)
        size = ftell(f);
    if (size <= 0 || size >= INT_MAX || fseek(f, 0, SEEK_SET) != 0) {
        fclose(f);
        return false;
    }
    char *text = new (std::nothrow) char[size + 1];
    if (!text) {
        fclose(f);
        return false;
    }
    size_t got = fread(text, 1, (size_t)size, f);
    fclose(f);
    if (got != (size_t)size) {   // a folder, or a file cut short while we read it
        delete[] text;
        return false;
    }
    text[got] = 0;
    _text = text;
    _length = (long)got;
    return true;
}

// First occurrence of needle in text[from, end), by bytes (the file may hold zeros).
static const char *findBytes(const char *text, long length, long from, const char *needle)
{
    size_t n = strlen(needle);
    if (n == 0 || from < 0 || (size_t)(length - from) < n)
        return nullptr;
    for (long i = from; i + (long)n <= length; i++)
        if (text[i] == needle[0] && memcmp(text + i, needle, n) == 0)
            return text + i;
    return nullptr;
}

bool KIniReader::getString(const char *section, const char *key, char *dst, long len)
{
    if (len <= 1 || !dst)
        return false;
    memset(dst, 0, (size_t)len);
    if (!_text || !section || !key)
        return false;
    char needle[NEEDLE_LEN];
    snprintf(needle, sizeof(needle), "[%s]", section);
    const char *header = findBytes(_text, _length, 0, needle);
    if (!header)
        return false;
    snprintf(needle, sizeof(needle), "%s=", key);
    const char *entry = findBytes(_text, _length, header - _text, needle);
    if (!entry)
        return false;
    const char *value = entry + strlen(needle);
    const char *end = _text + _length;
    long n = 0;
    while (value + n < end && value[n] != '\r' && value[n] != '\n')
        n++;
    if (n > len - 1)
        n = len - 1;
    memcpy(dst, value, (size_t)n);
    dst[n] = 0;
    return true;
}

int32_t KIniReader::getValue(const char *section, const char *key)
{
    char value[256];
    if (!getString(section, key, value, sizeof(value)))
        return 0;
    long long v = strtoll(value, nullptr, 10);
    if (v > INT32_MAX)
        v = INT32_MAX;
    if (v < INT32_MIN)
        v = INT32_MIN;
    return (int32_t)v;
}
