#!/usr/bin/env python3
"""Independent programs read what the tools write, and the game reads what they write.

  tga      ImageMagick writes TGA files at 16, 24 and 32 bits; `qvtool convert` loads each through
           the game's picture loader and writes a PNG that must hold ImageMagick's pixels at the
           game's RGB565 precision.
  png      PNG files written by `qvtool convert` from the game's formats are read by ImageMagick
           and must hold the pixels each format keeps.
  archive  An archive written by `qvtool pack` is read by the reader below, written from the
           archive layout alone; its entries, sizes and names must match the sources, `qvtool
           list` and `qvtool extract`.

Usage: res_peers.py CHECK QVTOOL IMAGEMAGICK_CONVERT WORK_DIR
"""
import os
import random
import struct
import subprocess
import sys
import zlib

CHECK, QVTOOL, MAGICK, WORK = sys.argv[1:5]
failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def run(*args, stdin=None):
    done = subprocess.run(args, input=stdin, capture_output=True)
    if done.returncode != 0:
        raise RuntimeError("%s failed (%d): %s" % (" ".join(args), done.returncode,
                                                   done.stderr.decode(errors="replace")))
    return done.stdout


def magick_rgba(path):
    """The pixels of path as ImageMagick reads them: a list of (r, g, b, a) in 8 bits."""
    raw = run(MAGICK, path, "-depth", "8", "rgba:-")
    return [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]


def magick_size(path):
    return tuple(int(v) for v in run(MAGICK, path, "-format", "%w %h", "info:").split())


def write_rgba(path, width, height, pixels, *options):
    """Has ImageMagick write the 8-bit RGBA pixels to path with the given options."""
    raw = b"".join(bytes(p) for p in pixels)
    run(MAGICK, "-size", "%dx%d" % (width, height), "-depth", "8", "rgba:-", *options, path,
        stdin=raw)


def widen565(r5, g6, b5):
    return ((r5 << 3) | (r5 >> 2), (g6 << 2) | (g6 >> 4), (b5 << 3) | (b5 >> 2))


def through565(p):
    """An 8-bit colour as the game keeps it (top bits of each channel) and widens it back."""
    return widen565(p[0] >> 3, p[1] >> 2, p[2] >> 3)


def test_pixels(width, height, seed, alpha):
    rng = random.Random(seed)
    out = []
    for y in range(height):
        for x in range(width):
            a = 255 if not alpha else rng.choice([0, 3, 64, 128, 200, 255, 255])
            out.append((rng.randrange(256), rng.randrange(256), rng.randrange(256), a))
    return out


def compare(label, got, want):
    if len(got) != len(want):
        fail("%s: %d pixels, expected %d" % (label, len(got), len(want)))
        return
    bad = [(i, g, w) for i, (g, w) in enumerate(zip(got, want)) if g != w]
    if bad:
        i, g, w = bad[0]
        fail("%s: %d pixels differ, first at %d: %s, expected %s" % (label, len(bad), i, g, w))


