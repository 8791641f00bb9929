// The forged level set read back byte by byte: every map as the game's loader and
// wall rules see it, the spread of bonuses and strengths, and repeatable output.
#include "tests/forge_levels/ForgedSet.h"
#include "tools/forge/common/BrickDesigns.h"
#include "tools/forge/common/ForgeNames.h"
#include "tools/forge/levels/BonusKinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace forgetest;
namespace fs = std::filesystem;

namespace {

constexpr int kMinLevels = 30;
constexpr int kRequiredBelow = 100;

struct Map {
    std::string name;
    std::vector<uint8_t> bytes;
    std::vector<MapBrick> bricks;  // the used slots
};

const std::vector<Map> &forgedMaps() {
    static std::vector<Map> maps = [] {
        std::vector<Map> out;
        const ForgedSet &set = ForgedSet::get();
        for (int n = 1;; ++n) {
            const std::string path = set.folder() + "/" + forge::kMapsFolder + "/" + forge::mapFileName(n);
            if (!fs::exists(path))
                break;
            Map m{forge::mapFileName(n), readBytes(path), {}};
            for (int s = 0; m.bytes.size() == kMapBytes && s < kSlots; ++s) {
                const MapBrick b = brickAt(m.bytes, s);
                if (b.present)
                    m.bricks.push_back(b);
            }
            out.push_back(std::move(m));
        }
        return out;
    }();
    return maps;
}

const forge::BrickDesign *designOf(const MapBrick &b) {
    for (const forge::BrickDesign &d : forge::kBrickDesigns)
        if (b.srcLeft == d.x && b.srcTop == d.y && b.srcRight == d.x + d.w && b.srcBottom == d.y + d.h)
            return &d;
    return nullptr;
}

// The geometry test the game runs on every loaded brick; a brick failing it vanishes.
bool survivesClean(const MapBrick &b) {
    auto inside = [](float x, float y) { return 0 < x && x < 798 && 0 <= y && y < 598; };
    return inside(b.left, b.top) && inside(b.right, b.bottom) && b.centreX >= 0 && b.centreY >= 0 &&
           b.spare1 >= 0 && b.spare2 >= 0;
}

bool inList(const std::string &s, const char *const *list, int n) {
    for (int i = 0; i < n; ++i)
        if (s == list[i])
            return true;
    return false;
}

float gravityOf(const Map &m) { return f32At(m.bytes, 0); }
float maxSpeedOf(const Map &m) { return f32At(m.bytes, 4); }
float incrementOf(const Map &m) { return f32At(m.bytes, 8); }

} // namespace

TEST(ForgedLevels, ForgeWritesAtLeastThirtyLevels) {
    ASSERT_TRUE(ForgedSet::get().ok()) << ForgedSet::get().log();
    EXPECT_GE(forgedMaps().size(), static_cast<size_t>(kMinLevels));
}

TEST(ForgedLevels, EveryMapHeaderIsWholeAndSane) {
    for (const Map &m : forgedMaps()) {
        SCOPED_TRACE(m.name);
        ASSERT_EQ(m.bytes.size(), kMapBytes);
        EXPECT_TRUE(inList(nameAt(m.bytes, 12), forge::kIslands, forge::kIslandCount)) << nameAt(m.bytes, 12);
        EXPECT_EQ(nameAt(m.bytes, 272), "briks1.bmp");
        EXPECT_TRUE(inList(nameAt(m.bytes, 532), forge::kLevelTunes, forge::kLevelTuneCount)) << nameAt(m.bytes, 532);
        EXPECT_EQ(nameAt(m.bytes, 792), "herbe.bmp");
        // Gravity pulls down; the ball's fall per frame stays within the bat's 9-pixel band.
        EXPECT_GT(gravityOf(m), 0.0f);
        EXPECT_LE(gravityOf(m), 0.2f);
        EXPECT_GE(maxSpeedOf(m), 2.0f);
        EXPECT_LE(maxSpeedOf(m), 8.0f);
        EXPECT_GE(incrementOf(m), 0.0f);
        EXPECT_LE(incrementOf(m), 1.0f);
    }
}

TEST(ForgedLevels, EveryBrickSurvivesTheLoadAndIsARealDesign) {
    for (const Map &m : forgedMaps()) {
        SCOPED_TRACE(m.name);
        int required = 0;
        bool slotsEnded = false;
        for (int s = 0; s < kSlots; ++s) {
            const MapBrick b = brickAt(m.bytes, s);
            if (!b.present) {
                EXPECT_TRUE(b.allZero) << "unused slot " << s << " is not zeroed";
                slotsEnded = true;
                continue;
            }
            SCOPED_TRACE("slot " + std::to_string(s));
            EXPECT_FALSE(slotsEnded) << "a used slot follows an unused one";
            EXPECT_EQ(b.visible, 1);
            EXPECT_TRUE(survivesClean(b));
            const forge::BrickDesign *d = designOf(b);
            ASSERT_NE(d, nullptr) << "picture rectangle is no brick design";
            EXPECT_EQ(b.right - b.left, d->w);
            EXPECT_EQ(b.bottom - b.top, d->h);
            EXPECT_EQ(b.centreX, d->w / 2.0f);
            EXPECT_EQ(b.centreY, d->h / 2.0f);
            EXPECT_TRUE(b.left >= 170 && b.right <= 786 && b.bottom <= 380) << "outside the wall area";
            EXPECT_EQ(b.hits, 0);
            EXPECT_EQ(b.explodeTick, 0);
            EXPECT_EQ(b.spare1, 0.0f);
            EXPECT_EQ(b.spare2, 0.0f);
            EXPECT_TRUE(b.bonus == -1 || forge::bonusByKind(b.bonus)) << "bonus " << b.bonus;
            // A player reads a brick's class from its look.
            if (b.strength >= 999)
                EXPECT_EQ(d->look, forge::LOOK_STONE) << d->name;
            else if (b.strength >= 900)
                EXPECT_EQ(d->look, forge::LOOK_METAL) << d->name;
            else if (b.strength > 50)
                EXPECT_EQ(d->look, forge::LOOK_REINFORCED) << d->name;
            else
                EXPECT_TRUE(d->look <= forge::LOOK_CRATE) << d->name;
            required += b.strength < kRequiredBelow;
        }
        EXPECT_GT(required, 0) << "a level without required bricks ends at once";
    }
}

