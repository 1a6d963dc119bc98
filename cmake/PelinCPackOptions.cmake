# Read by CPack for each package it makes: the source package keeps the tree's
# own layout rather than the installed program's prefix.
if(CPACK_SOURCE_GENERATOR AND CPACK_GENERATOR STREQUAL CPACK_SOURCE_GENERATOR)
  set(CPACK_PACKAGING_INSTALL_PREFIX "")
endif()
