# How qvtool's verbs fail: each failure kind ends with a non-zero exit status and one line on
# standard error that names the verb, the file or entry and what is wrong with it. The inputs
# are written here when CMake runs; archives for `run` are packed by the test itself.
include(${CMAKE_CURRENT_LIST_DIR}/qvtool_expect.cmake)

set(qe ${CMAKE_CURRENT_BINARY_DIR}/qvtool_errors)
set(qvtool $<TARGET_FILE:qvtool>)
file(MAKE_DIRECTORY ${qe}/empty_install)
file(WRITE ${qe}/not_archive/graphics.dat "1.0x and more")
file(WRITE ${qe}/hello.scr "function Init(h) { SetGlobalVar(\"Said\", \"hello\"); }\n")
file(WRITE ${qe}/bad_init/init.scr "function Init(h) { }\nfunction Broken( {\n")
file(WRITE ${qe}/bad_init/graphics.manifest "init.scr\n")
file(WRITE ${qe}/failing_init/init.scr "function Init(h) { SetGlobalVar(\"RES_X\", 240) y = 1 }\n")
file(WRITE ${qe}/failing_init/graphics.manifest "init.scr\n")
file(WRITE ${qe}/no_fonts/init.scr
  "function Init(h) { SetGlobalVar(\"INIT_RES\", 1) SetGlobalVar(\"RES_X\", 240) "
  "SetGlobalVar(\"RES_Y\", 320) }\n")
file(WRITE ${qe}/no_fonts/graphics.manifest "init.scr\n")
file(WRITE ${qe}/bad.replay "wait 40\nswipe 1 2\n")
file(WRITE ${qe}/missing_source.manifest "# a comment\nhello.scr\nnothing.scr\n")
# One character over the 15 an entry name may have.
file(WRITE ${qe}/long_name.manifest "sixteen_char.scr hello.scr\n")
file(WRITE ${qe}/too_many_words.manifest "a.scr hello.scr spr8 extra\n")
file(WRITE ${qe}/bad_format.manifest "a.spr hello.scr spr9\n")
file(WRITE ${qe}/archive_of_text.manifest "archive hello.scr\n")
file(WRITE ${qe}/includes_missing.manifest "include nowhere.manifest\n")
file(WRITE ${qe}/includes_itself.manifest "include includes_itself.manifest\n")
file(WRITE ${qe}/not_png.manifest "goo.espr hello.scr.png\n")
file(WRITE ${qe}/hello.scr.png "not a picture\n")
file(WRITE ${qe}/good.manifest "hello.scr\n")

# pack
qv_expect_test(QvtoolErrors.PackUsage 2 ERR "^usage: qvtool pack MANIFEST OUT"
  COMMAND ${qvtool} pack ${qe}/good.manifest)
qv_expect_test(QvtoolErrors.PackUnreadableManifest 1 NO_FILE ${qe}/PackUnreadableManifest.dat
  ERR "^qvtool pack: [^ ]*no_such.manifest: no such file$"
  COMMAND ${qvtool} pack ${qe}/no_such.manifest ${qe}/PackUnreadableManifest.dat)
qv_expect_test(QvtoolErrors.PackMissingSource 1 NO_FILE ${qe}/PackMissingSource.dat
  ERR "^qvtool pack: [^ ]*missing_source.manifest:3: nothing.scr: no such file"
  COMMAND ${qvtool} pack ${qe}/missing_source.manifest ${qe}/PackMissingSource.dat)
qv_expect_test(QvtoolErrors.PackLongName 1 NO_FILE ${qe}/PackLongName.dat
  ERR "^qvtool pack: [^ ]*long_name.manifest:1: 'sixteen_char.scr' is not an entry name"
  COMMAND ${qvtool} pack ${qe}/long_name.manifest ${qe}/PackLongName.dat)
qv_expect_test(QvtoolErrors.PackMalformedLine 1 NO_FILE ${qe}/PackMalformedLine.dat
  ERR "^qvtool pack: [^ ]*too_many_words.manifest:1: expected NAME \\[SOURCE \\[FORMAT\\]\\]$"
  COMMAND ${qvtool} pack ${qe}/too_many_words.manifest ${qe}/PackMalformedLine.dat)
qv_expect_test(QvtoolErrors.PackArchiveOfText 1 NO_FILE ${qe}/PackArchiveOfText.dat
  ERR "^qvtool pack: [^ ]*archive_of_text.manifest:1: [^ ]*hello.scr: not an archive$"
  COMMAND ${qvtool} pack ${qe}/archive_of_text.manifest ${qe}/PackArchiveOfText.dat)
qv_expect_test(QvtoolErrors.PackMissingInclude 1 NO_FILE ${qe}/PackMissingInclude.dat
  ERR "^qvtool pack: [^ ]*includes_missing.manifest:[0-9]+: nowhere.manifest: no such manifest$"
  COMMAND ${qvtool} pack ${qe}/includes_missing.manifest ${qe}/PackMissingInclude.dat)
