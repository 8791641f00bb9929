// The demo text format: a header (level, random, frames), then one line per frame of
// "x y button keys pad", where "repeat N" stands for N more copies of the line before.
#include "tools/demo/DemoFile.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

static const char *const kKeyNames[KEY_COUNT] = {
    "LEFT", "UP", "DOWN", "RIGHT", "SPACE", "LSHIFT", "RSHIFT", "RETURN", "RCONTROL", "LCONTROL", "F1",
    "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "BACKSPACE", "TAB", "ESCAPE",
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T",
    "U", "V", "W", "X", "Y", "Z", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "PAD0", "PAD1",
    "PAD2", "PAD3", "PAD4", "PAD5", "PAD6", "PAD7", "PAD8", "PAD9", "PAD_MULTIPLY", "PAD_PLUS",
    "PAD_MINUS", "PAD_DECIMAL", "PAD_DIVIDE", "PAD_CLEAR", "COMMAND", "LOPTION", "ROPTION", "CAPSLOCK",
    "F14", "SEMICOLON", "EQUAL", "COMMA", "MINUS", "PERIOD", "SLASH", "GRAVE", "LBRACKET", "BACKSLASH",
    "RBRACKET", "QUOTE",
};

const char *Demo_KeyName(int key) {
    return key >= 0 && key < KEY_COUNT ? kKeyNames[key] : "";
}

// Whole decimal number, nothing else on it.
static bool ParseInt(const std::string &s, long *v) {
    if (s.empty())
        return false;
    char *end = nullptr;
    *v = std::strtol(s.c_str(), &end, 10);
    return end && *end == 0;
}

int Demo_KeyByName(const std::string &name) {
    for (int k = 0; k < KEY_COUNT; k++)
        if (name == kKeyNames[k])
            return k;
    long v;
    if (name.size() > 1 && name[0] == '#' && ParseInt(name.substr(1), &v) && v >= 0 && v < KEY_COUNT)
        return static_cast<int>(v);
    return -1;
}

