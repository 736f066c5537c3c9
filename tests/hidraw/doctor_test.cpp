// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/commands.h"
#include "cli/doctor_report.h"
#include "device/hidraw/hidraw_controller.h"
#include "device/hidraw/hidraw_survey.h"
#include "emulator/umockdev/emulator_report_handlers.h"
#include "emulator/umockdev/hidraw_testbed.h"

// padctl doctor against umockdev's fake /sys and /dev: the controller's real search and look
// at its interfaces, with the machine's other facts fixed so the output is the same anywhere.
namespace {

const std::vector<std::uint8_t> kKeyboard = {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05,
                                             0x07, 0x19, 0xE0, 0x29, 0xE7, 0x75, 0x01,
                                             0x95, 0x08, 0x81, 0x02, 0xC0};
const std::vector<std::uint8_t> kMouse = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09,
                                          0x01, 0xA1, 0x00, 0x05, 0x09, 0x19, 0x01,
                                          0x29, 0x03, 0x81, 0x02, 0xC0, 0xC0};
const std::vector<std::uint8_t> kVendor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,
                                           0x85, 0x01, 0x09, 0x02, 0x75, 0x08, 0x95,
                                           0x40, 0x81, 0x02, 0x91, 0x02, 0xC0};

// The lines after the controller's, the same in every case here.
const char* kWindowLines =
    "ok    board model T2803-31: layout 3, LED settings yes, dead zones yes, rear buttons titled "
    "L4/R4 no\n"
    "ok    display: Wayland (WAYLAND_DISPLAY=wayland-0)\n"
    "ok    Qt Wayland platform: installed\n"
    "ok    fonts: Noto Sans CJK SC, Noto Sans, DejaVu Sans\n"
    "ok    SDL: loaded, gamepads: Virtual Pad\n";

SystemFacts Facts() {
  SystemFacts facts;
  facts.kernelRelease = "6.1.0-18-amd64";
  facts.osName = "Debian GNU/Linux";
  facts.osVersion = "12 (bookworm)";
  facts.ruleFolders = {"/etc/udev/rules.d", "/usr/lib/udev/rules.d"};
  facts.localSeat = true;
  facts.inputDaemons = {"inputplumber"};
  facts.waylandDisplay = "wayland-0";
  facts.qtWaylandPlatform = true;
  facts.fonts = {"Noto Sans CJK SC", "Noto Sans", "DejaVu Sans"};
  facts.sdlLoaded = true;
  facts.gamepads = {"Virtual Pad"};
  facts.homeFolder = "/home/tester";
  facts.userName = "tester";
  facts.hostName = "deck-box";
  return facts;
}

struct Outcome {
  int exit = -1;
  std::string out;
  std::string err;
};

Outcome RunDoctor(std::vector<std::string> args) {
  Outcome outcome;
  std::ostringstream out, err;
  Message error{};
  const auto line = ParseCommandLine(args, &error);
  if (!line) return outcome;
  CliContext context(out, err);
  context.program.openController = OpenHidrawController;
  context.surveyInterfaces = SurveyHidrawInterfaces;
  context.systemFacts = Facts;
  context.pause = [](int) {};
  outcome.exit = RunCommand(*line, context);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

// The same, as the unprivileged user "nobody" in a child process (root opens any node).
std::string RunDoctorAsNobody(const std::vector<std::string>& args) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeEnds[0]);
    std::string text = "cannot drop root";
    if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
      const Outcome outcome = RunDoctor(args);
      text = outcome.out + "exit " + std::to_string(outcome.exit) + "\n";
    }
    (void)!::write(pipeEnds[1], text.data(), text.size());
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  std::string text;
  char buffer[4096];
  ssize_t got;
  while ((got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
    text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipeEnds[0]);
  ::waitpid(child, nullptr, 0);
  return text;
}

