// The music of the game: tunes read from the note files in the repo, arranged over
// their chords by a groove, and rendered to a seamless stereo loop by our own synthesizer.
#pragma once

#include "tools/forge/sound/SoundKit.h"

#include <ostream>
#include <string>
#include <vector>

namespace forge::sound {

enum class Instrument { Marimba, SteelDrum, Bass, Tuba, Flute, Pluck, Brass, Trombone, Pad, Kalimba };
enum class Drum { Kick, CongaLow, CongaHigh, Shaker, Clave, Rim, WoodBlock, HiHat, Snare };

struct Note {
    double beat;    // from the start of the tune
    double length;  // in beats
    int pitch;      // MIDI note number
    double velocity;
};

struct Voice {
    Instrument instrument;
    double pan;   // -1 left .. 1 right
    double gain;
    std::vector<Note> notes;
};

struct Hit {
    double beat;
    Drum drum;
    double velocity;
};

struct Tune {
    std::string file;   // under data/audio/
    std::string title;
    double tempo = 120; // beats per minute
    int meter = 4;      // beats per bar
    double beats = 0;   // length of the whole loop
    std::vector<Voice> voices;
    std::vector<Hit> hits;
};

// The tunes the game plays: the menu, name entry, game over and end tunes and the level tunes.
std::vector<std::string> requiredTuneFiles();

// Reads one tune file; on an error writes "<path>:<line>: <message>" to log.
bool parseTune(const std::string &path, Tune &tune, std::ostream &log);
// Reads every *.tune file of the folder; fails unless every required tune is there.
bool loadTunes(const std::string &folder, std::vector<Tune> &tunes, std::ostream &log);

size_t loopFrames(const Tune &tune);
double secondsPerBeat(const Tune &tune);

// The rendered loop: exactly loopFrames(tune) frames; the sound ringing past the end is
// folded back onto the start, so the last frame flows into the first.
Stereo renderTune(const Tune &tune);

// One note of an instrument, from its strike to the end of its ring.
Mono renderNote(Instrument instrument, double hz, double seconds, double velocity, Rng &rng);
Mono renderDrum(Drum drum, double velocity, Rng &rng);

} // namespace forge::sound
