#!/usr/bin/env python3
"""Mutation testing: how many small, deliberate faults does the test suite catch?

Each mutant replaces one snippet of one source file (the snippet must occur exactly once, so a
mutant whose code has since moved is reported "not applicable" rather than applied in the wrong
place). The script works on a copy of the tree in a scratch folder (build-mutants/ by default,
kept between runs so the next run builds incrementally); the checkout itself is never changed.

For every mutant: apply it, build incrementally, run the fast tests, and only when none of them
failed, the slow end-to-end tests (--full always runs every test); record the failing tests, put
the file back. A mutant that does not compile counts as neither killed nor survived.

  scripts/mutants.py --list            the mutants
  scripts/mutants.py --check           does every mutant still apply to the tree? (no build)
  scripts/mutants.py                   run them all; --only 3,7 runs a subset
  scripts/mutants.py --json out.json   also write the results, to compare two runs
  scripts/mutants.py --compare a.json b.json   what changed between two runs
"""

import argparse
import hashlib
import json
import os
import shutil
import signal
import subprocess
import sys
import time

# Tests that play whole games, render sound or open windows: 30 of some 710 tests, but about 200
# of the suite's 240 test-seconds (the high-resolution classic game alone takes 45). They run only
# for mutants the fast tier missed.
SLOW_TESTS = r"^(Content|ContentHires|Soak|Desktop|EndToEnd|SoundContent|SdlDummy)\."

