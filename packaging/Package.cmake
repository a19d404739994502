# The Debian package, made by "cpack -G DEB" in the build folder (./setup.sh package).
# It installs into /usr and takes the ephemeris files, Qt's platform plugins and the fonts
# from Debian's packages; the shared libraries' packages are found by dpkg-shlibdeps, and
# Qt's SVG and print support, which the pictures need, are named as well.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zodarc)
set(CPACK_PACKAGE_VENDOR Quillfen)
set(CPACK_PACKAGE_CONTACT "Quillfen <zodarc@quillfen.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.quillfen.com/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "astrology calculator for transits, natal aspects and synastry")
set(CPACK_PACKAGE_DESCRIPTION
    "Zodarc computes the positions of the Sun, the Moon and the planets Mercury
to Pluto for any date from the year 1 to 2799 and the aspects between them
within orbs of the user's choice, and shows them as an aspect table, a report
and a chart wheel, in English or German. It works in six modes: world
transits, natal aspects of either of two birthdates, personal transits and
synastry. It names aspect patterns and midpoints, finds when aspects begin and
end, and steps the date until a chosen pattern forms.
The command zodarc-cli gives positions, aspect tables and reports in a shell.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, libqt6printsupport6, swe-basic-data, swe-standard-data, fonts-dejavu-core, fonts-liberation, libgeonames0, libgeonames-common, libdate-tz3, tzdata")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

# The manual pages name the installed folders, so the build must be made for /usr.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageCheck.cmake)

include(CPack)
