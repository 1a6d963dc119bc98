# The program folder: pelin and pelin-convert are built side by side into
# PELIN_PROGRAM_DIR and installed side by side into <prefix>/lib/pelin, so that
# both find the same "Pelin.ini" beside themselves; each has a relative symbolic
# link in <prefix>/bin. In the build, the readme and the characters lie in the
# program folder too; installed, they go to <prefix>/share/pelin (the same on
# every machine), which the program finds by PELIN_DATA_FROM_PROGRAM, the path
# from its own folder there.
set(PELIN_PROGRAM_DIR ${PROJECT_BINARY_DIR}/program)
set(PELIN_INSTALL_FOLDER lib/pelin)
set(PELIN_DATA_FOLDER ${CMAKE_INSTALL_DATADIR}/pelin)
file(RELATIVE_PATH PELIN_DATA_FROM_PROGRAM /prefix/${PELIN_INSTALL_FOLDER} /prefix/${PELIN_DATA_FOLDER})
# On Windows a program keeps everything in its own folder: the programs, the
# readme and the characters are installed side by side at the top of the
# prefix (the folder the package unpacks to), with no links. The program finds
# no installed data folder there and takes its own folder for its data and,
# where it may write, for "Pelin.ini".
if(WIN32)
  set(PELIN_INSTALL_FOLDER .)
  set(PELIN_DATA_FOLDER .)
endif()

# pelin_program(TARGET COMPONENT): builds TARGET into the program folder and
# installs it there as part of COMPONENT, with its link in bin.
function(pelin_program target component)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PELIN_PROGRAM_DIR})
  install(TARGETS ${target} RUNTIME DESTINATION ${PELIN_INSTALL_FOLDER} COMPONENT ${component})
  if(WIN32)
    return()
  endif()
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/bin-link)
  file(CREATE_LINK ../${PELIN_INSTALL_FOLDER}/${target} ${PROJECT_BINARY_DIR}/bin-link/${target} SYMBOLIC)
  install(FILES ${PROJECT_BINARY_DIR}/bin-link/${target} DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${component})
endfunction()