# (file, original snippet, replacement, what the fault is)
MUTANTS = [
    # util
    ("src/util/c_text.cpp", "      i = j;\n", "",
     "a number's exponent is dropped: \"1e5\" reads as 1"),
    ("src/util/random.h", "state_ * 214013u + 2531011u", "state_ * 214013u + 2531012u",
     "wrong constant in the generator's sequence"),
    ("src/util/readable_file.cpp", "bytes_.size() - offset);", "bytes_.size() - offset + 1);",
     "a read from memory runs one byte past the end"),
    # platform
    ("src/platform/window_fit.cpp", "return std::max(fit, 1);", "return std::max(fit - 1, 1);",
     "the first window is one scale smaller than fits"),
    ("src/platform/save_folder.cpp",
     "if (!fs::exists(target, error) && fs::is_regular_file(source, error))\n"
     "    fs::copy_file(source, target, error);",
     "if (fs::is_regular_file(source, error))\n"
     "    fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);",
     "the player's options.dat is overwritten by the defaults on every start"),
    ("src/platform/headless/replay.cpp", "parseNumber(words[1], 0, 255, code)",
     "parseNumber(words[1], 0, 256, code)", "a replay accepts key code 256"),
    # gfx, pictures, fonts
    ("src/gfx/rects.cpp",
     "    fillRow(s.pixels + row * s.width + c.x0, c.x1 - c.x0, colour);",
     "    fillRow(s.pixels + row * s.width + c.x0, c.x1 - c.x0 - 1, colour);",
     "a filled rectangle misses its last column"),
    ("src/gfx/rects.cpp", "if (index < 0 || index >= size) continue;",
     "if (index < 0 || index > size) continue;",
     "a gradient fill reads one colour past its table"),
    ("src/gfx/triangle.cpp", "  if (p2.y < p1.y) std::swap(p1, p2);\n", "",
     "a triangle's corners are not fully sorted by row"),
    ("src/gfx/images/palette_picture.cpp", "    if (in.remaining() < need) return false;\n", "",
     "a truncated raw .spr picture is accepted"),
    ("src/gfx/images/palette_picture.cpp",
     "if (start > bytes.size() || (bytes.size() - start) / bpp < count) return false;",
     "if (start > bytes.size()) return false;",
     "a .tga picture shorter than its pixel count is accepted"),
    ("src/gfx/images/run_stream.cpp", "if (streamEnd - next < 2) return;",
     "if (streamEnd - next < 1) return;",
     "drawing a run stream reads a run word with one byte left"),
    ("src/gfx/fonts/color_font.cpp", "if (c < first_ || c > last_ || glyphs_.empty())",
     "if (c < first_ || c >= last_ || glyphs_.empty())",
     "a colour font loses its last character"),
    ("src/gfx/fonts/color_font.cpp", "  if ((data.size() - kRecordsAt) / 4 < count) return false;\n",
     "", "a colour font with fewer glyph records than it claims is accepted"),
    ("src/gfx/fonts/mask_font.cpp",
     "if (g.height > 0 && !rowsFit(data, g.offset, g.height)) return false;",
     "(void)rowsFit;", "a mask font's glyph rows are not checked against the data"),
    # resources
    ("src/resources/resource_archive.cpp",
     "if (decompressed != entry.size || dataAt + stored > limit) return false;",
     "(void)decompressed;\n  if (dataAt + stored > limit) return false;",
     "an archive entry whose two size fields disagree is read"),
    ("src/resources/resource_archive.cpp", "if (rc != Z_OK || produced != entry.size) return false;",
     "if (rc != Z_OK) return false;",
     "an archive entry that inflates short of its size is accepted"),
    ("src/resources/archive_format.cpp", "if (c >= 'a' && c <= 'z')", "if (c >= 'a' && c < 'z')",
     "entry names with a 'z' are not found case-blind"),
    # script
    ("src/script/value_format.cpp",
     "return truthText(util::parseDouble(left) <= util::parseDouble(right));",
     "return truthText(util::parseDouble(left) < util::parseDouble(right));",
     "the script operator <= behaves as <"),
    ("src/script/value_format.cpp", "readSingle(left) - readSingle(right)",
     "readSingle(right) - readSingle(left)", "script subtraction has its sign turned"),
    ("src/script/loader.cpp", "if (!isFunctionNameChar(c)) {",
     "if (false && !isFunctionNameChar(c)) {",
     "a function name with invalid characters loads"),
    ("src/script/nesting_budget.h", "    --runs_;\n    --levels_;\n", "    --runs_;\n",
     "a finished run does not give back its nesting level"),
    ("src/script/text_scan.cpp", "if (end - start > kMaxNameLength) return std::nullopt;",
     "if (end - start > kMaxNameLength + 1) return std::nullopt;",
     "a name one character too long is accepted"),
    # sound
    ("src/sound/sound_system.cpp", "static_cast<double>(v) * 2.55", "static_cast<double>(v) * 2.56",
     "wrong constant scaling volumes to the mixer's range"),
    ("src/sound/sound_system.cpp", "effectsOn_ = v != 0;", "effectsOn_ = true;",
     "sound effects play at volume 0"),
    ("src/sound/start_up_sound.cpp", "  if (options.musicOn == 0) return true;\n", "",
     "the menu song loads and plays with the music switched off"),
    # gui
    ("src/gui/control_factory.cpp", "return i + 2 < args_.size(); }",
     "return i + 2 <= args_.size(); }",
     "a form script's control with too few arguments reads past them"),
    ("src/gui/edit_box.cpp", "if (text_.size() < maxLength_) text_ += c;",
     "if (text_.size() <= maxLength_) text_ += c;", "an edit box takes one character too many"),
    ("src/gui/diskret_slider.cpp", "if (direction > 0 && value < steps_) ++value;",
     "if (direction > 0 && value <= steps_) ++value;",
     "a slider steps past its last value by key"),
    # game/world
    ("src/game/world/world_step.cpp", "if (frameInSecond > 25) {", "if (frameInSecond >= 25) {",
     "a game second lasts one frame less"),
    ("src/game/world/world_step.cpp", "blob.vx = (blob.vx + push) * 0.99f;",
     "blob.vx = (blob.vx - push) * 0.99f;", "the wind blows the other way"),
    ("src/game/world/world_step.cpp", "    a.vx -= fx;\n", "    a.vx += fx;\n",
     "a link pushes one end the wrong way"),
    ("src/game/world/world_step.cpp", "bestTop = std::min(bestTop, towerTop);",
     "bestTop = std::max(bestTop, towerTop);", "the best height keeps the lowest tower"),
    # game
    ("src/game/modes/level_list.cpp", "    if (level.targetMetres <= 0) break;\n", "",
     "a level list entry with no target height is accepted"),
    ("src/game/modes/level_list.cpp", "    level.goos = std::max(level.goos, 0);\n", "",
     "a level list entry keeps a negative goo count"),
    ("src/game/scene/camera_control.cpp", "if (zoom < 0.4f) zoom = 0.4f;",
     "if (zoom < 0.3f) zoom = 0.3f;", "zooming out stops at the wrong limit"),
    ("src/game/modes/experience_shop.cpp",
     "if (link.a->y > static_cast<float>(lineY) || link.b->y > static_cast<float>(lineY)) {",
     "if (link.a->y > static_cast<float>(lineY) && link.b->y > static_cast<float>(lineY)) {",
     "freezing spares links that cross the line"),
    ("src/game/modes/game_rules.cpp", "if (w.seconds >= 2) RunRelayTransition(scene, app);",
     "if (w.seconds >= 20) RunRelayTransition(scene, app);",
     "the relay's first level starts far too late"),
    # settings
    ("src/settings/options.cpp", "std::clamp(value, 0, kFields[i].maximum)",
     "std::clamp(value, 0, 65535)", "options.dat values are not held to their range"),
    ("src/settings/score_table.cpp",
     "const std::size_t n = std::min(static_cast<std::size_t>(count), whole);",
     "const std::size_t n = static_cast<std::size_t>(count) + 0 * whole;",
     "scores.dat's record count is trusted beyond the file's length"),
    ("src/settings/score_table.cpp", "if (score > it->score) {", "if (score >= it->score) {",
     "a tied score goes ahead of the older record"),
    ("src/settings/score_table.cpp", "if (passed >= kRecordsPerMode) return std::nullopt;",
     "if (passed > kRecordsPerMode) return std::nullopt;",
     "a score below a full table still enters it"),
    ("src/settings/key_value_file.cpp", "if (equals == std::string_view::npos) return false;",
     "if (equals == std::string_view::npos) continue;",
     "an options.dat line without '=' is skipped, not refused"),
    # natives
    ("src/natives/game_table.cpp", "return i + 1 < args.size() ? std::string_view(args[i])",
     "return i < args.size() ? std::string_view(args[i])",
     "a game native reads the caller's script name as a missing argument"),
    ("src/natives/gui_table.cpp", "return i < count() ? std::string_view(args_[i])",
     "return i <= count() ? std::string_view(args_[i])",
     "a gui native reads the caller's script name as a missing argument"),
    # app
    ("src/app/bitmap_writer.cpp", "std::max(width, 0)) + 3u) & ~3u;",
     "std::max(width, 0)) + 1u) & ~1u;", "screenshot rows lose their padding to four bytes"),
    ("src/app/key_pointer.cpp", "  if (x_ > maxX) x_ = maxX;\n", "  (void)maxX;\n",
     "the key pointer leaves the screen on the right"),
    # tools
    ("tools/lib/archive_writer.cpp", "if (u == 0 || u >= 0x80) {", "if (u == 0) {",
     "qvtool packs entry names with non-ASCII bytes"),
    ("tools/lib/manifest.cpp", "if (name.empty() || name.size() > 15) return false;",
     "if (name.empty() || name.size() > 16) return false;",
     "a manifest accepts an entry name one character too long"),
    ("tools/lib/picture_encoders.cpp", "if (palette.size() > limit) {",
     "if (palette.size() >= limit) {", "a picture with a full palette is refused"),
    ("tools/lib/picture_encoders.cpp", "        if (w % 2 != 0) AppendLe(out, 0, 1);\n", "",
     "8-bit .spr rows of odd width lose their padding byte"),
]


