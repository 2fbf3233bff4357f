# Run by ctest at start-up for one test program (see GTestSuites.cmake): adds one test per
# suite. A program that is missing or cannot list its cases is one failing test, never none.
if(NOT EXISTS "${suite_exe}")
  add_test("${suite_program}_NOT_BUILT" "${suite_program}_NOT_BUILT")
  return()
endif()
execute_process(COMMAND "${suite_exe}" --gtest_list_tests
                OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  add_test("${suite_program}_CANNOT_LIST" "${suite_exe}" --gtest_list_tests)
  return()
endif()
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  # Suite lines start in the first column and end in a dot; cases are indented.
  if(line MATCHES "^([^ ]+)\\.")
    set(suite "${CMAKE_MATCH_1}")
    add_test("${suite}" "${suite_exe}" "--gtest_filter=${suite}.*" --gtest_brief=1)
    set_tests_properties("${suite}" PROPERTIES LABELS "${suite_program}")
    if(suite_environment)
      set_tests_properties("${suite}" PROPERTIES ENVIRONMENT "${suite_environment}")
    endif()
  endif()
endforeach()