class Doctor : public ::testing::Test {
 protected:
  void SetUp() override {
    emulator_->SetVersion({0x01, 0x0C, 0x00, 0x09});
    std::string error;
    ASSERT_TRUE(testbed_.SetBoardName("T2803-31", &error)) << error;
  }
  void Add(unsigned number, std::vector<std::uint8_t> descriptor,
           HidrawNodeKind kind = HidrawNodeKind::kServed) {
    HidrawInterface interface {
      number, kControllerVendorId, kControllerProductId, kind,
          ServeEmulator(emulator_), std::move(descriptor)
    };
    std::string error;
    ASSERT_TRUE(testbed_.Add(interface, &error)) << error;
  }
  // The controller as the kernel shows it: keyboard, mouse, configuration.
  void AddController(HidrawNodeKind configurationKind = HidrawNodeKind::kServed) {
    Add(0, kKeyboard);
    Add(1, kMouse);
    Add(2, kVendor, configurationKind);
  }
  std::string Node(unsigned number) const {
    return testbed_.RootDir() + "/dev/hidraw" + std::to_string(number);
  }

  HidrawTestbed testbed_;
  std::shared_ptr<ControllerEmulator> emulator_ = std::make_shared<ControllerEmulator>();
};

TEST_F(Doctor, AWorkingControllerPassesEveryCheckWithItsRead) {
  AddController();
  const Outcome outcome = RunDoctor({"doctor"});
  EXPECT_EQ(
      outcome.out,
      std::string("ok    kernel 6.1.0-18-amd64: has the hidraw report ioctls (5.11 or newer)\n"
                  "info  hidraw0 /dev/hidraw0 (keyboard): passed over: the desktop keeps "
                  "keyboard and mouse interfaces\n"
                  "info  hidraw1 /dev/hidraw1 (mouse): passed over: the desktop keeps "
                  "keyboard and mouse interfaces\n"
                  "ok    hidraw2 /dev/hidraw2 (vendor-defined 0xff00:0x01): taken: the first "
                  "interface of the controller that opens and is not a keyboard or mouse\n"
                  "ok    access: /dev/hidraw2 opens for reading and writing\n"
                  "ok    hidden: no sign that another program hid or moved /dev/hidraw2\n"
                  "ok    exchange lock: free\n"
                  "ok    read: firmware X1CK009, checksum good\n") +
          kWindowLines +
          "summary: 0 failures, 0 warnings: the window and padctl can work with the "
          "controller\n");
  EXPECT_EQ(outcome.exit, 0);
  EXPECT_EQ(outcome.err, "");
  // One read and nothing else: the doctor never writes to the controller.
  EXPECT_EQ(emulator_->GetCounters().sendsByCommand[0x10], 1);
  EXPECT_EQ(emulator_->GetCounters().sendsByCommand[0x20], 0);
  // --no-read leaves the controller alone altogether.
  emulator_->ResetCounters();
  const Outcome noRead = RunDoctor({"doctor", "--no-read"});
  EXPECT_NE(noRead.out.find("\nskip  read: not tried (--no-read)\n"), std::string::npos);
  EXPECT_EQ(noRead.exit, 0);
  EXPECT_EQ(emulator_->GetCounters().sends + emulator_->GetCounters().fetches, 0);
}

TEST_F(Doctor, ANodeTheUserMayNotOpenNamesTheRuleAndTheFix) {
  Add(0, kKeyboard);
  Add(2, kVendor, HidrawNodeKind::kRootOnly);
  // The testbed's folders and umockdev's sockets open to the unprivileged user; the node
  // stays 0600, as without the udev rule.
  ASSERT_TRUE(testbed_.OpenToUnprivilegedUsers());
  EXPECT_EQ(
      RunDoctorAsNobody({"doctor"}),
      std::string("ok    kernel 6.1.0-18-amd64: has the hidraw report ioctls (5.11 or newer)\n"
                  "info  hidraw0 /dev/hidraw0 (keyboard): passed over: the desktop keeps "
                  "keyboard and mouse interfaces\n"
                  "info  hidraw2 /dev/hidraw2 (vendor-defined 0xff00:0x01): not opened: "
                  "Permission denied (see access below)\n"
                  "FAIL  access: /dev/hidraw2 does not open for reading and writing "
                  "(Permission denied); udev rule 70-padcontrols.rules: not installed "
                  "(looked in /etc/udev/rules.d, /usr/lib/udev/rules.d); the node's access "
                  "list does not give this user reading and writing; local seat session: "
                  "yes. To fix: sudo install -m 644 packaging/70-padcontrols.rules "
                  "/etc/udev/rules.d/ (from the source tree; or reinstall the package), "
                  "then sudo udevadm control --reload-rules && sudo udevadm trigger "
                  "--subsystem-match=hidraw --action=change\n"
                  "ok    hidden: no sign that another program hid or moved /dev/hidraw2\n"
                  "skip  exchange lock: /dev/hidraw2 did not open\n"
                  "skip  read: not tried, the controller cannot be reached now\n") +
          kWindowLines +
          "summary: 1 failure, 0 warnings: the window and padctl cannot work with the "
          "controller until the FAIL lines are fixed\nexit 1\n");
}

