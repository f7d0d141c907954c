# Where `cmake --install` puts the program's files, and the same places seen
# from bin/, compiled into the program (InstallLayout) so that an installation
# into any prefix, or into a DESTDIR staging tree, finds its own files.
include(GNUInstallDirs)

set(ORVANTA_APP_ID "org.orvanta.orvanta" CACHE STRING
    "Desktop and AppStream id (names the .desktop, metainfo and icon files)")
set(ORVANTA_INSTALL_HELPERDIR "${CMAKE_INSTALL_LIBEXECDIR}/orvanta")
set(ORVANTA_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/orvanta")
# The system default settings, in the XDG configuration search path: /etc/xdg
# for the /usr prefix, <prefix>/etc/xdg otherwise.
set(ORVANTA_INSTALL_FULL_SYSCONFIGDIR "${CMAKE_INSTALL_FULL_SYSCONFDIR}/xdg/Orvanta")
string(FIND "${CMAKE_INSTALL_FULL_SYSCONFDIR}/" "${CMAKE_INSTALL_PREFIX}/" sysconf_in_prefix)
if(sysconf_in_prefix EQUAL 0)
  set(ORVANTA_INSTALL_SYSCONFIGDIR "${CMAKE_INSTALL_SYSCONFDIR}/xdg/Orvanta")
else()
  set(ORVANTA_INSTALL_SYSCONFIGDIR "${ORVANTA_INSTALL_FULL_SYSCONFIGDIR}")
endif()

file(RELATIVE_PATH ORVANTA_DATA_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${ORVANTA_INSTALL_DATADIR}")
file(RELATIVE_PATH ORVANTA_HELPER_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${ORVANTA_INSTALL_HELPERDIR}")
file(RELATIVE_PATH ORVANTA_SYSCONFIG_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
     "${ORVANTA_INSTALL_FULL_SYSCONFIGDIR}")
