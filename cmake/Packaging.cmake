# The Debian package, built by cpack (scripts/package.sh runs it from a build
# configured for the /usr prefix): orvanta_<version>_<arch>.deb with its
# library dependencies computed from the binaries (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Orvanta developers")
set(CPACK_PACKAGE_CONTACT "Orvanta developers <orvanta@example.org>" CACHE STRING "The package's maintainer")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture viewer and slideshow program")
# The extended description, in lines short enough for Debian; cpack puts the
# summary above it as the synopsis.
set(CPACK_PACKAGE_DESCRIPTION "Orvanta keeps a list of pictures, shows them one at a time (true size,
fitted, stretched or zoomed) and plays them as a slideshow. Picture lists are
saved to list files and opened again. It reads bmp, dib, ico, cur, jpg, jpeg,
gif, wmf and emf files, and PNG, WebP, TIFF, AVIF, HEIC, JPEG XL and SVG;
animated GIF, PNG, WebP, AVIF and JPEG XL pictures play.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The metafile converter draws text with the URW fonts; WebP and TIFF are read
# through Qt's image-format plug-ins, which are loaded at run time (so no
# library dependency names them). Qt's own texts in the user's language are
# welcome but not needed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-urw-base35, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The system default settings are a configuration file the administrator may change.
if(IS_ABSOLUTE "${ORVANTA_INSTALL_SYSCONFIGDIR}")
  file(WRITE "${CMAKE_BINARY_DIR}/debian/conffiles" "${ORVANTA_INSTALL_SYSCONFIGDIR}/Orvanta.ini\n")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_BINARY_DIR}/debian/conffiles")
endif()
include(CPack)
