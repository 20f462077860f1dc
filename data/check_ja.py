#!/usr/bin/env python3
"""Check the Japanese definition text table against the English one.

Usage: python3 data/check_ja.py [gtex_en.txt [gtex_ja.txt]]
(by default the two files next to this script).

Checks:
  * the keys of the two lists are in the same order and differ by exactly the three
    GI_Sheet_Sel_Common_Monitor_ entries (Style, BasicCell, Cells), which the Japanese list
    leaves out; End_Of_Ovl is the last key of both;
  * every Japanese line encodes in cp932 (Shift-JIS) and is at most 80 bytes long there;
    a line may be longer only where its English counterpart is already longer than 80 bytes
    (long cell rows, command syntax);
  * every value has the same number of lines as in English, except the free-text values
    listed in FREE_TEXT, whose lines may be wrapped differently;
  * constants, language-indexed values, cell models and basic cells are byte-identical;
  * in every cell line (sheet cells, bodies of menus, toolbars and the tree, sheet styles)
    everything that is not visible text is identical to the English line: the cells and their
    "|" separators, every {...} attribute block (with its (%...) links, groups and flags), the
    depth prefix of body lines, separators ("-", "/"), escapes such as "\\_" and "\\(...)",
    the directive lines; in style lines everything but the TitleString text;
  * format directives (%d, %s, %4d, %03d, ...) are the same in each line, and plain text
    lines keep their "|" and TAB characters.
Warnings (not failures): a different number of "\\n" line breaks in a cell text, a menu
accelerator that is not written "(&X)" after a Japanese caption.

Exit status 0 when every check passes, 1 otherwise.
"""
import os
import re
import sys

LIMIT = 80
DROPPED = [
    "GI_Sheet_Sel_Common_Monitor_Style",
    "GI_Sheet_Sel_Common_Monitor_BasicCell",
    "GI_Sheet_Sel_Common_Monitor_Cells",
]
# Values read as one multi-line text, whose line breaks carry no meaning.
FREE_TEXT = {
    "GI_App_InitialSetup_Memo_Caption",
    "GI_Cli_Usage",
    "GI_Sim_Usage",
}
# Values that are the same in both languages.
IDENTICAL = {
    "GI_Sys_AppRev",
    "GI_Sys_AppYear",
    "GI_Sys_AppTitle",
    "GI_Sys_AppTitleRev",
    "GI_Sys_Maker",
    "GI_Sys_MyHelpFile",
    "GI_Sys_UsableBank",
    "GI_Sys_TreeChangeDelay",
    "GI_Sys_Printer_FontPoints",
    "GI_Sys_Printer_Margins",
    "GI_Sys_Printer_FrameFont",
    "GI_Sys_HtmlHelp_Popup_Width",
    "GI_Sys_HtmlHelp_Popup_Height",
    "GI_App_InitialFile",
    "GI_AppInd_Model",
    "GI_AppInd_Status_Port",
    "GI_AppInd_Port_Caption",
    "GI_App_InitialSetup_Port",
    "GI_AppInd_Clone_Time",
    "GI_AppInd_Clone_Revision",
    "GI_WarningCheckList",
    "GI_CellWidthRegList",
    "GI_Form_Main_BasicCell",
}
# Values whose line 0 is a constant (default file extensions).
IDENTICAL_LINE0 = {"GI_Sys_Dialog_FOpen", "GI_Sys_Dialog_FExport"}

FORMAT = re.compile(r"%[-+ 0#]*\d*(?:\.\d+)?[sdiuxXc]")


def read_list(path):
    with open(path, "rb") as f:
        data = f.read()
    text = data.decode("utf-8")
    if "\r" in text:
        raise ValueError(f"{path}: carriage return found; use LF line ends")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    entries, order = {}, []
    key = None
    for number, line in enumerate(lines, 1):
        if line.startswith("#") and len(line) > 1:
            key = line[1:]
            if key in entries:
                raise ValueError(f"{path}:{number}: key {key} occurs twice")
            entries[key] = []
            order.append(key)
        elif key is None:
            raise ValueError(f"{path}:{number}: line before the first key")
        else:
            entries[key].append((number, line))
    return order, entries


def is_cell_key(key):
    return key.endswith(("_Cells", "_Body", "_Style", "_BasicCell")) or key.startswith("CellModel_")


def split_cells(line):
    """Split at unescaped '|' (a backslash protects the next character)."""
    cells, current, i = [], "", 0
    while i < len(line):
        c = line[i]
        if c == "\\" and i + 1 < len(line):
            current += line[i : i + 2]
            i += 2
            continue
        if c == "|":
            cells.append(current)
            current = ""
        else:
            current += c
        i += 1
    cells.append(current)
    return cells


