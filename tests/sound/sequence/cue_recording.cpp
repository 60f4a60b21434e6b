// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cue_recording.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <map>
#include <optional>

namespace piyota::sequence {

namespace {

constexpr double kWindowMs = 5; // long enough to tell the tones from music
constexpr double kHopMs = 1;
// A burst begins where its tone reaches half its amplitude and ends where it
// falls below a quarter, so that noise around one level cannot split it.
constexpr double kOnRatio = 0.5;
constexpr double kOffRatio = 0.25;
// Around a burst, the marker wave's resampling may ring a little.
constexpr double kBurstMarginBeforeMs = 5;
constexpr double kBurstMarginAfterMs = 10;
// Arrivals are taken in stretches of this many for the earliest of each.
constexpr std::size_t kArrivalsPerStretch = 100;

// The amplitude of one tone in successive windows of the recording, through
// a Hann window: the window's centre time and the amplitude.
class ToneMeter {
public:
    ToneMeter(double toneHz, int sampleRate, std::size_t windowLength)
        : weights_(windowLength)
    {
        double weightSum = 0;
        for (std::size_t n = 0; n < windowLength; ++n) {
            const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * double(n) / double(windowLength - 1));
            weights_[n] = std::polar(hann, -2 * M_PI * toneHz * double(n) / sampleRate);
            weightSum += hann;
        }
        scale_ = 2 / weightSum;
    }

    double amplitudeAt(const std::vector<float> &samples, std::size_t first) const
    {
        std::complex<double> sum;
        for (std::size_t n = 0; n < weights_.size(); ++n)
            sum += double(samples[first + n]) * weights_[n];
        return std::abs(sum) * scale_;
    }

private:
    std::vector<std::complex<double>> weights_;
    double scale_ = 1;
};

// Marks the samples from `first` to `end` that lie in or next to a burst.
std::vector<bool> burstMask(const Recording &recording, const std::vector<Burst> &bursts,
                            std::size_t first, std::size_t end)
{
    std::vector<bool> mask(end > first ? end - first : 0, false);
    for (const Burst &burst : bursts) {
        const std::size_t from = std::max(first, recording.sampleAt(burst.onsetMs - kBurstMarginBeforeMs));
        const std::size_t until = std::min(end, recording.sampleAt(burst.onsetMs + burst.lengthMs + kBurstMarginAfterMs));
        for (std::size_t i = from; i < until; ++i)
            mask[i - first] = true;
    }
    return mask;
}

} // namespace

std::size_t Recording::sampleAt(double ms) const
{
    const double index = std::round((ms - firstSampleMs) / msPerSample);
    return std::size_t(std::clamp(index, 0.0, double(samples.size())));
}

void dateRecording(Recording &recording, const std::vector<Arrival> &arrivals, double fromMs)
{
    const double nominalMs = 1000.0 / recording.sampleRate;
    recording.arrivals.clear();
    std::vector<Arrival> earliest;
    std::optional<Arrival> best;
    std::size_t inStretch = 0;
    for (const Arrival &arrival : arrivals) {
        if (arrival.atMs < fromMs)
            continue;
        recording.arrivals.push_back(arrival);
        const auto lead = [nominalMs](const Arrival &a) { return a.atMs - nominalMs * double(a.samples); };
        if (!best || lead(arrival) < lead(*best))
            best = arrival;
        if (++inStretch == kArrivalsPerStretch) {
            earliest.push_back(*best);
            best.reset();
            inStretch = 0;
        }
    }
    if (best)
        earliest.push_back(*best);
    recording.msPerSample = nominalMs;
    if (earliest.empty())
        return;
    if (earliest.size() == 1) {
        recording.firstSampleMs = earliest.front().atMs - nominalMs * double(earliest.front().samples);
        return;
    }
    // Least squares of atMs = first + msPerSample * samples.
    double meanX = 0, meanY = 0;
    for (const Arrival &a : earliest) {
        meanX += double(a.samples);
        meanY += a.atMs;
    }
    meanX /= double(earliest.size());
    meanY /= double(earliest.size());
    double sxy = 0, sxx = 0;
    for (const Arrival &a : earliest) {
        sxy += (double(a.samples) - meanX) * (a.atMs - meanY);
        sxx += (double(a.samples) - meanX) * (double(a.samples) - meanX);
    }
    recording.msPerSample = sxx > 0 ? sxy / sxx : nominalMs;
    recording.firstSampleMs = meanY - recording.msPerSample * meanX;
}

double heldUpMs(const Recording &recording, double fromMs, double untilMs)
{
    // How long after its last sample was mixed each fragment arrived.
    const auto lateness = [&recording](const Arrival &arrival) {
        return arrival.atMs - recording.timeOf(arrival.samples);
    };
    std::vector<double> all;
    double latest = 0;
    bool any = false;
    for (const Arrival &arrival : recording.arrivals) {
        const double late = lateness(arrival);
        all.push_back(late);
        const double mixedMs = recording.timeOf(arrival.samples);
        if (mixedMs >= fromMs && mixedMs <= untilMs) {
            latest = any ? std::max(latest, late) : late;
            any = true;
        }
    }
    if (!any)
        return 0;
    const auto middle = all.begin() + std::ptrdiff_t(all.size() / 2);
    std::nth_element(all.begin(), middle, all.end());
    return std::max(0.0, latest - *middle);
}

