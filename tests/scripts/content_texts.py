#!/usr/bin/env python3
"""What the built graphics.dat shows must fit and be seen: every text a screen script, the
landmark list, the record book or the game screen can show is measured with the archive's own
fonts and fits its screen with a margin; every picture or script a script names is in the
archive; the colours that must stand apart (frozen links against every sky and the earth, goos
against the sky and the earth) do.

Usage: content_texts.py QVTOOL GRAPHICS_DAT SCALE WORK_DIR (the work folder is unused)

Script texts are found by reading the scripts as the game would: each call of AddLabel,
AddTextButton and SetLabelText is measured with every value its text can take, where texts built
with $+ take each value assigned to a variable and, for application variables, the longest
value the game writes (SAMPLES).
"""
import os
import re
import struct
import subprocess
import sys

QVTOOL, ARCHIVE, SCALE, WORK = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
RES_X = 240 * SCALE
CENTRED_MARGIN = 8 * SCALE  # each side of a centred text
PANEL_MARGIN = 16 * SCALE   # right of a text placed from the left: 6 px inside the panels

# The widest values the game gives the application variables the messages show.
SAMPLES = {"PyramidHeight": "288.88", "NeedHeight": "88", "LevelTime": "180",
           "EstafetLevel": "13", "LevelReached": "12", "LevelTarget": "88", "GoosTotal": "99",
           "BonusGoos": "88", "GoosFree": "99 + 88 + 0", "CurrentExp": "999", "SCALE": str(SCALE),
           "RES_X": str(RES_X), "RES_Y": str(320 * SCALE)}
PICTURE = re.compile(r"\.(espr|spr|cmb|tga|sft|aspr|scr|lst|txt)$", re.I)
failures = []
measured = set()


def fail(message):
    failures.append(message)


def qvtool(*args):
    return subprocess.run([QVTOOL] + list(args), capture_output=True, check=True).stdout


def entries():
    return {line.split()[0].lower() for line in qvtool("list", ARCHIVE).decode().splitlines()
            if line.strip()}


def entry(name):
    return qvtool("extract", ARCHIVE, name)


def font_widths(name, data):
    """Advance of every character code of a .cfn or .font entry."""
    widths = {}
    if name.endswith(".cfn"):
        first, last = struct.unpack_from("<HH", data, 18)
        for code in range(first, last + 1):
            widths[code] = data[22 + 4 * (code - first) + 3]
    else:
        for code in range(32, 256):
            widths[code] = struct.unpack_from("<H", data, 8 * (code - 32) + 4)[0]
    return widths


class Fonts:
    def __init__(self, names):
        self.widths = {}
        for name in names:
            if name.endswith(".cfn") or name.endswith(".font"):
                self.widths[name.rsplit(".", 1)[0]] = font_widths(name, entry(name))

    def width(self, font, text):
        if font not in self.widths:
            fail("no font %s for the text %r" % (font, text))
            return 0
        return sum(self.widths[font].get(ord(c), 0) for c in text)


SMALL_PANEL = set()  # scripts whose texts lie on the small message panel (20 px in each side)


def fits(fonts, what, text, font, x):
    """A text placed at x (None: centred on the screen) ends inside the screen's margin, or
    inside the small panel's for the message screens."""
    w = fonts.width(font, text)
    measured.add((what.split()[0], text))
    inset = 10 * SCALE if what.split()[0] in SMALL_PANEL else 0
    if x is None or x <= 0:
        if w > RES_X - 2 * (CENTRED_MARGIN + inset):
            fail("%s: %r in %s is %d px wide, more than %d" %
                 (what, text, font, w, RES_X - 2 * (CENTRED_MARGIN + inset)))
    elif x + w > RES_X - PANEL_MARGIN - inset:
        fail("%s: %r in %s at x %d ends at %d, past %d" % (what, text, font, x, x + w,
                                                         RES_X - PANEL_MARGIN - inset))


