// Writes the answer sounds of Vocario (si1.wav .. si4.wav, no.wav) into a folder.
// The sounds are synthesised here so that the build needs no recorded files.
//
// Usage: make_sounds <output folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <vector>

namespace {

constexpr int sampleRate = 22050;
constexpr double attackSeconds = 0.012; // long enough that no note starts with a click
constexpr double releaseSeconds = 0.03; // every note fades to silence before it ends

// Levels as fractions of full scale: clear but never loud in a classroom.
constexpr double peakLimit = 0.6;
constexpr double cheerfulRms = 0.12;
constexpr double gentleRms = 0.1; // the wrong-answer sound stays quieter than the cheerful ones

struct Partial {
    double ratio; // multiple of the note's fundamental
    double gain;
};

// One tone: a fundamental with overtones, an optional pitch glide and a decaying envelope.
struct Note {
    double start;        // seconds from the beginning of the sound
    double length;       // seconds, release included
    double startHz;      // pitch at the start of the note
    double endHz;        // pitch at the end (equal to startHz for a steady note)
    double loudness;     // peak level before the whole sound is normalised
    double decaySeconds; // time for the level to fall to 1/e; higher overtones fall faster
    std::vector<Partial> timbre;
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0; // fraction of the pitch
};

const std::vector<Partial> softBell{{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.12}};
const std::vector<Partial> brass{{1.0, 1.0}, {2.0, 0.6}, {3.0, 0.45}, {4.0, 0.25}, {5.0, 0.15}};
const std::vector<Partial> churchBell{{1.0, 1.0}, {2.76, 0.45}, {5.4, 0.2}, {8.93, 0.08}};
const std::vector<Partial> whistle{{1.0, 1.0}, {2.0, 0.15}};
const std::vector<Partial> pureTone{{1.0, 1.0}, {2.0, 0.08}};

double envelope(double t, const Note& note) {
    if (t < 0.0 || t >= note.length)
        return 0.0;
    double level = std::exp(-t / note.decaySeconds);
    if (t < attackSeconds)
        level *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / attackSeconds);
    const double untilEnd = note.length - t;
    if (untilEnd < releaseSeconds)
        level *= 0.5 - 0.5 * std::cos(std::numbers::pi * untilEnd / releaseSeconds);
    return level;
}

void addNote(std::vector<double>& samples, const Note& note) {
    const auto first = static_cast<std::size_t>(note.start * sampleRate);
    const auto count = static_cast<std::size_t>(note.length * sampleRate);
    if (samples.size() < first + count)
        samples.resize(first + count, 0.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        // Exponential glide sounds even to the ear; the phase is accumulated so it never jumps.
        double hz = note.startHz * std::pow(note.endHz / note.startHz, t / note.length);
        hz *= 1.0 + note.vibratoDepth * std::sin(2.0 * std::numbers::pi * note.vibratoHz * t);
        phase += 2.0 * std::numbers::pi * hz / sampleRate;
        const double level = note.loudness * envelope(t, note);
        double value = 0.0;
        for (const Partial& partial : note.timbre) {
            if (hz * partial.ratio >= 0.45 * sampleRate)
                continue; // would fold back as a harsh alias
            const double partialDecay = std::exp(-t * (partial.ratio - 1.0) / note.decaySeconds);
            value += partial.gain * partialDecay * std::sin(partial.ratio * phase);
        }
        samples[first + i] += level * value;
    }
}

// Brings every sound to about the same loudness (RMS), without letting any peak pass peakLimit,
// so that a pure tone does not sound louder than a bright, decaying one.
void normalise(std::vector<double>& samples, double targetRms) {
    double loudest = 0.0;
    double sumOfSquares = 0.0;
    for (double s : samples) {
        loudest = std::max(loudest, std::abs(s));
        sumOfSquares += s * s;
    }
    if (loudest == 0.0)
        return;
    const double rms = std::sqrt(sumOfSquares / static_cast<double>(samples.size()));
    const double scale = std::min(targetRms / rms, peakLimit / loudest);
    for (double& s : samples)
        s *= scale;
}

