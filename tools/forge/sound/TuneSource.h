// A tune as written in its note file, before arranging: header settings, named sections
// with their chords and written lines, and the form that strings the sections together.
#pragma once

#include "tools/forge/sound/Music.h"

#include <map>

namespace forge::sound {

enum class Groove { Calypso, Reggae, Bounce, March, Waltz, Lament, None };

struct ChordSpan {
    double beat;    // from the start of its section
    double length;
    int root;       // pitch class 0..11
    std::vector<int> intervals;
};

struct Section {
    Groove groove = Groove::None;
    bool ownGroove = false;
    int bars = 0;
    std::vector<ChordSpan> chords;
    std::vector<Note> lead, counter, bass;  // beats from the start of the section
    bool writtenBass = false;
};

struct TuneSource {
    std::string title, file;
    double tempo = 120;
    int meter = 4;
    int transpose = 0;
    Groove groove = Groove::Calypso;
    Instrument lead = Instrument::Marimba;
    Instrument counter = Instrument::Flute;
    Instrument comp = Instrument::SteelDrum;
    Instrument bass = Instrument::Bass;
    std::map<std::string, Section> sections;
    std::vector<std::string> form;
};

// Turns the written tune into voices and drum hits, section after section along the form.
void arrangeTune(const TuneSource &source, Tune &tune);

} // namespace forge::sound
