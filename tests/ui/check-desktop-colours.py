#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window under a light and a dark desktop theme: Vorlin runs in a virtual X display
# with the GTK platform theme (Adwaita, then Adwaita:dark), saves a picture of itself once the
# preview is shown, and the picture is read back. On the dark desktop the settings panel and
# the preview (the page's dark variant) are dark; on the light one both are light.
#   check-desktop-colours.py VORLIN ADDRESS_BOOK
import collections
import os
import subprocess
import sys
import tempfile

from PIL import Image

THEMES = [("light", "Adwaita", False), ("dark", "Adwaita:dark", True)]


def luminance(rgb):
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = rgb[:3]
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def background(image, box):
    """The most common colour of a region: what the region is painted on."""
    return collections.Counter(image.crop(box).getdata()).most_common(1)[0][0]


def screenshot(vorlin, book, theme, folder):
    picture = os.path.join(folder, f"window-{theme}.png")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_QPA_PLATFORMTHEME="gtk3",
               GTK_THEME=theme, XDG_CONFIG_HOME=os.path.join(folder, "config-" + theme))
    env.pop("QTWEBENGINE_CHROMIUM_FLAGS", None)
    run = subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1400x900x24", vorlin,
                          "--address-book", book, "--screenshot", picture],
                         env=env, timeout=240, capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"Vorlin failed under {theme} (status {run.returncode}):\n{run.stderr}")
    return Image.open(picture).convert("RGB")


def main():
    vorlin, book = sys.argv[1:3]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for name, theme, dark in THEMES:
            image = screenshot(vorlin, book, theme, folder)
            width, height = image.size
            # The panel fills the left third; the preview the top of the rest.
            regions = {"settings panel": (0, 30, width // 4, height - 40),
                       "preview": (width // 2, 40, width - 40, height // 2)}
            for region, box in regions.items():
                colour = background(image, box)
                shade = luminance(colour)
                print(f"{name}: {region} painted on {colour}, luminance {shade:.3f}")
                if (shade < 0.2) != dark:
                    failures.append(f"{name} desktop: the {region} is "
                                    f"{'light' if shade >= 0.2 else 'dark'} ({colour})")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
