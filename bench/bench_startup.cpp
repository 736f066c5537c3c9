// SPDX-License-Identifier: GPL-3.0-or-later
// Cold start of the demo to its mapped main window, beside a bare Qt window of the same size,
// with the emulated controller's real pauses; and the peak resident set of each.
//
//   build/<preset>/bench_startup [--runs N] [--settle MS]
//
// Each run starts the program afresh and times it from just before fork to the moment the X
// server reports its window mapped; then the program is stopped and its peak resident set read
// from the kernel's account of it. The two programs take turns, N runs each, and the medians
// are compared in this one run, so a busy machine weighs on both alike. Uses $DISPLAY when it
// answers, else starts its own Xvfb.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/display_server.h"
#include "bench/launched_program.h"
#include "bench/map_watch.h"
#include "bench/startup_window_size.h"
#include "bench/median.h"

extern char** environ;

namespace {

constexpr auto kMapLimit = std::chrono::seconds(10);
constexpr auto kStopGrace = std::chrono::milliseconds(2000);
// The baseline the demo is allowed on top of the bare window, and the ratios it is held to.
constexpr double kAllowanceMs = 55.0;
constexpr double kWantedStartRatio = 1.15;
constexpr double kWantedRssRatio = 1.5;

struct Options {
  int runs = 9;
  int settleMs = 500;
};

struct Subject {
  std::string label;
  std::string path;
  std::vector<double> startMs;
  std::vector<double> peakMiB;
};

bool ParseCount(const char* text, int low, int high, int* value) {
  char* end = nullptr;
  const long parsed = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || parsed < low || parsed > high) return false;
  *value = static_cast<int>(parsed);
  return true;
}

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--runs" && hasValue && ParseCount(argv[i + 1], 1, 1000, &options.runs)) {
      ++i;
    } else if (arg == "--settle" && hasValue &&
               ParseCount(argv[i + 1], 0, 60000, &options.settleMs)) {
      ++i;
    } else {
      std::fprintf(stderr,
                   "usage: %s [--runs N] [--settle MS]\n"
                   "  --runs N     runs of each program, taking turns (1-1000, default 9)\n"
                   "  --settle MS  time each program keeps running after its window maps, so\n"
                   "               the first paint counts in its peak memory (default 500)\n",
                   argv[0]);
      return std::nullopt;
    }
  }
  return options;
}

std::string OwnFolder() {
  std::error_code failure;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failure);
  return failure ? std::string(".") : self.parent_path().string();
}

// The benchmark's environment with the display, a private runtime and temporary folder, and a
// session bus address that leads nowhere, so no program spends time launching a bus.
std::vector<std::string> RunEnvironment(const std::string& display, const std::string& folder) {
  const char* replaced[] = {"DISPLAY=", "XDG_RUNTIME_DIR=", "TMPDIR=", "DBUS_SESSION_BUS_ADDRESS="};
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const bool ours = std::any_of(std::begin(replaced), std::end(replaced), [&](const char* name) {
      return std::strncmp(*entry, name, std::strlen(name)) == 0;
    });
    if (!ours) environment.emplace_back(*entry);
  }
  environment.push_back("DISPLAY=" + display);
  environment.push_back("XDG_RUNTIME_DIR=" + folder);
  environment.push_back("TMPDIR=" + folder);
  environment.push_back("DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent");
  return environment;
}

