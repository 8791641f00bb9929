// Reads the tune note files: a few header lines, sections of bar-lined chords and note
// lines, and a form. Every bar is checked to hold exactly the meter's beats.
#include "tools/forge/sound/TuneSource.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace forge::sound {

namespace {

constexpr double kBeatTolerance = 1e-6;
constexpr double kLongestDuration = 64.0;  // beats
constexpr int kLowestPitch = 24;           // C1
constexpr int kHighestPitch = 108;         // C8
constexpr int kMostTranspose = 24;
constexpr double kSlowestTempo = 30.0;      // beats per minute
constexpr double kFastestTempo = 240.0;
constexpr double kLongestTuneSeconds = 600.0;

struct ParseError {
    std::string message;
};

std::vector<std::string> tokensOf(const std::string &text) {
    std::string spaced;
    for (char c : text) {
        if (c == '|')
            spaced += " | ";
        else
            spaced += c;
    }
    std::istringstream in(spaced);
    std::vector<std::string> out;
    for (std::string t; in >> t;)
        out.push_back(t);
    return out;
}

int pitchClassOf(const std::string &s, size_t &pos) {
    static const int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    const char letter = char(std::tolower(static_cast<unsigned char>(s.at(pos))));
    if (letter < 'a' || letter > 'g')
        throw ParseError{"not a note name: " + s};
    int pc = kLetters[letter - 'a'];
    ++pos;
    if (pos < s.size() && (s[pos] == '#' || s[pos] == 'b')) {
        pc += s[pos] == '#' ? 1 : -1;
        ++pos;
    }
    return (pc + 12) % 12;
}

// A positive number up to most, written "2", "1.5" or "3/2".
double positiveNumberOf(const std::string &text, double most, const char *what) {
    double value = 0.0;
    try {
        size_t used = 0;
        const size_t slash = text.find('/');
        if (slash == std::string::npos) {
            value = std::stod(text, &used);
            used = used == text.size();
        } else {
            const std::string top = text.substr(0, slash), bottom = text.substr(slash + 1);
            size_t usedTop = 0, usedBottom = 0;
            value = std::stod(top, &usedTop) / std::stod(bottom, &usedBottom);
            used = usedTop == top.size() && usedBottom == bottom.size();
        }
        if (!used)
            value = 0.0;
    } catch (const std::exception &) {
        value = 0.0;
    }
    if (!(value > 0.0 && value <= most))
        throw ParseError{std::string("not ") + what + ": " + text};
    return value;
}

double durationOf(const std::string &text) { return positiveNumberOf(text, kLongestDuration, "a duration"); }

Instrument instrumentOf(const std::string &name) {
    static const std::map<std::string, Instrument> kNames = {
        {"marimba", Instrument::Marimba}, {"steeldrum", Instrument::SteelDrum},
        {"bass", Instrument::Bass},       {"tuba", Instrument::Tuba},
        {"flute", Instrument::Flute},     {"pluck", Instrument::Pluck},
        {"brass", Instrument::Brass},     {"trombone", Instrument::Trombone},
        {"pad", Instrument::Pad},
        {"kalimba", Instrument::Kalimba},
    };
    const auto it = kNames.find(name);
    if (it == kNames.end())
        throw ParseError{"unknown instrument: " + name};
    return it->second;
}

Groove grooveOf(const std::string &name) {
    static const std::map<std::string, Groove> kNames = {
        {"calypso", Groove::Calypso}, {"reggae", Groove::Reggae}, {"bounce", Groove::Bounce},
        {"march", Groove::March},     {"waltz", Groove::Waltz},   {"lament", Groove::Lament},
        {"none", Groove::None},
    };
    const auto it = kNames.find(name);
    if (it == kNames.end())
        throw ParseError{"unknown groove: " + name};
    return it->second;
}

std::vector<int> intervalsOf(const std::string &quality) {
    static const std::map<std::string, std::vector<int>> kQualities = {
        {"", {0, 4, 7}},        {"m", {0, 3, 7}},       {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}},  {"maj7", {0, 4, 7, 11}}, {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},   {"sus4", {0, 5, 7}},    {"dim", {0, 3, 6}},
        {"aug", {0, 4, 8}},     {"9", {0, 4, 7, 10, 14}}, {"add9", {0, 4, 7, 14}},
    };
    const auto it = kQualities.find(quality);
    if (it == kQualities.end())
        throw ParseError{"unknown chord quality: " + quality};
    return it->second;
}

// "G7", "Am:2", "F#m7:3/2": a chord with an optional length in beats (0 = share the bar).
ChordSpan chordOf(const std::string &token) {
    const size_t colon = token.find(':');
    const std::string name = token.substr(0, colon);
    size_t pos = 0;
    ChordSpan span{};
    span.root = pitchClassOf(name, pos);
    span.intervals = intervalsOf(name.substr(pos));
    span.length = colon == std::string::npos ? 0.0 : durationOf(token.substr(colon + 1));
    return span;
}