def escapes(text):
    """Escapes of a text part except line breaks; \\( ... ) expressions whole."""
    found, breaks, i = [], 0, 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            if nxt in "nN":
                breaks += 1
                i += 2
                continue
            if nxt == "(":
                end = text.find(")", i)
                end = len(text) if end < 0 else end + 1
                found.append(text[i:end])
                i = end
                continue
            found.append(text[i : i + 2])
            i += 2
            continue
        i += 1
    return found, breaks


SELECTION_VALUE = re.compile(r"(\(%Flex0\[\d+\]:)[^)]*\)")


def same_blocks(key, ja_blocks, en_blocks):
    """Attribute blocks match; a selection entry's value, which its cell shows, may be translated."""
    if key.startswith("GI_Sheet_Sel_") and key.endswith("_Cells"):
        unvalued = lambda blocks: [SELECTION_VALUE.sub(r"\1)", b) for b in blocks]
        return unvalued(ja_blocks) == unvalued(en_blocks)
    return ja_blocks == en_blocks


def cell_skeleton(cell, body):
    """(structure, visible text, line breaks) of one cell."""
    blocks = re.findall(r"\{[^}]*\}", cell)
    text = re.sub(r"\{[^}]*\}", "\x00", cell)
    prefix = ""
    if body:
        m = re.match(r"^([ \t]*\+)", text)
        if m:
            prefix = m.group(1)
            text = text[m.end() :]
    visible = text.replace("\x00", "").strip(" \t")
    esc, breaks = escapes(visible)
    kind = "empty" if visible == "" else ("fixed:" + visible if visible in ("-", "/") else "text")
    if visible.startswith(":("):
        kind = "fixed:" + visible
    # Where the text stands among the attribute blocks: B = block, T = text.
    layout = "".join(
        "B" if piece.startswith("{") else ("T" if piece.strip(" \t") else "")
        for piece in re.split(r"(\{[^}]*\})", cell[len(prefix):] if body else cell)
    )
    structure = (prefix, tuple(blocks), kind, tuple(esc), tuple(FORMAT.findall(visible)))
    return structure, visible, breaks, layout


