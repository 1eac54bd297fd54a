# The native reference generator: the real docs/natives.txt gives a reference with the four
# tables in registration order, and sources with a missing, an unknown, a doubled, an empty or a
# malformed block are refused with one line naming the fault, leaving no reference behind. The
# faulty sources are made from the real one when CMake runs, so they follow it.
include(${CMAKE_CURRENT_LIST_DIR}/qvtool_expect.cmake)

set(qv_docs_source ${CMAKE_SOURCE_DIR}/docs/natives.txt)
set(qv_docs_work ${CMAKE_CURRENT_BINARY_DIR}/docs_natives)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qv_docs_source})
file(READ ${qv_docs_source} qv_docs_text)
string(REGEX MATCHALL "\n" qv_docs_lines "${qv_docs_text}")
list(LENGTH qv_docs_lines qv_docs_line_count)
math(EXPR qv_docs_appended "${qv_docs_line_count} + 2")  # the line of a heading appended below
string(FIND "${qv_docs_text}" "\n## Show(" qv_docs_show_offset)
string(SUBSTRING "${qv_docs_text}" 0 ${qv_docs_show_offset} qv_docs_before_show)
string(REGEX MATCHALL "\n" qv_docs_show_lines "${qv_docs_before_show}")
list(LENGTH qv_docs_show_lines qv_docs_show_line)
math(EXPR qv_docs_show_line "${qv_docs_show_line} + 2")

string(REGEX REPLACE "\n## SetWind\\([^\n]*\n[^\n]*\n" "\n" qv_docs_missing "${qv_docs_text}")
string(REGEX REPLACE "(\n## ExitGame\\(\\) -> nothing\n)[^\n]*\n" "\\1\n" qv_docs_empty
       "${qv_docs_text}")
file(WRITE ${qv_docs_work}/missing.txt "${qv_docs_missing}")
file(WRITE ${qv_docs_work}/empty.txt "${qv_docs_empty}")
file(WRITE ${qv_docs_work}/unknown.txt "${qv_docs_text}\n## AddGoo(x) -> nothing\nNo such.\n")
file(WRITE ${qv_docs_work}/twice.txt "${qv_docs_text}\n## Show(control) -> nothing\nAgain.\n")
file(WRITE ${qv_docs_work}/malformed.txt "${qv_docs_text}\n## Hide control -> nothing\nText.\n")
file(WRITE ${qv_docs_work}/noargs.txt "${qv_docs_text}\n## Hide(control,,x) -> nothing\nText.\n")

set(qv_docs_out ${qv_docs_work}/natives.md)
qv_expect_test(Docs.NativeReference 0 FILE ${qv_docs_out}
  FILE_MATCH "## GUI table.*\\| 1 \\| `DeleteControl` \\| 0: control \\| nothing \\|.*## Game table.*\\| 5 \\| `GetSceneHeight` \\| none \\| height \\|.*## Application table.*## Sound table.*\\| 4 \\| `PlayEffect` \\|"
  COMMAND $<TARGET_FILE:qvtool> natives --markdown ${qv_docs_source} ${qv_docs_out})
qv_expect_test(Docs.NativeWithoutText 1 NO_FILE ${qv_docs_work}/missing.md
  ERR "^qvtool natives: [^ ]*missing.txt: no text for the native 'SetWind' of the Game table$"
  COMMAND $<TARGET_FILE:qvtool> natives --markdown ${qv_docs_work}/missing.txt
          ${qv_docs_work}/missing.md)
qv_expect_test(Docs.EmptyBlock 1 NO_FILE ${qv_docs_work}/empty.md
  ERR "^qvtool natives: [^ ]*empty.txt:[0-9]+: 'ExitGame' has no text$"
  COMMAND $<TARGET_FILE:qvtool> natives --markdown ${qv_docs_work}/empty.txt
          ${qv_docs_work}/empty.md)
qv_expect_test(Docs.UnregisteredNative 1 NO_FILE ${qv_docs_work}/unknown.md
  ERR "^qvtool natives: [^ ]*unknown.txt:${qv_docs_appended}: 'AddGoo' is not a registered native$"
  COMMAND $<TARGET_FILE:qvtool> natives --markdown ${qv_docs_work}/unknown.txt
          ${qv_docs_work}/unknown.md)
qv_expect_test(Docs.NativeDocumentedTwice 1 NO_FILE ${qv_docs_work}/twice.md
  ERR "^qvtool natives: [^ ]*twice.txt:${qv_docs_appended}: 'Show' is documented twice \\(first on line ${qv_docs_show_line}\\)$"
  COMMAND $<TARGET_FILE:qvtool> natives --markdown ${qv_docs_work}/twice.txt
          ${qv_docs_work}/twice.md)
foreach(qv_docs_case malformed noargs)
  qv_expect_test(Docs.MalformedHeading.${qv_docs_case} 1 NO_FILE ${qv_docs_work}/${qv_docs_case}.md
    ERR "^qvtool natives: [^ ]*${qv_docs_case}.txt:${qv_docs_appended}: malformed heading"
    COMMAND $<TARGET_FILE:qvtool> natives --markdown ${qv_docs_work}/${qv_docs_case}.txt
            ${qv_docs_work}/${qv_docs_case}.md)
endforeach()