// A fresh folder per run: the demo's single-instance lock lives in it, and anything a killed
// program leaves behind goes with it.
class RunFolder {
 public:
  RunFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "bench_startup.XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~RunFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// One cold start; false with a message when the program does not come up.
bool MeasureOnce(Subject& subject, const std::string& display, MapWatch& watch,
                 const Options& options, std::string* error) {
  RunFolder folder;
  if (folder.Path().empty()) {
    *error = "cannot make a private runtime folder";
    return false;
  }
  LaunchedProgram::Launch launch;
  launch.argv = {subject.path};
  launch.environment = RunEnvironment(display, folder.Path());
  watch.Forget();
  const auto start = MapWatch::Clock::now();
  std::optional<LaunchedProgram> program = LaunchedProgram::Start(launch, error);
  if (!program) return false;
  MapWatch::Clock::time_point mapped;
  const MapWatch::Outcome outcome =
      watch.WaitForWindow(program->Pid(), kStartupWindowWidth, kStartupWindowHeight,
                          program->EndedFd(), start + kMapLimit, &mapped);
  const std::string window =
      std::to_string(kStartupWindowWidth) + "x" + std::to_string(kStartupWindowHeight) + " window";
  switch (outcome) {
    case MapWatch::Outcome::kMapped:
      break;
    case MapWatch::Outcome::kProgramEnded:
      *error = subject.label + " ended before mapping its " + window;
      return false;
    case MapWatch::Outcome::kTimedOut:
      *error = subject.label + " did not map its " + window + " within " +
               std::to_string(kMapLimit.count()) + " s";
      return false;
    case MapWatch::Outcome::kDisplayLost:
      *error = "lost the X display while waiting for " + subject.label;
      return false;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMs));
  const long peakKiB = program->End(kStopGrace);
  if (peakKiB <= 0) {
    *error = "no peak memory figure for " + subject.label;
    return false;
  }
  subject.startMs.push_back(std::chrono::duration<double, std::milli>(mapped - start).count());
  subject.peakMiB.push_back(static_cast<double>(peakKiB) / 1024.0);
  return true;
}

void PrintSubject(const Subject& subject) {
  const auto [fastest, slowest] =
      std::minmax_element(subject.startMs.begin(), subject.startMs.end());
  std::printf("  %-18s %7.1f ms  (%.1f-%.1f)   %6.1f MiB peak RSS\n", subject.label.c_str(),
              Median(subject.startMs), *fastest, *slowest, Median(subject.peakMiB));
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) return 2;
  const std::string folder = OwnFolder();
  Subject demo{"padcontrols-demo", folder + "/padcontrols-demo", {}, {}};
  Subject bare{"bare Qt window", folder + "/bench_bare_window", {}, {}};
  for (const Subject* subject : {&demo, &bare}) {
    if (access(subject->path.c_str(), X_OK) != 0) {
      std::fprintf(stderr, "bench_startup: %s is missing (build it beside this program)\n",
                   subject->path.c_str());
      return 1;
    }
  }
  std::string error;
  const std::optional<DisplayServer> display = DisplayServer::Find(&error);
  if (!display) {
    std::fprintf(stderr, "bench_startup: %s\n", error.c_str());
    return 1;
  }
  const std::unique_ptr<MapWatch> watch = MapWatch::Connect(display->Name(), &error);
  if (!watch) {
    std::fprintf(stderr, "bench_startup: %s\n", error.c_str());
    return 1;
  }

  for (int run = 0; run < options->runs; ++run) {
    // Alternate which goes first, so neither always starts on the other's warm caches.
    Subject* first = run % 2 == 0 ? &demo : &bare;
    Subject* second = first == &demo ? &bare : &demo;
    for (Subject* subject : {first, second}) {
      if (!MeasureOnce(*subject, display->Name(), *watch, *options, &error)) {
        std::fprintf(stderr, "bench_startup: run %d: %s\n", run + 1, error.c_str());
        return 1;
      }
    }
  }

  std::printf(
      "Start to mapped %dx%d window and peak RSS, median of %d runs each, taking turns\n"
      "(display %s%s; %d ms after the map before each program is stopped)\n",
      kStartupWindowWidth, kStartupWindowHeight, options->runs, display->Name().c_str(),
      display->Private() ? ", a private Xvfb" : "", options->settleMs);
  PrintSubject(demo);
  PrintSubject(bare);
  const double startRatio = Median(demo.startMs) / (Median(bare.startMs) + kAllowanceMs);
  const double rssRatio = Median(demo.peakMiB) / Median(bare.peakMiB);
  std::printf("  start: demo / (bare + %.0f ms) = %.2f   (wanted at most %.2f)\n", kAllowanceMs,
              startRatio, kWantedStartRatio);
  std::printf("  RSS:   demo / bare            = %.2f   (wanted at most %.2f)\n", rssRatio,
              kWantedRssRatio);
  return 0;
}
