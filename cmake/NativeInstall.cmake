# What `cmake --install` puts under the prefix on Linux:
#   bin/lexdict, bin/lexmake
#   lib…/liblexcore.so.<version>, its SONAME link liblexcore.so.1 and
#     liblexcore.so; lib…/pkgconfig/lexcore.pc; lib…/cmake/lexcore/
#   include/lexcore.h
#   share/man/man1/lexdict.1.gz, lexmake.1.gz (when help2man is installed)
#   share/vocaro/dictionaries/ (see packaging/install-data.cmake)
#   share/doc/vocaro/: README.md, copyright, changelog.gz
# No rule names a component, so whatever else the build installs (the
# Python module) lands beside these and in the Debian package.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Who makes the packages, and the terms of our own files, for the copyright
# file and the Debian package.
set(VOCARO_MAINTAINER "Vocaro developers <vocaro@example.org>" CACHE STRING "Maintainer of the packages")
set(VOCARO_COPYRIGHT "2026 the Vocaro developers")
set(VOCARO_LICENSE "Vocaro\n The Vocaro developers have not yet published Vocaro under a licence.")

# lexdict finds liblexcore relative to itself, so an installed tree can move.
# lexmake links the engine statically and needs no search path.
file(RELATIVE_PATH bin_to_lib /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${CMAKE_INSTALL_LIBDIR})
set_target_properties(lexdict PROPERTIES INSTALL_RPATH "$ORIGIN/${bin_to_lib}")

install(TARGETS lexdict lexmake RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS lexcore EXPORT lexcoreTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_SOURCE_DIR}/engine/translator/lexcore.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# CMake package: find_package(lexcore CONFIG) gives lexcore::lexcore.
set(cmake_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/lexcore)
install(EXPORT lexcoreTargets NAMESPACE lexcore:: DESTINATION ${cmake_package_dir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/packaging/lexcoreConfig.cmake.in
  ${PROJECT_BINARY_DIR}/packaging/lexcoreConfig.cmake INSTALL_DESTINATION ${cmake_package_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/packaging/lexcoreConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/packaging/lexcoreConfig.cmake
              ${PROJECT_BINARY_DIR}/packaging/lexcoreConfigVersion.cmake
  DESTINATION ${cmake_package_dir})

# pkg-config: the prefix is found from the .pc file's own folder.
file(RELATIVE_PATH VOCARO_PC_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/packaging/lexcore.pc.in ${PROJECT_BINARY_DIR}/packaging/lexcore.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/lexcore.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# Man pages from the programs' own help, by help2man.
find_program(HELP2MAN help2man)
if(HELP2MAN AND NOT CMAKE_CROSSCOMPILING)
  set(man_pages "")
  # vocaro_man_page(PROGRAM "NAME LINE" [COMMANDS...])
  function(vocaro_man_page program name_line)
    set(page ${PROJECT_BINARY_DIR}/man/${program}.1.gz)
    set(include ${PROJECT_SOURCE_DIR}/packaging/man/${program}.h2m)
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${HELP2MAN} -DPROGRAM=$<TARGET_FILE:${program}>
              -DNAME_LINE=${name_line} -DINCLUDE=${include} "-DCOMMANDS=${ARGN}" -DOUTPUT=${page}
              -P ${PROJECT_SOURCE_DIR}/packaging/man/make-man-page.cmake
      DEPENDS ${program} ${include} ${PROJECT_SOURCE_DIR}/packaging/man/make-man-page.cmake
      COMMENT "Writing the man page of ${program}"
      VERBATIM)
    set(man_pages ${man_pages} ${page} PARENT_SCOPE)
  endfunction()
  vocaro_man_page(lexdict "translate words offline with bilingual dictionaries" translate add info list)
  vocaro_man_page(lexmake "compile word pairs into Vocaro dictionary files")
  add_custom_target(man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: no man pages (scripts/setup installs it)")
endif()

# Dictionaries and the copyright file are chosen when installing.
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${PROJECT_BINARY_DIR}/packaging/copyright-head @ONLY)
install(CODE "
  set(VOCARO_SAMPLES \"${VOCARO_DICTIONARY_DIR}\")
  set(VOCARO_REAL \"${CMAKE_BINARY_DIR}/bin/real-dictionaries\")
  set(VOCARO_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  set(VOCARO_DOCDIR \"${CMAKE_INSTALL_DATADIR}/doc/vocaro\")
  set(VOCARO_COPYRIGHT_HEAD \"${PROJECT_BINARY_DIR}/packaging/copyright-head\")
  set(VOCARO_BINARY_DIR \"${PROJECT_BINARY_DIR}\")")
install(SCRIPT ${PROJECT_SOURCE_DIR}/packaging/install-data.cmake)

# Debian's changelog format, compressed as Debian packages keep it.
string(TIMESTAMP VOCARO_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
execute_process(COMMAND gzip -9 -n -c ${PROJECT_BINARY_DIR}/packaging/changelog
  OUTPUT_FILE ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vocaro)
