// qvtool run: the whole game on the headless platform, driven by a replay.
//
// Exit status: 0 after a normal end; 1 when the replay can't be read or is malformed, or when
// start-up failed, with one line on standard error naming the failure (the reason a script
// gave, or what the start-up code means) after the message box; 2 for a usage error. Reasons
// of script runs that fail during the game are printed at the end, one "qvtool run: " line
// each.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/run.h"
#include "game/game_scene.h"
#include "platform/file.h"
#include "platform/headless/headless_platform.h"
#include "qvtool/run_state_log.h"
#include "qvtool/verbs.h"
#include "script/variable_table.h"

namespace qvtool {
namespace {

bool parsePositive(std::string_view text, long& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc{} && end == text.data() + text.size() && out >= 0;
}

int fail(const std::string& message, int status = 2) {
  std::fprintf(stderr, "qvtool run: %s\n", message.c_str());
  return status;
}

// Keeps the complete lines written through it, passing each on to `forward` when given.
class LineCapture final : public std::streambuf {
 public:
  explicit LineCapture(std::streambuf* forward) : forward_(forward) {}
  const std::vector<std::string>& lines() const { return lines_; }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (forward_ != nullptr) forward_->sputc(traits_type::to_char_type(c));
    if (c == '\n') {
      lines_.push_back(std::move(partial_));
      partial_.clear();
    } else {
      partial_ += traits_type::to_char_type(c);
    }
    return c;
  }
  int sync() override { return forward_ != nullptr ? forward_->pubsync() : 0; }

 private:
  std::streambuf* forward_;
  std::string partial_;
  std::vector<std::string> lines_;
};

// What a failed start-up's code means, for the codes a modder's archive can cause. The code
// is read from the "App init error. Code : 0X0007" box; other boxes speak for themselves.
// FNV-1a over everything that moves in the game scene's world, its counters and the state of
// its random numbers: two runs that end with the same digest ended in the same world.
class Digest {
 public:
  template <typename T>
  void add(const T& value) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof(T); ++i)
      hash_ = (hash_ ^ bytes[i]) * 0x100000001B3ull;
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

std::uint64_t worldDigest(app::Application& application) {
  Digest d;
  auto* scene = dynamic_cast<game::GameScene*>(application.scene());
  if (scene == nullptr || !scene->initialised()) return d.value();
  const game::World& w = scene->world();
  for (const game::Blob& b : w.blobs()) {
    d.add(b.id), d.add(b.x), d.add(b.y), d.add(b.vx), d.add(b.vy), d.add(b.colorIndex);
  }
  for (const game::Link& l : w.links())
    d.add(l.a->id), d.add(l.b->id), d.add(l.restLength);
  for (const game::Goo& g : w.goos())
    d.add(g.x), d.add(g.y), d.add(g.vy), d.add(g.pulse);
  d.add(w.camera.cameraX), d.add(w.camera.cameraY), d.add(w.camera.zoom);
  d.add(w.wind.wind), d.add(w.frameCount), d.add(w.towerTop), d.add(w.bestTop);
  d.add(w.goosUsed), d.add(w.holding), d.add(w.dropX), d.add(w.dropY);
  d.add(w.experiencePoints), d.add(scene->controlTime);
  for (const game::Cloud& c : scene->renderer().clouds())
    d.add(c.x);
  util::Random next = w.random();
  d.add(next.next());
  return d.value();
}

std::string startupCause(const std::string& box, const std::string& dir) {
  if (box == "Game already run") return dir + "graphics.dat is held by another process";
  const std::size_t at = box.find("Code : 0X");
  if (at == std::string::npos) return {};
  const long code = std::strtol(box.c_str() + at + 9, nullptr, 16);
  switch (code) {
    case 0x1101:
      return dir + "graphics.dat can't be opened";
    case 0x1102:
      return dir + "graphics.dat is not an archive";
    case 7:
      return "init.scr does not load";
    case 8:
      return "init.scr sets no RES_X and RES_Y";
    case 18:
      return "the font fonts_menu.cfn is missing";
    case 19:
      return "the font fonts_menua.cfn is missing";
    case 20:
      return "the font fmsmall.cfn is missing";
    case 21:
      return "the font hiscores.cfn is missing";
    case 22:
      return "the font hiscoresf.cfn is missing";
    case 23:
      return "the font experien.cfn or experiena.cfn is missing";
    case 25:
      return "the menu song can't be loaded";
    default:
      return {};
  }
}

}  // namespace