def repo_root():
    return os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def log(text):
    print(text, flush=True)


# --- the list ------------------------------------------------------------------------------------


def parse_only(text, count):
    chosen = []
    for part in text.split(","):
        part = part.strip()
        if not part:
            continue
        if "-" in part:
            first, last = part.split("-", 1)
            chosen.extend(range(int(first), int(last) + 1))
        else:
            chosen.append(int(part))
    for number in chosen:
        if number < 1 or number > count:
            sys.exit(f"mutants: no mutant {number} (there are {count})")
    return sorted(set(chosen))


def applicability(tree, mutant):
    """None when the mutant applies to tree, else the reason it does not."""
    path, original, replacement, _ = mutant
    full = os.path.join(tree, path)
    if original == replacement:
        return "replacement equals the original"
    try:
        with open(full, encoding="utf-8") as f:
            text = f.read()
    except OSError:
        return "file not found"
    count = text.count(original)
    if count != 1:
        return f"snippet found {count} times"
    return None


def list_mutants(numbers):
    for n in numbers:
        path, _, _, description = MUTANTS[n - 1]
        log(f"{n:3d}  {path}: {description}")


def check_mutants(tree, numbers):
    missing = 0
    for n in numbers:
        reason = applicability(tree, MUTANTS[n - 1])
        path = MUTANTS[n - 1][0]
        if reason:
            missing += 1
            log(f"{n:3d}  not applicable  {path}: {reason}")
        else:
            log(f"{n:3d}  applies         {path}")
    log(f"{len(numbers) - missing} of {len(numbers)} mutants apply")
    return missing == 0


