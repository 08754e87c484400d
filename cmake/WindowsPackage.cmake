# The Windows packages: a setup program (NSIS) and a zip, both holding one
# flat folder, as lexpad expects it: the programs, lexcore.dll, lexfocus.dll,
# the help page vocaro.htm and the folder "dictionaries" side by side.
#
#   cpack --config build/windows/CPackConfig.cmake -B build/packages
#
# gives vocaro-<version>-win64-setup.exe and vocaro-<version>-win64.zip.
# Everything goes into the component "windows", and only that component is
# packaged, so install rules written for other layouts stay out.

set(VOCARO_WINDOWS_COMPONENT windows)

# The import libraries of the DLLs go to a component of their own that is not
# packaged: a user of the programs has no use for them.
install(TARGETS lexpad lexfocus lexcore lexdict lexmake
  RUNTIME DESTINATION . COMPONENT ${VOCARO_WINDOWS_COMPONENT}
  LIBRARY DESTINATION . COMPONENT ${VOCARO_WINDOWS_COMPONENT}
  ARCHIVE DESTINATION lib COMPONENT windows_import_libraries)
install(FILES ${PROJECT_SOURCE_DIR}/app/resources/vocaro.htm
  DESTINATION .
  COMPONENT ${VOCARO_WINDOWS_COMPONENT})
# The dictionaries: the sample ones of this build, or the folder given, such
# as one that scripts/build-real-dictionaries wrote.  Only the compiled files:
# user dictionaries (*.udr) that runs of the programs left there are nobody's
# to ship.
set(VOCARO_WINDOWS_DICTIONARIES ${VOCARO_DICTIONARY_DIR} CACHE PATH
  "The folder of dictionaries (*.tdl, *.tdd) that the Windows packages hold")
install(DIRECTORY ${VOCARO_WINDOWS_DICTIONARIES}/
  DESTINATION dictionaries
  COMPONENT ${VOCARO_WINDOWS_COMPONENT}
  FILES_MATCHING PATTERN "*.tdl" PATTERN "*.tdd")

set(CPACK_GENERATOR NSIS ZIP)
# The NSIS commands below hold quotes and backslashes; write them as they are.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME Vocaro)
set(CPACK_PACKAGE_VENDOR Brinmoor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vocaro: an offline bilingual word translator")
set(CPACK_PACKAGE_FILE_NAME vocaro-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vocaro)
# The setup program's keys (Software\Brinmoor\<key> and the uninstall entry)
# stay apart from lexpad's settings under Software\Brinmoor\Vocaro, which an
# uninstaller deleting its own key would otherwise take along.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Vocaro Setup")
set(CPACK_PACKAGE_CHECKSUM SHA256)
# The programs are built with debugging information; the packages are not.
set(CPACK_STRIP_FILES ON)
# One package per generator, with no choice of components in the setup
# program, holding the install component "windows" only.
set(CPACK_MONOLITHIC_INSTALL ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Vocaro;${VOCARO_WINDOWS_COMPONENT};/")

# The setup program.  Its Start-menu folder gets a shortcut "Vocaro" to
# lexpad.exe beside the uninstaller's, and the uninstaller removes both.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Vocaro)
set(CPACK_NSIS_DISPLAY_NAME "Vocaro ${PROJECT_VERSION}")
set(CPACK_NSIS_CREATE_ICONS_EXTRA
  "CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\Vocaro.lnk\" \"$INSTDIR\\lexpad.exe\"")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete \"$SMPROGRAMS\\$MUI_TEMP\\Vocaro.lnk\"")
set(CPACK_NSIS_INSTALLED_ICON_NAME lexpad.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/app/resources/lexpad.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/app/resources/lexpad.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit setup program for 64-bit programs: it needs no 32-bit layer
# (WOW64, or Wine's wine32) and writes the 64-bit registry.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# What differs between the two packages (the setup program's name, the zip's
# top folder) is set when cpack runs each generator.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/WindowsPackageGenerator.cmake)

include(CPack)