qv_expect_test(QvtoolErrors.PackIncludeLoop 1 NO_FILE ${qe}/PackIncludeLoop.dat
  ERR "^qvtool pack: [^ ]*includes_itself.manifest: included from itself$"
  COMMAND ${qvtool} pack ${qe}/includes_itself.manifest ${qe}/PackIncludeLoop.dat)
qv_expect_test(QvtoolErrors.PackNotPng 1 NO_FILE ${qe}/PackNotPng.dat
  ERR "^qvtool pack: [^ ]*not_png.manifest:1: goo.espr: not a PNG file"
  COMMAND ${qvtool} pack ${qe}/not_png.manifest ${qe}/PackNotPng.dat)
qv_expect_test(QvtoolErrors.PackUnwritableOutput 1
  ERR "^qvtool pack: [^ ]*hello.scr/out.dat: cannot create"
  COMMAND ${qvtool} pack ${qe}/good.manifest ${qe}/hello.scr/out.dat)

# run
qv_expect_test(QvtoolErrors.RunWithoutDir 2 ERR "^qvtool run: --dir INSTALL_DIR is required$"
  COMMAND ${qvtool} run --frames 3)
qv_expect_test(QvtoolErrors.RunUnknownOption 2 ERR "^qvtool run: unknown or incomplete option '--fast'"
  COMMAND ${qvtool} run --dir ${qe}/empty_install --fast)
qv_expect_test(QvtoolErrors.RunBadFrames 2 ERR "^qvtool run: --frames needs a whole number$"
  COMMAND ${qvtool} run --dir ${qe}/empty_install --frames ten)
qv_expect_test(QvtoolErrors.RunMissingReplay 1
  ERR "^qvtool run: cannot open [^ ]*no_such.replay"
  COMMAND ${qvtool} run --dir ${qe}/empty_install --replay ${qe}/no_such.replay)
qv_expect_test(QvtoolErrors.RunMalformedReplay 1
  ERR "^qvtool run: [^ ]*bad.replay: replay line 2: unknown command: swipe 1 2$"
  COMMAND ${qvtool} run --dir ${qe}/empty_install --replay ${qe}/bad.replay)
qv_expect_test(QvtoolErrors.RunWithoutArchive 1
  OUT "^messagebox: Error: App init error. Code : 0X1101\n$"
  ERR "^qvtool run: start-up failed: [^ ]*empty_install/graphics.dat can't be opened \\(App init error. Code : 0X1101\\)$"
  COMMAND ${qvtool} run --dir ${qe}/empty_install --frames 3)
qv_expect_test(QvtoolErrors.RunNotAnArchive 1
  ERR "^qvtool run: start-up failed: [^ ]*not_archive/graphics.dat is not an archive \\(App init error. Code : 0X1102\\)$"
  COMMAND ${qvtool} run --dir ${qe}/not_archive --frames 3)
qv_expect_test(QvtoolErrors.RunInitScriptDoesNotLoad 1
  ERR "^qvtool run: start-up failed: init.scr:2: malformed parameter list of function 'Broken'.* \\(App init error. Code : 0X0007\\)$"
  PREPARE ${qvtool} pack ${qe}/bad_init/graphics.manifest ${qe}/bad_init/graphics.dat
  COMMAND ${qvtool} run --dir ${qe}/bad_init --frames 3)
qv_expect_test(QvtoolErrors.RunInitScriptFails 1
  OUT "messagebox: Error: Error executing script\n"
  ERR "^qvtool run: start-up failed: init.scr:1: Init: undefined name 'y' .*\\(Size of resources is incompatible with screen size of device.\\)$"
  PREPARE ${qvtool} pack ${qe}/failing_init/graphics.manifest ${qe}/failing_init/graphics.dat
  COMMAND ${qvtool} run --dir ${qe}/failing_init --frames 3)
qv_expect_test(QvtoolErrors.RunMissingFont 1
  ERR "^qvtool run: start-up failed: the font fonts_menu.cfn is missing \\(App init error. Code : 0X0012\\)$"
  PREPARE ${qvtool} pack ${qe}/no_fonts/graphics.manifest ${qe}/no_fonts/graphics.dat
  COMMAND ${qvtool} run --dir ${qe}/no_fonts --frames 3)

# script (the language's own failures are the script fixtures)
qv_expect_test(QvtoolErrors.ScriptUsage 2 ERR "^qvtool script: usage: qvtool script FILE.scr"
  COMMAND ${qvtool} script)
qv_expect_test(QvtoolErrors.ScriptIsFolder 1 ERR "^qvtool script: cannot open '[^']*empty_install'$"
  COMMAND ${qvtool} script ${qe}/empty_install)
qv_expect_test(QvtoolErrors.ScriptMissingFunction 1
  ERR "^qvtool script: hello.scr has no function 'Hello'$"
  COMMAND ${qvtool} script ${qe}/hello.scr Hello)
