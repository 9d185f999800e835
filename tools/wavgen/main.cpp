// Writes the program's own sounds: start.wav (a rising two-note chime) and alarm.wav (a
// two-tone siren), 16-bit mono PCM at 22050 Hz. Runs at build time so no binary sound files
// live in the source tree.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>; // -1 .. 1

// Linear fade at both ends so the sound starts and stops without a click.
void fade(Samples& samples, double seconds) {
    const auto ramp = static_cast<std::size_t>(seconds * kRate);
    for (std::size_t i = 0; i < ramp && i < samples.size(); ++i) {
        const double gain = static_cast<double>(i) / static_cast<double>(ramp);
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
}

// A bell-like note: a fundamental with a soft octave, decaying exponentially.
void addNote(Samples& samples, double frequency, double start, double length) {
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto count = static_cast<std::size_t>(length * kRate);
    for (std::size_t i = 0; i < count && first + i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::exp(-4.0 * t);
        const double tone =
            std::sin(2 * kPi * frequency * t) + 0.3 * std::sin(4 * kPi * frequency * t);
        samples[first + i] += 0.35 * envelope * tone;
    }
}

Samples chime() {
    Samples samples(static_cast<std::size_t>(0.6 * kRate), 0.0);
    addNote(samples, 659.25, 0.0, 0.6);   // E5
    addNote(samples, 987.77, 0.15, 0.45); // B5
    fade(samples, 0.01);
    return samples;
}

// Alternates between two pitches four times a second; a square-ish wave cuts through.
Samples siren() {
    Samples samples(static_cast<std::size_t>(1.5 * kRate), 0.0);
    double phase = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double frequency = (static_cast<int>(t * 4) % 2 == 0) ? 880.0 : 660.0;
        phase += 2 * kPi * frequency / kRate;
        samples[i] = 0.5 * std::tanh(3.0 * std::sin(phase));
    }
    fade(samples, 0.02);
    return samples;
}

void put16(std::ofstream& out, std::uint16_t value) {
    const char bytes[] = {static_cast<char>(value & 0xff), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xffff));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

bool writeWav(const std::string& path, const Samples& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);        // format chunk size
    put16(out, 1);         // PCM
    put16(out, 1);         // mono
    put32(out, kRate);     // samples per second
    put32(out, kRate * 2); // bytes per second
    put16(out, 2);         // bytes per frame
    put16(out, 16);        // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (double sample : samples) {
        const double clipped = std::fmax(-1.0, std::fmin(1.0, sample));
        put16(out,
              static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767))));
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    if (!writeWav(folder + "/start.wav", chime()) || !writeWav(folder + "/alarm.wav", siren())) {
        std::fprintf(stderr, "wavgen: cannot write the sounds into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
