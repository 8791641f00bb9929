// The bonus kinds a brick may carry: the number stored in a map, the word a level
// source uses for it, and what the help page shows (capsule picture and wording).
#pragma once

namespace forge {

struct BonusKind {
    int kind;               // value of a brick's bonus field
    const char *word;       // how a level source names it
    const char *title;      // heading on the help page
    int capsuleX, capsuleY; // capsule picture in data/sprites/bigplanche.bmp, -1 none
    bool good;              // a welcome catch (help page colour)
    const char *text;       // what it does, for the help page
};

constexpr int kNoBonus = -1;
constexpr int kCapsuleWidth = 36;
constexpr int kCapsuleHeight = 21;
constexpr int kBonusFast = 13;
constexpr int kBonusInvaders = 22;
constexpr int kBonusRandom = 23;

constexpr BonusKind kBonusKinds[] = {
    {1, "float", "Float", 290, 231, true,
     "The balls turn light and drift upwards for a while, then come back down heavily."},
    {2, "slow", "Slow balls", 290, 21, true,
     "Every ball in play slows down by a third."},
    {3, "life", "Extra life", 290, 0, true,
     "One more life for the monkeys."},
    {4, "explode", "Bomb", 290, 63, true,
     "The weak planks and crates blow up one after another until the level ends or a life is lost. "
     "Iron-banded crates, metal and stone are spared."},
    {5, "small", "Small bat", 326, 189, false,
     "The monkeys carry the short plank."},
    {6, "medium", "Medium bat", 290, 84, true,
     "Back to the ordinary plank."},
    {7, "large", "Large bat", 290, 147, true,
     "The monkeys carry the long plank: easier catches."},
    {8, "gun", "Cork gun", 290, 42, true,
     "The monkeys get a cork gun: click, press Space or the pad button to shoot. "
     "A cork breaks any wooden brick at once, iron bands included; metal and stone stop it."},
    {10, "ball", "Extra ball", -1, -1, true,
     "No capsule: a new ball jumps out of the brick the moment it breaks."},
    {13, "fast", "Fast balls", 326, 21, false,
     "Every ball in play speeds up by half."},
    {14, "evil", "Evil ball", -1, -1, false,
     "No capsule: a spiky purple ball jumps out of the brick. It pushes the other balls away "
     "and hits bricks twice as hard."},
    {15, "gravity", "Heavy balls", 326, 105, false,
     "The balls turn heavy and drop fast for a while."},
    {16, "freeze", "Freeze", 326, 126, false,
     "The wheel freezes: the monkeys cannot move for a moment."},
    {20, "shrink", "Shrink", 326, 84, false,
     "The plank gets one size shorter."},
    {21, "grow", "Grow", 290, 210, true,
     "The plank gets one size longer."},
    {22, "invaders", "Marching wall", 326, 168, false,
     "The whole wall marches down towards the monkeys for a moment."},
    {23, "random", "Surprise", -1, -1, true,
     "A brick marked for a surprise gives one of the other bonuses, chosen by luck - "
     "or nothing at all."},
};

constexpr int kBonusKindCount = sizeof(kBonusKinds) / sizeof(kBonusKinds[0]);

// The entry for `kind`, or nullptr.
inline const BonusKind *bonusByKind(int kind) {
    for (const BonusKind &b : kBonusKinds)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

} // namespace forge
