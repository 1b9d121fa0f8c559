#!/usr/bin/env python3
"""Checks the generated pictures, animation, sound cues and icon.

    check_assets.py RESOURCES [--frames DIR]

Reads every file with its own small parser (independent of the generator),
prints what it found and exits non-zero when a file is missing or does not
have the size, depth or structure the program expects. With --frames the
animation's frames are also written out as PNG files for looking at.
"""
import re
import struct
import sys
import xml.etree.ElementTree as ET
import zlib
from pathlib import Path

failures = []


def fail(message):
    failures.append(message)
    print("  FAIL:", message)


def expect(condition, message):
    if not condition:
        fail(message)


# --- pictures ------------------------------------------------------------------

def png_info(path):
    data = path.read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    width, height, depth, colour_type = struct.unpack(">IIBB", data[16:26])
    return width, height, depth, colour_type


def check_png(path, size):
    info = png_info(path)
    if info is None:
        fail(f"{path.name}: not a PNG")
        return
    width, height, depth, colour_type = info
    print(f"{path.name}: PNG {width} x {height}, {depth} bits, colour type {colour_type}")
    expect((width, height) == size, f"{path.name}: {width} x {height}, expected {size[0]} x {size[1]}")
    expect(colour_type == 6, f"{path.name}: no alpha channel (colour type {colour_type})")


def png_pixels(path):
    """The RGBA pixels of an 8-bit, non-interlaced RGBA PNG, as rows of tuples."""
    data = path.read_bytes()
    width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", data[16:29])
    if (depth, colour_type, interlace) != (8, 6, 0):
        return None
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        if kind == b"IDAT":
            idat += data[at + 8:at + 8 + length]
        at += 12 + length
    raw = zlib.decompress(idat)
    stride, rows, previous = width * 4, [], bytearray(width * 4)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = line[x - 4] if x >= 4 else 0
            b = previous[x]
            c = previous[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x:x + 4]) for x in range(0, stride, 4)])
        previous = line
    return rows


def svg_pixels(path):
    """Paints the SVG's rectangles (all this icon is made of) on a transparent
    canvas of its view box; None when the file holds anything else."""
    root = ET.parse(path).getroot()
    ns = "{http://www.w3.org/2000/svg}"
    if root.tag != ns + "svg":
        return None
    _, _, width, height = (int(v) for v in root.get("viewBox").split())
    canvas = [[(0, 0, 0, 0)] * width for _ in range(height)]
    for element in root.iter():
        if element.tag in (ns + "svg", ns + "g", ns + "title"):
            continue
        if element.tag != ns + "rect":
            return None
        x, y, w, h = (int(element.get(k)) for k in ("x", "y", "width", "height"))
        fill = element.get("fill")
        if not re.fullmatch(r"#[0-9a-f]{6}", fill):
            return None
        colour = tuple(int(fill[k:k + 2], 16) for k in (1, 3, 5)) + (255,)
        for row in range(y, y + h):
            canvas[row][x:x + w] = [colour] * w
    return canvas


