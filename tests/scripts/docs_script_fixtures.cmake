# Script fixtures behind the claims of docs/modding.md about the language (operator order,
# literals, line ends, argument texts, return, the zero literal), run like the other fixtures.
set(qv_docs_fixture_dir ${CMAKE_SOURCE_DIR}/tests/fixtures/script)
foreach(qv_docs_fixture guide:0 zero_literal:1)
  string(REPLACE ":" ";" qv_docs_fixture "${qv_docs_fixture}")
  list(GET qv_docs_fixture 0 qv_docs_name)
  list(GET qv_docs_fixture 1 qv_docs_status)
  add_test(NAME ScriptFixture.${qv_docs_name}
           COMMAND ${CMAKE_COMMAND} -DQVTOOL=$<TARGET_FILE:qvtool>
                   -DSCRIPT=${qv_docs_fixture_dir}/${qv_docs_name}.scr -DSTATUS=${qv_docs_status}
                   -DEXPECTED_OUT=${qv_docs_fixture_dir}/${qv_docs_name}.out
                   -DEXPECTED_ERR=${qv_docs_fixture_dir}/${qv_docs_name}.err
                   -P ${qv_docs_fixture_dir}/run_fixture.cmake)
endforeach()
