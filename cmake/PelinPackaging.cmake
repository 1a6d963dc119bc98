# Installing the desktop program and packaging it as a .deb.
#
# pelin and pelin-convert go to <prefix>/lib/pelin, each with its link in
# <prefix>/bin (pelin_program); the readme and the characters, the same on every
# machine, to <prefix>/share/pelin, where the installed program looks for them;
# the desktop entry and icons where desktops look.
install(FILES ${PELIN_PROGRAM_DIR}/readme.txt ${PELIN_PROGRAM_DIR}/pelin-blue.pcf
              ${PELIN_PROGRAM_DIR}/pelin-pink.pcf
        DESTINATION ${PELIN_DATA_FOLDER} COMPONENT pelin)

install(FILES ${PROJECT_SOURCE_DIR}/assets/pelin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT pelin)
foreach(size 16 32 48 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/png/pelin-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME pelin.png COMPONENT pelin)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/src/app-icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME pelin.svg COMPONENT pelin)

set(CPACK_PACKAGE_NAME pelin)
set(CPACK_PACKAGE_VENDOR "Pelin")
set(CPACK_PACKAGE_CONTACT "Pelin developers <pelin@example.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pelin (ぺりん): turns a plain text file into one HTML page, step by step")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
# The Qt libraries come from dpkg-shlibdeps; the platform plugins and Qt's own
# Japanese texts (file and colour dialogs, Yes/No buttons) are loaded at run
# time and so are named here. The SVG picture format, which reads the
# characters that come with the program (they are drawings), is loaded at run
# time too, from libqt6svg6, which dpkg-shlibdeps names for the SVG library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A source package holds the sources alone: no build folders, checkouts' own
# files or what editors and fuzzing leave behind.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME pelin-${PROJECT_VERSION})
set(CPACK_SOURCE_IGNORE_FILES
    "/\\.git/" "/\\.git$" "/\\.cache/" "/build[^/]*/" "/out/" "/screenshots/" "/fuzz/corpus-[^/]*/"
    "/crash-[^/]*$" "/leak-[^/]*$" "/timeout-[^/]*$" "\\.swp$" "~$" "/compile_commands\\.json$")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PelinCPackOptions.cmake)
include(CPack)