TEST(ForgedLevels, NoTwoBricksOverlap) {
    for (const Map &m : forgedMaps())
        for (size_t i = 0; i < m.bricks.size(); ++i)
            for (size_t j = i + 1; j < m.bricks.size(); ++j) {
                const MapBrick &a = m.bricks[i], &b = m.bricks[j];
                EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
                    << m.name << ": slots " << i << " and " << j;
            }
}

TEST(ForgedLevels, EveryBonusKindAndStrengthClassAppears) {
    std::set<int> kinds;
    std::set<std::string> classes;
    for (const Map &m : forgedMaps())
        for (const MapBrick &b : m.bricks) {
            kinds.insert(b.bonus);
            classes.insert(b.strength >= 999   ? "indestructible"
                           : b.strength >= 900 ? "metal"
                           : b.strength >= 100 ? "not required"
                           : b.strength > 50   ? "tough"
                                               : "ordinary");
        }
    for (const forge::BonusKind &k : forge::kBonusKinds)
        EXPECT_TRUE(kinds.count(k.kind)) << "no brick carries bonus " << k.kind << " (" << k.word << ")";
    for (const char *c : {"ordinary", "tough", "not required", "metal", "indestructible"})
        EXPECT_TRUE(classes.count(c)) << "no " << c << " brick";
}

TEST(ForgedLevels, PhysicsGetHarderLevelByLevel) {
    const std::vector<Map> &maps = forgedMaps();
    for (size_t i = 1; i < maps.size(); ++i) {
        SCOPED_TRACE(maps[i].name);
        EXPECT_GE(gravityOf(maps[i]), gravityOf(maps[i - 1]));
        EXPECT_GE(maxSpeedOf(maps[i]), maxSpeedOf(maps[i - 1]));
        EXPECT_GE(incrementOf(maps[i]), incrementOf(maps[i - 1]));
    }
    ASSERT_FALSE(maps.empty());
    EXPECT_LT(maxSpeedOf(maps.front()), maxSpeedOf(maps.back()));
}

TEST(ForgedLevels, BallsStayCatchable) {
    // A marching-wall capsule moves the wall 49 pixels; a surprise may turn into one.
    // Every brick must stay above the monkeys however many are caught, and
    // fast-balls capsules must not speed a ball past the bat's band.
    for (const Map &m : forgedMaps()) {
        SCOPED_TRACE(m.name);
        int marches = 0;
        float lowest = 0;
        float fastest = maxSpeedOf(m);
        for (const MapBrick &b : m.bricks) {
            marches += b.bonus == 22 || b.bonus == 23;
            fastest *= b.bonus == 13 ? 1.5f : 1.0f;
            lowest = std::max(lowest, b.bottom);
        }
        EXPECT_LE(lowest + 49.0f * marches, 440.0f);
        EXPECT_LE(fastest, 8.0f);
    }
}

TEST(ForgedLevels, ForgingAgainGivesTheSameBytesAndKeepsThePlayersFiles) {
    const std::string again = makeTempFolder();
    ASSERT_FALSE(again.empty());
    const std::vector<std::pair<std::string, std::string>> own = {
        {"al.raw", std::string("\0\0\0\x07", 4)},
        {"prefvol.raw", "\x05\x06"},
        {"highscores.raw", "table"},
        {"data/fullscreen.stt", "\x01"},
        {"zumbo.ini.bak", "kept"},
    };
    fs::create_directories(again + "/data");
    for (const auto &[name, bytes] : own)
        std::ofstream(again + "/" + name, std::ios::binary) << bytes;

    std::ostringstream log;
    ASSERT_TRUE(forge::forgeLevels(levelSourceFolder(), again, log)) << log.str();

    const std::string first = ForgedSet::get().folder();
    size_t compared = 0;
    for (const auto &e : fs::recursive_directory_iterator(first)) {
        if (!e.is_regular_file())
            continue;
        const std::string rel = fs::relative(e.path(), first).string();
        EXPECT_EQ(readBytes(e.path().string()), readBytes(again + "/" + rel)) << rel;
        ++compared;
    }
    EXPECT_GE(compared, forgedMaps().size() + 2);
    for (const auto &[name, bytes] : own)
        EXPECT_EQ(readText(again + "/" + name), bytes) << name;
    fs::remove_all(again);
}
