#!/usr/bin/env python3
"""Fails when a catalogue in translations/ lags the sources: a text of the sources missing from
it, an entry left unfinished or empty, or one the sources no longer have.

check_ts.py LUPDATE SOURCE_DIR: runs lupdate over the GUI's sources into a copy of each
catalogue (the catalogues themselves are never touched) and reads the copy."""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SOURCES = ["src/ui", "src/app/gui", "src/io/gui"]


def problems(ts):
    found = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("unfinished", "obsolete", "vanished"):
                found.append(f"{kind}: {name}: {source!r}")
            elif not (translation.text or "").strip() and translation.find("numerusform") is None:
                found.append(f"empty: {name}: {source!r}")
    return found


def main():
    lupdate, root = sys.argv[1], pathlib.Path(sys.argv[2])
    catalogues = sorted((root / "translations").glob("*.ts"))
    if not catalogues:
        print("no catalogues in translations/")
        return 1
    failed = False
    with tempfile.TemporaryDirectory() as tmp:
        for ts in catalogues:
            copy = pathlib.Path(tmp) / ts.name
            shutil.copyfile(ts, copy)
            # Without -no-obsolete: a text gone from the sources shows as obsolete or vanished.
            # With the include folder, as the build runs it: lupdate then knows the namespace of
            # each class, which is part of the context tr() looks its texts up under.
            run = subprocess.run([lupdate, "-locations", "none", "-I", str(root / "src"),
                                  *[str(root / s) for s in SOURCES], "-ts", str(copy)],
                                 capture_output=True, text=True)
            if run.returncode != 0:
                print(run.stdout + run.stderr)
                return 1
            for p in problems(copy):
                print(f"{ts.name}: {p}")
                failed = True
    if failed:
        print("run `make translations` and translate what it brings in")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
