# The Debian package: cpack -G DEB in the build folder.
include(GNUInstallDirs)
install(TARGETS zevazerazu zevazerazu-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(CPACK_PACKAGE_NAME zevazerazu)
set(CPACK_PACKAGE_VENDOR "Zevazerazu developers")
set(CPACK_PACKAGE_CONTACT "Zevazerazu developers <zevazerazu@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configurator for a Modbus TCP to Modbus RTU protocol converter")
set(CPACK_PACKAGE_DESCRIPTION
    "Creates and edits configurations of a converter that joins a Modbus TCP network to a serial Modbus RTU bus: Ethernet and serial parameters, translate table and enabled function codes. It composes the configuration image and starts the updater that writes it to the device. zevazerazu-cli composes, decodes and checks images and language files from a terminal.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zevazerazu)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as a plugin, so dpkg-shlibdeps cannot see it: the SVG icon engine that draws the icons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
include(CPack)