qv_expect_test(QvtoolErrors.ScriptSucceeds 0 OUT "^Said=hello\n$"
  COMMAND ${qvtool} script ${qe}/hello.scr)

# natives
qv_expect_test(QvtoolErrors.NativesUsage 2 ERR "^qvtool natives: usage: qvtool natives \\[--markdown SOURCE OUT\\]$"
  COMMAND ${qvtool} natives --list)
qv_expect_test(QvtoolErrors.NativesUnreadableSource 1 NO_FILE ${qe}/natives.md
  ERR "^qvtool natives: [^ ]*no_such.txt: "
  COMMAND ${qvtool} natives --markdown ${qe}/no_such.txt ${qe}/natives.md)
qv_expect_test(QvtoolErrors.NativesUnwritableOutput 1
  ERR "^qvtool natives: [^ ]*hello.scr/natives.md: "
  COMMAND ${qvtool} natives --markdown ${CMAKE_SOURCE_DIR}/docs/natives.txt
          ${qe}/hello.scr/natives.md)

# any verb
qv_expect_test(QvtoolErrors.UnknownVerb 2 ERR "^qvtool: unknown verb 'frob' \\(see qvtool --help\\)$"
  COMMAND ${qvtool} frob)

# The archive and picture verbs, once they exist. Usage errors aside, each failure is status 1.
set(qv_tool_dir ${CMAKE_SOURCE_DIR}/tools/qvtool)
file(MAKE_DIRECTORY ${qe}/packed)
if(EXISTS ${qv_tool_dir}/verb_list.cpp)
  qv_expect_test(QvtoolErrors.ListMissingArchive 1 ERR "^qvtool list: [^ ]*no_such.dat"
    COMMAND ${qvtool} list ${qe}/no_such.dat)
  qv_expect_test(QvtoolErrors.ListNotAnArchive 1 ERR "^qvtool list: [^ ]*hello.scr: .*archive"
    COMMAND ${qvtool} list ${qe}/hello.scr)
  qv_expect_test(QvtoolErrors.ListTruncatedArchive 1
    ERR "^qvtool list: [^ ]*not_archive/graphics.dat: "
    COMMAND ${qvtool} list ${qe}/not_archive/graphics.dat)
endif()
if(EXISTS ${qv_tool_dir}/verb_extract.cpp)
  qv_expect_test(QvtoolErrors.ExtractMissingEntry 1 NO_FILE ${qe}/extracted.scr
    ERR "^qvtool extract: .*nothing.scr"
    PREPARE ${qvtool} pack ${qe}/good.manifest ${qe}/packed/missing_entry.dat
    COMMAND ${qvtool} extract ${qe}/packed/missing_entry.dat nothing.scr ${qe}/extracted.scr)
  qv_expect_test(QvtoolErrors.ExtractMissingArchive 1 ERR "^qvtool extract: [^ ]*no_such.dat"
    COMMAND ${qvtool} extract ${qe}/no_such.dat hello.scr)
  qv_expect_test(QvtoolErrors.ExtractSucceeds 0 FILE ${qe}/extracted_ok.scr
    FILE_MATCH "^function Init\\(h\\) { SetGlobalVar\\(\"Said\", \"hello\"\\); }\n$"
    PREPARE ${qvtool} pack ${qe}/good.manifest ${qe}/packed/extract_ok.dat
    COMMAND ${qvtool} extract ${qe}/packed/extract_ok.dat HELLO.SCR ${qe}/extracted_ok.scr)
endif()
if(EXISTS ${qv_tool_dir}/verb_convert.cpp)
  qv_expect_test(QvtoolErrors.ConvertMissingInput 1 NO_FILE ${qe}/out.espr
    ERR "^qvtool convert: .*no_such.png"
    COMMAND ${qvtool} convert ${qe}/no_such.png ${qe}/out.espr)
  qv_expect_test(QvtoolErrors.ConvertNotPng 1 NO_FILE ${qe}/out.espr
    ERR "^qvtool convert: .*hello.scr.png"
    COMMAND ${qvtool} convert ${qe}/hello.scr.png ${qe}/out.espr)
  qv_expect_test(QvtoolErrors.ConvertAnimation 1 NO_FILE ${qe}/out.aspr
    ERR "^qvtool convert: .*aspr"
    COMMAND ${qvtool} convert ${qe}/hello.scr.png ${qe}/out.aspr)
endif()
if(EXISTS ${qv_tool_dir}/verb_font.cpp)
  qv_expect_test(QvtoolErrors.FontMissingTtf 1 NO_FILE ${qe}/out.cfn
    ERR "^qvtool font: [^ ]*no_such.ttf"
    COMMAND ${qvtool} font ${qe}/no_such.ttf 12 ${qe}/out.cfn)
  qv_expect_test(QvtoolErrors.FontNotTtf 1 NO_FILE ${qe}/out.cfn
    ERR "^qvtool font: [^ ]*hello.scr"
    COMMAND ${qvtool} font ${qe}/hello.scr 12 ${qe}/out.cfn)
endif()
