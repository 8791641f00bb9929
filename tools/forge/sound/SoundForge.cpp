// Runs the sound forge: builds one job per file (the long tunes first, then effects), lets two
// threads take jobs in turn and reports every file that could not be made.
#include "tools/forge/sound/SoundForge.h"

#include "tools/forge/sound/AudioFiles.h"
#include "tools/forge/sound/Effects.h"
#include "tools/forge/sound/Music.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace forge::sound {

namespace {

constexpr float kEffectQuality = 0.4f;
constexpr float kMusicQuality = 0.35f;
constexpr int kEffectSerialBase = 0x5A0000;
constexpr int kMusicSerialBase = 0x5B0000;
constexpr int kWorkers = 2;

struct Job {
    std::string name;
    std::function<Bytes()> make;
};

Bytes makeEffect(const EffectFile &file, int serial) {
    const Mono samples = renderEffect(file);
    if (file.format == EffectFormat::Wav)
        return encodeWav(samples, kRate);
    return encodeOgg({&samples}, kRate, kEffectQuality, serial);
}

Bytes makeTune(const Tune &tune, int serial) {
    const Stereo music = renderTune(tune);
    return encodeOgg({&music.left, &music.right}, kRate, kMusicQuality, serial);
}

bool runJobs(const std::vector<Job> &jobs, const std::string &folder, std::ostream &log) {
    std::atomic<size_t> next{0};
    std::atomic<bool> ok{true};
    std::mutex logLock;
    auto worker = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            const Bytes bytes = jobs[i].make();
            if (bytes.empty() || !writeFile(folder + "/" + jobs[i].name, bytes)) {
                std::lock_guard<std::mutex> hold(logLock);
                log << "forge_sound: could not make " << jobs[i].name << "\n";
                ok = false;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int w = 0; w < kWorkers; ++w)
        threads.emplace_back(worker);
    for (std::thread &t : threads)
        t.join();
    return ok;
}

} // namespace

bool forgeSounds(const std::string &gameFolder, const std::string &tunesFolder, std::ostream &log) {
    const std::string folder = gameFolder + "/data/audio";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        log << "forge_sound: cannot create " << folder << ": " << ec.message() << "\n";
        return false;
    }
    std::vector<Tune> tunes;
    if (!loadTunes(tunesFolder, tunes, log))
        return false;

    std::vector<Job> jobs;
    // The long tunes go first so the two threads finish together.
    for (size_t i = 0; i < tunes.size(); ++i) {
        const Tune *tune = &tunes[i];
        jobs.push_back({tune->file, [tune, i] { return makeTune(*tune, kMusicSerialBase + int(i)); }});
    }
    const std::vector<EffectFile> &effects = effectFiles();
    for (size_t i = 0; i < effects.size(); ++i) {
        const EffectFile *file = &effects[i];
        jobs.push_back({file->name, [file, i] { return makeEffect(*file, kEffectSerialBase + int(i)); }});
    }
    return runJobs(jobs, folder, log);
}

} // namespace forge::sound