# A small reader of the script language: enough to follow the texts given to the GUI.
TOKEN = re.compile(r'"[^"]*"|\$\+|[A-Za-z_][A-Za-z_0-9]*|\d+(?:\.\d+)?|==|<=|>=|&&|\|\||\S')


def split_top(tokens, separators):
    """The runs of tokens between separators that stand outside any parentheses; empty runs
    are dropped."""
    parts, depth, current = [], 0, []
    for t in tokens:
        if t in separators and depth == 0:
            if current:
                parts.append(current)
            current = []
            continue
        depth += t == "("
        depth -= t == ")"
        current.append(t)
    if current:
        parts.append(current)
    return parts


def split_args(tokens):
    return split_top(tokens, (",",))


class Script:
    def __init__(self, name, text, fonts):
        self.name, self.fonts = name, fonts
        text = re.sub(r"//[^\n]*", "", text)
        self.functions = {}
        for m in re.finditer(r"function\s+(\w+)\s*\(([^)]*)\)\s*\{", text):
            body, depth, i = [], 1, m.end()
            while depth and i < len(text):
                depth += text[i] == "{"
                depth -= text[i] == "}"
                i += 1
            params = [p.strip() for p in m.group(2).split(",") if p.strip()]
            self.functions[m.group(1)] = (params, TOKEN.findall(text[m.end():i - 1]))
        self.values = {}       # variable -> every value it was given (texts or numbers)
        self.label_fonts = {}  # label handle variable or control name -> (font, x)
        self.depth = 0

    def evaluate(self, tokens, scope):
        """Every value an expression may have: a list of texts."""
        results = [""]
        parts = [[]]
        depth = 0
        for t in tokens:
            if t == "$+" and depth == 0:
                parts.append([])
                continue
            depth += t == "("
            depth -= t == ")"
            parts[-1].append(t)
        for part in parts:
            options = self.operand(part, scope)
            results = [r + o for r in results for o in options][:64]
        return results

    def operand(self, part, scope):
        if len(part) == 1:
            t = part[0]
            if t.startswith('"'):
                return [t[1:-1]]
            if t in scope:
                return scope[t] or ["0"]
            if t in self.values:
                return sorted(self.values[t])
            return [t]
        if len(part) >= 3 and part[0] == "GetGlobalVar" and part[2].startswith('"'):
            return [SAMPLES.get(part[2][1:-1], "88")]
        if part and part[0] == "(":
            return [self.number(part, scope)]
        return [self.number(part, scope)]

    def number(self, part, scope):
        """The value of a small arithmetic expression, as the text a native would read."""
        expr = []
        for t in part:
            if t in scope or t in self.values:
                v = (scope.get(t) or sorted(self.values.get(t, {"0"})) or ["0"])[0]
                expr.append(v if re.fullmatch(r"-?\d+(\.\d+)?", v) else "0")
            elif re.fullmatch(r"\d+(\.\d+)?|[()+\-*/]", t):
                expr.append(t)
            elif t.startswith("GetGlobalVar"):
                expr.append("0")
            else:
                return "0"
        try:
            return str(int(eval("".join(expr) or "0")))  # only digits and operators reach here
        except (SyntaxError, ZeroDivisionError, NameError):
            return "0"

    def run(self, function, scope):
        if function not in self.functions or self.depth > 4:
            return
        self.depth += 1
        params, tokens = self.functions[function]
        for st in split_top(tokens, (";", "{", "}")):
            self.statement(st, scope)
        self.depth -= 1

    def statement(self, st, scope):
        if st[0] == "var" and len(st) > 1:
            scope[st[1]] = []  # a local: its values stay in this run
            return
        if st[0] in ("global", "if", "while", "else", "return"):
            if st[0] in ("if", "while") or st[0] == "else":
                rest = st[1:] if st[0] == "else" else []
                if rest:
                    self.statement(rest, scope)
            return
        target = None
        if len(st) > 2 and st[1] == "=":
            target, st = st[0], st[2:]
        if len(st) >= 3 and st[1] == "(" and st[-1] == ")":
            result = self.call(st[0], split_args(st[2:-1]), scope)
        else:
            result = self.evaluate(st, scope)
        if target in scope:
            scope[target] = sorted(set(scope[target]) | set(result or ["0"]))
        elif target is not None:
            self.values.setdefault(target, set()).update(result or ["0"])

    def call(self, name, args, scope):
        values = lambda i: self.evaluate(args[i], scope) if i < len(args) else [""]
        first = lambda i: values(i)[0]
        what = "%s %s" % (self.name, name)
        if name in self.functions:
            params, _ = self.functions[name]
            # The language binds each parameter to the text of its argument as written.
            inner = {p: ["".join(a)] for p, a in zip(params, args)}
            self.run(name, inner)
            return ["0"]
        for a in args:
            for t in a:
                if t.startswith('"') and PICTURE.search(t[1:-1]) and t[1:-1].lower() not in ALL:
                    fail("%s names %s, which the archive does not hold" % (what, t[1:-1]))
        x = int(first(1)) if len(args) > 1 and re.fullmatch(r"-?\d+", first(1)) else None
        if name == "AddLabel":
            font = first(5)
            for text in values(4):
                fits(self.fonts, what, text, font, x)
            self.label_fonts[first(3)] = (font, x)
            return ["label:" + first(3)]
        if name == "AddTextButton":
            for text in values(6):
                fits(self.fonts, what, text, first(4), x)
            for text in values(7):
                fits(self.fonts, what, text, first(5), x)
            return ["button:" + first(3)]
        if name == "GetGlobalVar":
            return [SAMPLES.get(first(0), "88")]
        if name == "GetControl":
            return ["label:" + first(1)]
        if name == "SetLabelText":
            for handle in values(0):
                font, lx = self.label_fonts.get(handle.split(":", 1)[-1], (None, None))
                if font is None:
                    continue  # a handle of no label the script made
                for text in values(1):
                    fits(self.fonts, what, text, font, lx)
            return ["0"]
        return ["0"]


