# Installing Fitzel like a native application, and the Debian package that does the same.
#
#   <prefix>/lib/fitzel/        the program's folder: the program and its data files together
#   <prefix>/bin/fitzel         a link to the program, on the path
#   <prefix>/share/applications, metainfo, icons/hicolor   the desktop's view of the game
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
install(FILES ${CMAKE_BINARY_DIR}/bin-link/fitzel DESTINATION ${CMAKE_INSTALL_BINDIR})

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
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Puzzle game: fit the pieces into the grid to make blocks")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
