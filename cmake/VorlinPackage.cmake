# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by `cpack -G DEB` in a build folder (scripts/package does it): what
# `cmake --install` writes, under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlin)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Vorlin developers")
set(CPACK_PACKAGE_CONTACT "${VORLIN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn an address book into one static HTML page")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Vorlin makes one self-contained web page of the contacts in an address book:
a letter index at the top and one card per contact, with picture, name, job,
phones, e-mail addresses, web pages, dates, related names, messaging handles,
postal addresses and note.
.
In its window you choose the groups, which kinds of data appear, in which
order and through which link scheme, and edit the page's style sheet while a
live preview follows. The command vorlin-export writes the same page from a
terminal or a script.
.
Vorlin reads a vCard file (versions 2.1, 3.0 and 4.0), a folder of them as
contact synchronisation tools write it, or the desktop's address books, those
of GNOME Contacts and Evolution, kept by evolution-data-server. It never
changes them.]=])
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)

# Under /usr, installed with DESTDIR, so the menu entry names /usr/bin/vorlin rather than
# the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# The libraries the programs link come from dpkg-shlibdeps; the web engine's entry there names
# its helper process too, and the engine itself depends on its resources. What they load at
# run time no link shows: the image plugins (TIFF, WebP; SVG for the icon).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, libqt6svg6")
# The desktop's address books ("eds:") need their server. Nothing opens them unless asked,
# and on a desktop without it the server pulls in a hundred more packages, so it is only
# suggested; its client library is linked, so shlibdeps finds that.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "evolution-data-server")
# Qt's own texts (standard buttons, the file dialog) in the window's language; without them
# those few stay English and the rest of the window is still translated.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