def check_scripts(fonts):
    for name in sorted(n for n in ALL if n.endswith(".scr")):
        text = entry(name).decode("latin-1")
        if "panelsm.cmb" in text:
            SMALL_PANEL.add(name)
        # Loading turns every ";" into a blank, in texts too: a text would show a gap.
        for literal in re.findall(r'"[^"\n]*"', re.sub(r"//[^\n]*", "", text)):
            if ";" in literal:
                fail("%s: the text %s loses its ';'" % (name, literal))
        script = Script(name, text, fonts)
        # Twice: the second pass knows the labels that functions defined later create.
        for _ in range(2):
            for function in script.functions:
                script.run(function, {})


def check_landmarks(fonts):
    lines = entry("landmarks.txt").decode("latin-1").split("\n")
    count = int(lines[0])
    thresholds = []
    for line in lines[1:count + 1]:
        height, _, text = line.rstrip("\r").partition(",")
        thresholds.append(float(height))
        fits(fonts, "landmarks.txt", text, "experiena", None)
    if thresholds != sorted(thresholds):
        fail("landmark heights are not in increasing order: %s" % thresholds)
    # The base the game builds stands about 3.5 m high: praise starts above it.
    if thresholds[0] < 5.0:
        fail("the first landmark, %.1f m, praises the base the player did not build" %
             thresholds[0])