# --- the scratch copy ----------------------------------------------------------------------------


def tracked_files(root):
    try:
        out = subprocess.run(["git", "ls-files", "-z"], cwd=root, check=True,
                             capture_output=True).stdout
        return [p for p in out.decode().split("\0") if p]
    except (OSError, subprocess.CalledProcessError):
        sys.exit("mutants: the tree must be a git checkout (its files are listed by git ls-files)")


def sync_tree(root, tree):
    """Copies the checkout's files (as they are on disk, uncommitted edits included) into tree.

    Only files whose contents differ are written, so the build there stays incremental; this also
    undoes a mutant left behind by a run that was killed outright."""
    files = [p for p in tracked_files(root) if os.path.isfile(os.path.join(root, p))]
    manifest = os.path.join(tree, ".mutants-files")
    old = set()
    if os.path.exists(manifest):
        with open(manifest, encoding="utf-8") as f:
            old = set(f.read().split("\0")) - {""}
    written = 0
    stamp = hashlib.sha1()
    for path in files:
        source = os.path.join(root, path)
        target = os.path.join(tree, path)
        with open(source, "rb") as f:
            data = f.read()
        if path != "scripts/mutants.py":  # the list of mutants is not part of what is tested
            stamp.update(path.encode() + b"\0" + hashlib.sha1(data).digest())
        try:
            with open(target, "rb") as f:
                if f.read() == data:
                    continue
        except OSError:
            pass
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)
        shutil.copymode(source, target)
        written += 1
    for path in old - set(files):
        try:
            os.remove(os.path.join(tree, path))
        except OSError:
            pass
    with open(manifest, "w", encoding="utf-8") as f:
        f.write("\0".join(files))
    return written, stamp.hexdigest()


