// qvtool run: the whole game on the headless platform, driven by a replay.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>

#include "app/application.h"
#include "app/run.h"
#include "platform/file.h"
#include "platform/headless/headless_platform.h"
#include "qvtool/verbs.h"
#include "script/variable_table.h"

namespace qvtool {
namespace {

bool parsePositive(std::string_view text, long& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc{} && end == text.data() + text.size() && out >= 0;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "qvtool run: %s\n", message.c_str());
  return 2;
}

}  // namespace

int runRun(Args args) {
  platform::HeadlessConfig config;
  config.messages = &std::cout;
  std::string dir;
  std::string replayPath;
  std::optional<long> frames;
  bool printVars = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--dir" && hasValue) {
      dir = std::string(args[++i]);
    } else if (a == "--replay" && hasValue) {
      replayPath = std::string(args[++i]);
    } else if (a == "--frames" && hasValue) {
      long n = 0;
      if (!parsePositive(args[++i], n)) return fail("--frames needs a whole number");
      frames = n;
    } else if (a == "--display" && hasValue) {
      const std::string_view v = args[++i];
      const std::size_t x = v.find('x');
      long w = 0, h = 0;
      if (x == std::string_view::npos || !parsePositive(v.substr(0, x), w) ||
          !parsePositive(v.substr(x + 1), h) || w < 1 || h < 1 || w > 4096 || h > 4096) {
        return fail("--display needs WIDTHxHEIGHT");
      }
      config.displayWidth = static_cast<int>(w);
      config.displayHeight = static_cast<int>(h);
    } else if (a == "--vars") {
      printVars = true;
    } else {
      return fail("unknown or incomplete option '" + std::string(a) +
                  "' (usage: qvtool run --dir INSTALL_DIR [--replay FILE] [--frames N] [--vars])");
    }
  }
  if (dir.empty()) return fail("--dir INSTALL_DIR is required");
  if (dir.back() != '/') dir += '/';
  config.installFolder = dir;

  if (!replayPath.empty()) {
    auto text = platform::readWholeFile(replayPath);
    if (!text) return fail(text.error().message);
    auto steps = platform::parseReplay(*text);
    if (!steps) return fail(replayPath + ": " + steps.error().message);
    config.replay = std::move(*steps);
  }
  // With --frames the run lasts that many frames; otherwise it ends when the replay does. Even
  // with --frames it ends at last, should the frames never come (say, after "deactivate").
  if (frames) {
    const long long slackMs = static_cast<long long>(*frames) * 40 + 60'000;
    config.quitDelayMs = static_cast<std::uint32_t>(std::min<long long>(slackMs, 0x40000000));
  }

  platform::HeadlessPlatform headless(std::move(config));
  app::RunOptions options;
  options.maxFrames = frames;
  if (printVars) {
    options.atEnd = [](app::Application& application) {
      for (const auto& entry : application.variables().entries()) {
        std::cout << entry.name << '=' << entry.value << '\n';
      }
    };
  }
  const app::RunResult result = app::Run(headless, options);
  std::cout.flush();
  return result == app::RunResult::Quit ? 0 : 1;
}

}  // namespace qvtool
