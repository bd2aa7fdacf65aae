# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `make package` builds it in its own tree with the distribution's hardening
# flags and makes wks-config_<version>_amd64.deb with cpack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wks-config)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Prepare the settings file of a GSM/MMS trail camera")
# The extended description, in lines of under 80 characters; an empty line separates
# paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [[
GSM/MMS trail cameras take their settings from a text file on their SD card.
WKS CONFIG prepares that file on a PC: pick the camera model, choose
the country and mobile operator whose network parameters the camera needs,
enter the phone numbers and e-mail addresses that receive the pictures, edit
the shooting parameters, and save.

Saving writes the file into the card's GSM folder, keeps a backup on the
computer, removes stale copies from other drives and, for the models with
a game call, converts an audio file with ffmpeg into the WAV format the camera
plays.

The command wks-settings does the same without a window, for scripts and for
setting up many cards.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The WKS CONFIG developers <maintainers@wksconfig.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://wksconfig.org/")
# The libraries come from what the programs link; the converter is run as a program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcurl is loaded only when an e-mail test runs, so the dependency list does not find it; the
# test asks it for CURLOPT_QUICK_EXIT, which came with 7.87.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4 (>= 7.87)")
# ffmpeg converts the game call, which four of the six models never play; without it a
# conversion fails saying that ffmpeg is not installed. Without qt6-wayland Qt falls back to X11
# (XWayland) on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "ffmpeg, qt6-wayland")
include(CPack)
