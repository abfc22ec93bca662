# The Debian package: `make package` (or `cmake --build <dir> --target package`) writes
# velakor_<version>-<release>_<arch>.deb into the build folder. Its dependencies are what
# dpkg-shlibdeps finds the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velakor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Velakor developers")
set(CPACK_PACKAGE_CONTACT "Velakor maintainers <maintainers@velakor.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velakor.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vedic birth chart in the North Indian layout")
set(CPACK_PACKAGE_DESCRIPTION
"Velakor casts one person's Vedic (sidereal) birth chart, the Rashi chart, and
shows it in the North Indian layout: the sign number and the planets of every
house, the birth details, the sidereal positions of the planets, Rahu, Ketu and
the ascendant, the Moon's nakshatra with its lord and pada, the Moon sign and
the retrograde planets. It computes everything itself, with no network and no
data files.
.
A reading can be saved and opened again, exported as a text report, saved as a
JPEG picture and printed. Every chart can be kept in a searchable chart
library. The command-line tool velakor-chart computes charts from JSON lines,
and velakor-library moves reading files in and out of the library.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The JPEG library is the package's own; dpkg-shlibdeps looks for it in the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/bmp2jpeg)
# What dpkg-shlibdeps cannot see: the place atlas opens the gazetteer library when it is
# first needed, not at start-up, the zone choice reads the system's time-zone database, and
# the chart library's SQLite driver is a plug-in of Qt SQL; the Hindi and Tamil screens need
# fonts of their scripts, which Qt finds through fontconfig. Lohit's two are small, drawn for
# screen text, and shape the conjuncts and vowel signs fully; the Noto sets weigh many times
# as much for scripts the program never shows.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgeonames0, tzdata, libqt6sql6-sqlite, fonts-lohit-deva, fonts-lohit-taml")

include(CPack)
