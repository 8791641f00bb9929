// The high-score table and its file "highscores.raw": the built-in names, score
// submission, and the whole-block read and atomic write of the records.
#include "frontend/HighScores.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "engine/KMiscTools.h"
#include "shell/Vuz.h"

static const char *const HIGHSCORE_FILE = "highscores.raw";
static const int SCORE_OFFSET = HIGHSCORE_NAME_BYTES;

CHighScores cTheHigh;

struct BuiltInScore {
    char name[4];
    int32_t score;
};

static const BuiltInScore guys[HIGHSCORE_LINES] = {
    {"ORK", 9}, {"TIB", 8}, {"FAZ", 7}, {"MEP", 6}, {"DRU", 5},
    {"KOV", 4}, {"PLY", 3}, {"Z.R", 2}, {"WUN", 1},
};

static void PutBigEndian(unsigned char *p, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    p[0] = static_cast<unsigned char>(u >> 24);
    p[1] = static_cast<unsigned char>(u >> 16);
    p[2] = static_cast<unsigned char>(u >> 8);
    p[3] = static_cast<unsigned char>(u);
}

static int32_t GetBigEndian(const unsigned char *p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
                                static_cast<uint32_t>(p[2]) << 8 | p[3]);
}

// Copies at most 255 characters and zero-fills the rest of the field.
static void SetName(HighScoreEntry &e, const char *name) {
    std::memset(e.name, 0, sizeof(e.name));
    if (name)
        std::strncpy(e.name, name, sizeof(e.name) - 1);
}

CHighScores::CHighScores() : entries(nullptr), count(0) { fileName[0] = 0; }

CHighScores::~CHighScores() { delete[] entries; }

void CHighScores::SetHighScoreFileName(const char *name) {
    if (!name)
        return;
    std::snprintf(fileName, sizeof(fileName), "%s", name);
}

void CHighScores::SetHighScoreCount(long n) {
    if (n < HIGHSCORE_MIN_LINES)
        n = HIGHSCORE_MIN_LINES;
    delete[] entries;
    count = static_cast<int32_t>(n);
    entries = new HighScoreEntry[count];
    std::memset(entries, 0, sizeof(HighScoreEntry) * count);
}

long CHighScores::SubmitScore(const char *name, long score) {
    if (count <= 0 || score < entries[count - 1].score)
        return -1;
    long line = 0;
    while (line < count && entries[line].score >= score)
        line++;
    if (line == count)
        return -1;
    for (long i = count - 1; i > line; i--)
        entries[i] = entries[i - 1];
    SetName(entries[line], name);
    entries[line].score = static_cast<int32_t>(score);
    return line;
}

void CHighScores::ModifyEntry(long line, const char *name) {
    if (HighScoreEntry *e = GetEntry(line))
        SetName(*e, name);
}

HighScoreEntry *CHighScores::GetEntry(long line) {
    if (line < 0 || line >= count)
        return nullptr;
    return &entries[line];
}

// The file's bytes land over the records as they would lie on disk, so a short file
// replaces only what it holds (part of a line included) and the rest keeps its values.
void CHighScores::readFile(long n) {
    FILE *f = std::fopen(KMiscTools::makeFilePath(HIGHSCORE_FILE), "rb");
    if (!f)
        throw std::runtime_error("No highscore File");
    std::vector<unsigned char> block(static_cast<size_t>(n) * HIGHSCORE_RECORD_BYTES);
    for (long i = 0; i < n; i++) {
        unsigned char *rec = &block[static_cast<size_t>(i) * HIGHSCORE_RECORD_BYTES];
        std::memcpy(rec, entries[i].name, HIGHSCORE_NAME_BYTES);
        PutBigEndian(rec + SCORE_OFFSET, entries[i].score);
    }
    const size_t got = std::fread(block.data(), 1, block.size(), f);
    std::fclose(f);
    if (got == 0)
        throw std::runtime_error("Highscore File is empty");
    for (long i = 0; i < n; i++) {
        const unsigned char *rec = &block[static_cast<size_t>(i) * HIGHSCORE_RECORD_BYTES];
        std::memcpy(entries[i].name, rec, HIGHSCORE_NAME_BYTES);
        entries[i].name[HIGHSCORE_NAME_BYTES - 1] = 0;   // a damaged name still ends
        entries[i].score = GetBigEndian(rec + SCORE_OFFSET);
    }
}

long CHighScores::ReadHighScores(long n) {
    if (count <= 0 || !entries)
        return 0;
    if (n > count || n <= 0)
        n = count;
    try {
        readFile(n);
    } catch (const std::exception &) {
        // No file or an empty one: the table stays as it is.
    }
    return 0;
}

void CHighScores::writeFile() {
    std::vector<unsigned char> block(static_cast<size_t>(count) * HIGHSCORE_RECORD_BYTES);
    for (long i = 0; i < count; i++) {
        unsigned char *rec = &block[static_cast<size_t>(i) * HIGHSCORE_RECORD_BYTES];
        std::memcpy(rec, entries[i].name, HIGHSCORE_NAME_BYTES);
        PutBigEndian(rec + SCORE_OFFSET, entries[i].score);
    }
    if (!KMiscTools::writeFileAtomically(KMiscTools::makeFilePath(HIGHSCORE_FILE), block.data(), block.size()))
        throw std::runtime_error("can not write highscore");
}

long CHighScores::SaveHighScores() {
    if (count <= 0 || !entries)
        return 0;
    try {
        writeFile();
    } catch (const std::exception &) {
        return 0;   // the old file, if any, is untouched
    }
    return 1;
}

void InitScores() {
    cTheHigh.SetHighScoreFileName(Vuz_MakeFilePath("hiscores.raw"));
    cTheHigh.SetHighScoreCount(HIGHSCORE_LINES);
    for (const BuiltInScore &g : guys)
        cTheHigh.SubmitScore(g.name, g.score);
}

void SaveScores() { cTheHigh.SaveHighScores(); }
