// Fuzzes "highscores.raw": any bytes read over the built-in table (all of it or its
// first lines), then a score submitted and the table written and read back unchanged.
#include <cstring>
#include <string>
#include <vector>

#include "frontend/HighScores.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::Folder().write("highscores.raw", data, size);
    InitScores();
    cTheHigh.ReadHighScores(size % 2 ? 0 : (long)(size % 13));
    FUZZ_CHECK(cTheHigh.getCount() == HIGHSCORE_LINES);
    for (long i = 0; i < HIGHSCORE_LINES; i++) {
        const HighScoreEntry *e = cTheHigh.GetEntry(i);
        FUZZ_CHECK(e && std::memchr(e->name, 0, sizeof(e->name)));
    }
    cTheHigh.SubmitScore("FUZ", 5000);
    FUZZ_CHECK(cTheHigh.SaveHighScores() == 1);

    std::vector<HighScoreEntry> saved;
    for (long i = 0; i < HIGHSCORE_LINES; i++)
        saved.push_back(*cTheHigh.GetEntry(i));
    InitScores();
    cTheHigh.ReadHighScores(HIGHSCORE_LINES);
    for (long i = 0; i < HIGHSCORE_LINES; i++) {
        const HighScoreEntry *e = cTheHigh.GetEntry(i);
        FUZZ_CHECK(e->score == saved[i].score && std::strcmp(e->name, saved[i].name) == 0);
    }
    return 0;
}
