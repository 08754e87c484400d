# Checks that a DLL exports exactly the twelve TD_ functions, by their
# decorated (C++) names, and nothing else.
#   cmake -DOBJDUMP=<objdump> -DLIBRARY=<lexcore.dll> -P check-exports.cmake
set(expected
  _Z12TD_TransOpenPP10TranslatorPKwi
  _Z12TD_TranslateP10TranslatorP12tagTRANSLATE
  _Z13TD_TransClosePP10Translator
  _Z14TD_TransAddUdrP10TranslatorPKcS2_
  _Z15TD_TransGetFileP10TranslatorPwss
  _Z15TD_TransOpenSecP10TranslatorPKw
  _Z15TD_TransOptionsP10Translatori
  _Z16TD_TransOpenPrimP10TranslatorPKw
  _Z19TD_TransGetLanguageP10TranslatorP13tagLANGSTRUCTs
  _Z19TD_TransGetTDDFilesPKwPwS1_s
  _Z22TD_TransGetTDDLanguagePKwPws
  _Z26TD_TransExtensionSupportedP10Translators)

execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${LIBRARY} failed")
endif()

# The export names are the lines "[ n] name" of the name pointer table.
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(([ \t]*\\[[ 0-9]+\\] [^\n]*\n)*)" table "${dump}")
string(REGEX MATCHALL "\\[[ 0-9]+\\] [^\n]*" rows "${CMAKE_MATCH_1}")
set(exported "")
foreach(row IN LISTS rows)
  string(REGEX REPLACE "^\\[[ 0-9]+\\] " "" name "${row}")
  list(APPEND exported "${name}")
endforeach()

list(SORT expected)
list(SORT exported)
if(NOT exported STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${exported})
  set(extra ${exported})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "lexcore exports differ.\n  missing: ${missing}\n  unexpected: ${extra}")
endif()
list(LENGTH exported count)
message(STATUS "lexcore exports the ${count} TD_ functions and nothing else")