std::vector<Burst> findBursts(const Recording &recording, const BurstShape &shape)
{
    const auto window = std::size_t(std::lround(kWindowMs * recording.sampleRate / 1000.0));
    const auto hop = std::size_t(std::lround(kHopMs * recording.sampleRate / 1000.0));
    const double halfWindowMs = 0.5 * double(window) * recording.msPerSample;
    std::vector<Burst> bursts;
    if (recording.samples.size() < window)
        return bursts;

    for (int tone = 0; tone < int(shape.toneHz.size()); ++tone) {
        const ToneMeter meter(shape.toneHz[std::size_t(tone)], recording.sampleRate, window);
        bool inBurst = false;
        Burst current;
        double lastAboveHalfMs = 0;
        for (std::size_t first = 0; first + window <= recording.samples.size(); first += hop) {
            const double amplitude = meter.amplitudeAt(recording.samples, first);
            const double centreMs = recording.timeOf(first) + halfWindowMs;
            if (!inBurst && amplitude >= kOnRatio * shape.amplitude) {
                inBurst = true;
                current = {tone, centreMs, 0};
            }
            if (inBurst && amplitude >= kOnRatio * shape.amplitude)
                lastAboveHalfMs = centreMs;
            if (inBurst && amplitude < kOffRatio * shape.amplitude) {
                inBurst = false;
                current.lengthMs = lastAboveHalfMs - current.onsetMs + kHopMs;
                bursts.push_back(current);
            }
        }
        if (inBurst) {
            current.lengthMs = lastAboveHalfMs - current.onsetMs + kHopMs;
            bursts.push_back(current);
        }
    }
    std::sort(bursts.begin(), bursts.end(),
              [](const Burst &a, const Burst &b) { return a.onsetMs < b.onsetMs; });
    return bursts;
}

CueVerdicts judgeCues(const std::vector<WaveCue> &cues, const std::vector<Burst> &bursts,
                      const CueLimits &limits)
{
    enum class Heard { Not, InTime, Late };
    std::vector<Heard> heard(cues.size(), Heard::Not);
    std::map<std::size_t, double> delays; // by cue, of those heard in time
    CueVerdicts verdicts;

    for (const Burst &burst : bursts) {
        // The latest cue of this tone sent before the burst began.
        std::optional<std::size_t> owner;
        for (std::size_t i = 0; i < cues.size(); ++i) {
            if (cues[i].tone == burst.tone && cues[i].commandMs <= burst.onsetMs + limits.earlyToleranceMs
                && (!owner || cues[i].commandMs >= cues[*owner].commandMs))
                owner = i;
        }
        if (!owner) {
            verdicts.unasked.push_back(QStringLiteral("tone %1 at %2 ms").arg(burst.tone).arg(burst.onsetMs, 0, 'f', 0));
            continue;
        }
        const WaveCue &cue = cues[*owner];
        const double delay = std::max(0.0, burst.onsetMs - cue.commandMs);
        if (heard[*owner] != Heard::Not) {
            verdicts.doubled.push_back(QStringLiteral("%1 (+%2 ms)").arg(cue.label).arg(delay, 0, 'f', 1));
            continue;
        }
        if (delay > limits.maxDelayMs) {
            heard[*owner] = Heard::Late;
            verdicts.late.push_back({cue.label, cue.commandMs, delay});
            continue;
        }
        heard[*owner] = Heard::InTime;
        delays[*owner] = delay;
        if (burst.lengthMs < limits.minLengthMs)
            verdicts.cut.push_back(QStringLiteral("%1 (%2 ms of its burst)").arg(cue.label).arg(burst.lengthMs, 0, 'f', 0));
    }
    for (std::size_t i = 0; i < cues.size(); ++i) {
        if (heard[i] == Heard::Not)
            verdicts.silent.push_back(cues[i].label);
    }
    for (const auto &[cue, delay] : delays)
        verdicts.delaysMs.push_back(delay);
    return verdicts;
}

QString LateCue::describe() const
{
    QString text = QStringLiteral("%1 (+%2 ms").arg(label).arg(delayMs, 0, 'f', 1);
    if (heldUpMs > 0)
        text += QStringLiteral(", the recording held up %1 ms").arg(heldUpMs, 0, 'f', 1);
    return text + QLatin1Char(')');
}

void excuseLoad(CueVerdicts &verdicts, const Recording &recording, const CueLimits &limits)
{
    std::vector<LateCue> stillLate;
    for (LateCue cue : verdicts.late) {
        cue.heldUpMs = heldUpMs(recording, cue.commandMs, cue.commandMs + cue.delayMs);
        if (cue.delayMs - cue.heldUpMs <= limits.maxDelayMs)
            verdicts.lateUnderLoad.push_back(cue);
        else
            stillLate.push_back(cue);
    }
    verdicts.late = std::move(stillLate);
}

double soundLastsMs(const Recording &recording, const std::vector<Burst> &bursts, double fromMs,
                    double untilMs, float floor)
{
    const std::size_t first = recording.sampleAt(fromMs);
    const std::size_t end = recording.sampleAt(untilMs);
    const std::vector<bool> inBurst = burstMask(recording, bursts, first, end);
    double lasts = 0;
    for (std::size_t i = first; i < end; ++i) {
        if (std::abs(recording.samples[i]) > floor && !inBurst[i - first])
            lasts = recording.timeOf(i + 1) - fromMs;
    }
    return lasts;
}

double rmsOutsideBursts(const Recording &recording, const std::vector<Burst> &bursts, double fromMs,
                        double untilMs)
{
    const std::size_t first = recording.sampleAt(fromMs);
    const std::size_t end = recording.sampleAt(untilMs);
    const std::vector<bool> inBurst = burstMask(recording, bursts, first, end);
    double sum = 0;
    std::size_t count = 0;
    for (std::size_t i = first; i < end; ++i) {
        if (inBurst[i - first])
            continue;
        sum += double(recording.samples[i]) * recording.samples[i];
        ++count;
    }
    return count ? std::sqrt(sum / double(count)) : 0;
}

} // namespace piyota::sequence
