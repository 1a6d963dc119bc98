# Installing the desktop program and packaging it as a .deb.
#
# pelin and pelin-convert go to <prefix>/lib/pelin, each with its link in
# <prefix>/bin (pelin_program); the readme and the characters, the same on every
# machine, to <prefix>/share/pelin, where the installed program looks for them;
# the desktop entry, icons, AppStream metadata and manual pages where desktops,
# software centres and man look; the licence and the changelog where Debian
# keeps them for each package.
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
install(FILES ${PROJECT_SOURCE_DIR}/assets/invalid.example.pelin.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT pelin)

# Manual pages, English and Japanese, with the program's version, compressed
# as man reads them and Debian wants them (no name or time in the gzip header,
# so that two builds give the same bytes).
find_program(PELIN_GZIP gzip REQUIRED)
set(PELIN_MAN_PAGES)
foreach(language en ja)
  if(language STREQUAL en)
    set(from ${PROJECT_SOURCE_DIR}/assets/man)
    set(folder ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    set(from ${PROJECT_SOURCE_DIR}/assets/man/${language})
    set(folder ${CMAKE_INSTALL_MANDIR}/${language}/man1)
  endif()
  foreach(page pelin pelin-convert)
    set(built ${PROJECT_BINARY_DIR}/man/${language}/${page}.1)
    configure_file(${from}/${page}.1 ${built} @ONLY)
    add_custom_command(OUTPUT ${built}.gz COMMAND ${PELIN_GZIP} -9nkf ${built} DEPENDS ${built})
    install(FILES ${built}.gz DESTINATION ${folder} COMPONENT pelin)
    list(APPEND PELIN_MAN_PAGES ${built}.gz)
  endforeach()
endforeach()
add_custom_target(pelin_man_pages ALL DEPENDS ${PELIN_MAN_PAGES})

set(PELIN_DOC_FOLDER ${CMAKE_INSTALL_DATAROOTDIR}/doc/pelin)
install(FILES ${PROJECT_SOURCE_DIR}/assets/deb/copyright DESTINATION ${PELIN_DOC_FOLDER} COMPONENT pelin)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/assets/deb/changelog changelog
                   COMMAND ${PELIN_GZIP} -9nf changelog
                   DEPENDS ${PROJECT_SOURCE_DIR}/assets/deb/changelog
                   WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
add_custom_target(pelin_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${PELIN_DOC_FOLDER} COMPONENT pelin)

set(CPACK_PACKAGE_NAME pelin)
set(CPACK_PACKAGE_VENDOR "Pelin")
set(CPACK_PACKAGE_CONTACT "Pelin developers <pelin@example.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wizard that turns a plain text file into one HTML page")
# The package's extended description, wrapped as Debian shows it.
set(CPACK_PACKAGE_DESCRIPTION
    "Pelin (ぺりん) asks, in ten steps, for a page's title, search keywords and
description, language and character set, page transitions, colours and
background image, margins and base font size, how line breaks are written,
whether special characters are converted, and an afterword; then it writes
the page, shows the sizes before and after, and lets you edit the result in
a small built-in notepad. Every caption is Japanese, and pages are written in
code page 932 (Shift_JIS).

The command-line converter pelin-convert writes further pages with the
answers the wizard saved.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# What the package installs is the program, not its debugging information.
set(CPACK_STRIP_FILES ON)
# Files and folders as Debian wants them, whatever the builder's umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
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
# (Patterns match a dot as "[.]": CPack reads them back from a file of its own,
# where a backslash would have to be doubled once more.)
set(CPACK_SOURCE_IGNORE_FILES
    "/[.]git/" "/[.]git$" "/[.]cache/" "/build[^/]*/" "/out/" "/screenshots/" "/fuzz/corpus-[^/]*/"
    "/crash-[^/]*$" "/leak-[^/]*$" "/timeout-[^/]*$" "[.]swp$" "~$" "/compile_commands[.]json$")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PelinCPackOptions.cmake)
include(CPack)
