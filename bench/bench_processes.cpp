// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmarks of whole processes, with their figures printed as a table:
//  - start-up: from process start to the first frame of the title screen
//    (piyota_first_paint: the program itself, with first_paint_probe) against
//    the smallest Qt Widgets program showing one empty window
//    (minimal_first_paint), in alternating runs with two reference points,
//    and against the title's own floor, a window of only its texts in its
//    fonts and its two buttons (title_texts_first_paint);
//  - peak resident memory of those runs and of a whole course (course_run);
//  - the idle CPU lines of idle_cpu, passed through.
// The programs run from the directory of this one, in a fresh working
// directory holding the course's sound files, with this environment
// (QT_QPA_PLATFORM, DISPLAY, PULSE_SERVER).
// Usage: bench_processes [start-up runs of each program, default 21]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace piyota::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kCourseRuns = 3;

struct Outcome {
    std::string output;
    long long spawnedNs = 0;
    long peakRssKib = 0;
    bool succeeded = false;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Runs the program to its end, collecting its standard output and its peak
// resident memory.
Outcome run(const fs::path &program)
{
    Outcome outcome;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return outcome;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    std::string path = program.string();
    char *argv[] = {path.data(), nullptr};

    pid_t pid = 0;
    outcome.spawnedNs = monotonicNs();
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return outcome;
    }
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        outcome.output.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    outcome.peakRssKib = usage.ru_maxrss;
    outcome.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return outcome;
}

// The figure after `key` in a program's output, or -1.
long long figure(const std::string &output, const std::string &key)
{
    std::istringstream lines(output);
    for (std::string word; lines >> word;) {
        long long value = 0;
        if (word == key && lines >> value)
            return value;
    }
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A program measured from its start to its first frame.
struct StartupProgram {
    const char *label;
    const char *executable;
    std::vector<double> startupMs;
    std::vector<double> mainThreadCpuMs;
    std::vector<double> peakMib;
};

bool measureStartup(const fs::path &directory, StartupProgram &program)
{
    const Outcome outcome = run(directory / program.executable);
    const long long paintedNs = figure(outcome.output, "first-paint");
    const long long cpuNs = figure(outcome.output, "cpu");
    if (!outcome.succeeded || paintedNs < 0 || cpuNs < 0) {
        std::fprintf(stderr, "bench_processes: %s did not report its first paint\n", program.executable);
        return false;
    }
    program.startupMs.push_back(double(paintedNs - outcome.spawnedNs) / 1e6);
    program.mainThreadCpuMs.push_back(double(cpuNs) / 1e6);
    program.peakMib.push_back(double(outcome.peakRssKib) / 1024.0);
    return true;
}

fs::path workDirectoryWithSounds()
{
    std::string pattern = (fs::temp_directory_path() / "piyota-bench-XXXXXX").string();
    const fs::path dir = mkdtemp(pattern.data());
    for (const auto &entry : fs::directory_iterator(PIYOTA_SOUNDS_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".wav" || extension == ".mid" || extension == ".rmi")
            fs::copy_file(entry.path(), dir / entry.path().filename());
    }
    return dir;
}

void printRow(const char *what, const std::vector<double> &values, const char *unit)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::printf("  %-28s %8.1f %s   (%.1f-%.1f, %zu runs)\n", what, median(values), unit, *low, *high,
                values.size());
}

} // namespace
} // namespace piyota::bench

int main(int argc, char *argv[])
{
    using namespace piyota::bench;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const fs::path here = fs::canonical("/proc/self/exe").parent_path();
    const fs::path work = workDirectoryWithSounds();
    fs::current_path(work);

    // The floor first and the title screen last; the two between show what
    // loading the sound libraries and drawing Japanese text cost by themselves.
    std::vector<StartupProgram> programs{
        {"empty window (the floor)", "minimal_first_paint", {}, {}, {}},
        {"empty window + sound libs", "sound_libraries_first_paint", {}, {}, {}},
        {"one Japanese label", "japanese_label_first_paint", {}, {}, {}},
        {"title's texts and buttons", "title_texts_first_paint", {}, {}, {}},
        {"title screen", "piyota_first_paint", {}, {}, {}},
    };
    // Runs alternate between the programs; the first round only warms the
    // file caches and is not counted.
    for (int round = 0; round <= runs; ++round) {
        for (StartupProgram &program : programs) {
            if (!measureStartup(here, program))
                return 1;
            if (round == 0)
                program = {program.label, program.executable, {}, {}, {}};
        }
    }
    const StartupProgram &floor = programs.front();
    const StartupProgram &titleFloor = programs[programs.size() - 2];
    const StartupProgram &title = programs.back();

    std::vector<double> coursePeakMib;
    for (int i = 0; i < kCourseRuns; ++i) {
        const Outcome outcome = run(here / "course_run");
        if (!outcome.succeeded) {
            std::fprintf(stderr, "bench_processes: course_run failed\n%s", outcome.output.c_str());
            return 1;
        }
        coursePeakMib.push_back(double(outcome.peakRssKib) / 1024.0);
    }

    std::printf("start-up, process start to first frame (median)\n");
    for (const StartupProgram &program : programs)
        printRow(program.label, program.startupMs, "ms");
    std::printf("  %-28s %8.2f\n", "ratio title / floor",
                median(title.startupMs) / median(floor.startupMs));
    std::printf("  %-28s %8.2f      (target: at most 1.3)\n", "ratio title / its texts",
                median(title.startupMs) / median(titleFloor.startupMs));
    std::printf("main thread's CPU time to the first frame (median)\n");
    for (const StartupProgram &program : programs)
        printRow(program.label, program.mainThreadCpuMs, "ms");
    std::printf("  %-28s %8.2f\n", "ratio title / floor",
                median(title.mainThreadCpuMs) / median(floor.mainThreadCpuMs));
    std::printf("  %-28s %8.2f\n", "ratio title / its texts",
                median(title.mainThreadCpuMs) / median(titleFloor.mainThreadCpuMs));
    std::printf("peak resident memory (median)\n");
    for (const StartupProgram &program : programs)
        printRow(program.label, program.peakMib, "MiB");
    printRow("whole course", coursePeakMib, "MiB");
    std::printf("  %-28s %8.2f      (target: at most 1.5)\n", "ratio course / floor",
                median(coursePeakMib) / median(floor.peakMib));
    std::fflush(stdout);

    const Outcome idle = run(here / "idle_cpu");
    std::printf("idle CPU, %% of one core over 5 s\n%s", idle.output.c_str());
    fs::current_path(here);
    fs::remove_all(work);
    return idle.succeeded ? 0 : 1;
}
