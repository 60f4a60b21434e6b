// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

// Reads a recording of the sound cues: each wave cue of the sequence check is
// a marker wave that opens with a short burst of a tone of its own and is
// silent after it, so that the start of every cue shows in the recording as
// the onset of its tone, whatever else plays at the same time.
namespace piyota::sequence {

// A fragment of the recording as it reached the recorder: the samples
// recorded so far, and when they had arrived.
struct Arrival {
    std::size_t samples = 0;
    double atMs = 0;
};

// A recording of the sink, mono, dated on the clock that also times the
// commands (milliseconds): the time of its first sample, and the length of a
// sample on that clock (the sound server's clock may run a little apart).
struct Recording {
    std::vector<float> samples; // -1..1
    int sampleRate = 44100;
    double firstSampleMs = 0;
    double msPerSample = 1000.0 / 44100;
    std::vector<Arrival> arrivals; // those it was dated from (dateRecording)

    double timeOf(std::size_t sample) const { return firstSampleMs + msPerSample * double(sample); }
    std::size_t sampleAt(double ms) const;
};

// Dates the recording from the arrivals of its fragments from `fromMs` on,
// and keeps them. A fragment arrives as soon as the server has mixed it, or
// later when the recorder is held up, so the earliest arrivals of each
// stretch follow the server's clock: a straight line through them gives the
// time of the first sample and the rate of that clock.
void dateRecording(Recording &recording, const std::vector<Arrival> &arrivals, double fromMs);

// How much later than usual the fragments mixed between two times reached
// the recorder: the load of a busy machine shows there, as the sound server
// or the recorder kept waiting for their turn (0 when none was late).
double heldUpMs(const Recording &recording, double fromMs, double untilMs);

// The marker bursts as the sequence's wave files hold them.
struct BurstShape {
    std::vector<double> toneHz; // one tone per wave file
    double amplitude = 0.5;
    double lengthMs = 40;
};

// One burst found in the recording.
struct Burst {
    int tone = 0;
    double onsetMs = 0;
    double lengthMs = 0;
};

// Finds every burst of the tones in the recording, in order of onset.
std::vector<Burst> findBursts(const Recording &recording, const BurstShape &shape);

// A wave cue as the sequence sent it.
struct WaveCue {
    int tone = 0;
    double commandMs = 0;
    QString label;
};

struct CueLimits {
    double maxDelayMs = 30;    // heard from its start within this time of its command
    double minLengthMs = 30;   // a burst shorter than this lost its start
    // The dating follows the server's clock as a straight line; on a busy
    // machine the server may shift its clock by some milliseconds, so a
    // burst dated up to this much before its command is still its own.
    double earlyToleranceMs = 12;
};

// A cue first heard later than the limit.
struct LateCue {
    QString label;
    double commandMs = 0;
    double delayMs = 0;
    double heldUpMs = 0; // the recording's hold-up meanwhile (excuseLoad)

    QString describe() const;
};

// What became of each wave cue.
struct CueVerdicts {
    std::vector<double> delaysMs;       // of the cues heard in time, in the order sent
    std::vector<QString> silent;        // never heard
    std::vector<LateCue> late;          // first heard later than maxDelayMs
    std::vector<LateCue> lateUnderLoad; // late, but in time once the machine's load is allowed for
    std::vector<QString> doubled;       // heard more than once
    std::vector<QString> cut;           // heard without its start
    std::vector<QString> unasked;       // heard with no cue of that tone before it

    bool allHeardInTime() const
    {
        return silent.empty() && late.empty() && doubled.empty() && cut.empty() && unasked.empty();
    }
};

// Pairs each burst with the latest cue of its tone sent before it.
CueVerdicts judgeCues(const std::vector<WaveCue> &cues, const std::vector<Burst> &bursts,
                      const CueLimits &limits);

// Judges each late cue again where the machine's load shows in the
// recording's own timing: one that would have been in time but for the
// recording's hold-up between its command and its sound moves to
// lateUnderLoad. A cue late without such a hold-up stays late.
void excuseLoad(CueVerdicts &verdicts, const Recording &recording, const CueLimits &limits);

// How long sound other than the marker bursts went on after `fromMs`, up to
// `untilMs`: the time from `fromMs` to the end of the last sample above
// `floor` outside the bursts (0 when there is none).
double soundLastsMs(const Recording &recording, const std::vector<Burst> &bursts, double fromMs,
                    double untilMs, float floor);

// The RMS of the recording between two times, leaving out the bursts.
double rmsOutsideBursts(const Recording &recording, const std::vector<Burst> &bursts, double fromMs,
                        double untilMs);

} // namespace piyota::sequence
