# The Debian package: `cmake --build BUILD --target package` (or ./package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kwitarnia)
set(CPACK_PACKAGE_VENDOR "Kwitarnia")
set(CPACK_PACKAGE_CONTACT "Kwitarnia <kontakt@kwitarnia.pl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Polish bills (rachunek) for a small business")
set(CPACK_PACKAGE_DESCRIPTION
  "Kwitarnia issues, stores, corrects and prints Polish bills: gross prices only,\n\
the amount in words, corrective bills with their own numbering, templates and a\n\
yearly summary. It reads and writes the data files of its office suite.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A package ships its programs without their symbol tables.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kwitarnia.pl/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Used at run time but not linked, so dpkg-shlibdeps cannot find them: Qt's own
# texts in Polish, the fonts the window and the printout are designed with,
# xdg-open, and Qt's SVG plugin that draws the application icon.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation, fonts-wine, xdg-utils, libqt6svg6")
# Qt's Wayland platform; without it Qt runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