def check_game_texts(fonts):
    """Texts the game itself writes: the toolbar's counters end before the star, the record
    book's widest name leaves room for the widest score right-aligned beside it."""
    star = 214 * SCALE
    for text in ("Goos left: 99", "Level 12: reach 88 m"):
        end = 84 * SCALE + fonts.width("fmsmall", text)
        if end > star - 2 * SCALE:
            fail("the toolbar text %r ends at %d, over the star at %d" % (text, end, star))
    fits(fonts, "the game's control time", "Control Time", "fmsmall", None)
    name = max("ABCDEFGHIJKLMNOPQRSTUVWXYZ", key=lambda c: fonts.width("fmsmall", c)) * 10
    score = max(fonts.width("hiscores", "L12 88") + fonts.width("hiscoresf", ".88m"),
                fonts.width("hiscores", "288") + fonts.width("hiscoresf", ".88m"))
    name_end = 16 * SCALE + fonts.width("fmsmall", name)
    score_start = RES_X - 16 * SCALE - score
    if name_end + 4 * SCALE > score_start:
        fail("a ten-letter name (%d px) runs into its score (at %d)" % (name_end, score_start))


def rgb565(rgb):
    r, g, b = (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF
    # The colour as the screen shows it: 5, 6 and 5 bits widened again.
    return ((r >> 3) * 255 // 31, (g >> 2) * 255 // 63, (b >> 3) * 255 // 31)


def from565(c):
    return (((c >> 11) & 31) * 255 // 31, ((c >> 5) & 63) * 255 // 63, (c & 31) * 255 // 31)


def distance(a, b):
    return sum((x - y) ** 2 for x, y in zip(a, b)) ** 0.5


def check_colours():
    init = entry("init.scr").decode("latin-1")
    colours = {m.group(1): int(m.group(2)) for m in
               re.finditer(r'SetGlobalVar\("(\w*COLOR\w*)",\s*"(\d+)"\)', init)}
    # The skies: the gradient's two ends and the colours between, the flat sky; the earth:
    # the flat earth and its edge, and the gradient earth's rows from the top down.
    top, bottom = from565(0x5CFF), from565(0xF7DA)
    skies = [tuple(int(a + (b - a) * t / 8) for a, b in zip(top, bottom)) for t in range(9)]
    skies.append(rgb565(colours["SKY_COLOR"]))
    earths = [rgb565(colours["EARTH_COLOR"]), rgb565(colours["EARTH_BORDER_COLOR"])]
    earths += [((int(24 + 7 * t / 8) * 255 // 31), int(30 + 26 * t / 8) * 255 // 63,
                int(7 + 15 * t / 8) * 255 // 31) for t in range(9)]
    frozen = rgb565(colours["FROZEN_LINK_COLOR"])
    for i, c in enumerate(skies + earths):
        if distance(frozen, c) < 90:
            fail("frozen links hardly differ from the sky or earth colour %s" % (c,))
    for k in range(1, 6):
        link = rgb565(colours["LINK_COLOR%d" % k])
        if distance(frozen, link) < 90:
            fail("frozen links hardly differ from the links of goo colour %d" % k)
    if frozen[2] < 200 or frozen[0] > 120:
        fail("frozen links are not icy: %s" % (frozen,))
    for name in ["BLOB_COLOR%d" % k for k in range(1, 6)] + ["MAGIC_BLOB_COLOR"]:
        goo = rgb565(colours[name])
        for c in skies + earths:
            if distance(goo, c) < 60:
                fail("%s %s hardly differs from the sky or earth colour %s" % (name, goo, c))


ALL = entries()
FONTS = Fonts(sorted(ALL))
check_scripts(FONTS)
check_landmarks(FONTS)
check_game_texts(FONTS)
check_colours()
# The reader must have found the texts: every screen script shows some.
screens = {what for what, _ in measured}
for name in sorted(n for n in ALL if n.endswith(".scr") and n != "init.scr"):
    if name not in screens:
        fail("no text of %s was measured" % name)
if failures:
    for f in sorted(set(failures)):
        print("FAIL: " + f)
    sys.exit(1)
print("ok: %d texts fit, every named picture exists, the colours stand apart" % len(measured))
