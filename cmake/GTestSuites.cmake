# One ctest test per GoogleTest suite rather than per case: a suite runs in one process, so a
# window suite builds its QApplication once instead of once per case, while `ctest -N` and the
# summary still name every suite. The suites are listed when ctest starts, as
# gtest_discover_tests(... DISCOVERY_MODE PRE_TEST) does; `PROGRAM --gtest_list_tests` gives
# the cases.
#
# torvane_add_gtest_suites(NAME EXE [ENVIRONMENT VAR=VALUE...]): EXE may be a generator
# expression such as $<TARGET_FILE:target> or the path of a program built elsewhere.
set(TORVANE_GTEST_SUITES_ADD ${CMAKE_CURRENT_LIST_DIR}/GTestSuitesAdd.cmake)

function(torvane_add_gtest_suites name exe)
  cmake_parse_arguments(arg "" "" "ENVIRONMENT" ${ARGN})
  set(script "${CMAKE_CURRENT_BINARY_DIR}/${name}_suites.cmake")
  file(GENERATE OUTPUT "${script}" CONTENT
"set(suite_program [==[${name}]==])
set(suite_exe [==[${exe}]==])
set(suite_environment [==[${arg_ENVIRONMENT}]==])
include([==[${TORVANE_GTEST_SUITES_ADD}]==])
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${script}")
endfunction()
