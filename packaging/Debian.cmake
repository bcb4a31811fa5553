# `cpack -G DEB` in the build folder makes pz417_VERSION_ARCH.deb from what Install.cmake installs.
# Its Depends are what the programs link, as dpkg-shlibdeps finds them; building a program on the
# kit also needs the development files of what the static libraries link, which it recommends.
set(CPACK_PACKAGE_NAME pz417)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "GLoBBo O' FRoSTy maintainers <maintainers@users.noreply.c-seed-beaf2f14.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "PZ417 graphics kit and GLoBBo O' FRoSTy, an ice-cream preview machine")
set(CPACK_PACKAGE_DESCRIPTION
  "PZ417 is a small graphics kit: a graphics window with a Run menu, a text console, an event\n\
loop that hands out one event per call, script recording and playback, a 24-colour table and\n\
immediate-mode drawing primitives on a 601 x 540 canvas. Programs include pz417/kit.h, define\n\
WinMain and link PZ417::desktop for desktop windows or PZ417::replay for a headless executable\n\
driven by files. GLoBBo O' FRoSTy (frosty, frosty-replay) is the program it was made for.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "g++, cmake | pkg-config, libfreetype-dev, libpng-dev, libsdl2-dev, libx11-dev")
include(CPack)
