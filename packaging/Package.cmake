# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package of what `cmake --install` installs, made by `cpack` in
# the build folder (scripts/package-deb.sh): mireva_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mireva)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Mireva")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "printable sheets of mental-arithmetic questions")
set(CPACK_PACKAGE_DESCRIPTION "Mireva makes drill sheets of mental-arithmetic questions for kindergarten and
primary-school teachers: add/subtract chains, multiplication, division and
more, by school stage. Each sheet goes to the default printer and/or to a
file that a spreadsheet program opens, with or without the answers.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Mireva maintainers <maintainers@mireva.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://mireva.org/")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The libraries the program links come from dpkg-shlibdeps; the fonts and
# Qt's Chinese texts are loaded at run time, so they are named here: the
# windows' and sheets' Chinese text needs CJK fonts (AR PL UMing lines up the
# sheet's columns), and Qt's own dialog texts come from its translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, fonts-arphic-uming, qt6-translations-l10n")
include(CPack)
