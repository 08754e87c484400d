# Read by cpack once for each generator of the Windows packages.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  # The zip unpacks into a folder named like the package.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
