#!/usr/bin/python3
"""The Debian package, built with CPack from the build folder and inspected, never installed.

Checks its file name, its control data (section, dependencies computed from the libraries plus
the fonts and Qt's Wayland plugin, a summary and a long description) and that it holds
everything an installation holds, with the game under /usr/games.
Usage: package.py <build folder>
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

VERSION = "2.0.4.56"
APP_ID = "org.example.tovik"
CONTENTS = [
    "./usr/games/tovik",
    "./usr/lib/tovik/libtovikcharts.so",
    "./usr/lib/tovik/libtovikhistory.so",
    f"./usr/share/applications/{APP_ID}.desktop",
    f"./usr/share/metainfo/{APP_ID}.metainfo.xml",
    f"./usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    f"./usr/share/icons/hicolor/16x16/apps/{APP_ID}.png",
    f"./usr/share/icons/hicolor/512x512/apps/{APP_ID}.png",
    "./usr/share/man/man6/tovik.6.gz",
    "./usr/share/doc/tovik/copyright",
    "./usr/share/doc/tovik/changelog.gz",
]


def field(package, name):
    return subprocess.run(["dpkg-deb", "--field", package, name], check=True,
                          capture_output=True, text=True).stdout.rstrip("\n")


def main():
    build = os.path.abspath(sys.argv[1])
    folder = tempfile.mkdtemp(prefix="tovik-package-")
    try:
        subprocess.run(["cpack", "-G", "DEB", "-B", folder], cwd=build, check=True,
                       stdout=subprocess.DEVNULL)
        package = os.path.join(folder, f"tovik_{VERSION}_amd64.deb")
        assert os.path.isfile(package), os.listdir(folder)

        assert field(package, "Package") == "tovik"
        assert field(package, "Version") == VERSION
        assert field(package, "Architecture") == "amd64"
        assert field(package, "Section") == "games"
        depends = [re.sub(r" \(.*\)", "", item) for item in field(package, "Depends").split(", ")]
        for needed in ("fonts-wine", "qt6-wayland", "libqt6sql6-sqlite", "libqt6charts6",
                       "libqt6widgets6", "libc6"):
            assert needed in depends, f"{needed} missing from {depends}"
        summary, *long_lines = field(package, "Description").split("\n")
        assert summary and len(summary) <= 80, summary
        assert long_lines and all(len(line) <= 80 for line in long_lines), long_lines

        listing = subprocess.run(["dpkg-deb", "--contents", package], check=True,
                                 capture_output=True, text=True).stdout
        paths = {line.split()[-1] for line in listing.splitlines()}
        missing = [path for path in CONTENTS if path not in paths]
        assert not missing, f"missing from the package: {missing}"
        owners = {tuple(line.split()[1].split("/")) for line in listing.splitlines()}
        assert owners == {("root", "root")}, owners
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    print("the Debian package carries the game, its dependencies and its description: passed")


if __name__ == "__main__":
    main()