std::vector<double> render(const std::vector<Note>& notes, double targetRms) {
    std::vector<double> samples;
    for (const Note& note : notes)
        addNote(samples, note);
    normalise(samples, targetRms);
    return samples;
}

// Pitches of the equal-tempered scale used below.
constexpr double C4 = 261.63, E4 = 329.63, G4 = 392.00, A4 = 440.00;
constexpr double C5 = 523.25, E5 = 659.25, G5 = 783.99, A5 = 880.00;
constexpr double C6 = 1046.50, E6 = 1318.51, G6 = 1567.98;

// A rising major arpeggio, C-E-G-C, on a soft mallet.
std::vector<double> risingArpeggio() {
    const double step = 0.1;
    return render({{0.0 * step, 0.25, C5, C5, 1.0, 0.18, softBell},
                   {1.0 * step, 0.25, E5, E5, 1.0, 0.18, softBell},
                   {2.0 * step, 0.25, G5, G5, 1.0, 0.18, softBell},
                   {3.0 * step, 0.55, C6, C6, 1.1, 0.25, softBell}},
                  cheerfulRms);
}

// A little fanfare: two short notes and a long one that sings with a light vibrato.
std::vector<double> littleFanfare() {
    return render({{0.00, 0.12, G4, G4, 0.9, 0.5, brass},
                   {0.14, 0.12, G4, G4, 0.9, 0.5, brass},
                   {0.28, 0.55, C5, C5, 1.0, 0.8, brass, 5.5, 0.006},
                   {0.28, 0.55, E5, E5, 0.5, 0.8, brass, 5.5, 0.006}},
                  cheerfulRms);
}

// Two bell strikes, the second a fifth higher: "ding-ding".
std::vector<double> dingDing() {
    return render(
        {{0.00, 0.40, A5, A5, 1.0, 0.2, churchBell}, {0.20, 0.60, E6, E6, 1.0, 0.25, churchBell}},
        cheerfulRms);
}

// Two quick upward chirps, like a bird, and a bright note to close.
std::vector<double> brightChirp() {
    return render({{0.00, 0.13, A4 * 1.5, A5 * 1.5, 0.9, 0.5, whistle},
                   {0.16, 0.13, C5 * 1.5, C6 * 1.5, 0.9, 0.5, whistle},
                   {0.32, 0.35, G6, G6, 0.7, 0.15, whistle}},
                  cheerfulRms);
}

// Two soft falling tones, the second drooping a little: a kind "oh-oh".
std::vector<double> gentleOhOh() {
    return render(
        {{0.00, 0.28, G4, G4, 1.0, 0.5, pureTone}, {0.30, 0.45, E4, C4 * 1.2, 1.0, 0.45, pureTone}},
        gentleRms);
}

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Writes 16-bit PCM mono; returns false when the file cannot be written.
bool writeWav(const std::filesystem::path& path, const std::vector<double>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const std::uint32_t bytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * bytesPerSample);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    putLittleEndian(out, 16, 4); // size of the PCM format block
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, 1, 2);  // mono
    putLittleEndian(out, sampleRate, 4);
    putLittleEndian(out, sampleRate * bytesPerSample, 4);
    putLittleEndian(out, bytesPerSample, 2);
    putLittleEndian(out, 16, 2);
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
        putLittleEndian(out, static_cast<std::uint16_t>(value), 2);
    }
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_sounds <output folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "make_sounds: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }
    const struct {
        const char* name;
        std::vector<double> samples;
    } sounds[] = {{"si1.wav", risingArpeggio()},
                  {"si2.wav", littleFanfare()},
                  {"si3.wav", dingDing()},
                  {"si4.wav", brightChirp()},
                  {"no.wav", gentleOhOh()}};
    for (const auto& sound : sounds) {
        if (!writeWav(folder / sound.name, sound.samples)) {
            std::cerr << "make_sounds: cannot write " << (folder / sound.name) << '\n';
            return 1;
        }
    }
    return 0;
}