class Runner:
    def __init__(self, args):
        self.args = args
        self.tree = os.path.join(os.path.abspath(args.scratch), "tree")
        self.build = os.path.join(self.tree, "build")

    def run(self, command, cwd, limit=None):
        """Runs command in its own process group; on Ctrl-C or after limit seconds the whole
        group is stopped. Returns (exit code or None when stopped for time, output)."""
        process = subprocess.Popen(command, cwd=cwd, stdout=subprocess.PIPE,
                                   stderr=subprocess.STDOUT, start_new_session=True)
        try:
            out, _ = process.communicate(timeout=limit)
        except subprocess.TimeoutExpired:
            self.stop(process)
            return None, ""
        except BaseException:
            self.stop(process)
            raise
        return process.returncode, out.decode(errors="replace")

    @staticmethod
    def stop(process):
        try:
            os.killpg(process.pid, signal.SIGTERM)
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        except ProcessLookupError:
            pass

    def prepare(self):
        if self.args.fresh and os.path.exists(self.args.scratch):
            log(f"removing {self.args.scratch}")
            shutil.rmtree(self.args.scratch)
        os.makedirs(self.tree, exist_ok=True)
        written, self.stamp = sync_tree(repo_root(), self.tree)
        log(f"scratch tree {self.tree}: {written} files updated")
        if not os.path.exists(os.path.join(self.build, "CMakeCache.txt")):
            command = ["cmake", "-S", self.tree, "-B", self.build,
                       "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DQV_BUILD_BENCH=OFF"]
            if shutil.which("ccache"):
                command += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache",
                            "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
            log("configuring: " + " ".join(command[3:]))
            code, out = self.run(command, self.tree)
            if code != 0:
                sys.stdout.write(out)
                sys.exit("mutants: configuring the scratch build failed")
        log("building the unmutated tree")
        start = time.time()
        code, out = self.build_tree()
        if code != 0:
            sys.stdout.write(out[-6000:])
            sys.exit("mutants: the unmutated tree does not build")
        log(f"built in {time.time() - start:.0f} s")

    def build_tree(self):
        return self.run(["cmake", "--build", self.build, "-j", str(self.args.jobs)], self.tree)

    def ctest(self, selection, limit):
        """Runs a tier of tests; returns (names of failed tests, seconds, stopped for time)."""
        failed_log = os.path.join(self.build, "Testing", "Temporary", "LastTestsFailed.log")
        if os.path.exists(failed_log):
            os.remove(failed_log)
        start = time.time()
        code, _ = self.run(["ctest", "-j", str(self.args.jobs)] + selection, self.build, limit)
        seconds = time.time() - start
        if code is None:
            return ["(tests stopped after %d s)" % limit], seconds, True
        failed = []
        if os.path.exists(failed_log):
            with open(failed_log, encoding="utf-8", errors="replace") as f:
                for line in f:
                    line = line.strip()
                    if ":" in line:
                        failed.append(line.split(":", 1)[1])
        if code != 0 and not failed:
            failed.append("(ctest exit %d)" % code)
        return failed, seconds, False

    def tiers(self):
        if self.args.full:
            return [("all", [])]
        return [("fast", ["-E", SLOW_TESTS]), ("slow", ["-R", SLOW_TESTS])]

    def baseline(self):
        """The unmutated tree's tests: they must pass, and their times bound each mutant's run.

        A passing baseline is remembered in the scratch folder with a digest of the tree's files,
        so a second run over an unchanged tree does not run it again."""
        record = os.path.join(self.args.scratch, "baseline.json")
        tiers = [tier for tier, _ in self.tiers()]
        try:
            with open(record, encoding="utf-8") as f:
                known = json.load(f)
            if known.get("stamp") == self.stamp and all(t in known["limits"] for t in tiers):
                log("baseline: the tree is unchanged since its tests last passed")
                return {t: known["limits"][t] for t in tiers}
        except (OSError, ValueError, KeyError):
            pass
        limits = {}
        for tier, selection in self.tiers():
            log(f"baseline: {tier} tests")
            failed, seconds, _ = self.ctest(selection, None)
            log(f"baseline: {tier} tests took {seconds:.0f} s")
            if failed:
                log("baseline failures: " + ", ".join(failed))
                sys.exit("mutants: the unmutated tree fails tests; fix them first "
                         "(or pass --no-baseline)")
            limits[tier] = round(3 * seconds + 120)
        known = {}
        try:
            with open(record, encoding="utf-8") as f:
                old = json.load(f)
            if old.get("stamp") == self.stamp:
                known = old["limits"]
        except (OSError, ValueError, KeyError):
            pass
        known.update(limits)
        with open(record, "w", encoding="utf-8") as f:
            json.dump({"stamp": self.stamp, "limits": known}, f)
        return limits

    def mutate(self, number, limits):
        path, original, replacement, description = MUTANTS[number - 1]
        result = {"id": number, "file": path, "description": description, "killers": []}
        reason = applicability(self.tree, MUTANTS[number - 1])
        if reason:
            result["status"] = "not applicable"
            result["reason"] = reason
            result["seconds"] = 0
            return result
        full = os.path.join(self.tree, path)
        with open(full, encoding="utf-8") as f:
            text = f.read()
        start = time.time()
        try:
            with open(full, "w", encoding="utf-8") as f:
                f.write(text.replace(original, replacement, 1))
            code, _ = self.build_tree()
            if code != 0:
                result["status"] = "did not build"
            else:
                result["status"] = "survived"
                for tier, selection in self.tiers():
                    failed, _, _ = self.ctest(selection, limits.get(tier))
                    if failed:
                        result["status"] = "killed"
                        result["tier"] = tier
                        result["killers"] = failed
                        break
        finally:
            # Put back with a fresh modification time, so the next build compiles the original
            # again; a second Ctrl-C cannot cut the write short.
            previous = signal.signal(signal.SIGINT, signal.SIG_IGN)
            try:
                with open(full, "w", encoding="utf-8") as f:
                    f.write(text)
            finally:
                signal.signal(signal.SIGINT, previous)
        result["seconds"] = round(time.time() - start)
        return result


