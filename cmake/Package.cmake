# The Debian package (make deb): CPack packs what `cmake --install` puts in place, under /usr.
set(CPACK_GENERATOR DEB)
# Packing takes what was built and never starts a build of everything (make deb builds first), so the
# package test costs seconds, not a rebuild.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
set(CPACK_PACKAGE_NAME regatix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Regatix")
set(CPACK_PACKAGE_CONTACT "Regatix developers <regatix@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Replay GPS-tracked yacht races on a chart")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Regatix replays a race sailed with a GPS logger on every boat on a chart, animated in time, with\n"
  "graphs, a leg-by-leg performance report and KML export; English and Japanese. A sample regatta is\n"
  "included. regatix-batch writes the same outputs without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
# The installed programs need no debugging information; stripping makes the package a fraction of the size.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies come from the shared libraries the programs link (dpkg-shlibdeps); the Japanese texts need
# a font that has their characters.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)