int runRun(Args args) {
  platform::HeadlessConfig config;
  config.messages = &std::cout;
  std::string dir;
  std::string replayPath;
  std::optional<long> frames;
  bool printVars = false;
  bool printWorld = false;
  std::string stateLogPath;
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
    } else if (a == "--world") {
      printWorld = true;
    } else if (a == "--between" && hasValue) {
      long n = 0;
      if (!parsePositive(args[++i], n) || n > 39) return fail("--between needs 1 to 39");
      config.betweenPictures = static_cast<int>(n);
    } else if (a == "--state-log" && hasValue) {
      stateLogPath = std::string(args[++i]);
    } else {
      return fail("unknown or incomplete option '" + std::string(a) +
                  "' (usage: qvtool run --dir INSTALL_DIR [--replay FILE] [--frames N] [--vars] "
                  "[--world] [--between N] [--state-log FILE])");
    }
  }
  if (dir.empty()) return fail("--dir INSTALL_DIR is required");
  if (dir.back() != '/') dir += '/';
  config.installFolder = dir;

  if (!replayPath.empty()) {
    auto text = platform::readWholeFile(replayPath);
    if (!text) return fail(text.error().message, 1);
    auto steps = platform::parseReplay(*text);
    if (!steps) return fail(replayPath + ": " + steps.error().message, 1);
    config.replay = std::move(*steps);
  }
  // With --frames the run lasts that many frames; otherwise it ends when the replay does. Even
  // with --frames it ends at last, should the frames never come (say, after "deactivate").
  if (frames) {
    const long long slackMs = static_cast<long long>(*frames) * 40 + 60'000;
    config.quitDelayMs = static_cast<std::uint32_t>(std::min<long long>(slackMs, 0x40000000));
  }

  std::ofstream stateFile;
  if (!stateLogPath.empty()) {
    stateFile.open(stateLogPath);
    if (!stateFile) return fail(stateLogPath + ": can't be written", 1);
  }
  platform::HeadlessPlatform headless(std::move(config));
  StateLog stateLog(stateFile);
  FrameWatch watched(headless, [&] {
    if (stateFile.is_open()) stateLog.Frame(headless.tickMs());
  });
  app::RunOptions options;
  options.maxFrames = frames;
  if (stateFile.is_open()) {
    options.atStart = [&stateLog](app::Application& application) { stateLog.Start(application); };
  }
  if (printVars || printWorld) {
    options.atEnd = [printVars, printWorld](app::Application& application) {
      if (printVars) {
        for (const auto& entry : application.variables().entries()) {
          std::cout << entry.name << '=' << entry.value << '\n';
        }
      }
      if (printWorld) {
        std::cout << "world digest: " << std::hex << worldDigest(application) << std::dec << '\n';
      }
    };
  }
  // Message boxes still reach standard output as they come; script failure reasons are held
  // back so that a failed start-up ends with its one line.
  LineCapture boxes(std::cout.rdbuf());
  LineCapture reasons(nullptr);
  std::streambuf* const realOut = std::cout.rdbuf(&boxes);
  std::streambuf* const realErr = std::cerr.rdbuf(&reasons);
  const app::RunResult result = app::Run(watched, options);
  std::cout.rdbuf(realOut);
  std::cerr.rdbuf(realErr);
  std::cout.flush();
  if (result == app::RunResult::Quit) {
    if (headless.shownPictures() > 0)
      std::cout << "pictures between frames: " << headless.shownPictures() << '\n';
    for (const std::string& reason : reasons.lines()) {
      std::fprintf(stderr, "qvtool run: %s\n", reason.c_str());
    }
    return 0;
  }
  std::string box;
  for (const std::string& line : boxes.lines()) {
    if (line.rfind("messagebox: ", 0) == 0) box = line.substr(line.find(": ", 12) + 2);
  }
  std::string cause = reasons.lines().empty() ? startupCause(box, dir) : reasons.lines().back();
  if (cause.empty())
    cause = box;
  else if (!box.empty())
    cause += " (" + box + ")";
  std::fprintf(stderr, "qvtool run: start-up failed: %s\n", cause.c_str());
  return 1;
}

}  // namespace qvtool
