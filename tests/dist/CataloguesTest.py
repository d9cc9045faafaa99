#!/usr/bin/env python3
"""The translations are complete and cover every text a player reads.

usage: CataloguesTest.py SOURCE_DIR

Fails when a source text marked with Tr/TrNoop/TrFill is missing from the template or a
catalogue (the quillox_pot target brings them in), when a catalogue has an untranslated or
fuzzy entry, a translation that drops or invents a %N placeholder, or no glossary, and when a
text is drawn from a literal that is not marked for translation."""
import pathlib
import re
import subprocess
import sys
import tempfile

SOURCE = pathlib.Path(sys.argv[1])
failures = []

# Calls that put a literal on screen; their first text argument must go through Tr.
DRAWING = re.compile(
    r'\b(DrawAlignedWithShadow|DrawAligned|DrawTextAt|DrawTextAligned|DrawTextShadowed|'
    r'TLabel::CreateSpecial|SetupCaption|CreateMessageDialog|CreateQuestionDialog|ShowMessage|'
    r'Heading|Small|Name)\(\s*(?:[^,()"]*,\s*)?"([^"]*[A-Za-z]{2}[^"]*)"')
# Tables whose every literal with letters is a text a player reads.
TABLE_FILES = ["src/screens/InstructionPages.cpp", "src/game/TTutorial.cpp"]
# Names, the maker's and the game's own, which stay as they are in every language.
UNTRANSLATED = {"Quillox", "Marten Quist", "Oda Lindqvist", "Piet Haverkamp", "Ilse Varga",
                "www.bexholt.example"}


def po_entries(path):
    """msgid -> (msgstr, fuzzy) of a .po file, the header left out."""
    entries, msgid, msgstr, fuzzy, target = {}, None, None, False, None
    text = path.read_text(encoding="utf-8")

    def unquote(line):
        return bytes(line[line.index('"') + 1:line.rindex('"')], "utf-8").decode("unicode_escape")

    def flush():
        if msgid:
            entries[msgid] = (msgstr or "", fuzzy)

    for line in text.splitlines() + [""]:
        if line.startswith("#~"):
            continue
        if line.startswith("#,") and "fuzzy" in line:
            flush()
            msgid, msgstr, target, fuzzy = None, None, None, True
        elif line.startswith("msgid "):
            if target == "str":
                flush()
                fuzzy = False
            msgid, msgstr, target = unquote(line), None, "id"
        elif line.startswith("msgstr "):
            msgstr, target = unquote(line), "str"
        elif line.startswith('"') and target == "id":
            msgid += unquote(line)
        elif line.startswith('"') and target == "str":
            msgstr += unquote(line)
        elif not line.strip() and target == "str":
            flush()
            msgid, msgstr, target, fuzzy = None, None, None, False
    return entries


with tempfile.TemporaryDirectory() as tmp:
    sources = sorted(str(p.relative_to(SOURCE)) for folder in ("src", "tools")
                     for p in (SOURCE / folder).rglob("*") if p.suffix in (".cpp", ".h"))
    fresh = pathlib.Path(tmp) / "fresh.pot"
    subprocess.run(["xgettext", "--language=C++", "--from-code=UTF-8", "--keyword=Tr",
                    "--keyword=TrNoop", "--keyword=TrFill:1", "-o", str(fresh)] + sources,
                   cwd=SOURCE, check=True, stderr=subprocess.DEVNULL)
    subprocess.run(["xgettext", "--join-existing", "--from-code=UTF-8", "-o", str(fresh),
                    "dist/com.bexholt.Quillox.desktop", "dist/com.bexholt.Quillox.metainfo.xml.in"],
                   cwd=SOURCE, check=True, stderr=subprocess.DEVNULL)
    marked = set(po_entries(fresh))

template = set(po_entries(SOURCE / "po" / "quillox.pot"))
for text in sorted(marked - template):
    failures.append(f"po/quillox.pot lacks {text!r}: build the quillox_pot target")

codes = [line.split()[0] for line in
         (SOURCE / "po" / "languages.txt").read_text(encoding="utf-8").splitlines()
         if line.strip() and not line.startswith("#")]
if len(codes) < 8:
    failures.append(f"only {len(codes)} languages besides English")
for code in codes:
    path = SOURCE / "po" / f"{code}.po"
    entries = po_entries(path)
    if "Glossary" not in path.read_text(encoding="utf-8").split("msgid", 1)[0]:
        failures.append(f"{path.name} has no glossary at its top")
    for text in sorted(marked - set(entries)):
        failures.append(f"{path.name} lacks {text!r}")
    for text, (translated, fuzzy) in sorted(entries.items()):
        if fuzzy:
            failures.append(f"{path.name}: fuzzy {text!r}")
        elif not translated:
            failures.append(f"{path.name}: untranslated {text!r}")
        elif sorted(re.findall(r"%\d", text)) != sorted(re.findall(r"%\d", translated)):
            failures.append(f"{path.name}: placeholders differ in {text!r}")
    stats = subprocess.run(["msgfmt", "--check", "--statistics", "-o", "/dev/null", str(path)],
                           capture_output=True, text=True)
    if stats.returncode != 0 or "untranslated" in stats.stderr or "fuzzy" in stats.stderr:
        failures.append(f"msgfmt on {path.name}: {stats.stderr.strip()}")
    print(f"{path.name}: {stats.stderr.strip()}")

for folder in ("src/screens", "src/game", "src/presentation", "src/host", "src/main.cpp"):
    root = SOURCE / folder
    for path in sorted([root] if root.is_file() else root.rglob("*.cpp")):
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            for match in DRAWING.finditer(line):
                if match.group(2) not in UNTRANSLATED:
                    failures.append(f"{path.relative_to(SOURCE)}:{number}: "
                                    f"{match.group(2)!r} is drawn without Tr")
for name in TABLE_FILES:
    path = SOURCE / name
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if line.lstrip().startswith(("#", "//")):
            continue
        for match in re.finditer(r'(TrNoop\()?"((?:[^"\\]|\\.)*)"', line):
            if not match.group(1) and re.search("[A-Za-z]", match.group(2)):
                failures.append(f"{name}:{number}: {match.group(2)!r} is not marked")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(marked)} marked texts, {len(codes)} catalogues, {len(failures)} faults")
sys.exit(1 if failures else 0)
