// The checks every level passes before it is written: geometry, overlaps, looks by
// strength, physics limits, the marching wall's reach and ball reachability.
#include "tools/forge/levels/LevelRules.h"
#include "tools/forge/common/BrickDesigns.h"
#include "tools/forge/common/ForgeNames.h"
#include "tools/forge/levels/BonusKinds.h"

#include <algorithm>
#include <deque>

namespace forge {

namespace {

constexpr int kBall = 20;
constexpr int kBatBallTop = 452;  // a ball resting on the bat
constexpr float kMaxGravity = 0.2f;
constexpr float kMinSpeed = 2.0f;
constexpr float kMaxIncrement = 1.0f;

struct Rect {
    int left, top, right, bottom;
};

Rect rectOf(const PlacedBrick &b) {
    const BrickDesign &d = kBrickDesigns[b.design];
    return {b.left, b.top, b.left + d.w, b.top + d.h};
}

bool isRequired(const PlacedBrick &b) { return b.strength < kRequiredBelow; }

// "<source>:<line>: ", or "<source>: " for faults of the level as a whole.
std::string at(const LevelPlan &p, int line) {
    return line > 0 ? p.source + ":" + std::to_string(line) + ": " : p.source + ": ";
}

int lineOf(const LevelPlan &p, const char *setting) {
    auto it = p.settingLines.find(setting);
    return it == p.settingLines.end() ? 0 : it->second;
}

bool inList(const std::string &name, const char *const *list, int count) {
    for (int i = 0; i < count; ++i)
        if (name == list[i])
            return true;
    return false;
}

// The looks a strength may wear, so a player reads a brick's class from its picture.
bool lookFitsStrength(BrickLook look, int strength) {
    if (strength >= kStoneStrength)
        return look == LOOK_STONE;
    if (strength >= kMetalStrength)
        return look == LOOK_METAL;
    if (strength >= kToughStrength)
        return look == LOOK_REINFORCED;
    return look == LOOK_PLANK || look == LOOK_PAINTED || look == LOOK_CRATE;
}

void checkSettings(const LevelPlan &p, std::vector<std::string> &errors) {
    if (!inList(p.island, kIslands, kIslandCount))
        errors.push_back(at(p, lineOf(p, "island")) + "island '" + p.island + "' is not one of the forge's islands");
    if (!inList(p.music, kLevelTunes, kLevelTuneCount))
        errors.push_back(at(p, lineOf(p, "music")) + "music '" + p.music + "' is not one of the level tunes");
    if (!(p.gravity > 0 && p.gravity <= kMaxGravity))
        errors.push_back(at(p, lineOf(p, "gravity")) + "gravity must be above 0 and at most 0.2");
    if (!(p.maxSpeed >= kMinSpeed && p.maxSpeed <= kMaxFallPerFrame))
        errors.push_back(at(p, lineOf(p, "maxspeed")) + "maxspeed must lie between 2 and 8 pixels per frame");
    if (!(p.increment >= 0 && p.increment <= kMaxIncrement))
        errors.push_back(at(p, lineOf(p, "increment")) + "increment must lie between 0 and 1");
    // Fast-balls capsules caught one after the other multiply the speed again.
    float fastest = p.maxSpeed;
    for (const PlacedBrick &b : p.bricks)
        if (b.bonus == kBonusFast)
            fastest *= kFastFactor;
    if (fastest > kMaxFallPerFrame)
        errors.push_back(at(p, lineOf(p, "maxspeed")) + "with its fast-balls bricks, maxspeed must stay at most " +
                         std::to_string(kMaxFallPerFrame / (fastest / p.maxSpeed)).substr(0, 4) +
                         " so a sped-up ball still meets the bat");
}

void checkBrick(const LevelPlan &p, const PlacedBrick &b, std::vector<std::string> &errors) {
    const BrickDesign &d = kBrickDesigns[b.design];
    const Rect r = rectOf(b);
    if (r.left < kFieldLeft || r.right > kFieldRight || r.top < 0 || r.bottom > kWallFloor)
        errors.push_back(at(p, b.line) + d.name + " at " + std::to_string(b.left) + "," + std::to_string(b.top) +
                         " leaves the wall area (x 170..786, y 0..380)");
    if (b.strength < 0 || b.strength > kStoneStrength)
        errors.push_back(at(p, b.line) + "strength " + std::to_string(b.strength) + " is outside 0..999");
    else if (!lookFitsStrength(d.look, b.strength))
        errors.push_back(at(p, b.line) + d.name + " does not look like a brick of strength " +
                         std::to_string(b.strength) +
                         " (stone for 999, metal for 900..998, iron bands for 51..899, wood below)");
    if (b.bonus != kNoBonus && !bonusByKind(b.bonus))
        errors.push_back(at(p, b.line) + "bonus kind " + std::to_string(b.bonus) + " does not exist");
}

void checkOverlaps(const LevelPlan &p, std::vector<std::string> &errors) {
    for (size_t i = 0; i < p.bricks.size(); ++i)
        for (size_t j = i + 1; j < p.bricks.size(); ++j) {
            const Rect a = rectOf(p.bricks[i]), b = rectOf(p.bricks[j]);
            if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
                errors.push_back(at(p, p.bricks[j].line) + "brick overlaps the brick of line " +
                                 std::to_string(p.bricks[i].line));
        }
}

void checkDescent(const LevelPlan &p, std::vector<std::string> &errors) {
    int marches = 0, lowest = 0;
    for (const PlacedBrick &b : p.bricks) {
        if (b.bonus == kBonusInvaders || b.bonus == kBonusRandom)
            ++marches;
        lowest = std::max(lowest, rectOf(b).bottom);
    }
    if (lowest + marches * kDescentStep > kDescentFloor)
        errors.push_back(at(p, 0) + std::to_string(marches) + " marching or surprise bricks could push the "
                         "lowest brick (bottom " + std::to_string(lowest) + ") down to the monkeys");
}

} // namespace

std::vector<bool> bricksReachable(const LevelPlan &plan) {
    // Ball top-left corners from x 170 to 766 and y 0 to 452, one cell per pixel,
    // flooded from the bat's height.
    const int cols = kFieldRight - kBall - kFieldLeft + 1, rows = kBatBallTop + 1;
    std::vector<unsigned char> blocked(static_cast<size_t>(cols) * rows, 0);
    for (const PlacedBrick &b : plan.bricks) {
        if (isRequired(b))
            continue;
        const Rect r = rectOf(b);
        for (int y = std::max(0, r.top - kBall); y <= std::min(rows - 1, r.bottom); ++y)
            for (int x = std::max(0, r.left - kBall - kFieldLeft); x <= std::min(cols - 1, r.right - kFieldLeft); ++x)
                blocked[static_cast<size_t>(y) * cols + x] = 1;
    }
    std::vector<unsigned char> seen(blocked.size(), 0);
    std::deque<std::pair<int, int>> todo;
    for (int x = 0; x < cols; ++x) {
        const size_t i = static_cast<size_t>(rows - 1) * cols + x;
        if (!blocked[i]) {
            seen[i] = 1;
            todo.emplace_back(x, rows - 1);
        }
    }
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    while (!todo.empty()) {
        const auto [x, y] = todo.front();
        todo.pop_front();
        for (int k = 0; k < 4; ++k) {
            const int nx = x + dx[k], ny = y + dy[k];
            if (nx < 0 || ny < 0 || nx >= cols || ny >= rows)
                continue;
            const size_t i = static_cast<size_t>(ny) * cols + nx;
            if (!blocked[i] && !seen[i]) {
                seen[i] = 1;
                todo.emplace_back(nx, ny);
            }
        }
    }
    // A brick is reachable when some reached corner puts the ball against it.
    std::vector<bool> reachable(plan.bricks.size(), false);
    for (size_t i = 0; i < plan.bricks.size(); ++i) {
        const Rect r = rectOf(plan.bricks[i]);
        for (int y = std::max(0, r.top - kBall); y <= std::min(rows - 1, r.bottom) && !reachable[i]; ++y)
            for (int x = std::max(0, r.left - kBall - kFieldLeft); x <= std::min(cols - 1, r.right - kFieldLeft); ++x)
                if (seen[static_cast<size_t>(y) * cols + x]) {
                    reachable[i] = true;
                    break;
                }
    }
    return reachable;
}

std::vector<std::string> checkLevel(const LevelPlan &plan) {
    std::vector<std::string> errors;
    checkSettings(plan, errors);
    if (plan.bricks.size() > static_cast<size_t>(kMaxBricks))
        errors.push_back(at(plan, 0) + std::to_string(plan.bricks.size()) + " bricks; a level holds at most 200");
    for (const PlacedBrick &b : plan.bricks)
        checkBrick(plan, b, errors);
    checkOverlaps(plan, errors);
    if (std::none_of(plan.bricks.begin(), plan.bricks.end(), isRequired))
        errors.push_back(at(plan, 0) + "no brick the level waits for (strength below 100)");
    checkDescent(plan, errors);
    if (!errors.empty())
        return errors;  // reachability only makes sense on a sound wall
    const std::vector<bool> reachable = bricksReachable(plan);
    for (size_t i = 0; i < plan.bricks.size(); ++i)
        if (isRequired(plan.bricks[i]) && !reachable[i])
            errors.push_back(at(plan, plan.bricks[i].line) + "a required brick is sealed off by bricks a ball "
                             "cannot break");
    return errors;
}

} // namespace forge
