// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/doctor.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#include "cli/printable_text.h"
#include "device/controller_device.h"
#include "link/wide_to_utf8.h"
#include "models/model_layout.h"
#include "texts/phrases.h"

namespace {

// The first kernel with the hidraw report ioctls the exchanges use.
constexpr int kNeededMajor = 5;
constexpr int kNeededMinor = 11;
// What fixes a missing rule; the same steps the README gives.
constexpr const char* kInstallRule =
    "sudo install -m 644 packaging/70-padcontrols.rules /etc/udev/rules.d/ (from the source "
    "tree; or reinstall the package), then sudo udevadm control --reload-rules && sudo udevadm "
    "trigger --subsystem-match=hidraw --action=change";
constexpr const char* kRetrigger = "sudo udevadm trigger --subsystem-match=hidraw --action=change";

std::string Joined(const std::vector<std::string>& parts, const char* separator = ", ") {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

class Doctor {
 public:
  Doctor(const SystemFacts& facts, const InterfaceSurvey& survey, CliContext& context)
      : facts_(facts), survey_(survey), context_(context) {}

  DoctorResult Run(bool read) {
    Kernel();
    const InterfaceFinding* candidate = Interfaces();
    if (candidate == nullptr) {
      Add(DoctorMark::kSkip, "access: no interface of the controller to open", true);
      Add(DoctorMark::kSkip, "hidden: no interface of the controller to look at", true);
      Add(DoctorMark::kSkip, "exchange lock: no interface of the controller", true);
    } else {
      Access(*candidate);
      Hidden(*candidate);
      Lock(*candidate);
    }
    if (!read) {
      Add(DoctorMark::kSkip, "read: not tried (--no-read)");
    } else if (candidate == nullptr || !candidate->taken || candidate->lockHeldElsewhere) {
      Add(DoctorMark::kSkip, "read: not tried, the controller cannot be reached now");
    } else {
      Read(*candidate);
    }
    Board();
    Window();
    return std::move(result_);
  }

 private:
  void Add(DoctorMark mark, std::string text, bool aboutController = false) {
    if (mark == DoctorMark::kFail) ++result_.failures;
    if (mark == DoctorMark::kWarn) ++result_.warnings;
    result_.lines.push_back({mark, std::move(text), aboutController});
  }

  void Kernel() {
    int major = 0, minor = 0;
    const std::string& release = facts_.kernelRelease;
    if (std::sscanf(release.c_str(), "%d.%d", &major, &minor) != 2) {
      Add(DoctorMark::kWarn,
          "kernel \"" + EscapeControls(release) +
              "\": version not understood; the exchanges need Linux 5.11 or newer");
      return;
    }
    if (major > kNeededMajor || (major == kNeededMajor && minor >= kNeededMinor)) {
      Add(DoctorMark::kOk, "kernel " + release + ": has the hidraw report ioctls (5.11 or newer)");
      return;
    }
    Add(DoctorMark::kFail, "kernel " + release + ": " + phrases::kKernelTooOld.Text(false) +
                               " Update the system's kernel.");
  }

  // One line per interface of the controller; gives the one to look at further: the taken
  // one, else the first that would be taken if it opened.
  const InterfaceFinding* Interfaces() {
    if (survey_.empty()) {
      Add(DoctorMark::kFail,
          "interfaces: no hidraw interface with the controller's IDs 2f24:0135: check that this "
          "is one of the handhelds with the built-in controller, that the controller is on "
          "(lsusb -d 2f24:0135 lists it) and that the kernel has hidraw (CONFIG_HIDRAW)",
          true);
      return nullptr;
    }
    const InterfaceFinding* candidate = nullptr;
    for (const InterfaceFinding& finding : survey_) {
      if (finding.taken) candidate = &finding;
    }
    for (const InterfaceFinding& finding : survey_) {
      if (candidate == nullptr && finding.openError != 0 && !finding.keyboardOrMouse) {
        candidate = &finding;
      }
    }
    for (const InterfaceFinding& finding : survey_) {
      std::string text = finding.name + " " + finding.node + " (" + finding.kinds + "): ";
      DoctorMark mark = DoctorMark::kInfo;
      if (finding.taken) {
        mark = DoctorMark::kOk;
        text +=
            "taken: the first interface of the controller that opens and is not a keyboard "
            "or mouse";
      } else if (finding.keyboardOrMouse) {
        text += "passed over: the desktop keeps keyboard and mouse interfaces";
      } else if (finding.openError != 0) {
        // The access check below is the one that fails for it: one problem, counted once.
        text += std::string("not opened: ") + std::strerror(finding.openError);
        if (&finding == candidate) text += " (see access below)";
      } else if (finding.answersOtherIds) {
        mark = DoctorMark::kWarn;
        text += "passed over: its node answers with other IDs than /sys gives";
      } else {
        text += "not needed: " + (candidate != nullptr ? candidate->name : "another") + " is taken";
      }
      Add(mark, text, true);
    }
    return candidate;
  }

  void Access(const InterfaceFinding& finding) {
    if (finding.openError == 0) {
      Add(DoctorMark::kOk, "access: " + finding.node + " opens for reading and writing", true);
      return;
    }
    std::string text = "access: " + finding.node + " does not open for reading and writing (" +
                       std::strerror(finding.openError) + ")";
    if (!finding.hiddenSigns.empty()) {
      Add(DoctorMark::kFail, text + ": another program hid it (see hidden below)", true);
      return;
    }
    text += "; udev rule 70-padcontrols.rules: ";
    text += facts_.ruleFiles.empty()
                ? "not installed (looked in " + Joined(facts_.ruleFolders) + ")"
                : "installed in " + Joined(facts_.ruleFiles);
    text +=
        std::string("; the node's access list ") +
        (finding.accessListGrantsUser ? "gives" : "does not give") +
        " this user reading and writing; local seat session: " + (facts_.localSeat ? "yes" : "no");
    if (facts_.ruleFiles.empty()) {
      text += ". To fix: " + std::string(kInstallRule);
    } else if (!facts_.localSeat) {
      text +=
          ". To fix: the rule's uaccess tag serves only a session at the handheld's own "
          "seat: run the tool from the handheld's desktop, not over ssh or from a service";
    } else {
      text += ". To fix: " + std::string(kRetrigger) + ", then run padctl doctor again";
    }
    Add(DoctorMark::kFail, text, true);
  }

  void Hidden(const InterfaceFinding& finding) {
    const std::string daemons = facts_.inputDaemons.empty() ? "none" : Joined(facts_.inputDaemons);
    if (finding.hiddenSigns.empty()) {
      Add(DoctorMark::kOk, "hidden: no sign that another program hid or moved " + finding.node,
          true);
      return;
    }
    Add(DoctorMark::kFail,
        "hidden: " + finding.node + " was hidden from users (" + Joined(finding.hiddenSigns, "; ") +
            "); input daemons running: " + daemons + ". " + phrases::kControllerTaken.Text(false),
        true);
  }

  void Lock(const InterfaceFinding& finding) {
    if (!finding.taken) {
      Add(DoctorMark::kSkip, "exchange lock: " + finding.node + " did not open", true);
    } else if (finding.lockHeldElsewhere) {
      Add(DoctorMark::kFail,
          "exchange lock: another program holds " + finding.node +
              "'s exchange lock now (padctl or the settings window in the middle of an "
              "exchange, or stopped in one): let it finish or quit it, then try again",
          true);
    } else {
      Add(DoctorMark::kOk, "exchange lock: free", true);
    }
  }

  void Read(const InterfaceFinding& finding) {
    ControllerDevice device(context_.program);
    if (context_.pause) device.pause = context_.pause;
    // The look found the lock free a moment ago: a short wait is enough.
    device.lockWait = std::chrono::milliseconds(500);
    if (!device.OpenController()) {
      Add(DoctorMark::kFail, "read: the controller search found nothing to read from");
      return;
    }
    if (device.handle->Location() != finding.node) {
      Add(DoctorMark::kWarn,
          "read: the search opened " + device.handle->Location() + ", not " + finding.node);
    }
    if (!device.ReadSettings(device.handle.get())) {
      Add(DoctorMark::kFail,
          std::string("read: ") + phrases::padctl::kReadFailed.Text(false) +
              " (no reply, a reply out of order, or a checksum that did not match): run "
              "padctl --trace info to see where the exchange stops");
      return;
    }
    Add(DoctorMark::kOk, "read: firmware " + WideToUtf8(device.versionPartX + device.versionPartK) +
                             ", checksum good");
  }

  void Board() {
    const std::string board = context_.program.BoardModel();
    const int layout = LayoutNumberOf(board);
    if (board.empty()) {
      Add(DoctorMark::kWarn,
          "board model: none (/sys/class/dmi/id/board_name cannot be read): the window shows "
          "the plain layout, without the model's pictures and settings groups");
      return;
    }
    if (layout == 0) {
      Add(DoctorMark::kWarn,
          "board model " + EscapeControls(board) +
              ": not one of the four known models (T2804-11, T2804-12, T2802-21, T2803-31): "
              "the window shows the plain layout, without the model's pictures and settings "
              "groups");
      return;
    }
    const auto yesNo = [](bool value) { return value ? "yes" : "no"; };
    Add(DoctorMark::kOk, "board model " + board + ": layout " + std::to_string(layout) +
                             ", LED settings " + yesNo(ShowsLedGroups(board)) + ", dead zones " +
                             yesNo(ShowsDeadZoneGroup(board)) + ", rear buttons titled L4/R4 " +
                             yesNo(UsesRearButtonTitles(board)));
  }

  void Window() {
    const bool wayland = !facts_.waylandDisplay.empty();
    if (wayland) {
      Add(DoctorMark::kOk,
          "display: Wayland (WAYLAND_DISPLAY=" + EscapeControls(facts_.waylandDisplay) + ")");
      if (facts_.qtWaylandPlatform) {
        Add(DoctorMark::kOk, "Qt Wayland platform: installed");
      } else if (!facts_.x11Display.empty()) {
        Add(DoctorMark::kWarn,
            "Qt Wayland platform: not installed; the window runs through XWayland: install "
            "qt6-wayland for a native window");
      } else {
        Add(DoctorMark::kFail,
            "Qt Wayland platform: not installed and no X11 display either: install qt6-wayland");
      }
    } else if (!facts_.x11Display.empty()) {
      Add(DoctorMark::kOk, "display: X11 (DISPLAY=" + EscapeControls(facts_.x11Display) + ")");
    } else {
      Add(DoctorMark::kFail,
          "display: neither WAYLAND_DISPLAY nor DISPLAY is set: start the window in a desktop "
          "session (padctl itself needs none)");
    }

    const auto has = [this](const std::string& family) {
      for (const std::string& font : facts_.fonts) {
        if (font == family) return true;
      }
      return false;
    };
    if (facts_.fonts.empty()) {
      Add(DoctorMark::kWarn,
          "fonts: none of " + Joined(kWindowFontFamilies) +
              " installed; texts fall back to another font and may not fit: install "
              "fonts-noto-core and fonts-noto-cjk");
    } else if (!has(kWindowFontFamilies.front())) {
      Add(DoctorMark::kWarn, "fonts: " + Joined(facts_.fonts) + "; Chinese texts need " +
                                 kWindowFontFamilies.front() + ": install fonts-noto-cjk");
    } else {
      Add(DoctorMark::kOk, "fonts: " + Joined(facts_.fonts));
    }

    if (!facts_.sdlLoaded) {
      Add(DoctorMark::kWarn,
          "SDL: SDL 2 cannot be loaded: the rear-button page takes no gamepad input; install "
          "SDL 2 (libsdl2-2.0-0 or SDL2)");
    } else if (facts_.gamepads.empty()) {
      Add(DoctorMark::kOk, "SDL: loaded, no gamepads");
    } else {
      std::vector<std::string> names;
      for (const std::string& name : facts_.gamepads) names.push_back(EscapeControls(name));
      Add(DoctorMark::kOk, "SDL: loaded, gamepads: " + Joined(names));
    }
  }

  const SystemFacts& facts_;
  const InterfaceSurvey& survey_;
  CliContext& context_;
  DoctorResult result_;
};

}  // namespace

DoctorResult RunDoctorChecks(const SystemFacts& facts, const InterfaceSurvey& survey,
                             CliContext& context, bool read) {
  return Doctor(facts, survey, context).Run(read);
}

std::string RenderDoctorLine(const DoctorLine& line) {
  static const char* kMarks[] = {"ok    ", "info  ", "warn  ", "FAIL  ", "skip  "};
  return kMarks[static_cast<int>(line.mark)] + line.text;
}

std::string DoctorSummary(const DoctorResult& result) {
  std::string text = "summary: " + std::to_string(result.failures) +
                     (result.failures == 1 ? " failure, " : " failures, ") +
                     std::to_string(result.warnings) +
                     (result.warnings == 1 ? " warning: " : " warnings: ");
  text += result.failures == 0 ? "the window and padctl can work with the controller"
                               : "the window and padctl cannot work with the controller until "
                                 "the FAIL lines are fixed";
  return text;
}
