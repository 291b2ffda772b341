# The program's one version: the last tag of the form v1.2.3 (or v1.2.3.4) reachable from
# the checked-out commit, 1.0.0 without a tag or without git (a source archive), or what
# -DTZP_VERSION= gives. It is read when CMake configures: configure again after tagging.
set(TZP_VERSION "" CACHE STRING "The program's version (empty: from the last v* tag)")
set(TZP_VERSION_SOURCE "")
if(TZP_VERSION STREQUAL "")
  find_package(Git QUIET)
  if(Git_FOUND AND EXISTS "${CMAKE_CURRENT_LIST_DIR}/../.git")
    execute_process(
      COMMAND "${GIT_EXECUTABLE}" describe --tags --abbrev=0 --match "v[0-9]*"
      WORKING_DIRECTORY "${CMAKE_CURRENT_LIST_DIR}/.."
      OUTPUT_VARIABLE tzp_tag OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE tzp_describe_result ERROR_QUIET)
    if(tzp_describe_result EQUAL 0 AND tzp_tag MATCHES "^v([0-9]+(\\.[0-9]+)(\\.[0-9]+)?(\\.[0-9]+)?)$")
      set(TZP_VERSION_SOURCE "tag ${tzp_tag}")
      set(tzp_version "${CMAKE_MATCH_1}")
    elseif(tzp_describe_result EQUAL 0)
      message(WARNING "The last tag, ${tzp_tag}, is no version of the form v1.2.3: it is ignored")
    endif()
  endif()
  if(TZP_VERSION_SOURCE STREQUAL "")
    set(TZP_VERSION_SOURCE "no v* tag")
    set(tzp_version 1.0.0)
  endif()
else()
  set(TZP_VERSION_SOURCE "TZP_VERSION")
  set(tzp_version "${TZP_VERSION}")
endif()
if(NOT tzp_version MATCHES "^[0-9]+\\.[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?$")
  message(FATAL_ERROR "TZP_VERSION must be two to four numbers (1.2.3), not '${tzp_version}'")
endif()