TEST_F(Doctor, ANodeHiddenByAnInputDaemonIsToldWithItsSignsAndTheWindowsWords) {
  Add(0, kKeyboard);
  Add(2, kVendor, HidrawNodeKind::kMissingNode);  // in /sys, taken out of /dev
  const Outcome outcome = RunDoctor({"doctor"});
  EXPECT_EQ(
      outcome.out,
      std::string("ok    kernel 6.1.0-18-amd64: has the hidraw report ioctls (5.11 or newer)\n"
                  "info  hidraw0 /dev/hidraw0 (keyboard): passed over: the desktop keeps "
                  "keyboard and mouse interfaces\n"
                  "info  hidraw2 /dev/hidraw2 (vendor-defined 0xff00:0x01): not opened: No "
                  "such file or directory (see access below)\n"
                  "FAIL  access: /dev/hidraw2 does not open for reading and writing (No such "
                  "file or directory): another program hid it (see hidden below)\n"
                  "FAIL  hidden: /dev/hidraw2 was hidden from users (the node is missing "
                  "from /dev); input daemons running: inputplumber. Another program has "
                  "taken the controller and hidden it from users: quit that program or stop "
                  "its service to let the controller go, then try again.\n"
                  "skip  exchange lock: /dev/hidraw2 did not open\n"
                  "skip  read: not tried, the controller cannot be reached now\n") +
          kWindowLines +
          "summary: 2 failures, 0 warnings: the window and padctl cannot work with the "
          "controller until the FAIL lines are fixed\n");
  EXPECT_EQ(outcome.exit, 1);
}

TEST_F(Doctor, ALockHeldByAnotherProgramIsToldAndTheReadWaitsForNobody) {
  AddController();
  const int other = ::open("/dev/hidraw2", O_RDWR | O_CLOEXEC);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
  const Outcome outcome = RunDoctor({"doctor"});
  ::close(other);
  const std::string controllerLines =
      "ok    hidraw2 /dev/hidraw2 (vendor-defined 0xff00:0x01): taken: the first interface of "
      "the controller that opens and is not a keyboard or mouse\n"
      "ok    access: /dev/hidraw2 opens for reading and writing\n"
      "ok    hidden: no sign that another program hid or moved /dev/hidraw2\n"
      "FAIL  exchange lock: another program holds /dev/hidraw2's exchange lock now (padctl or "
      "the settings window in the middle of an exchange, or stopped in one): let it finish or "
      "quit it, then try again\n"
      "skip  read: not tried, the controller cannot be reached now\n";
  EXPECT_NE(outcome.out.find(controllerLines), std::string::npos) << outcome.out;
  EXPECT_NE(outcome.out.find("\nsummary: 1 failure, 0 warnings: the window and padctl cannot "
                             "work with the controller until the FAIL lines are fixed\n"),
            std::string::npos);
  EXPECT_EQ(outcome.exit, 1);
  EXPECT_EQ(emulator_->GetCounters().sends, 0);
}

TEST_F(Doctor, NoControllerIsOneFailureWithWhatToCheck) {
  std::string error;
  ASSERT_TRUE(testbed_.Add({0, 0x046D, 0xC52B, HidrawNodeKind::kServed, {}, kKeyboard}, &error));
  const Outcome outcome = RunDoctor({"doctor"});
  EXPECT_EQ(
      outcome.out,
      std::string("ok    kernel 6.1.0-18-amd64: has the hidraw report ioctls (5.11 or newer)\n"
                  "FAIL  interfaces: no hidraw interface with the controller's IDs "
                  "2f24:0135: check that this is one of the handhelds with the built-in "
                  "controller, that the controller is on (lsusb -d 2f24:0135 lists it) and "
                  "that the kernel has hidraw (CONFIG_HIDRAW)\n"
                  "skip  access: no interface of the controller to open\n"
                  "skip  hidden: no interface of the controller to look at\n"
                  "skip  exchange lock: no interface of the controller\n"
                  "skip  read: not tried, the controller cannot be reached now\n") +
          kWindowLines +
          "summary: 1 failure, 0 warnings: the window and padctl cannot work with the "
          "controller until the FAIL lines are fixed\n");
  EXPECT_EQ(outcome.exit, 1);
}