def summary(results):
    killed = sum(r["status"] == "killed" for r in results)
    survived = sum(r["status"] == "survived" for r in results)
    counts = {
        "killed": killed,
        "survived": survived,
        "not_applicable": sum(r["status"] == "not applicable" for r in results),
        "did_not_build": sum(r["status"] == "did not build" for r in results),
    }
    counts["kill_rate"] = round(killed / (killed + survived), 4) if killed + survived else None
    return counts


def report(result):
    line = f"{result['id']:3d}  {result['status']:<14}  {result['file']}: {result['description']}"
    if result["status"] == "killed":
        killers = result["killers"]
        shown = ", ".join(killers[:8]) + (f" (+{len(killers) - 8} more)" if len(killers) > 8 else "")
        line += f"\n       by ({result['tier']}) {shown}"
    elif result["status"] == "not applicable":
        line += f" ({result['reason']})"
    log(line)


def compare(before_path, after_path):
    """Prints the mutants whose outcome differs between two --json files, matched by file and
    description (numbers shift when the list changes), and both kill rates."""
    runs = []
    for path in (before_path, after_path):
        with open(path, encoding="utf-8") as f:
            runs.append(json.load(f))
    before = {(m["file"], m["description"]): m for m in runs[0]["mutants"]}
    changed = 0
    for m in runs[1]["mutants"]:
        old = before.get((m["file"], m["description"]))
        was = old["status"] if old else "not run"
        if was != m["status"]:
            changed += 1
            log(f"{was:>14} -> {m['status']:<14}  {m['file']}: {m['description']}")
    log(f"{changed} mutants changed")
    for label, run in zip(("before", "after"), runs):
        rate = run["summary"]["kill_rate"]
        shown = "n/a" if rate is None else f"{100 * rate:.1f}%"
        log(f"{label}: {run.get('commit') or '?'} kill rate {shown} "
            f"({run['summary']['killed']} killed, {run['summary']['survived']} survived)")


