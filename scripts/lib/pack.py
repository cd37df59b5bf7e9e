#!/usr/bin/env python3
"""Packs the release zip, and checks one.

  pack.py pack  --exe EXE --readme README --license LICENSE --version V --epoch SECONDS --out DIR
  pack.py check --zip ZIP --version V --largest-exe BYTES

The same inputs always give the same bytes: entries in a fixed order, every
entry dated from the commit (SOURCE_DATE_EPOCH), fixed attributes and
compression. Standard library only.
"""
import argparse
import hashlib
import io
import sys
import time
import zipfile

ENTRIES = ("Brimlet.exe", "README.txt", "LICENSE.txt", "SHA256SUMS.txt")
UTF8_MARK = b"\xef\xbb\xbf"


def windows_text(text):
    """UTF-8 with a byte order mark and CR LF line breaks, as Notepad shows it right."""
    return UTF8_MARK + text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def zip_name(version):
    return "Brimlet-%s-win-x64.zip" % version


def pack(args):
    with open(args.exe, "rb") as f:
        exe = f.read()
    with open(args.readme, encoding="utf-8") as f:
        readme = windows_text(f.read().replace("@VERSION@", args.version))
    with open(args.license, encoding="utf-8") as f:
        license_text = windows_text(f.read())
    contents = {"Brimlet.exe": exe, "README.txt": readme, "LICENSE.txt": license_text}
    sums = "".join("%s  %s\n" % (hashlib.sha256(data).hexdigest(), name) for name, data in contents.items())
    contents["SHA256SUMS.txt"] = sums.encode("ascii")

    # Zip times are local calendar times from 1980 on: the commit's, read as UTC.
    stamp = time.gmtime(max(int(args.epoch), 315532800))[:6]
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as archive:
        for name in ENTRIES:
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS: no Unix permissions recorded
            info.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE
            archive.writestr(info, contents[name], compresslevel=9)
    data = buffer.getvalue()
    path = "%s/%s" % (args.out, zip_name(args.version))
    with open(path, "wb") as f:
        f.write(data)
    with open("%s/SHA256SUMS" % args.out, "w", newline="\n") as f:
        f.write("%s  %s\n" % (hashlib.sha256(data).hexdigest(), zip_name(args.version)))
    print("%s: %d bytes; Brimlet.exe %d bytes" % (path, len(data), len(exe)))


def version_record(exe):
    """The FileVersion string of the executable's version resource."""
    key = "FileVersion".encode("utf-16-le") + b"\0\0"
    at = exe.find(key)
    if at < 0:
        return None
    at += len(key)
    at += at % 4  # the value is aligned to 32 bits
    end = at
    while exe[end:end + 2] != b"\0\0":
        end += 2
    return exe[at:end].decode("utf-16-le")


def check(args):
    failures = []
    with zipfile.ZipFile(args.zip) as archive:
        names = tuple(archive.namelist())
        if names != ENTRIES:
            failures.append("entries %s, not %s" % (names, ENTRIES))
        files = {name: archive.read(name) for name in names}
    exe = files.get("Brimlet.exe", b"")
    if len(exe) > args.largest_exe:
        failures.append("Brimlet.exe is %d bytes, more than %d" % (len(exe), args.largest_exe))
    if version_record(exe) != args.version:
        failures.append("version record %r, not %r" % (version_record(exe), args.version))
    for name in ("README.txt", "LICENSE.txt"):
        text = files.get(name, b"")
        if not text.startswith(UTF8_MARK) or b"\n" in text.replace(b"\r\n", b""):
            failures.append("%s is not UTF-8 with a mark and CR LF breaks" % name)
    readme = files.get("README.txt", b"").decode("utf-8", "replace")
    if "卸载" not in readme or "Uninstalling" not in readme or readme.find("卸载") > readme.find("Uninstalling"):
        failures.append("README.txt lacks its Chinese part first and its English part")
    if "Copyright (c) 2026 The Brimlet authors" not in files.get("LICENSE.txt", b"").decode("utf-8", "replace"):
        failures.append("LICENSE.txt is not the project's MIT license")
    sums = files.get("SHA256SUMS.txt", b"").decode("ascii", "replace").splitlines()
    expected = ["%s  %s" % (hashlib.sha256(files[name]).hexdigest(), name) for name in ENTRIES[:3] if name in files]
    if sums != expected:
        failures.append("SHA256SUMS.txt does not match the files")
    for failure in failures:
        print("package check: " + failure, file=sys.stderr)
    if not failures:
        print("package check: %s entries, Brimlet.exe %d bytes (at most %d), version %s"
              % (len(names), len(exe), args.largest_exe, args.version))
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser()
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("pack")
    for option in ("--exe", "--readme", "--license", "--version", "--epoch", "--out"):
        p.add_argument(option, required=True)
    c = sub.add_parser("check")
    c.add_argument("--zip", required=True)
    c.add_argument("--version", required=True)
    c.add_argument("--largest-exe", type=int, required=True)
    args = parser.parse_args()
    if args.command == "pack":
        pack(args)
        return 0
    return check(args)


if __name__ == "__main__":
    sys.exit(main())