def style_skeleton(line):
    return re.sub(r"\(TitleString=[^)]*\)", "(TitleString=)", line)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    en_path = argv[1] if len(argv) > 1 else os.path.join(here, "gtex_en.txt")
    ja_path = argv[2] if len(argv) > 2 else os.path.join(here, "gtex_ja.txt")
    errors, warnings, notes = [], [], []

    def err(number, message):
        errors.append(f"{os.path.basename(ja_path)}:{number}: {message}")

    try:
        en_order, en = read_list(en_path)
        ja_order, ja = read_list(ja_path)
    except (ValueError, UnicodeDecodeError, OSError) as problem:
        print(f"FAIL: {problem}")
        return 1

    # 1. keys
    expected = [k for k in en_order if k not in DROPPED]
    missing_drops = [k for k in DROPPED if k not in en_order]
    if missing_drops:
        errors.append("English list lacks " + ", ".join(missing_drops))
    if ja_order != expected:
        only_en = [k for k in expected if k not in ja]
        only_ja = [k for k in ja_order if k not in en]
        if only_en:
            errors.append("keys missing in Japanese: " + ", ".join(only_en))
        if only_ja:
            errors.append("keys not in English: " + ", ".join(only_ja))
        extra = [k for k in DROPPED if k in ja]
        if extra:
            errors.append("keys that the Japanese list must leave out: " + ", ".join(extra))
        if not (only_en or only_ja or extra):
            for position, (a, b) in enumerate(zip(expected, ja_order)):
                if a != b:
                    errors.append(f"key order differs at key {position + 1}: {b} where English has {a}")
                    break
    for order, name in ((en_order, "English"), (ja_order, "Japanese")):
        if not order or order[-1] != "End_Of_Ovl":
            errors.append(f"{name} list does not end with End_Of_Ovl")
    if ja.get("End_Of_Ovl"):
        err(ja["End_Of_Ovl"][0][0], "lines after End_Of_Ovl")

    long_kept = 0
    backslash_second = 0
    for key in ja_order:
        ja_lines = ja[key]
        # 2. encoding and length
        en_lines = en.get(key, [])
        for index, (number, line) in enumerate(ja_lines):
            try:
                raw = line.encode("cp932")
            except UnicodeEncodeError as problem:
                bad = line[problem.start : problem.end]
                err(number, f"character {bad!r} (U+{ord(bad[0]):04X}) is not in Shift-JIS (cp932)")
                continue
            back = raw.decode("cp932")
            if back != line:
                bad = [(a, b) for a, b in zip(line, back) if a != b][0]
                err(number, f"character {bad[0]!r} (U+{ord(bad[0]):04X}) comes back from Shift-JIS (cp932) "
                    f"as {bad[1]!r} (U+{ord(bad[1]):04X}); write {bad[1]!r}")
            backslash_second += sum(
                1 for ch in line if len(ch.encode("cp932")) == 2 and ch.encode("cp932")[1] in (0x5C, 0x7C)
            )
            if len(raw) > LIMIT:
                if key in FREE_TEXT:
                    allowed = any(line == e for _, e in en_lines)
                else:
                    allowed = index < len(en_lines) and len(en_lines[index][1].encode("cp932", "replace")) > LIMIT
                if allowed:
                    long_kept += 1
                else:
                    err(number, f"line is {len(raw)} bytes in Shift-JIS (at most {LIMIT})")
        if key not in en:
            continue

        # 3. line structure
        if key in FREE_TEXT:
            en_formats = [f for _, l in en_lines for f in FORMAT.findall(l)]
            ja_formats = [f for _, l in ja_lines for f in FORMAT.findall(l)]
            if sorted(en_formats) != sorted(ja_formats):
                err(ja_lines[0][0] if ja_lines else 0, f"{key}: format directives {ja_formats} differ from {en_formats}")
            if (not ja_lines or ja_lines[-1][1] != "#") != (not en_lines or en_lines[-1][1] != "#"):
                err(ja_lines[0][0] if ja_lines else 0, f"{key}: terminating '#' line differs")
            continue
        if len(ja_lines) != len(en_lines):
            number = ja_lines[0][0] if ja_lines else 0
            err(number, f"{key}: {len(ja_lines)} lines where English has {len(en_lines)}")
            continue

        identical = key in IDENTICAL or key.startswith("CellModel_") or key.endswith("_BasicCell")
        for index, ((number, line), (_, eline)) in enumerate(zip(ja_lines, en_lines)):
            if identical or (key in IDENTICAL_LINE0 and index == 0):
                if line != eline:
                    err(number, f"{key}: line {index} must stay as in English: {eline!r}")
                continue
            if (line == "#") != (eline == "#"):
                err(number, f"{key}: line {index}: '#' terminator differs")
                continue
            if key.endswith("_Style"):
                if style_skeleton(line) != style_skeleton(eline):
                    err(number, f"{key}: style differs from English apart from the title text")
                continue
            if is_cell_key(key):
                body = key.endswith("_Body") and not key.startswith("GI_ToolBar_")
                ja_cells, en_cells = split_cells(line), split_cells(eline)
                if len(ja_cells) != len(en_cells):
                    err(number, f"{key}: {len(ja_cells)} cells where English has {len(en_cells)}")
                    continue
                for position, (jc, ec) in enumerate(zip(ja_cells, en_cells)):
                    js, jv, jb, jl = cell_skeleton(jc, body)
                    es, ev, eb, el = cell_skeleton(ec, body)
                    where = f"{key}: cell {position + 1}"
                    if js[0] != es[0]:
                        err(number, f"{where}: depth prefix {js[0]!r} differs from {es[0]!r}")
                    if not same_blocks(key, js[1], es[1]):
                        err(number, f"{where}: attribute blocks differ from English {list(es[1])}")
                    if js[2] != es[2]:
                        err(number, f"{where}: text {jv!r} where English has {ev!r}")
                    if js[3] != es[3]:
                        err(number, f"{where}: escapes {list(js[3])} differ from {list(es[3])}")
                    if js[4] != es[4]:
                        err(number, f"{where}: format directives {list(js[4])} differ from {list(es[4])}")
                    if jl != el:
                        err(number, f"{where}: text stands elsewhere among the attribute blocks")
                    if jb != eb:
                        warnings.append(f"{os.path.basename(ja_path)}:{number}: {where}: {jb} line breaks, English {eb}")
                    if body and "&" in ev and re.search(r"[^\x00-\x7f]", jv) and not re.search(r"\(&[^&]\)", jv):
                        warnings.append(f"{os.path.basename(ja_path)}:{number}: {where}: accelerator not written (&X)")
                    if body and ev.count("&") != jv.count("&"):
                        err(number, f"{where}: accelerator '&' count differs")
                continue
            # plain text line
            if FORMAT.findall(line) != FORMAT.findall(eline):
                err(number, f"{key}: format directives {FORMAT.findall(line)} differ from {FORMAT.findall(eline)}")
            for ch, name in (("|", "'|'"), ("\t", "TAB")):
                if line.count(ch) != eline.count(ch):
                    err(number, f"{key}: {name} count differs from English")

    for w in warnings:
        print("warning:", w)
    for e in errors:
        print("error:", e)
    en_keys = len(en_order) - 1
    ja_keys = len(ja_order) - 1
    print(
        f"English: {en_keys} keys and End_Of_Ovl; Japanese: {ja_keys} keys and End_Of_Ovl; "
        f"{long_kept} long line(s) kept from fixed English structure; "
        f"{backslash_second} double-byte character(s) with 0x5C or 0x7C as second byte"
    )
    if errors:
        print(f"FAIL: {len(errors)} error(s), {len(warnings)} warning(s)")
        return 1
    print(f"OK: {len(warnings)} warning(s)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
