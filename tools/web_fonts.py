#!/usr/bin/python3
"""The browser's fonts: woff2 subsets of the desktop's font files, and the tables that let the
browser measure text exactly as FreeType does on the desktop.

    web_fonts.py OUT_DIR GENERATED_CPP TEXT_FILE...

Writes OUT_DIR/<face>.woff2 for each face the game uses (only the browser draws with them) and
GENERATED_CPP, which defines tk::font_data::kFaces for toolkit/web/font_table.cpp: per face its
vertical metrics as FreeType reads them, and for each covered code point its advance and the
horizontal extent of its outline's control box, plus the pairs of FreeType's kerning (the 'kern'
table, as FT_Get_Kerning reads it: not GPOS), all in font units. The covered code points are
every character of the text files, printable ASCII, Latin-1 and the usual typographic marks, as
far as each face has them.

Runs with Debian's /usr/bin/python3 (fontTools and brotli).
"""

import logging
import os
import struct
import sys

from fontTools import subset
from fontTools.pens.boundsPen import ControlBoundsPen
from fontTools.ttLib import TTFont

# The faces the desktop picks for the game's typefaces (toolkit/sdl/fonts.cpp); tk::FontTable
# finds them by these names. cmake/WebFonts.cmake names the same files for its dependencies.
FACES = [
    # (name of the woff2 file and the CSS family, font file)
    ("liberation-sans-regular", "ruvantia-sans", "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"),
    ("liberation-sans-bold", "ruvantia-sans-bold", "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"),
    ("liberation-serif-bold", "ruvantia-serif-bold", "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf"),
    (
        "lobster-two-bold-italic",
        "ruvantia-lobster-bold-italic",
        "/usr/share/fonts/opentype/lobstertwo/LobsterTwo-BoldItalic.otf",
    ),
]

# Beside what the texts hold: printable ASCII, Latin-1, the euro and the usual typographic marks.
EXTRA = set(range(0x20, 0x7F)) | set(range(0xA0, 0x100))
EXTRA |= {0x20AC, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E, 0x2013, 0x2014, 0x2026, 0x2022, 0x2039, 0x203A}
EXTRA.add(0xFFFD)  # what a malformed byte of UTF-8 stands for


def wanted_code_points(text_files):
    cps = set(EXTRA)
    for path in text_files:
        with open(path, encoding="utf-8") as f:
            cps |= {ord(c) for c in f.read() if ord(c) >= 0x20}
    return cps


def vertical_metrics(font):
    """face->ascender, descender and height as FreeType's sfnt loader sets them."""
    hhea, os2 = font["hhea"], font.get("OS/2")
    if os2 is not None and os2.version != 0xFFFF and os2.fsSelection & 128:  # USE_TYPO_METRICS
        return os2.sTypoAscender, os2.sTypoDescender, os2.sTypoAscender - os2.sTypoDescender + os2.sTypoLineGap
    asc, desc = hhea.ascent, hhea.descent
    if asc or desc:
        return asc, desc, asc - desc + hhea.lineGap
    if os2 is not None and (os2.sTypoAscender or os2.sTypoDescender):
        return os2.sTypoAscender, os2.sTypoDescender, os2.sTypoAscender - os2.sTypoDescender + os2.sTypoLineGap
    if os2 is not None:
        return os2.usWinAscent, -os2.usWinDescent, os2.usWinAscent + os2.usWinDescent
    return asc, desc, asc - desc + hhea.lineGap


def ink_parts(font, glyph_set, name):
    """Where a glyph's ink lies across: the horizontal extent of each part's control box (what
    FT_Outline_Get_CBox sees) and its shift, in font units, as [(left, right, shift)]. FreeType
    scales each part of a composite TrueType glyph and its offset apart, so the rounding of each
    counts; a glyph with no outline has no parts."""
    if "glyf" in font:
        glyf = font["glyf"]
        glyph = glyf[name]
        if glyph.isComposite():
            parts = []
            for c in glyph.components:
                assert not hasattr(c, "transform"), f"{name}: scaled components are not supported"
                assert not glyf[c.glyphName].isComposite(), f"{name}: nested components are not supported"
                parts += [(left, right, c.x) for left, right, _ in ink_parts(font, glyph_set, c.glyphName)]
            return parts
        if glyph.numberOfContours == 0:
            return []
        xs = [x for x, _ in glyph.getCoordinates(glyf)[0]]
        return [(min(xs), max(xs), 0)] if xs else []
    pen = ControlBoundsPen(glyph_set)
    glyph_set[name].draw(pen)
    if pen.bounds is None:
        return []
    left, _, right, _ = pen.bounds
    assert left == int(left) and right == int(right), f"{name}: fractional outline"
    return [(int(left), int(right), 0)]


