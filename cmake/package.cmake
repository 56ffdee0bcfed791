# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack (scripts/package): everything install() puts under the prefix, /usr there.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME larkspan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Larkspan developers <larkspan@larkspan.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wizard that makes a web page without HTML knowledge")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://larkspan.example/)
# The extended description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Larkspan builds a web page for you without your having to know HTML. A
short wizard asks about the page one step at a time: its layout, title and
heading, its colours and background, a picture, the text, a bulleted list
and links to other pages. It saves the page as one HTML 3.2 file.")
# The libraries come from the binary. What it needs besides and a minimal system lacks: the fonts of the page text
# and the source browser, a proportional font for the window (without one fontconfig falls back on Liberation
# Mono for every label and button), Qt's Wayland platform for today's desktops, and Qt's reader of WebP pictures,
# which Qt loads as a plug-in and so no library dependency names, and Qt's own translations of its dialogs' words.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-dejavu-core, qt6-wayland, qt6-image-formats-plugins, qt6-translations-l10n")

# Debian keeps manual pages and the changelog compressed; the plain install does not.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/debian-docs.cmake)

include(CPack)