def check_app_icons(icons, pictures):
    """The icon theme's sizes: crisp (every pixel fully opaque in one of the
    scalable icon's colours, or fully transparent), the scalable icon the
    same picture as the 256-pixel one, the window icon the same as 32 and 16."""
    svg = icons / "scalable.svg"
    if not svg.exists():
        fail("icons/scalable.svg is missing")
        return
    vector = svg_pixels(svg)
    if vector is None:
        fail("scalable.svg: not an SVG made of filled rectangles")
        return
    palette = {p for row in vector for p in row if p[3] == 255}
    print(f"scalable.svg: {len(vector[0])} x {len(vector)}, {len(palette)} colours")
    expect(len(vector) == 256 and len(vector[0]) == 256, "scalable.svg: view box is not 256 x 256")
    for size in (16, 32, 48, 64, 128, 256):
        path = icons / f"{size}x{size}.png"
        if not path.exists():
            fail(f"icons/{path.name} is missing")
            continue
        check_png(path, (size, size))
        pixels = png_pixels(path)
        if pixels is None:
            fail(f"{path.name}: not 8-bit RGBA")
            continue
        blended = sum(1 for row in pixels for p in row if p[3] not in (0, 255) or p[3] == 255 and p not in palette)
        opaque = sum(1 for row in pixels for p in row if p[3] == 255)
        print(f"  {opaque} opaque pixels, {blended} blended or off the palette")
        expect(blended == 0, f"{path.name}: {blended} pixels are not crisp")
        expect(opaque > size * size // 4, f"{path.name}: the picture covers too little of the icon")
        if size == 256:
            expect(pixels == vector, "256x256.png and scalable.svg differ")
    for window_icon, size in (("icon.png", 32), ("icon16.png", 16)):
        theirs = icons / f"{size}x{size}.png"
        if (pictures / window_icon).exists() and theirs.exists():
            expect(png_pixels(pictures / window_icon) == png_pixels(theirs),
                   f"{window_icon} is not the icon theme's {size}x{size}.png")


def check_bmp(path, size):
    data = path.read_bytes()
    expect(data[:2] == b"BM", f"{path.name}: not a BMP")
    offset, header = struct.unpack("<I I", data[10:18])
    width, height, planes, bits, compression = struct.unpack("<iiHHI", data[18:34])
    print(f"{path.name}: BMP {width} x {height}, {bits} bits, compression {compression}, header {header}")
    expect((width, abs(height)) == size, f"{path.name}: {width} x {height}, expected {size}")
    expect(bits == 24 and compression == 0, f"{path.name}: not an uncompressed 24-bit bitmap")
    stride = (width * 3 + 3) // 4 * 4
    expect(len(data) >= offset + stride * abs(height), f"{path.name}: pixel data cut short")
    # the tile repeats: compare the luminance step across its seams with the steps inside it
    rows = [data[offset + y * stride: offset + y * stride + width * 3] for y in range(abs(height))]

    def lum(x, y):
        b, g, r = rows[y][3 * x: 3 * x + 3]
        return (r + g + b) / 3

    inner = [abs(lum(x + 1, y) - lum(x, y)) for y in range(abs(height)) for x in range(width - 1)]
    seam_x = [abs(lum(0, y) - lum(width - 1, y)) for y in range(abs(height))]
    seam_y = [abs(lum(x, 0) - lum(x, abs(height) - 1)) for x in range(width)]
    mean = sum(lum(x, y) for y in range(abs(height)) for x in range(width)) / (width * abs(height))
    low = min(lum(x, y) for y in range(abs(height)) for x in range(width))
    high = max(lum(x, y) for y in range(abs(height)) for x in range(width))
    avg = lambda v: sum(v) / len(v)
    print(f"  brightness mean {mean:.1f}, range {low:.0f} .. {high:.0f}; mean step inside {avg(inner):.2f}, "
          f"across the seams {avg(seam_x):.2f} / {avg(seam_y):.2f}")
    expect(192 <= mean <= 216, f"{path.name}: mean brightness {mean:.1f} outside the light silver range")
    expect(avg(seam_x) < 2 * avg(inner) and avg(seam_y) < 2 * avg(inner), f"{path.name}: visible seam")


def check_jpeg(path, size):
    data = path.read_bytes()
    expect(data[:2] == b"\xff\xd8", f"{path.name}: not a JPEG")
    i = 2
    while i < len(data):
        marker = data[i + 1]
        length = struct.unpack(">H", data[i + 2:i + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            precision, height, width, components = struct.unpack(">BHHB", data[i + 4:i + 10])
            print(f"{path.name}: JPEG {width} x {height}, {components} components, "
                  f"{'progressive' if marker == 0xC2 else 'baseline'}")
            expect((width, height) == size, f"{path.name}: {width} x {height}, expected {size}")
            expect(marker != 0xC2, f"{path.name}: progressive JPEG")
            return
        i += 2 + length
    fail(f"{path.name}: no frame header")


# --- the animation --------------------------------------------------------------

def chunks(data, start, end):
    i = start
    while i + 8 <= end:
        ident, size = data[i:i + 4], struct.unpack("<I", data[i + 4:i + 8])[0]
        yield ident, i + 8, size
        i += 8 + size + (size & 1)


def write_png(path, width, height, rgb_rows):
    raw = b"".join(b"\x00" + bytes(row) for row in rgb_rows)
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                     + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def check_avi(path, frames_dir):
    data = path.read_bytes()
    expect(data[:4] == b"RIFF" and data[8:12] == b"AVI ", f"{path.name}: not a RIFF AVI")
    riff_size = struct.unpack("<I", data[4:8])[0]
    expect(riff_size + 8 == len(data), f"{path.name}: RIFF size {riff_size + 8} != file size {len(data)}")
    print(f"{path.name}: RIFF AVI, {len(data)} bytes")
    found = {}
    movi_start = None
    frames = []
    index = []

    def walk(start, end, depth):
        nonlocal movi_start
        for ident, body, size in chunks(data, start, end):
            pad = "  " * depth
            if ident == b"LIST":
                kind = data[body:body + 4]
                print(f"{pad}LIST '{kind.decode()}' ({size} bytes)")
                if kind == b"movi":
                    movi_start = body
                walk(body + 4, body + size, depth + 1)
                continue
            if ident == b"avih":
                fields = struct.unpack("<10I", data[body:body + 40])
                names = ("dwMicroSecPerFrame", "dwMaxBytesPerSec", "dwPaddingGranularity", "dwFlags",
                         "dwTotalFrames", "dwInitialFrames", "dwStreams", "dwSuggestedBufferSize",
                         "dwWidth", "dwHeight")
                found["avih"] = dict(zip(names, fields))
                print(f"{pad}avih {found['avih']}")
            elif ident == b"strh":
                fcc_type, handler = data[body:body + 4], data[body + 4:body + 8]
                flags, priority, language, initial, scale, rate, start_, length, buffer_, quality, sample = \
                    struct.unpack("<IHHIIIIIIII", data[body + 8:body + 48])
                found["strh"] = dict(fccType=fcc_type, fccHandler=handler, dwScale=scale, dwRate=rate,
                                     dwLength=length, dwSampleSize=sample)
                print(f"{pad}strh {found['strh']}")
            elif ident == b"strf":
                (bi_size, width, height, planes, bits, compression, image_size, _, _, used,
                 important) = struct.unpack("<IiiHHIIiiII", data[body:body + 40])
                palette = [tuple(data[body + 40 + 4 * k: body + 43 + 4 * k]) for k in range(256)]
                found["strf"] = dict(biSize=bi_size, biWidth=width, biHeight=height, biPlanes=planes,
                                     biBitCount=bits, biCompression=compression, biSizeImage=image_size,
                                     biClrUsed=used, chunk=size)
                found["palette"] = palette
                print(f"{pad}strf {found['strf']}")
            elif ident in (b"00db", b"00dc"):
                frames.append((ident, body, size))
            elif ident == b"idx1":
                for k in range(size // 16):
                    index.append(struct.unpack("<4sIII", data[body + 16 * k: body + 16 * k + 16]))
                print(f"{pad}idx1 {len(index)} entries")
            else:
                print(f"{pad}{ident.decode(errors='replace')} ({size} bytes)")

    walk(12, len(data), 1)
    print(f"  movi: {len(frames)} frame chunks {sorted(set(f[0].decode() for f in frames))}")

    avih, strh, strf = found.get("avih", {}), found.get("strh", {}), found.get("strf", {})
    expect(avih.get("dwMicroSecPerFrame") == 40000, "dwMicroSecPerFrame is not 40000")
    expect(avih.get("dwTotalFrames") == 32, "dwTotalFrames is not 32")
    expect(avih.get("dwStreams") == 1, "not exactly one stream")
    expect(avih.get("dwFlags", 0) & 0x10, "AVIF_HASINDEX not set")
    expect((avih.get("dwWidth"), avih.get("dwHeight")) == (60, 60), "main header size is not 60 x 60")
    expect(strh.get("fccType") == b"vids", "the stream is not video")
    expect(strh.get("dwRate", 0) / max(1, strh.get("dwScale", 0)) == 25, "stream rate is not 25 frames a second")
    expect(strh.get("dwLength") == 32, "stream length is not 32")
    expect(strf.get("biWidth") == 60 and strf.get("biHeight") == 60, "frames are not 60 x 60 bottom-up")
    expect(strf.get("biBitCount") == 8 and strf.get("biCompression") == 0, "frames are not 8-bit BI_RGB")
    expect(strf.get("chunk") == 40 + 256 * 4, "strf does not hold a 256-entry palette")
    expect(strf.get("biSizeImage") == 3600, "biSizeImage is not 3600")
    expect(len(frames) == 32 and all(f[0] == b"00db" and f[2] == 3600 for f in frames), "not 32 frames of 3600 bytes")
    expect(len(index) == 32, "idx1 does not have 32 entries")
    for k, (ident, flags, offset, size) in enumerate(index[:len(frames)]):
        # offsets count from the 'movi' type code
        where = movi_start + offset if movi_start is not None else -1
        expect(ident == b"00db" and flags & 0x10 and data[where:where + 4] == b"00db" and size == 3600,
               f"idx1 entry {k} does not point at frame {k}")
        expect(where + 8 == frames[k][1], f"idx1 entry {k} points elsewhere than frame {k}")
    palette = found.get("palette", [])
    silver = [k for k, (b, g, r) in enumerate(palette) if (r, g, b) == (0xC0, 0xC0, 0xC0)]
    expect(bool(silver), "no silver in the palette")
    if silver and frames:
        corners = {data[frames[0][1] + o] for o in (0, 59, 3540, 3599)}
        print(f"  silver is palette index {silver[0]}; corner pixels of frame 1 use {sorted(corners)}")
        expect(corners == {silver[0]}, "the background is not silver")
    if len(frames) == 32:
        expect(len({data[b:b + s] for _, b, s in frames}) == 32, "some frames repeat: the atom does not move")
    if frames_dir and palette:
        frames_dir.mkdir(parents=True, exist_ok=True)
        for k, (_, body, size) in enumerate(frames):
            rows = []
            for y in range(60):
                src = data[body + (59 - y) * 60: body + (60 - y) * 60]  # bottom-up rows
                rows.append([c for p in src for c in (palette[p][2], palette[p][1], palette[p][0])])
            write_png(frames_dir / f"atom{k + 1:02d}.png", 60, 60, rows)
        print(f"  frames written to {frames_dir}")


# --- sounds ---------------------------------------------------------------------

def check_wav(path, low_ms, high_ms):
    data = path.read_bytes()
    expect(data[:4] == b"RIFF" and data[8:12] == b"WAVE", f"{path.name}: not a RIFF WAVE")
    fmt = None
    samples = b""
    for ident, body, size in chunks(data, 12, len(data)):
        if ident == b"fmt ":
            fmt = struct.unpack("<HHIIHH", data[body:body + 16])
        elif ident == b"data":
            samples = data[body:body + size]
    if fmt is None:
        fail(f"{path.name}: no fmt chunk")
        return
    tag, channels, rate, byte_rate, align, bits = fmt
    count = len(samples) // 2
    values = struct.unpack(f"<{count}h", samples[:2 * count])
    peak = max(abs(v) for v in values) or 1
    import math
    peak_db = 20 * math.log10(peak / 32768)
    duration = 1000 * count / rate
    edge = max(abs(values[0]), abs(values[-1]))
    print(f"{path.name}: PCM {tag}, {channels} channel, {rate} Hz, {bits} bits, {duration:.0f} ms, "
          f"peak {peak_db:.1f} dBFS, first and last sample within {edge}")
    expect(tag == 1 and channels == 1 and bits == 16 and rate in (22050, 44100),
           f"{path.name}: not 16-bit mono PCM at 22050 or 44100 Hz")
    expect(byte_rate == rate * 2 and align == 2, f"{path.name}: inconsistent format fields")
    expect(low_ms <= duration <= high_ms, f"{path.name}: {duration:.0f} ms, expected {low_ms} .. {high_ms}")
    expect(-14 <= peak_db <= -3, f"{path.name}: peak {peak_db:.1f} dBFS")
    expect(edge < 64, f"{path.name}: does not start and end near silence")


def main():
    args = sys.argv[1:]
    frames_dir = None
    if "--frames" in args:
        k = args.index("--frames")
        frames_dir = Path(args[k + 1])
        del args[k:k + 2]
    if len(args) != 1:
        print(__doc__)
        return 2
    root = Path(args[0])
    pictures, sounds = root / "pictures", root / "sounds"

    pngs = {"logo.png": (70, 70), "about_logo.png": (148, 67), "icon.png": (32, 32), "icon16.png": (16, 16),
            "help.png": (24, 48)}
    for scale in (2, 3):
        pngs[f"help@{scale}x.png"] = (24 * scale, 48 * scale)
    for stem in ["opcje", "czysc", "wyjdz", "drukuj", "poprzedni", "nastepny"] + [f"menu{k}" for k in range(11)]:
        pngs[stem + ".png"] = (16, 16)
        for scale in (2, 3):
            pngs[f"{stem}@{scale}x.png"] = (16 * scale, 16 * scale)
    checks = [(name, lambda p, s=size: check_png(p, s)) for name, size in pngs.items()]
    checks += [("back.bmp", lambda p: check_bmp(p, (159, 160))),
               ("author.jpg", lambda p: check_jpeg(p, (180, 240))),
               ("atom.avi", lambda p: check_avi(p, frames_dir))]
    for name, check in checks:
        path = pictures / name
        if not path.exists():
            fail(f"{name} is missing")
            continue
        check(path)
    check_app_icons(root / "icons", pictures)
    for name, low, high in [("KTXbutton.wav", 30, 80), ("KTXOverButton.wav", 30, 80),
                            ("KTXPage.wav", 100, 200), ("KTXExit.wav", 400, 800)]:
        path = sounds / name
        if not path.exists():
            fail(f"{name} is missing")
            continue
        check_wav(path, low, high)

    print(f"\n{len(failures)} problem(s)" if failures else "\nall files as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
