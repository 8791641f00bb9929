// zumbo_demo: replays recorded demos on the headless backend and prints the game's state
// hash every N frames, checks a replay against its expected hashes, and makes demos
// with a scripted player. (Recording a person's game is zumbo_demo_record.)
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "tools/demo/DemoCoverage.h"
#include "tools/demo/DemoFile.h"
#include "tools/demo/DemoPlayer.h"
#include "tools/demo/DemoRun.h"
#include "tools/demo/DemoState.h"

namespace {

const uint32_t kDefaultEvery = 100;

int Usage() {
    std::fprintf(stderr,
                 "usage: zumbo_demo play <demo> [every N]      print the state hash every N frames\n"
                 "       zumbo_demo check <demo> <hashes>      replay and compare with a play's output\n"
                 "       zumbo_demo make <demo> <level> <frames> <seed> [lose F] [skip F]\n"
                 "                                             a scripted player writes a demo\n");
    return 2;
}

// The game folder with the generated data: ZUMBO_DEMO_DATA when set (a sanitizer build
// reads the main build's data), else the folder this program lives in.
std::string GameFolder() {
    if (const char *dir = std::getenv("ZUMBO_DEMO_DATA"))
        if (*dir)
            return dir;
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof(exe) - 1);
    if (n <= 0)
        return ".";
    exe[n] = 0;
    std::string path(exe);
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool ParseCount(const char *s, uint32_t *v) {
    char *end = nullptr;
    const unsigned long n = std::strtoul(s, &end, 10);
    if (!*s || *end || n > 0xFFFFFFFFul)
        return false;
    *v = static_cast<uint32_t>(n);
    return true;
}

// Replays a demo; the output lines are "every N", then "frame hash" every N frames and
// at the last frame the game ran.
bool Replay(const DemoFile &demo, uint32_t every, std::vector<std::string> *lines, DemoCoverage *coverage) {
    lines->push_back("every " + std::to_string(every));
    uint32_t last = 0;
    DemoRunHooks hooks;
    hooks.input = [&](uint32_t frame) { return demo.frames[frame]; };
    hooks.peek = [&](uint32_t frame) { return frame < demo.frames.size() ? &demo.frames[frame] : nullptr; };
    hooks.afterFlip = [&](uint32_t frame) {
        DemoCoverage_Update(coverage);
        last = frame;
        if (frame % every == 0 || frame == demo.frames.size())
            lines->push_back(Demo_HashLine(frame, Demo_HashGameState()));
    };
    std::string error;
    const long ran = Demo_RunHeadless(GameFolder(), demo.level, demo.randomState,
                                      static_cast<uint32_t>(demo.frames.size()), hooks, &error);
    if (ran < 0) {
        std::fprintf(stderr, "zumbo_demo: %s\n", error.c_str());
        return false;
    }
    if (last % every != 0 && last != demo.frames.size())
        lines->push_back(Demo_HashLine(last, Demo_HashGameState()));
    if (last != demo.frames.size())
        lines->push_back("ended " + std::to_string(last));
    return true;
}

int Play(int argc, char **argv) {
    uint32_t every = kDefaultEvery;
    if (argc == 5 && std::string(argv[3]) == "every") {
        if (!ParseCount(argv[4], &every) || every == 0)
            return Usage();
    } else if (argc != 3) {
        return Usage();
    }
    DemoFile demo;
    std::string error;
    if (!Demo_Load(argv[2], &demo, &error)) {
        std::fprintf(stderr, "zumbo_demo: %s\n", error.c_str());
        return 1;
    }
    std::vector<std::string> lines;
    DemoCoverage coverage;
    if (!Replay(demo, every, &lines, &coverage))
        return 1;
    for (const std::string &l : lines)
        std::printf("%s\n", l.c_str());
    std::fprintf(stderr, "%s\n", DemoCoverage_Describe(coverage).c_str());
    return 0;
}

int Check(int argc, char **argv) {
    if (argc != 4)
        return Usage();
    DemoFile demo;
    std::string error;
    if (!Demo_Load(argv[2], &demo, &error)) {
        std::fprintf(stderr, "zumbo_demo: %s\n", error.c_str());
        return 1;
    }
    std::ifstream in(argv[3]);
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            expected.push_back(line);
    uint32_t every = 0;
    if (expected.empty() || expected[0].compare(0, 6, "every ") != 0 ||
        !ParseCount(expected[0].c_str() + 6, &every) || every == 0) {
        std::fprintf(stderr, "zumbo_demo: %s does not start with \"every N\"\n", argv[3]);
        return 1;
    }
    std::vector<std::string> lines;
    DemoCoverage coverage;
    if (!Replay(demo, every, &lines, &coverage))
        return 1;
    int wrong = 0;
    for (size_t i = 0; i < std::max(lines.size(), expected.size()); i++) {
        const std::string got = i < lines.size() ? lines[i] : "(nothing)";
        const std::string want = i < expected.size() ? expected[i] : "(nothing)";
        if (got != want && wrong++ < 5)
            std::fprintf(stderr, "%s: expected \"%s\", the replay gives \"%s\"\n", argv[2], want.c_str(),
                         got.c_str());
    }
    std::printf("%s: %zu hashes, %d differ\n", argv[2], expected.size() - 1, wrong);
    return wrong ? 1 : 0;
}

int Make(int argc, char **argv) {
    if (argc < 6 || argc % 2)
        return Usage();
    DemoPlayerPlan plan;
    uint32_t level;
    if (!ParseCount(argv[3], &level) || !ParseCount(argv[4], &plan.frames) || !ParseCount(argv[5], &plan.seed) ||
        plan.frames == 0)
        return Usage();
    for (int i = 6; i + 1 < argc; i += 2) {
        const std::string what = argv[i];
        uint32_t *at = what == "lose" ? &plan.loseAt : what == "skip" ? &plan.skipAt : nullptr;
        if (!at || !ParseCount(argv[i + 1], at))
            return Usage();
    }
    DemoFile demo;
    demo.level = static_cast<int>(level);
    demo.randomState = 1;
    DemoPlayer player;
    DemoPlayer_Start(&player, plan);
    DemoCoverage coverage;
    DemoRunHooks hooks;
    hooks.input = [&](uint32_t frame) {
        demo.frames.push_back(DemoPlayer_Decide(&player, frame));
        return demo.frames.back();
    };
    hooks.afterFlip = [&](uint32_t) { DemoCoverage_Update(&coverage); };
    std::string error;
    const long ran = Demo_RunHeadless(GameFolder(), demo.level, demo.randomState, plan.frames, hooks, &error);
    if (ran < 0) {
        std::fprintf(stderr, "zumbo_demo: %s\n", error.c_str());
        return 1;
    }
    // The frame the window closed on needs no input of its own; a game that ended early
    // keeps the last input for the rest.
    while (demo.frames.size() < plan.frames)
        demo.frames.push_back(demo.frames.back());
    demo.frames.resize(plan.frames);
    if (!Demo_Save(argv[2], demo)) {
        std::fprintf(stderr, "zumbo_demo: cannot write %s\n", argv[2]);
        return 1;
    }
    std::fprintf(stderr, "%s: %u frames; %s\n", argv[2], plan.frames, DemoCoverage_Describe(coverage).c_str());
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "play")
        return Play(argc, argv);
    if (command == "check")
        return Check(argc, argv);
    if (command == "make")
        return Make(argc, argv);
    return Usage();
}
