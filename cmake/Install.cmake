# Installing Fitzel like a native application, and the Debian package that does the same.
#
#   <prefix>/lib/fitzel/        the program's folder: the program and its data files together
#   <prefix>/bin/fitzel         a link to the program, on the path
#   <prefix>/games/fitzel       the same link, where Debian keeps games
#   <prefix>/share/applications, metainfo, icons/hicolor   the desktop's view of the game
#   <prefix>/share/man/man6/fitzel.6.gz, share/doc/fitzel/   the manual page, copyright, changelog
include(GNUInstallDirs)

set(FITZEL_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/fitzel)
if(CMAKE_INSTALL_LIBDIR MATCHES "^lib/")
    # Debian's multiarch libdir; the game's folder belongs directly under lib.
    set(FITZEL_INSTALL_DIR lib/fitzel)
endif()

install(TARGETS fitzel RUNTIME DESTINATION ${FITZEL_INSTALL_DIR})
file(GLOB FITZEL_INSTALL_DATA
    ${PROJECT_SOURCE_DIR}/data/*.dat
    ${PROJECT_SOURCE_DIR}/data/*.bmp
    ${PROJECT_SOURCE_DIR}/data/*.cfg)
install(FILES ${FITZEL_INSTALL_DATA} DESTINATION ${FITZEL_INSTALL_DIR})

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin-link)
file(CREATE_LINK ../${FITZEL_INSTALL_DIR}/fitzel ${CMAKE_BINARY_DIR}/bin-link/fitzel SYMBOLIC)
# (Not in the Debian package, which keeps games in games/ only.)
install(FILES ${CMAKE_BINARY_DIR}/bin-link/fitzel DESTINATION ${CMAKE_INSTALL_BINDIR}
    COMPONENT path)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/games-link)
file(CREATE_LINK ../${FITZEL_INSTALL_DIR}/fitzel ${CMAKE_BINARY_DIR}/games-link/fitzel SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/games-link/fitzel DESTINATION games)

# The manual page and the changelog, compressed as Debian keeps them (no name or time inside).
set(FITZEL_DOCS ${CMAKE_BINARY_DIR}/docs)
foreach(pair "man/fitzel.6;fitzel.6.gz" "debian/changelog;changelog.gz")
    list(GET pair 0 source)
    list(GET pair 1 packed)
    add_custom_command(OUTPUT ${FITZEL_DOCS}/${packed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${FITZEL_DOCS}
        COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/${source} > ${FITZEL_DOCS}/${packed}
        DEPENDS ${PROJECT_SOURCE_DIR}/data/${source})
    list(APPEND FITZEL_PACKED_DOCS ${FITZEL_DOCS}/${packed})
endforeach()
add_custom_target(fitzel_docs ALL DEPENDS ${FITZEL_PACKED_DOCS})
install(FILES ${FITZEL_DOCS}/fitzel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${FITZEL_DOCS}/changelog.gz ${PROJECT_SOURCE_DIR}/data/debian/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/fitzel)

set(FITZEL_APP_ID com.example.Fitzel)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/${FITZEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/${FITZEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/apps/fitzel.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${FITZEL_APP_ID}.png)
endforeach()

set(CPACK_PACKAGE_NAME fitzel)
set(CPACK_PACKAGE_VENDOR "The Fitzel developers")
set(CPACK_PACKAGE_CONTACT "The Fitzel developers <fitzel@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: fit the pieces into the grid to make blocks")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Fitzel! deals 35 pieces, one at a time and each once, in random order. Each
fits a 3 x 3 square around its key square: click a cell of the 5 x 5 board to
put the key square there, and the piece is placed if it fits.
.
Complete a 3x3 block of filled cells for 30 points, a 3x2 or 2x3 block for 15
and a 2x2 block for 5; each block vanishes and makes room. Every piece has ten
seconds, and skipping it or running out of time costs 7 points. The five best
scores are kept, with their players' names.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# With the first, on a Wayland desktop the game runs natively rather than through XWayland; with
# the second, the toolkit's own buttons (OK, Cancel, Yes, No) are in the player's language too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A stripped program.
set(CPACK_STRIP_FILES ON)
# Everything but the link in bin/.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Fitzel;Unspecified;/")
include(CPack)