def check_tga():
    width, height = 13, 7
    source = test_pixels(width, height, 7, alpha=False)
    # Top row, left column and one corner are marked so that a flipped picture can't pass.
    source[0] = (255, 0, 0, 255)
    source[width - 1] = (0, 255, 0, 255)
    depths = {16: ["-alpha", "off", "-depth", "5"], 24: ["-alpha", "off"], 32: ["-alpha", "on"]}
    # ImageMagick keeps a TGA's row order as orientation metadata: told TopLeft it writes the
    # top row first and sets the top-left flag; flipped first, its default bottom-left file
    # holds the bottom row first, as the format has it. Both origins are read here.
    origins = {"top-left": (["-orient", "TopLeft"], 0x20), "bottom-left": (["-flip"], 0)}
    for bits, depth in depths.items():
        for origin, (orient, flag) in origins.items():
            label = "%d-bit %s TGA" % (bits, origin)
            tga = os.path.join(WORK, "im%d_%s.tga" % (bits, origin))
            write_rgba(tga, width, height, source, "-compress", "None", *depth, *orient)
            with open(tga, "rb") as f:
                header = f.read(18)
            if header[2] != 2 or header[16] != bits or header[17] & 0x20 != flag:
                fail("%s: ImageMagick wrote type %d, %d bits, descriptor %#x" %
                     (label, header[2], header[16], header[17]))
                continue
            png = os.path.join(WORK, "game%d_%s.png" % (bits, origin))
            run(QVTOOL, "convert", tga, png)
            if magick_size(png) != (width, height):
                fail("%s: the game read %s, not %dx%d" % (label, magick_size(png), width, height))
                continue
            if bits == 16:
                # The 5-bit channels ImageMagick stored, as it reads them back (rows in
                # picture order for the top-left file); green gains its top bit as a sixth.
                top_left = os.path.join(WORK, "im16_top-left.tga")
                stored = [tuple((v * 31 + 127) // 255 for v in p[:3])
                          for p in magick_rgba(top_left)]
                want = [widen565(r, (g << 1) | (g >> 4), b) + (255,) for r, g, b in stored]
            else:
                want = [through565(p) + (255,) for p in source]
            compare(label, magick_rgba(png), want)


def check_png():
    width, height = 11, 6
    source = test_pixels(width, height, 11, alpha=True)
    src_png = os.path.join(WORK, "source.png")
    write_rgba(src_png, width, height, source)
    opaque = [p[:3] + (255,) for p in source]
    opaque_png = os.path.join(WORK, "opaque.png")
    write_rgba(opaque_png, width, height, opaque)

    def alpha5(a):
        return (a << 3) | (a >> 2)

    def kept_translucent(p):
        a = p[3] >> 3
        return (0, 0, 0, 0) if p[3] < 8 else through565(p) + (alpha5(a),)

    def kept_cmb8(p):
        # Alpha in 5-bit steps; colour kept even where the pixel is clear.
        return through565(p) + (alpha5(p[3] >> 3),)

    cases = [("espr", "", src_png, kept_translucent),
             ("sft", "", src_png, kept_translucent),
             ("cmb", "cmb8", src_png, None),
             ("spr", "spr16rle", opaque_png, lambda p: through565(p) + (255,)),
             ("spr", "spr16", opaque_png, lambda p: through565(p) + (255,)),
             ("tga", "tga24", opaque_png, lambda p: through565(p) + (255,)),
             ("tga", "tga32", opaque_png, lambda p: through565(p) + (255,))]
    for ext, fmt, src, keep in cases:
        label = fmt or ext
        picture = os.path.join(WORK, "picture_%s.%s" % (label, ext))
        back = os.path.join(WORK, "back_%s.png" % label)
        run(QVTOOL, "convert", src, picture, *(["--format", fmt] if fmt else []))
        run(QVTOOL, "convert", picture, back)
        if magick_size(back) != (width, height):
            fail("%s: ImageMagick reads %s, not %dx%d" % (label, magick_size(back), width, height))
            continue
        got = magick_rgba(back)
        if keep is None:
            # .cmb keeps colours and alphas, but a clear pixel's colour does not matter.
            got = [(0, 0, 0, 0) if p[3] == 0 else p for p in got]
            want = [(0, 0, 0, 0) if (p[3] >> 3) == 0 else through565(p) + (alpha5(p[3] >> 3),)
                    for p in source]
        else:
            want = [keep(p) for p in (source if src == src_png else opaque)]
        compare("%s read back by ImageMagick" % label, got, want)


class Archive:
    """A reader of the archive layout: "1.00", a 32-bit end offset, then entries of a 16-byte
    name (each byte XOR 0xA5, zero-padded), 32-bit stored and decompressed sizes and a zlib
    stream, all little-endian."""

    def __init__(self, data):
        if data[:4] != b"1.00":
            raise ValueError("bad magic %r" % data[:4])
        (self.end,) = struct.unpack_from("<I", data, 4)
        if self.end != len(data):
            raise ValueError("end offset %d, file size %d" % (self.end, len(data)))
        self.entries = []
        at = 8
        while at < self.end:
            if at + 24 > self.end:
                raise ValueError("entry header at %d runs past the end" % at)
            name = bytes(b ^ 0xA5 for b in data[at:at + 16]).split(b"\0")[0].decode("ascii")
            stored, size = struct.unpack_from("<II", data, at + 16)
            start = at + 24
            if start + stored > self.end:
                raise ValueError("%s: stored size %d runs past the end" % (name, stored))
            body = zlib.decompress(data[start:start + stored])
            if len(body) != size:
                raise ValueError("%s: %d bytes, header says %d" % (name, len(body), size))
            self.entries.append((name, stored, body))
            at = start + stored


def check_archive():
    rng = random.Random(5)
    sources = {
        "init.scr": b"function Init(h) { SetGlobalVar(\"A\", 1); }\n",
        "empty.txt": b"",
        "noise.bin": bytes(rng.randrange(256) for _ in range(70000)),
        "zeros.bin": bytes(100000),
        "fifteen_chars.x": b"a name of fifteen characters",
    }
    for name, body in sources.items():
        with open(os.path.join(WORK, name), "wb") as f:
            f.write(body)
    write_rgba(os.path.join(WORK, "goo.png"), 9, 5, test_pixels(9, 5, 3, alpha=True))
    manifest = os.path.join(WORK, "peer.manifest")
    with open(manifest, "w") as f:
        f.write("# every kind of entry\ninit.scr\nEmpty.TXT empty.txt\nnoise.bin\nzeros.bin\n"
                "fifteen_chars.x\ngoo.espr goo.png\ninit.scr noise.bin\n")
    packed = os.path.join(WORK, "peer.dat")
    run(QVTOOL, "pack", manifest, packed)
    with open(packed, "rb") as f:
        archive = Archive(f.read())

    espr = os.path.join(WORK, "goo_converted.espr")
    run(QVTOOL, "convert", os.path.join(WORK, "goo.png"), espr)
    with open(espr, "rb") as f:
        goo = f.read()
    # A later line replaces an entry but keeps its place.
    want = [("init.scr", sources["noise.bin"]), ("Empty.TXT", b""),
            ("noise.bin", sources["noise.bin"]), ("zeros.bin", sources["zeros.bin"]),
            ("fifteen_chars.x", sources["fifteen_chars.x"]), ("goo.espr", goo)]
    got = [(name, body) for name, _, body in archive.entries]
    if [n for n, _ in got] != [n for n, _ in want]:
        fail("entry names %s, expected %s" % ([n for n, _ in got], [n for n, _ in want]))
    for (name, body), (_, expected) in zip(got, want):
        if body != expected:
            fail("%s: %d bytes differ from its source (%d bytes)" % (name, len(body),
                                                                   len(expected)))
    if archive.entries and archive.entries[3][1] > 1000:
        fail("100 000 zero bytes stored in %d bytes: not compressed" % archive.entries[3][1])

    listing = run(QVTOOL, "list", packed).decode().splitlines()
    expected_lines = ["%s %d %d" % (name, stored, len(body)) for name, stored, body in
                      archive.entries]
    if [" ".join(line.split()) for line in listing] != expected_lines:
        fail("qvtool list says %s, the reader %s" % (listing, expected_lines))
    for name, _, body in archive.entries:
        if run(QVTOOL, "extract", packed, name.upper()) != body:
            fail("qvtool extract %s differs from the reader's bytes" % name.upper())


os.makedirs(WORK, exist_ok=True)
{"tga": check_tga, "png": check_png, "archive": check_archive}[CHECK]()
if failures:
    sys.exit(1)
print("%s: all checks passed" % CHECK)
