// Reader of the level sources: directives, the brick key, grids of symbols and
// single placed bricks. Every complaint names the file and line it comes from.
#include "tools/forge/levels/LevelSource.h"
#include "tools/forge/common/BrickDesigns.h"
#include "tools/forge/levels/BonusKinds.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace forge {

namespace {

constexpr int kDefaultGridLeft = 178;
constexpr int kDefaultGridTop = 40;
constexpr int kDefaultCell = 20;

struct KeyEntry {
    int design;
    int strength;
    int bonus;
};

struct GridBlock {
    int left = kDefaultGridLeft, top = kDefaultGridTop;
    int cellW = kDefaultCell, cellH = kDefaultCell;
    std::vector<std::string> rows;
    std::vector<int> rowLines;
};

struct Reader {
    std::string source;
    LevelPlan *plan = nullptr;
    std::map<char, KeyEntry> keys;
    std::map<std::string, int> seen;  // directive -> line it was given on
    std::string error;
    int line = 0;

    bool fail(const std::string &what) {
        error = source + ":" + std::to_string(line) + ": " + what;
        return false;
    }
    bool failAt(int at, const std::string &what) {
        line = at;
        return fail(what);
    }
};

std::string stripComment(const std::string &s) {
    const size_t hash = s.find('#');
    return hash == std::string::npos ? s : s.substr(0, hash);
}

std::vector<std::string> words(const std::string &s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    std::string w;
    while (in >> w)
        out.push_back(w);
    return out;
}

bool toInt(const std::string &s, int &out) {
    if (s.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || v < -32768 || v > 32767)
        return false;
    out = static_cast<int>(v);
    return true;
}

bool toFloat(const std::string &s, float &out) {
    if (s.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    const float v = std::strtof(s.c_str(), &end);
    if (*end != '\0' || errno != 0 || v != v)
        return false;
    out = v;
    return true;
}

bool isBlankCell(char c) { return c == '.' || c == ' '; }

bool readStrengthAndBonus(Reader &r, const std::vector<std::string> &w, size_t at, int &strength, int &bonus) {
    if (!toInt(w[at], strength))
        return r.fail("strength '" + w[at] + "' is not a whole number");
    bonus = kNoBonus;
    if (w.size() > at + 1 && !bonusByWord(w[at + 1], bonus))
        return r.fail("unknown bonus '" + w[at + 1] + "'");
    if (w.size() > at + 2)
        return r.fail("unexpected '" + w[at + 2] + "' after the bonus");
    return true;
}

bool readKey(Reader &r, const std::vector<std::string> &w) {
    if (w.size() < 4)
        return r.fail("key needs: key <symbol> <design> <strength> [bonus]");
    if (w[1].size() != 1 || isBlankCell(w[1][0]) || w[1][0] == '|')
        return r.fail("key symbol '" + w[1] + "' must be one character other than '.', '|' or '#'");
    const char sym = w[1][0];
    if (r.keys.count(sym))
        return r.fail(std::string("key '") + sym + "' is given twice");
    KeyEntry e{designByName(w[2]), 0, kNoBonus};
    if (e.design < 0)
        return r.fail("unknown brick design '" + w[2] + "'");
    if (!readStrengthAndBonus(r, w, 3, e.strength, e.bonus))
        return false;
    r.keys[sym] = e;
    return true;
}

bool readPlace(Reader &r, const std::vector<std::string> &w) {
    if (w.size() < 5)
        return r.fail("place needs: place <design> <x> <y> <strength> [bonus]");
    PlacedBrick b;
    b.design = designByName(w[1]);
    if (b.design < 0)
        return r.fail("unknown brick design '" + w[1] + "'");
    if (!toInt(w[2], b.left) || !toInt(w[3], b.top))
        return r.fail("place position '" + w[2] + " " + w[3] + "' is not two whole numbers");
    if (!readStrengthAndBonus(r, w, 4, b.strength, b.bonus))
        return false;
    b.line = r.line;
    r.plan->bricks.push_back(b);
    return true;
}

bool readGridHeader(Reader &r, const std::vector<std::string> &w, GridBlock &g) {
    if (w.size() != 1 && w.size() != 3 && w.size() != 5)
        return r.fail("grid takes no numbers, a position, or a position and a cell size");
    int *fields[] = {&g.left, &g.top, &g.cellW, &g.cellH};
    for (size_t i = 1; i < w.size(); ++i)
        if (!toInt(w[i], *fields[i - 1]))
            return r.fail("grid value '" + w[i] + "' is not a whole number");
    if (g.cellW <= 0 || g.cellH <= 0)
        return r.fail("grid cells must have a positive size");
    return true;
}

bool readGridRow(Reader &r, const std::string &text, GridBlock &g) {
    const size_t open = text.find('|');
    const size_t close = open == std::string::npos ? open : text.find('|', open + 1);
    if (open == std::string::npos || close == std::string::npos ||
        text.find_first_not_of(" \t") != open)
        return r.fail("a grid row is written between two '|' (or the grid ends with 'end')");
    const std::string row = text.substr(open + 1, close - open - 1);
    if (!g.rows.empty() && row.size() != g.rows.front().size())
        return r.fail("grid row is " + std::to_string(row.size()) + " cells wide, the first row " +
                      std::to_string(g.rows.front().size()));
    g.rows.push_back(row);
    g.rowLines.push_back(r.line);
    return true;
}

// Turns the symbols of a finished grid into bricks: each symbol run is cut into
// whole bricks of its design, left to right and top to bottom.
bool placeGrid(Reader &r, const GridBlock &g) {
    std::vector<std::vector<bool>> used(g.rows.size());
    for (size_t i = 0; i < g.rows.size(); ++i)
        used[i].assign(g.rows[i].size(), false);
    for (size_t row = 0; row < g.rows.size(); ++row) {
        for (size_t col = 0; col < g.rows[row].size(); ++col) {
            const char sym = g.rows[row][col];
            if (isBlankCell(sym) || used[row][col])
                continue;
            const std::string where = "column " + std::to_string(col + 1) + ": ";
            auto key = r.keys.find(sym);
            if (key == r.keys.end())
                return r.failAt(g.rowLines[row], where + "symbol '" + sym + "' has no key");
            const BrickDesign &d = kBrickDesigns[key->second.design];
            if (d.w % g.cellW != 0 || d.h % g.cellH != 0)
                return r.failAt(g.rowLines[row], where + d.name + " does not fit cells of " +
                                std::to_string(g.cellW) + "x" + std::to_string(g.cellH));
            const size_t wide = d.w / g.cellW, tall = d.h / g.cellH;
            for (size_t dr = 0; dr < tall; ++dr)
                for (size_t dc = 0; dc < wide; ++dc) {
                    const size_t rr = row + dr, cc = col + dc;
                    if (rr >= g.rows.size() || cc >= g.rows[rr].size() || g.rows[rr][cc] != sym ||
                        used[rr][cc])
                        return r.failAt(g.rowLines[row], where + "'" + sym + "' is " + d.name + ", " +
                                        std::to_string(wide) + "x" + std::to_string(tall) +
                                        " cells, but its run is cut short");
                    used[rr][cc] = true;
                }
            PlacedBrick b;
            b.design = key->second.design;
            b.left = g.left + static_cast<int>(col) * g.cellW;
            b.top = g.top + static_cast<int>(row) * g.cellH;
            b.strength = key->second.strength;
            b.bonus = key->second.bonus;
            b.line = g.rowLines[row];
            r.plan->bricks.push_back(b);
        }
    }
    return true;
}

bool readSetting(Reader &r, const std::vector<std::string> &w) {
    const std::string &name = w[0];
    if (r.seen.count(name))
        return r.fail(name + " is given twice (first on line " + std::to_string(r.seen[name]) + ")");
    r.seen[name] = r.line;
    r.plan->settingLines[name] = r.line;
    if (w.size() != 2)
        return r.fail(name + " takes exactly one value");
    LevelPlan &p = *r.plan;
    if (name == "island")
        p.island = w[1];
    else if (name == "music")
        p.music = w[1];
    else {
        float *target = name == "gravity" ? &p.gravity : name == "maxspeed" ? &p.maxSpeed : &p.increment;
        if (!toFloat(w[1], *target))
            return r.fail(name + " value '" + w[1] + "' is not a number");
    }
    return true;
}

bool isSetting(const std::string &w) {
    return w == "island" || w == "music" || w == "gravity" || w == "maxspeed" || w == "increment";
}

} // namespace

int designByName(const std::string &name) {
    for (int i = 0; i < kBrickDesignCount; ++i)
        if (name == kBrickDesigns[i].name)
            return i;
    return -1;
}

bool bonusByWord(const std::string &word, int &kind) {
    if (word == "none") {
        kind = kNoBonus;
        return true;
    }
    for (const BonusKind &b : kBonusKinds)
        if (word == b.word) {
            kind = b.kind;
            return true;
        }
    return false;
}

bool parseLevel(const std::string &text, const std::string &source, LevelPlan &plan, std::string &error) {
    plan = LevelPlan{};
    plan.source = source;
    Reader r;
    r.source = source;
    r.plan = &plan;
    std::istringstream in(text);
    std::string raw;
    GridBlock grid;
    bool inGrid = false;
    bool ok = true;
    while (ok && std::getline(in, raw)) {
        ++r.line;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (inGrid) {
            const std::vector<std::string> w = words(stripComment(raw));
            if (w.size() == 1 && w[0] == "end") {
                inGrid = false;
                ok = placeGrid(r, grid);
            } else {
                ok = readGridRow(r, raw, grid);
            }
            continue;
        }
        const std::vector<std::string> w = words(stripComment(raw));
        if (w.empty())
            continue;
        if (isSetting(w[0]))
            ok = readSetting(r, w);
        else if (w[0] == "key")
            ok = readKey(r, w);
        else if (w[0] == "place")
            ok = readPlace(r, w);
        else if (w[0] == "grid") {
            grid = GridBlock{};
            ok = readGridHeader(r, w, grid);
            inGrid = ok;
        } else
            ok = r.fail("unknown line '" + w[0] + "' (expected island, music, gravity, maxspeed, "
                        "increment, key, grid or place)");
    }
    if (ok && inGrid)
        ok = r.fail("the grid is not closed with 'end'");
    for (const char *needed : {"island", "music", "gravity", "maxspeed", "increment"})
        if (ok && !r.seen.count(needed))
            ok = r.fail(std::string("no '") + needed + "' line in the level");
    if (!ok)
        error = r.error;
    return ok;
}

bool loadLevelFile(const std::string &path, LevelPlan &plan, std::string &error) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = path + ": cannot read";
        return false;
    }
    std::ostringstream all;
    all << f.rdbuf();
    const size_t slash = path.find_last_of('/');
    return parseLevel(all.str(), slash == std::string::npos ? path : path.substr(slash + 1), plan, error);
}

} // namespace forge