static std::vector<std::string> Split(const std::string &s, char sep) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : s) {
        if (c == sep) {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    return parts;
}

// Pad field: "-", or words joined by '+': "left" or "right" for the axis, "bN" a button.
static std::string FormatPad(const DemoFrame &f) {
    std::string s;
    if (f.padAxis)
        s = f.padAxis < 0 ? "left" : "right";
    for (int b = 0; b < DEMO_PAD_BUTTONS; b++)
        if (f.padButtons & (1u << b))
            s += (s.empty() ? "b" : "+b") + std::to_string(b);
    return s.empty() ? "-" : s;
}

static bool ParsePad(const std::string &s, DemoFrame *f) {
    f->padAxis = 0;
    f->padButtons = 0;
    if (s == "-")
        return true;
    for (const std::string &w : Split(s, '+')) {
        long b;
        if (w == "left" || w == "right") {
            if (f->padAxis)
                return false;
            f->padAxis = w == "left" ? -1 : 1;
        } else if (w.size() > 1 && w[0] == 'b' && ParseInt(w.substr(1), &b) && b >= 0 && b < DEMO_PAD_BUTTONS) {
            f->padButtons |= static_cast<uint8_t>(1u << b);
        } else {
            return false;
        }
    }
    return true;
}

std::string Demo_FormatFrame(const DemoFrame &f) {
    std::string keys;
    for (int k = 0; k < KEY_COUNT; k++)
        if (f.keys[k])
            keys += (keys.empty() ? "" : ",") + std::string(kKeyNames[k]);
    return std::to_string(f.x) + " " + std::to_string(f.y) + " " + (f.button ? "1" : "0") + " " +
           (keys.empty() ? "-" : keys) + " " + FormatPad(f);
}

bool Demo_ParseFrame(const std::string &line, DemoFrame *f, std::string *error) {
    std::istringstream in(line);
    std::string sx, sy, sb, keys, pad, extra;
    if (!(in >> sx >> sy >> sb >> keys >> pad) || (in >> extra)) {
        *error = "a frame is \"x y button keys pad\"";
        return false;
    }
    long x, y;
    if (!ParseInt(sx, &x) || !ParseInt(sy, &y) || x < -10000 || x > 10000 || y < -10000 || y > 10000) {
        *error = "bad pointer position";
        return false;
    }
    if (sb != "0" && sb != "1") {
        *error = "the button is 0 or 1";
        return false;
    }
    DemoFrame out;
    out.x = static_cast<int>(x);
    out.y = static_cast<int>(y);
    out.button = sb == "1";
    if (keys != "-") {
        for (const std::string &name : Split(keys, ',')) {
            const int k = Demo_KeyByName(name);
            if (k < 0) {
                *error = "no key called \"" + name + "\"";
                return false;
            }
            out.keys.set(k);
        }
    }
    if (!ParsePad(pad, &out)) {
        *error = "bad pad state \"" + pad + "\"";
        return false;
    }
    *f = out;
    return true;
}

std::string Demo_Format(const DemoFile &demo) {
    std::ostringstream out;
    out << "# zumbo demo: one line per frame (x y button keys pad), \"repeat N\" repeats the line before\n";
    out << "level " << demo.level << "\n";
    out << "random " << demo.randomState << "\n";
    out << "frames " << demo.frames.size() << "\n";
    size_t i = 0;
    while (i < demo.frames.size()) {
        out << Demo_FormatFrame(demo.frames[i]) << "\n";
        size_t run = 0;
        while (i + run + 1 < demo.frames.size() && demo.frames[i + run + 1] == demo.frames[i])
            run++;
        if (run)
            out << "repeat " << run << "\n";
        i += run + 1;
    }
    return out.str();
}

static bool Fail(std::string *error, int line, const std::string &why) {
    *error = "line " + std::to_string(line) + ": " + why;
    return false;
}

bool Demo_Parse(const std::string &text, DemoFile *demo, std::string *error) {
    DemoFile out;
    long frames = -1;
    bool haveLevel = false, haveRandom = false;
    std::istringstream in(text);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        n++;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        std::istringstream words(line);
        std::string word, value, extra;
        words >> word;
        const bool header = word == "level" || word == "random" || word == "frames" || word == "repeat";
        if (header && (!(words >> value) || (words >> extra)))
            return Fail(error, n, "\"" + word + "\" takes one number");
        long v = 0;
        if (header && !ParseInt(value, &v))
            return Fail(error, n, "\"" + value + "\" is not a number");
        const bool inHeader = frames < 0;
        if (word == "level" || word == "random" || word == "frames") {
            if (!inHeader)
                return Fail(error, n, "\"" + word + "\" after the frame count");
            if (word == "level") {
                if (v < 1)
                    return Fail(error, n, "levels count from 1");
                out.level = static_cast<int>(v);
                haveLevel = true;
            } else if (word == "random") {
                if (v < 0 || v > 0xFFFFFFFFL)
                    return Fail(error, n, "the generator state is 32 bits");
                out.randomState = static_cast<uint32_t>(v);
                haveRandom = true;
            } else {
                if (v < 1 || v > 10000000)
                    return Fail(error, n, "a demo has 1 to 10000000 frames");
                if (!haveLevel || !haveRandom)
                    return Fail(error, n, "\"level\" and \"random\" come before \"frames\"");
                frames = v;
            }
            continue;
        }
        if (inHeader)
            return Fail(error, n, "the header (level, random, frames) comes first");
        if (word == "repeat") {
            if (out.frames.empty())
                return Fail(error, n, "nothing to repeat");
            if (v < 1 || static_cast<long>(out.frames.size()) + v > frames)
                return Fail(error, n, "the repeat runs past the frame count");
            out.frames.insert(out.frames.end(), static_cast<size_t>(v), out.frames.back());
            continue;
        }
        if (static_cast<long>(out.frames.size()) >= frames)
            return Fail(error, n, "more frames than the header says");
        DemoFrame f;
        std::string why;
        if (!Demo_ParseFrame(line, &f, &why))
            return Fail(error, n, why);
        out.frames.push_back(f);
    }
    if (frames < 0)
        return Fail(error, n, "no frame count");
    if (static_cast<long>(out.frames.size()) != frames)
        return Fail(error, n, "the header says " + std::to_string(frames) + " frames, the file holds " +
                                  std::to_string(out.frames.size()));
    *demo = out;
    return true;
}

bool Demo_Load(const std::string &path, DemoFile *demo, std::string *error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot read " + path;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (!Demo_Parse(text.str(), demo, error)) {
        *error = path + ": " + *error;
        return false;
    }
    return true;
}

bool Demo_Save(const std::string &path, const DemoFile &demo) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << Demo_Format(demo);
    return static_cast<bool>(out.flush());
}