// Each bar between bar lines, as its list of tokens.
std::vector<std::vector<std::string>> barsOf(const std::vector<std::string> &tokens) {
    std::vector<std::vector<std::string>> bars;
    std::vector<std::string> bar;
    bool open = false;
    for (const std::string &t : tokens) {
        if (t == "|") {
            if (open && !bar.empty())
                bars.push_back(bar);
            bar.clear();
            open = true;
        } else if (!open) {
            throw ParseError{"a line of bars starts with |"};
        } else {
            bar.push_back(t);
        }
    }
    if (!bar.empty())
        throw ParseError{"the last bar is not closed with |"};
    return bars;
}

void checkBarLength(double total, int meter, int bar) {
    if (std::abs(total - meter) > kBeatTolerance)
        throw ParseError{"bar " + std::to_string(bar + 1) + " holds " + std::to_string(total) +
                         " beats, not " + std::to_string(meter)};
}

void addChordBars(Section &section, const std::vector<std::string> &tokens, int meter) {
    for (const auto &bar : barsOf(tokens)) {
        std::vector<ChordSpan> spans;
        if (bar.size() == 1 && bar[0] == "%") {
            if (section.chords.empty())
                throw ParseError{"% repeats a bar that does not exist"};
            for (const ChordSpan &c : section.chords)
                if (c.beat >= (section.bars - 1) * meter - kBeatTolerance)
                    spans.push_back(c);
            for (ChordSpan &c : spans)
                c.beat -= (section.bars - 1) * meter;
        } else {
            for (const std::string &t : bar)
                spans.push_back(chordOf(t));
            double written = 0;
            int shared = 0;
            for (const ChordSpan &c : spans) {
                written += c.length;
                shared += c.length == 0.0;
            }
            double beat = 0;
            for (ChordSpan &c : spans) {
                if (c.length == 0.0)
                    c.length = (meter - written) / shared;
                if (c.length <= 0.0)
                    throw ParseError{"bar " + std::to_string(section.bars + 1) + " holds more than " +
                                     std::to_string(meter) + " beats of chords"};
                c.beat = beat;
                beat += c.length;
            }
            checkBarLength(beat, meter, section.bars);
        }
        for (ChordSpan &c : spans) {
            c.beat += section.bars * meter;
            section.chords.push_back(c);
        }
        ++section.bars;
    }
}

// Notes: c5, f#4:2, bb3:1/2, r:2 (a rest), ~:1 (holds the note before it longer).
void addNoteBars(std::vector<Note> &line, const std::vector<std::string> &tokens, int meter) {
    // Rests leave no note behind, so a line remembers its length in a trailing marker.
    double beat = 0.0;
    if (!line.empty() && line.back().pitch < 0) {
        beat = line.back().beat;
        line.pop_back();
    }
    int barIndex = static_cast<int>(std::lround(beat / meter));
    for (const auto &bar : barsOf(tokens)) {
        double inBar = 0;
        for (const std::string &t : bar) {
            const size_t colon = t.find(':');
            const std::string name = t.substr(0, colon);
            const double length = colon == std::string::npos ? 1.0 : durationOf(t.substr(colon + 1));
            if (name == "~") {
                // After a rest a hold is just more rest.
                if (!line.empty() && line.back().beat + line.back().length > beat - kBeatTolerance)
                    line.back().length += length;
            } else if (name != "r") {
                size_t pos = 0;
                const int pc = pitchClassOf(name, pos);
                const std::string octave = name.substr(pos);
                if (octave.empty() || octave.size() > 1 || !std::isdigit(static_cast<unsigned char>(octave[0])))
                    throw ParseError{"a note needs its octave: " + t};
                const int pitch = 12 * (std::stoi(octave) + 1) + pc;
                if (pitch < kLowestPitch || pitch > kHighestPitch)
                    throw ParseError{"note out of range: " + t};
                line.push_back({beat, length, pitch, 1.0});
            }
            beat += length;
            inBar += length;
        }
        checkBarLength(inBar, meter, barIndex++);
    }
    line.push_back({beat, 0.0, -1, 0.0});
}

// A comment runs from a '#' that starts a word ("c#5" is a note, not a comment).
size_t commentStart(const std::string &text) {
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(text[i - 1]))))
            return i;
    return text.size();
}

struct Reader {
    TuneSource &source;
    Section *section = nullptr;

    Section &current() {
        if (!section)
            throw ParseError{"a section line before any section"};
        return *section;
    }

