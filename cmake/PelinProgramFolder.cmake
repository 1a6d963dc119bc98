# The program folder: pelin and pelin-convert are built side by side into
# PELIN_PROGRAM_DIR and installed side by side into <prefix>/lib/pelin, so that
# both find the same "Pelin.ini" beside themselves; each has a relative symbolic
# link in <prefix>/bin.
set(PELIN_PROGRAM_DIR ${PROJECT_BINARY_DIR}/program)
set(PELIN_INSTALL_FOLDER lib/pelin)

# pelin_program(TARGET COMPONENT): builds TARGET into the program folder and
# installs it there as part of COMPONENT, with its link in bin.
function(pelin_program target component)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PELIN_PROGRAM_DIR})
  install(TARGETS ${target} RUNTIME DESTINATION ${PELIN_INSTALL_FOLDER} COMPONENT ${component})
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/bin-link)
  file(CREATE_LINK ../${PELIN_INSTALL_FOLDER}/${target} ${PROJECT_BINARY_DIR}/bin-link/${target} SYMBOLIC)
  install(FILES ${PROJECT_BINARY_DIR}/bin-link/${target} DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${component})
endfunction()
