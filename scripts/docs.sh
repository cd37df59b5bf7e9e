#!/usr/bin/env bash
# Writes what README.md and packaging/README.txt say of each setting from the
# settings table (core/SettingsTable.cpp, where each row carries its
# documentation): README's sample file and key table between its markers, and
# README.txt's key list in Chinese and in English, under their headings.
#   scripts/docs.sh           write them
#   scripts/docs.sh --check   change nothing; exit 1, naming the key, where a
#                             file differs from what the table gives
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$BRIMLET_ROOT"
ensure_packages "${BRIMLET_BUILD_PACKAGES[@]}" python3
build_preset docs >/dev/null
tool=build/docs/setting_docs
readme=$(mktemp) chinese=$(mktemp) english=$(mktemp)
trap 'rm -f "$readme" "$chinese" "$english"' EXIT
"$tool" readme >"$readme"
"$tool" chinese >"$chinese"
"$tool" english >"$english"
python3 - "${1:-}" "$readme" "$chinese" "$english" <<'PY'
import re, sys
check, readme, chinese, english = sys.argv[1] == "--check", *[open(p, encoding="utf-8").read() for p in sys.argv[2:]]
BEGIN = "<!-- settings: made by scripts/docs.sh from the settings table -->\n"
END = "<!-- end of the settings -->\n"

def key_of(line):
    found = re.match(r"\s*\|?\s*`?([A-Za-z]+)`?\s*[=|]", line)
    return found.group(1) if found else None

def differs(name, old, new):
    # The first line that differs, and the key it belongs to.
    old_lines, new_lines = old.splitlines(), new.splitlines()
    for i in range(max(len(old_lines), len(new_lines))):
        a = old_lines[i] if i < len(old_lines) else ""
        b = new_lines[i] if i < len(new_lines) else ""
        if a != b:
            key = next((k for k in (key_of(l) for l in reversed(new_lines[: i + 1])) if k), None)
            print(f"docs: {name} differs from the settings table at key {key or '?'}:\n  has:    {a}\n  table:  {b}")
            return True
    return False

failed = False
def splice(path, text, start, stop, new, encoding):
    global failed
    begin = text.index(start) + len(start)
    end = text.index(stop, begin)
    if text[begin:end] == new:
        return text
    if check:
        failed = differs(path, text[begin:end], new) or failed
        return text
    return text[:begin] + new + text[end:]

path = "README.md"
text = open(path, encoding="utf-8").read()
text_new = splice(path, text, BEGIN, END, readme, "utf-8")
if not check and text_new != text:
    open(path, "w", encoding="utf-8").write(text_new)

path = "packaging/README.txt"
raw = open(path, encoding="utf-8-sig").read()
# Each list runs to the blank line after it, its last line break included in that.
new = splice(path, raw, "未运行时手动编辑）：\n", "\n\n", chinese.rstrip("\n"), "utf-8-sig")
new = splice(path, new, "while Brimlet is not running):\n", "\n\n", english.rstrip("\n"), "utf-8-sig")
if not check and new != raw:
    open(path, "w", encoding="utf-8-sig", newline="").write(new)
if failed:
    print("docs: run scripts/docs.sh to write them from the table", file=sys.stderr)
    sys.exit(1)
print("docs: README.md and packaging/README.txt " + ("match the settings table" if check else "written from the settings table"))
PY
