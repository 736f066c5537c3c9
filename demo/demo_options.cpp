// SPDX-License-Identifier: GPL-3.0-or-later
#include "demo/demo_options.h"

namespace {
// The firmware table's product names are short printable text; a value that could not
// come from there (or could escape the temporary folder) is refused.
bool IsPlausibleModel(const std::string& model) {
  if (model.size() > 64) return false;
  for (const char ch : model) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) return false;
  }
  return true;
}
}  // namespace

std::optional<DemoOptions> ParseDemoOptions(const std::vector<std::string>& args,
                                            std::string* error) {
  DemoOptions options;
  auto fail = [&](const std::string& message) -> std::optional<DemoOptions> {
    if (error != nullptr) *error = message;
    return std::nullopt;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--model") {
      if (!value(options.model)) return fail("--model needs a board model code");
      if (!IsPlausibleModel(options.model)) return fail("--model: not a board model code");
    } else if (arg == "--lang") {
      std::string lang;
      if (!value(lang)) return fail("--lang needs zh or en");
      if (lang != "zh" && lang != "en") return fail("--lang must be zh or en, not " + lang);
      options.lang = lang;
    } else if (arg == "--state") {
      std::string path;
      if (!value(path) || path.empty()) return fail("--state needs a file name");
      options.stateFile = path;
    } else if (arg == "--page") {
      std::string page;
      if (!value(page)) return fail("--page needs back or control");
      if (page != "back" && page != "control") {
        return fail("--page must be back or control, not " + page);
      }
      options.page = page;
    } else if (arg == "--virtual-pad") {
      options.virtualPad = true;
    } else if (arg == "--unplugged") {
      options.unplugged = true;
    } else if (arg == "--replug-after" || arg == "--unplug-after") {
      std::string count;
      if (!value(count)) return fail(arg + " needs a number of exchanges");
      if (options.unplugAfterExchanges) return fail("only one of --replug-after, --unplug-after");
      if (count.empty() || count.size() > 6 ||
          count.find_first_not_of("0123456789") != std::string::npos) {
        return fail(arg + ": not a number of exchanges: " + count);
      }
      options.unplugAfterExchanges = std::stoi(count);
      options.comesBack = arg == "--replug-after";
    } else if (arg == "--never-ready") {
      options.neverReady = true;
    } else if (arg == "--bad-checksum") {
      options.badChecksum = true;
    } else if (arg == "--trace") {
      options.trace = true;
    } else {
      return fail("unknown option: " + arg);
    }
  }
  return options;
}

std::string DemoUsage(const std::string& programName) {
  return "Usage: " + programName +
         " [options]\n"
         "PadControls against an emulated controller.\n\n"
         "  --model CODE    board model of the handheld (default T2803-31; also T2804-11,\n"
         "                  T2804-12, T2802-21; anything else shows the plain skin)\n"
         "  --lang zh|en    window language (default: the system's)\n"
         "  --state FILE    keep the emulated controller's key map in FILE between runs\n"
         "  --page back|control\n"
         "                  open that settings page at start\n"
         "  --virtual-pad   attach a gamepad that exists only in software (at rest), driven\n"
         "                  from standard input, one command a line:\n"
         "                    press NAME, release NAME  a button: a b x y back guide start\n"
         "                      leftstick rightstick leftshoulder rightshoulder\n"
         "                      dpup dpdown dpleft dpright\n"
         "                    axis NAME VALUE  leftx lefty rightx righty: -32768..32767\n"
         "                      (Y negative up); lefttrigger righttrigger: 0..32767\n"
         "                  one command takes effect every 50 ms; a bad line is reported\n"
         "                  on stderr and skipped; the end of the input changes nothing\n"
         "  --unplugged     no controller attached\n"
         "  --replug-after N  after N reads and writes the controller is unplugged and\n"
         "                  comes back under a new node, as after suspend and resume\n"
         "  --unplug-after N  after N reads and writes the controller is unplugged for good\n"
         "                  (while it runs: SIGUSR1 replugs it, SIGUSR2 unplugs or plugs it)\n"
         "  --never-ready   the controller never answers a read\n"
         "  --bad-checksum  the controller's replies fail their checksum\n"
         "  --trace         print the debug trace (captured keys, shown codes) on stderr\n"
         "  --help          this text\n";
}