    void line(const std::string &key, const std::string &rest, const std::vector<std::string> &args) {
        auto one = [&]() -> const std::string & {
            if (args.size() != 1)
                throw ParseError{key + " takes one value"};
            return args[0];
        };
        if (key == "title") source.title = rest;
        else if (key == "file") source.file = one();
        else if (key == "tempo") source.tempo = positiveNumberOf(one(), kFastestTempo, "a tempo");
        else if (key == "meter" && section) throw ParseError{"meter belongs before the first section"};
        else if (key == "meter") source.meter = std::stoi(one());
        else if (key == "transpose") source.transpose = std::stoi(one());
        else if (key == "groove" && section) { section->groove = grooveOf(one()); section->ownGroove = true; }
        else if (key == "groove") source.groove = grooveOf(one());
        else if (key == "lead" && !section) source.lead = instrumentOf(one());
        else if (key == "counter" && !section) source.counter = instrumentOf(one());
        else if (key == "comp") source.comp = instrumentOf(one());
        else if (key == "bass" && !section) source.bass = instrumentOf(one());
        else if (key == "section") {
            if (source.sections.count(one()))
                throw ParseError{"section " + one() + " written twice"};
            section = &source.sections[one()];
        }
        else if (key == "chords") addChordBars(current(), args, source.meter);
        else if (key == "lead") addNoteBars(current().lead, args, source.meter);
        else if (key == "counter") addNoteBars(current().counter, args, source.meter);
        else if (key == "bass") { addNoteBars(current().bass, args, source.meter); current().writtenBass = true; }
        else if (key == "form") source.form.insert(source.form.end(), args.begin(), args.end());
        else throw ParseError{"unknown line: " + key};
    }
};

void dropLengthMarkers(std::vector<Note> &line) {
    line.erase(std::remove_if(line.begin(), line.end(), [](const Note &n) { return n.pitch < 0; }),
               line.end());
}

void checkSource(TuneSource &source) {
    if (source.file.empty())
        throw ParseError{"no file line"};
    if (source.tempo < kSlowestTempo || source.meter < 2 || source.meter > 7 ||
        std::abs(source.transpose) > kMostTranspose)
        throw ParseError{"tempo, meter or transpose out of range"};
    if (source.form.empty())
        throw ParseError{"no form line"};
    for (const std::string &name : source.form)
        if (!source.sections.count(name))
            throw ParseError{"form names an unknown section: " + name};
    double beats = 0;
    for (const std::string &name : source.form)
        beats += source.sections.at(name).bars * source.meter;
    if (beats <= 0 || beats * 60.0 / source.tempo > kLongestTuneSeconds)
        throw ParseError{"the form is empty or longer than " + std::to_string(int(kLongestTuneSeconds)) + " s"};
    for (auto &[name, section] : source.sections) {
        const double beats = section.bars * source.meter;
        for (auto *line : {&section.lead, &section.counter, &section.bass}) {
            if (!line->empty() && std::abs(line->back().beat - beats) > kBeatTolerance)
                throw ParseError{"section " + name + ": a note line is not as long as its chords"};
            dropLengthMarkers(*line);
        }
        if (!section.ownGroove)
            section.groove = source.groove;
    }
}

// "path:line: " for a line's error, "path: " for an error of the whole tune.
std::string where(const std::string &path, int line) {
    return line > 0 ? path + ":" + std::to_string(line) + ": " : path + ": ";
}

} // namespace

bool parseTune(const std::string &path, Tune &tune, std::ostream &log) {
    std::ifstream in(path);
    if (!in) {
        log << path << ": cannot read\n";
        return false;
    }
    TuneSource source;
    Reader reader{source};
    int lineNumber = 0;
    try {
        for (std::string text; std::getline(in, text);) {
            ++lineNumber;
            text.erase(commentStart(text));
            std::istringstream words(text);
            std::string key;
            if (!(words >> key))
                continue;
            std::string rest;
            std::getline(words, rest);
            rest.erase(0, rest.find_first_not_of(" \t"));
            reader.line(key, rest, tokensOf(rest));
        }
        lineNumber = 0;
        checkSource(source);
    } catch (const ParseError &e) {
        log << where(path, lineNumber) << e.message << "\n";
        return false;
    } catch (const std::exception &e) {
        log << where(path, lineNumber) << "bad number (" << e.what() << ")\n";
        return false;
    }
    arrangeTune(source, tune);
    return true;
}

std::vector<std::string> requiredTuneFiles() {
    return {"monkey2.ogg", "monkey5.ogg", "gov.ogg", "monkey4.ogg", "tune1.ogg", "tune2.ogg",
            "tune3.ogg",   "tune4.ogg",   "tune5.ogg", "tune6.ogg"};
}

bool loadTunes(const std::string &folder, std::vector<Tune> &tunes, std::ostream &log) {
    namespace fs = std::filesystem;
    std::vector<std::string> paths;
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(folder, ec))
        if (entry.path().extension() == ".tune")
            paths.push_back(entry.path().string());
    if (ec) {
        log << folder << ": " << ec.message() << "\n";
        return false;
    }
    std::sort(paths.begin(), paths.end());
    bool ok = true;
    for (const std::string &p : paths) {
        Tune tune;
        if (parseTune(p, tune, log))
            tunes.push_back(std::move(tune));
        else
            ok = false;
    }
    for (size_t i = 0; i < tunes.size(); ++i)
        for (size_t j = i + 1; j < tunes.size(); ++j)
            if (tunes[i].file == tunes[j].file) {
                log << folder << ": two tunes write " << tunes[i].file << "\n";
                ok = false;
            }
    for (const std::string &needed : requiredTuneFiles()) {
        const bool found = std::any_of(tunes.begin(), tunes.end(),
                                       [&](const Tune &t) { return t.file == needed; });
        if (!found) {
            log << folder << ": no tune writes " << needed << "\n";
            ok = false;
        }
    }
    return ok;
}

} // namespace forge::sound