def head_commit():
    """The checkout's commit, with "+changes" when tracked files differ from it (the run tests the
    files as they are on disk)."""
    try:
        commit = subprocess.run(["git", "rev-parse", "HEAD"], cwd=repo_root(), check=True,
                                capture_output=True, text=True).stdout.strip()
        changed = subprocess.run(["git", "status", "--porcelain", "--untracked-files=no"],
                                 cwd=repo_root(), check=True, capture_output=True,
                                 text=True).stdout.strip()
        return commit + ("+changes" if changed else "")
    except (OSError, subprocess.CalledProcessError):
        return None


def interrupted(*_):
    raise KeyboardInterrupt


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--list", action="store_true", help="print the mutants and stop")
    parser.add_argument("--check", action="store_true",
                        help="only check that every mutant applies to the tree (no build)")
    parser.add_argument("--compare", nargs=2, metavar=("BEFORE", "AFTER"),
                        help="compare two --json files and stop")
    parser.add_argument("--only", help="the mutants to run, e.g. 3,7,10-12")
    parser.add_argument("--full", action="store_true",
                        help="run every test for every mutant, not the slow tier only when "
                             "the fast tier missed")
    parser.add_argument("--json", help="write the results to this file")
    parser.add_argument("--scratch", default=os.path.join(repo_root(), "build-mutants"),
                        help="the scratch folder, kept between runs (default build-mutants/)")
    parser.add_argument("--fresh", action="store_true",
                        help="delete the scratch folder first: a clean build")
    parser.add_argument("--prepare", action="store_true",
                        help="only bring the scratch build up to date (and run the baseline)")
    parser.add_argument("--no-baseline", action="store_true",
                        help="skip running the tests on the unmutated tree first")
    parser.add_argument("--jobs", type=int, default=int(os.environ.get("JOBS", "2")),
                        help="parallel build and test jobs (default 2, or $JOBS)")
    args = parser.parse_args()

    numbers = parse_only(args.only, len(MUTANTS)) if args.only else list(
        range(1, len(MUTANTS) + 1))
    if args.compare:
        compare(*args.compare)
        return 0
    if args.list:
        list_mutants(numbers)
        return 0
    if args.check:
        return 0 if check_mutants(repo_root(), numbers) else 1

    # SIGTERM is handled as Ctrl-C is, so the mutated file is put back either way; SIGINT gets
    # the handler explicitly, as a shell that starts a job in the background ignores it there.
    signal.signal(signal.SIGINT, interrupted)
    signal.signal(signal.SIGTERM, interrupted)
    runner = Runner(args)
    results = []
    started = time.time()
    try:
        runner.prepare()
        limits = {} if args.no_baseline else runner.baseline()
        if args.prepare:
            numbers = []
        for n in numbers:
            log(f"--- mutant {n}: {MUTANTS[n - 1][0]}: {MUTANTS[n - 1][3]}")
            result = runner.mutate(n, limits)
            results.append(result)
            report(result)
    except KeyboardInterrupt:
        log("interrupted: the mutated file was put back; the results so far follow")

    log("")
    for result in results:
        report(result)
    counts = summary(results)
    rate = "n/a" if counts["kill_rate"] is None else f"{100 * counts['kill_rate']:.1f}%"
    log(f"killed {counts['killed']}, survived {counts['survived']}, "
        f"not applicable {counts['not_applicable']}, did not build {counts['did_not_build']}; "
        f"kill rate {rate} (killed / (killed + survived))")
    if args.json:
        with open(args.json, "w", encoding="utf-8") as f:
            json.dump({"commit": head_commit(), "full": args.full,
                       "date": time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime()),
                       "seconds": round(time.time() - started), "slow_tests": SLOW_TESTS,
                       "summary": counts, "mutants": results}, f, indent=2)
            f.write("\n")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except BrokenPipeError:  # the list piped into head
        sys.exit(0)
