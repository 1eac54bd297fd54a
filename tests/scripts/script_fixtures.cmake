# Script fixtures run through `qvtool script`: each compares the exit status, standard output
# (message boxes, then the application variables) and standard error (failure reasons) with
# tests/fixtures/script/NAME.out and NAME.err (a missing file means "empty").
set(qv_script_fixture_dir ${CMAKE_SOURCE_DIR}/tests/fixtures/script)

# qv_script_fixture(TEST_NAME SCRIPT_NAME STATUS [EXPECT name] [CALL function args...])
function(qv_script_fixture test script status)
  cmake_parse_arguments(PARSE_ARGV 3 fx "" "EXPECT" "CALL")
  if(NOT fx_EXPECT)
    set(fx_EXPECT ${test})
  endif()
  set(call_arg "")
  if(fx_CALL)
    string(REPLACE ";" "\\;" call_list "${fx_CALL}")
    set(call_arg "-DCALL=${call_list}")
  endif()
  add_test(NAME ScriptFixture.${test}
           COMMAND ${CMAKE_COMMAND} -DQVTOOL=$<TARGET_FILE:qvtool>
                   -DSCRIPT=${qv_script_fixture_dir}/${script}.scr -DSTATUS=${status}
                   -DEXPECTED_OUT=${qv_script_fixture_dir}/${fx_EXPECT}.out
                   -DEXPECTED_ERR=${qv_script_fixture_dir}/${fx_EXPECT}.err ${call_arg}
                   -P ${qv_script_fixture_dir}/run_fixture.cmake)
endfunction()

qv_script_fixture(arithmetic arithmetic 0)
qv_script_fixture(calls calls 0)
qv_script_fixture(loops loops 0)
qv_script_fixture(failing failing 1)
qv_script_fixture(recursion recursion 0)
qv_script_fixture(endless_loop endless_loop 1)
qv_script_fixture(cleaning cleaning 1)
qv_script_fixture(badload badload 1)
qv_script_fixture(handler handler 0 CALL ok_Click 12 34)
qv_script_fixture(handler_count handler 1 CALL ok_Click 1)
qv_script_fixture(handler_missing handler 1 CALL Nope)

add_test(NAME ScriptFixture.unreadable_file
         COMMAND ${CMAKE_COMMAND} -DQVTOOL=$<TARGET_FILE:qvtool>
                 -DSCRIPT=${qv_script_fixture_dir}/no_such_file.scr -DSTATUS=1
                 "-DERR_MATCH=^qvtool script: cannot open '[^\n]*no_such_file.scr'\n$"
                 -P ${qv_script_fixture_dir}/run_fixture.cmake)
