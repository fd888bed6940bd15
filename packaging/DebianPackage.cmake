# The Debian package oltoma_<version>_<arch>.deb, made with CPack in the
# build folder:  cd build && cpack -G DEB
# The library dependencies are computed from the binaries
# (dpkg-shlibdeps); the Qt platform plugins, which the program loads at run
# time rather than links, are named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME oltoma)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${OLTOMA_MAINTAINER}")
set(CPACK_PACKAGE_VENDOR "oltoma developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "competition office for orienteering clubs")
set(CPACK_PACKAGE_DESCRIPTION
    "oltoma keeps up to eight orienteering competitions side by side, with\n"
    "classes, participants, courses, controls and a club table, together with\n"
    "shared clubs, districts and a library of control description symbols. It\n"
    "imports controls, courses and symbols from exchange files and IOF XML 3.0\n"
    "course data, exports clubs, participants and courses, prints control\n"
    "descriptions, class lists, labels and\n"
    "Swedish giro payment slips, and backs up and rebuilds its files. Its\n"
    "interface is in Swedish.\n"
    "\n"
    "oltoma-tool maintains and inspects the data files from the command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.oltoma.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
