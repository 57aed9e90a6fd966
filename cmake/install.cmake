# Installation like any desktop program and the Debian package:
#   cmake --install build --prefix /usr/local
#   (cd build && cpack -G DEB)
# Program and command-line tool go to bin/, the data files (lining libraries, help documents) to
# share/phonikon/, where the program looks for them beside its own folder, the desktop entry and
# the icon to the places the desktop menus read.
include(GNUInstallDirs)

foreach(programm phonikon phonikon-cli phonikon-pdf)
  if(TARGET ${programm})
    install(TARGETS ${programm} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The lining libraries are installed by their own folder (lining/).
if(TARGET dokumente)
  install(FILES ${CMAKE_BINARY_DIR}/data/Handbuch.pdf ${CMAKE_BINARY_DIR}/data/Berechnungsgrundlagen.pdf
          DESTINATION ${CMAKE_INSTALL_DATADIR}/phonikon)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/phonikon.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/phonikon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME phonikon)
set(CPACK_PACKAGE_VENDOR "Phonikon-Projekt")
set(CPACK_PACKAGE_CONTACT "Phonikon-Projekt <phonikon@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rechenprogramm für den baulichen Schallschutz")
set(CPACK_PACKAGE_DESCRIPTION
    "Phonikon berechnet die Luftschalldämmung zwischen zwei benachbarten Räumen nach dem\
 vereinfachten Modell der DIN EN 12354-1 (R'w und DnT,w).")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/phonikon")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system plugin is loaded at run time, so the library scan does not see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n, xdg-utils")
include(CPack)
