// The high-score table: nine named scores, best first, kept in "highscores.raw" as
// records of a 256-byte name and a big-endian 32-bit score.
#pragma once
#include <cstdint>

#define HIGHSCORE_NAME_BYTES 256
#define HIGHSCORE_RECORD_BYTES 260
#define HIGHSCORE_LINES 9
#define HIGHSCORE_MIN_LINES 3

struct HighScoreEntry {
    char name[HIGHSCORE_NAME_BYTES];   // zero-terminated, zero-filled after the text
    int32_t score;
};
static_assert(sizeof(HighScoreEntry) == HIGHSCORE_RECORD_BYTES, "a line is one file record");

class CHighScores {
public:
    CHighScores();
    ~CHighScores();
    CHighScores(const CHighScores &) = delete;
    CHighScores &operator=(const CHighScores &) = delete;

    void SetHighScoreFileName(const char *name);
    void SetHighScoreCount(long n);
    long SubmitScore(const char *name, long score);   // the line won, or -1
    void ModifyEntry(long line, const char *name);
    HighScoreEntry *GetEntry(long line);               // null outside 0..count-1
    long ReadHighScores(long n);
    long SaveHighScores();                             // 1 when written

    long getCount() const { return count; }

private:
    void readFile(long n);
    void writeFile();

    char fileName[520];
    HighScoreEntry *entries;
    int32_t count;
};

extern CHighScores cTheHigh;

void InitScores();    // the built-in table
void SaveScores();
