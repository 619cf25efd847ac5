#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
// The loudness of the mix (RMS) and the highest peak, as shares of full scale.
constexpr double kLevel = 0.15;
constexpr double kMaxPeak = 0.95;

// Softens the jump of a naive square wave so high notes do not alias into hiss.
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double whiteNoise(std::uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
}

}  // namespace

double Synth::oscillator(const ScoreVoice& voice, double& phase, double frequency, double t,
                         std::uint32_t& noise) const {
    const std::string& wave = voice.wave;
    if (wave == "kick") {
        // A sine that falls from 150 Hz to 45 Hz: the thump of a bass drum.
        const double f = 45.0 + 105.0 * std::exp(-t * 30.0);
        phase += f / sampleRate_;
        return std::sin(2 * kPi * phase) * std::exp(-t * 9.0);
    }
    if (wave == "snare") {
        phase += 190.0 / sampleRate_;
        const double body = std::sin(2 * kPi * phase) * std::exp(-t * 30.0);
        return 0.45 * body + 0.7 * whiteNoise(noise) * std::exp(-t * 16.0);
    }
    if (wave == "hat") {
        // Differenced noise leans towards the highs.
        const double a = whiteNoise(noise);
        const double b = whiteNoise(noise);
        return 0.6 * (a - b) * std::exp(-t * 55.0);
    }
    const double dt = frequency / sampleRate_;
    phase += dt;
    phase -= std::floor(phase);
    if (wave == "triangle") {
        return 4.0 * std::fabs(phase - 0.5) - 1.0;
    }
    if (wave == "saw") {
        return 2.0 * phase - 1.0 - polyBlep(phase, dt);
    }
    const double width = wave == "pulse12" ? 0.125 : wave == "pulse25" ? 0.25 : 0.5;
    double value = phase < width ? 1.0 : -1.0;
    value += polyBlep(phase, dt);
    double shifted = phase - width;
    shifted -= std::floor(shifted);
    value -= polyBlep(shifted, dt);
    // A narrow pulse spends most of its cycle low: its average over a cycle is 2 * width - 1.
    // Taking that off centres it on zero, so held notes add no constant to the mix.
    return value - (2.0 * width - 1.0);
}

void Synth::playNote(const Score& score, const ScoreNote& note, double startFrame, double gain,
                     double pan, std::vector<float>& mix) const {
    const ScoreVoice& voice = score.voices()[note.voice];
    const double framesPerStep = sampleRate_ * 60.0 / score.tempo() / score.stepsPerBeat();
    const bool drum = note.frequency <= 0;
    const double heldFrames = drum ? 0.25 * sampleRate_ : note.steps * framesPerStep;
    const double attack = std::max(1.0, voice.attackMs * sampleRate_ / 1000);
    const double decay = std::max(1.0, voice.decayMs * sampleRate_ / 1000);
    const double release = std::max(1.0, voice.releaseMs * sampleRate_ / 1000);
    const long total = static_cast<long>(mix.size() / 2);
    const long first = std::lround(startFrame);
    const long length = static_cast<long>(heldFrames + (drum ? 0 : release));
    // Equal-power panning.
    const double angle = (pan + 1.0) * kPi / 4;
    const double left = std::cos(angle) * gain * voice.volume;
    const double right = std::sin(angle) * gain * voice.volume;
    double phase = 0;
    std::uint32_t noise = 0x1234567u + static_cast<std::uint32_t>(first);
    double level = 0;
    for (long i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / sampleRate_;
        double envelope = 1.0;
        if (!drum) {
            if (i < attack) {
                envelope = i / attack;
            } else if (i < attack + decay) {
                envelope = 1.0 - (1.0 - voice.sustain) * (i - attack) / decay;
            } else {
                envelope = voice.sustain;
            }
            if (i < heldFrames) {
                level = envelope;
            } else {
                envelope = level * (1.0 - (i - heldFrames) / release);
            }
        }
        double frequency = note.frequency;
        if (voice.vibratoCents > 0 && t > 0.18) {
            const double depth = std::min(1.0, (t - 0.18) * 4) * voice.vibratoCents / 1200;
            frequency *= std::pow(2.0, depth * std::sin(2 * kPi * 5.5 * t));
        }
        const double value = oscillator(voice, phase, frequency, t, noise) * envelope;
        const long at = ((first + i) % total + total) % total;
        mix[2 * at] += static_cast<float>(value * left);
        mix[2 * at + 1] += static_cast<float>(value * right);
    }
}

std::vector<std::int16_t> Synth::render(const Score& score) const {
    const double framesPerStep = sampleRate_ * 60.0 / score.tempo() / score.stepsPerBeat();
    const long frames = std::lround(score.totalSteps() * framesPerStep);
    std::vector<float> mix(static_cast<size_t>(frames) * 2, 0.0f);
    for (const ScoreNote& note : score.notes()) {
        const ScoreVoice& voice = score.voices()[note.voice];
        const double start = note.startStep * framesPerStep;
        playNote(score, note, start, 1.0, voice.pan, mix);
        double gain = voice.echoLevel;
        for (int e = 1; e <= voice.echoes; ++e) {
            const double pan = (e % 2 ? -1 : 1) * std::max(0.5, std::fabs(voice.pan));
            playNote(score, note, start + e * voice.echoSteps * framesPerStep, gain, pan, mix);
            gain *= voice.echoLevel;
        }
    }
    // Whatever constant is left (the tails of drum hits) comes off each channel as a whole:
    // taking the same value off every frame keeps the loop's seam as it is.
    for (std::size_t channel = 0; channel < 2; ++channel) {
        double sum = 0;
        for (std::size_t i = channel; i < mix.size(); i += 2) {
            sum += mix[i];
        }
        const float mean = mix.empty() ? 0.0f : static_cast<float>(sum / (mix.size() / 2));
        for (std::size_t i = channel; i < mix.size(); i += 2) {
            mix[i] -= mean;
        }
    }
    // Levelled by loudness (RMS) rather than by the peak, as long as the peak stays clear of
    // the limit.
    float peak = 0.0f;
    double energy = 0;
    for (float v : mix) {
        peak = std::max(peak, std::fabs(v));
        energy += static_cast<double>(v) * v;
    }
    const double rms = mix.empty() ? 0.0 : std::sqrt(energy / mix.size());
    const double scale =
        peak > 0 ? std::min(kLevel * 32767.0 / rms, kMaxPeak * 32767.0 / peak) : 0.0;
    std::vector<std::int16_t> out(mix.size());
    for (size_t i = 0; i < mix.size(); ++i) {
        out[i] = static_cast<std::int16_t>(std::lround(mix[i] * scale));
    }
    return out;
}