def kerning(font, glyph_ids):
    """FT_Get_Kerning(FT_KERNING_UNSCALED) for glyph index pairs: FreeType reads the 'kern' table
    (version 0, horizontal format 0 subtables), adds the subtables' values or lets one override,
    and takes the first match of a pair within a subtable. Returns {(left, right): value}."""
    if "kern" not in font:
        return {}
    data = font.reader["kern"]
    version, count = struct.unpack_from(">HH", data, 0)
    if version != 0:
        return {}
    result = {}
    pos = 4
    for _ in range(min(count, 32)):
        if pos + 6 > len(data):
            break
        _, length, coverage = struct.unpack_from(">HHH", data, pos)
        if length <= 14:
            break
        end = min(pos + length, len(data))
        if coverage >> 8 == 0 and coverage & 3 == 1 and pos + 14 <= end:
            (pairs,) = struct.unpack_from(">H", data, pos + 6)
            pairs = min(pairs, (end - pos - 14) // 6)
            table = {}
            for i in range(pairs):
                left, right, value = struct.unpack_from(">HHh", data, pos + 14 + 6 * i)
                if left in glyph_ids and right in glyph_ids:
                    table.setdefault((left, right), value)
            for key, value in table.items():
                if value:
                    result[key] = value if coverage & 8 else result.get(key, 0) + value
        pos = end
    return {k: v for k, v in result.items() if v}


def face_tables(path, wanted):
    font = TTFont(path, lazy=False)
    cmap = font.getBestCmap()
    glyph_set = font.getGlyphSet()
    order = font.getGlyphOrder()
    hmtx = font["hmtx"]
    covered = sorted(cp for cp in wanted if cp in cmap)
    assert all(cp < 0x10000 for cp in covered)
    glyphs = [(cp, hmtx[cmap[cp]][0], ink_parts(font, glyph_set, cmap[cp])) for cp in covered]
    notdef = order[0]
    by_cp = {cp: i for i, cp in enumerate(covered)}
    kern = {}
    # Kerning is by glyph: every covered code point of a kerned glyph gets the pair.
    glyph_of = {cp: font.getGlyphID(cmap[cp]) for cp in covered}
    pairs = kerning(font, set(glyph_of.values()))
    for a in covered:
        for b in covered:
            value = pairs.get((glyph_of[a], glyph_of[b]))
            if value:
                kern[(by_cp[a], by_cp[b])] = value
    # What a code point the subset leaves out but the font has is taken as: the mean advance of
    # the covered letters.
    letters = [adv for cp, adv, _ in glyphs if chr(cp).isalpha()]
    fallback = round(sum(letters) / len(letters))
    mapped = sorted(cmap)
    ranges = []
    for cp in mapped:
        if cp >= 0x10000:
            continue
        if ranges and ranges[-1][1] + 1 == cp:
            ranges[-1][1] = cp
        else:
            ranges.append([cp, cp])
    return {
        "upem": font["head"].unitsPerEm,
        "vertical": vertical_metrics(font),
        "glyphs": glyphs,
        "notdef": (hmtx[notdef][0], ink_parts(font, glyph_set, notdef)),
        "cff": "CFF " in font,
        "fallback": fallback,
        "kern": kern,
        "ranges": ranges,
    }


def rename(font, family):
    """Names a subset after the game, not after the original: both fonts' licence (the SIL Open
    Font License) reserves their names ("Liberation", "Lobster Two") for unmodified fonts, and
    a subset is modified. Copyright, licence and trademark notices stay."""
    name = font["name"]
    style = name.getDebugName(2) or "Regular"
    plain = " ".join(w.capitalize() for w in family.split("-") if w not in ("regular", "bold", "italic"))
    new = {1: plain, 3: f"{plain} {style}; subset for RUVANTIA", 4: f"{plain} {style}",
           6: f"{plain.replace(' ', '')}-{style.replace(' ', '')}"}
    name.names = [r for r in name.names if r.nameID not in (16, 17, 18, 21, 22, 25)]
    for record in name.names:
        if record.nameID in new:
            record.string = new[record.nameID]
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [new[6]]
        top = cff.topDictIndex[0]
        for key, value in (("FamilyName", plain), ("FullName", new[4])):
            if hasattr(top, key):
                setattr(top, key, value)


def write_subset(path, woff2, code_points, family):
    options = subset.Options()
    options.flavor = "woff2"
    # The desktop draws the glyphs of the code points one by one with the 'kern' table's pairs
    # alone: no ligatures or alternates, which would only draw differently (and weigh).
    options.layout_features = ["kern"]
    options.legacy_kern = True
    options.name_IDs = ["*"]  # keep the copyright and licence notices
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = False  # the browser draws at any size; the desktop's hinting is FreeType's
    options.desubroutinize = True
    font = subset.load_font(path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=code_points)
    subsetter.subset(font)
    rename(font, family)
    subset.save_font(font, woff2, options)


def c_array(kind, name, values, per_line=16):
    if not values:
        return f"constexpr {kind} {name}[1] = {{}};\n"
    body = ",\n".join(
        "    " + ", ".join(str(v) for v in values[i : i + per_line]) for i in range(0, len(values), per_line)
    )
    return f"constexpr {kind} {name}[] = {{\n{body},\n}};\n"


def generate(tables):
    out = [
        "// Generated by tools/web_fonts.py: do not edit. The measures of the browser's fonts in font\n"
        "// units, as FreeType reads them, for toolkit/web/font_table.cpp.\n",
        '#include "toolkit/web/font_table.h"\n\n',
        "namespace tk::font_data {\n\nnamespace {\n\n",
    ]
    faces = []
    for i, (name, family, file, t) in enumerate(tables):
        glyphs = t["glyphs"] + [(None,) + t["notdef"]]  # the last one is .notdef
        n = len(t["glyphs"])
        part_starts, parts = [0], []
        for _, _, glyph_parts in glyphs:
            for part in glyph_parts:
                parts += part
            part_starts.append(len(parts) // 3)
        # Kerning as rows: for each left code point, its right ones and the values.
        kern_starts, rights, values = [0], [], []
        for left in range(n):
            row = sorted((r, v) for (l, r), v in t["kern"].items() if l == left)
            rights += [r for r, _ in row]
            values += [v for _, v in row]
            kern_starts.append(len(rights))
        mapped = [v for r in t["ranges"] for v in r]
        assert n < 0x10000 and len(rights) < 0x10000 and len(parts) < 0x30000
        assert all(-0x8000 <= v < 0x8000 for v in parts + values)
        p = f"k{i}"
        arrays = [
            ("char16_t", "CodePoints", [g[0] for g in t["glyphs"]]),
            ("std::uint16_t", "Advances", [g[1] for g in glyphs]),
            ("std::uint16_t", "PartStarts", part_starts),
            ("std::int16_t", "Parts", parts),
            ("std::uint16_t", "KernStarts", kern_starts),
            ("std::uint16_t", "KernRights", rights),
            ("std::int16_t", "KernValues", values),
            ("char16_t", "Mapped", mapped),
        ]
        out.append(f"// {os.path.basename(file)}\n")
        spans = []
        for kind, suffix, data in arrays:
            out.append(c_array(kind, p + suffix, data))
            spans.append(f"{{{p}{suffix}, {len(data)}}}")
        out.append("\n")
        asc, desc, height = t["vertical"]
        faces.append(
            f'    {{"{name}", "{family}", "{name}.woff2", "{file}", {t["upem"]}, {asc}, {desc}, {height}, '
            f'{"true" if t["cff"] else "false"}, {t["fallback"]},\n        '
            + ",\n        ".join(spans)
            + "},\n"
        )
    out.append("} // namespace\n\n")
    out.append(f"extern const FaceData kFaces[] = {{\n" + "".join(faces) + "};\n")
    out.append(f"extern const int kFaceCount = {len(tables)};\n\n")
    out.append("} // namespace tk::font_data\n")
    return "".join(out)


def main(argv):
    logging.getLogger("fontTools.subset").setLevel(logging.ERROR)  # tables it drops, as it should
    if len(argv) < 3:
        sys.exit("usage: web_fonts.py OUT_DIR GENERATED_CPP TEXT_FILE...")
    out_dir, generated, text_files = argv[1], argv[2], argv[3:]
    wanted = wanted_code_points(text_files)
    os.makedirs(out_dir, exist_ok=True)
    os.makedirs(os.path.dirname(os.path.abspath(generated)), exist_ok=True)
    tables = []
    for name, family, file in FACES:
        t = face_tables(file, wanted)
        tables.append((name, family, file, t))
        write_subset(file, os.path.join(out_dir, name + ".woff2"), [g[0] for g in t["glyphs"]], family)
    with open(generated, "w", encoding="utf-8") as f:
        f.write(generate(tables))


if __name__ == "__main__":
    main(sys.argv)
