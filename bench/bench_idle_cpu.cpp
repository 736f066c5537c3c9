// SPDX-License-Identifier: GPL-3.0-or-later
// What the program costs while nobody touches it: processor time as a share of one core and
// wake-ups per second over 10 s, for the demo on each page and for a bare toolkit window of
// the same size, measured one after another in the same run and printed side by side.
//
//   build/<preset>/bench_idle_cpu            (needs a display: scripts/with-display.sh;
//                                             about five minutes)
//
// The demo is started from the same folder as this program; each case runs in a child
// process that is left alone to settle, then measured from outside through /proc. The last
// row, a bare window with an empty 10 ms timer, is the floor of any 10 ms poll.

#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QXmlStreamReader>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr auto kSettle = std::chrono::seconds(2);
constexpr auto kMeasure = std::chrono::seconds(10);
constexpr int kRounds = 3;

// Processor time (ns) and context switches of every thread of a process.
struct Usage {
  double cpuNs = 0;
  double switches = 0;
};

Usage UsageOf(pid_t pid) {
  Usage usage;
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (dir == nullptr) return usage;
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    const std::string task = tasks + "/" + entry->d_name;
    std::ifstream schedstat(task + "/schedstat");
    double runNs = 0;
    if (schedstat >> runNs) usage.cpuNs += runNs;
    std::ifstream status(task + "/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
          line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
        usage.switches += std::stod(line.substr(line.find(':') + 1));
      }
    }
  }
  closedir(dir);
  return usage;
}

struct Case {
  std::string label;
  std::vector<std::string> args;  // argv[0] first
};

struct Figures {
  double cpuPercent = -1;
  double wakeupsPerSecond = -1;
};

Figures Measure(const Case& run, const std::string& runtimeDir) {
  const pid_t child = fork();
  if (child == 0) {
    // A private runtime folder: a demo the user has open must not turn this one away.
    setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
    std::vector<char*> argv;
    for (const std::string& arg : run.args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  Figures figures;
  if (child < 0) return figures;
  std::this_thread::sleep_for(kSettle);
  int status = 0;
  if (waitpid(child, &status, WNOHANG) == 0) {
    const Usage before = UsageOf(child);
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(kMeasure);
    const Usage after = UsageOf(child);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (waitpid(child, &status, WNOHANG) == 0) {
      figures.cpuPercent = (after.cpuNs - before.cpuNs) / 1e9 / seconds * 100.0;
      figures.wakeupsPerSecond = (after.switches - before.switches) / seconds;
    }
    kill(child, SIGTERM);
  }
  waitpid(child, &status, 0);
  return figures;
}

// The main window's size as its skin gives it.
bool SkinSize(const std::string& skinFile, int& width, int& height) {
  QFile file(QString::fromStdString(skinFile));
  if (!file.open(QIODevice::ReadOnly)) return false;
  QXmlStreamReader xml(&file);
  while (xml.readNextStartElement()) {
    if (xml.name() != QLatin1String("Window")) return false;
    const QStringList size = xml.attributes().value(QLatin1String("size")).toString().split(',');
    if (size.size() != 2) return false;
    width = size[0].toInt();
    height = size[1].toInt();
    return width > 0 && height > 0;
  }
  return false;
}

// With `tickMs` > 0 the window also runs an empty timer of that period: the least any
// periodic poll can cost.
int BareWindow(int argc, char** argv, int width, int height, int tickMs) {
  QApplication application(argc, argv);
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.resize(width, height);
  window.show();
  window.activateWindow();
  QTimer tick;
  if (tickMs > 0) tick.start(tickMs);
  return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--bare-window") {
    return BareWindow(argc, argv, std::stoi(argv[2]), std::stoi(argv[3]), std::stoi(argv[4]));
  }
  char self[4096] = {};
  const ssize_t length = readlink("/proc/self/exe", self, sizeof(self) - 1);
  if (length <= 0) return 1;
  const std::string folder = std::string(self, static_cast<std::size_t>(length));
  const std::string dir = folder.substr(0, folder.rfind('/'));
  const std::string demo = dir + "/padcontrols-demo";
  int width = 0, height = 0;
  if (!SkinSize(dir + "/Resources/XmlMainWindow.xml", width, height)) {
    std::fprintf(stderr, "cannot read the window size from %s/Resources\n", dir.c_str());
    return 1;
  }
  QTemporaryDir runtimeDir;
  if (!runtimeDir.isValid()) return 1;

  const std::vector<Case> cases = {
      {"bare window",
       {folder, "--bare-window", std::to_string(width), std::to_string(height), "0"}},
      {"main menu", {demo}},
      {"control-key page", {demo, "--page", "control"}},
      {"back-key page, no pad", {demo, "--page", "back"}},
      {"back-key page, virtual pad", {demo, "--page", "back", "--virtual-pad"}},
      // With a pad every page polls it for navigation.
      {"main menu, virtual pad", {demo, "--virtual-pad"}},
      {"control-key page, virtual pad", {demo, "--page", "control", "--virtual-pad"}},
      {"bare window, empty 10 ms timer",
       {folder, "--bare-window", std::to_string(width), std::to_string(height), "10"}},
  };
  // Other work on the machine disturbs single runs: every case runs in each round, rounds
  // interleaved, and the median round is shown.
  std::vector<std::vector<Figures>> rounds(cases.size());
  for (int round = 0; round < kRounds; ++round) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
      rounds[i].push_back(Measure(cases[i], runtimeDir.path().toStdString()));
    }
  }
  std::printf(
      "Idle cost over %lld s, median of %d rounds, window %dx%d\n"
      "(share of one core; wake-ups per second)\n",
      static_cast<long long>(kMeasure.count()), kRounds, width, height);
  double bare = 0;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    std::vector<Figures>& figures = rounds[i];
    std::sort(figures.begin(), figures.end(),
              [](const Figures& a, const Figures& b) { return a.cpuPercent < b.cpuPercent; });
    const Figures median = figures[figures.size() / 2];
    if (figures.front().cpuPercent < 0) {
      std::printf("  %-32s did not stay up\n", cases[i].label.c_str());
      continue;
    }
    if (i == 0) bare = median.cpuPercent;
    std::printf("  %-32s %7.3f %%   %+7.3f %% vs bare   %7.1f wake-ups/s\n", cases[i].label.c_str(),
                median.cpuPercent, median.cpuPercent - bare, median.wakeupsPerSecond);
  }
  return 0;
}