// The lines a replay can reproduce: those about the controller's interfaces.
std::string ControllerLines(const std::string& output) {
  std::istringstream lines(output);
  std::string line, kept;
  while (std::getline(lines, line)) {
    for (const std::string start :
         {"hidraw", "access:", "hidden:", "exchange lock:", "board model"}) {
      if (line.compare(6, start.size(), start) == 0) kept += line + "\n";
    }
  }
  return kept;
}

TEST_F(Doctor, TheReportReplaysUnderUmockdevWithTheSameChoiceAndLines) {
  AddController();
  const std::string report = testbed_.RootDir() + "/doctor-report.txt";
  const Outcome made = RunDoctor({"doctor", "--no-read", "--report", report});
  ASSERT_EQ(made.exit, 0) << made.err;
  std::ifstream file(report);
  std::stringstream contents;
  contents << file.rdbuf();
  const std::string text = contents.str();
  // What the reporter's machine is, and nothing personal.
  EXPECT_EQ(text.rfind("P: /devices/virtual/padcontrols/doctor\n"
                       "E: SUBSYSTEM=padcontrols-doctor\n",
                       0),
            0u);
  EXPECT_NE(text.find("\nE: KERNEL=6.1.0-18-amd64\nE: OS_NAME=Debian GNU/Linux\n"
                      "E: OS_VERSION=12 (bookworm)\nE: INPUT_DAEMONS=inputplumber\n"),
            std::string::npos);
  EXPECT_NE(text.find("\nE: CHECK_04=ok    hidraw2 /dev/hidraw2 (vendor-defined 0xff00:0x01): "
                      "taken: "),
            std::string::npos);
  EXPECT_NE(text.find("\nH: report_descriptor=06"
                      "00FF0901A1018501090275089540810291"
                      "02C0\n"),
            std::string::npos);
  // Each device once: the three interfaces, their HID devices and the firmware table.
  std::size_t devices = 0;
  for (std::size_t at = text.find("P: "); at != std::string::npos;
       at = text.find("\nP: ", at + 1)) {
    ++devices;
  }
  EXPECT_EQ(devices, 8u);

  // Replayed in a fresh process: umockdev-run builds the interfaces from the report alone.
  const std::string command = "env -u LD_PRELOAD -u UMOCKDEV_DIR umockdev-run --device " + report +
                              " -- " PADCTL_PROGRAM " doctor --no-read 2>&1";
  FILE* replay = ::popen(command.c_str(), "r");
  ASSERT_NE(replay, nullptr);
  std::string replayed;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, replay)) > 0) replayed.append(buffer, got);
  ::pclose(replay);
  EXPECT_EQ(ControllerLines(replayed), ControllerLines(made.out)) << replayed;
  EXPECT_EQ(
      ControllerLines(made.out),
      "info  hidraw0 /dev/hidraw0 (keyboard): passed over: the desktop keeps keyboard and "
      "mouse interfaces\n"
      "info  hidraw1 /dev/hidraw1 (mouse): passed over: the desktop keeps keyboard and mouse "
      "interfaces\n"
      "ok    hidraw2 /dev/hidraw2 (vendor-defined 0xff00:0x01): taken: the first interface of "
      "the controller that opens and is not a keyboard or mouse\n"
      "ok    access: /dev/hidraw2 opens for reading and writing\n"
      "ok    hidden: no sign that another program hid or moved /dev/hidraw2\n"
      "ok    exchange lock: free\n"
      "ok    board model T2803-31: layout 3, LED settings yes, dead zones yes, rear buttons "
      "titled L4/R4 no\n");
}

TEST(DoctorReportText, NothingPersonalLeavesTheMachine) {
  SystemFacts facts = Facts();
  EXPECT_EQ(WithoutPersonalDetails("E: A=/home/tester/x /home/testers tester@deck-box "
                                   "testerish deck-box.lan",
                                   facts),
            "E: A=~/x /home/testers USER@HOST testerish deck-box.lan");
}

}  // namespace
