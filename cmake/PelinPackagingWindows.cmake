# Packaging the Windows program as a zip file: pelin.exe, pelin-convert.exe, the
# readme and the characters side by side in one folder, which is the program's
# folder wherever the user unpacks it (PelinProgramFolder.cmake).
install(FILES ${PELIN_PROGRAM_DIR}/readme.txt ${PELIN_PROGRAM_DIR}/pelin-blue.pcf ${PELIN_PROGRAM_DIR}/pelin-pink.pcf
        DESTINATION ${PELIN_DATA_FOLDER} COMPONENT pelin)

set(CPACK_PACKAGE_NAME pelin)
set(CPACK_PACKAGE_VENDOR "Pelin")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wizard that turns a plain text file into one HTML page")
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME pelin-${PROJECT_VERSION}-win64)
# What the package holds is the program, not its debugging information.
set(CPACK_STRIP_FILES ON)
include(CPack)
