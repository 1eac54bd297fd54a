# What qvtool list, extract, convert and font print and write, beyond the failure kinds checked
# with the other verbs: the listing's columns, an entry on standard output, a damaged entry, the
# encodings convert refuses and the options font refuses.
include(${CMAKE_CURRENT_LIST_DIR}/qvtool_expect.cmake)

set(rq ${CMAKE_CURRENT_BINARY_DIR}/res_qvtool)
set(qvtool $<TARGET_FILE:qvtool>)
set(dejavu /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)
file(MAKE_DIRECTORY ${rq})
file(WRITE ${rq}/hello.txt "hello\n")
file(WRITE ${rq}/empty.txt "")
file(WRITE ${rq}/hello.espr "hello\n")
file(WRITE ${rq}/two.manifest "hello.txt\nEmpty.TXT empty.txt\n")
find_package(Python3 COMPONENTS Interpreter)

qv_expect_test(ResQvtool.ListColumns 0
  OUT "^hello.txt +[0-9]+ +6\nEmpty.TXT +[0-9]+ +0\n$"
  PREPARE ${qvtool} pack ${rq}/two.manifest ${rq}/two.dat
  COMMAND ${qvtool} list ${rq}/two.dat)
qv_expect_test(ResQvtool.ListUsage 2 ERR "^usage: qvtool list ARCHIVE$"
  COMMAND ${qvtool} list)
qv_expect_test(ResQvtool.ExtractToStandardOutput 0 OUT "^hello\n$"
  PREPARE ${qvtool} pack ${rq}/two.manifest ${rq}/stdout.dat
  COMMAND ${qvtool} extract ${rq}/stdout.dat Hello.Txt)
qv_expect_test(ResQvtool.ExtractEmptyEntry 0 FILE ${rq}/empty_out.txt FILE_MATCH "^$"
  PREPARE ${qvtool} pack ${rq}/two.manifest ${rq}/empty.dat
  COMMAND ${qvtool} extract ${rq}/empty.dat empty.txt ${rq}/empty_out.txt)
if(Python3_Interpreter_FOUND)
  set(res_inputs ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/res_inputs.py)
  qv_expect_test(ResQvtool.ExtractDamagedEntry 1 NO_FILE ${rq}/broken.txt
    ERR "^qvtool extract: [^ ]*damaged.dat: damaged entry 'broken.txt'$"
    PREPARE ${res_inputs} ${rq}
    COMMAND ${qvtool} extract ${rq}/damaged.dat broken.txt ${rq}/broken.txt)
  qv_expect_test(ResQvtool.ListDamagedEntry 0 OUT "^broken.txt +1000 +5\n$"
    PREPARE ${res_inputs} ${rq}
    COMMAND ${qvtool} list ${rq}/damaged.dat)

  # convert
  qv_expect_test(ResQvtool.ConvertUnknownOutput 1 NO_FILE ${rq}/out.bmp
    ERR "^qvtool convert: [^ ]*out.bmp: not a picture name \\(use .png .espr .spr .cmb .sft .tga\\)$"
    COMMAND ${qvtool} convert ${rq}/in.png ${rq}/out.bmp)
  qv_expect_test(ResQvtool.ConvertAnimationInput 1 NO_FILE ${rq}/out.png
    ERR "^qvtool convert: [^ ]*in.aspr: .aspr is a frame list, not a picture"
    COMMAND ${qvtool} convert ${rq}/in.aspr ${rq}/out.png)
  qv_expect_test(ResQvtool.ConvertFormatOfAnotherKind 1 NO_FILE ${rq}/out.cmb
    ERR "^qvtool convert: [^ ]*out.cmb: format 'spr8' does not apply to .cmb pictures$"
    PREPARE ${res_inputs} ${rq}
    COMMAND ${qvtool} convert ${rq}/in.png ${rq}/out.cmb --format spr8)
  qv_expect_test(ResQvtool.ConvertTooManyColours 1 NO_FILE ${rq}/out.spr
    ERR "^qvtool convert: [^ ]*out.spr: .*16"
    PREPARE ${res_inputs} ${rq}
    COMMAND ${qvtool} convert ${rq}/in.png ${rq}/out.spr --format spr4)
  qv_expect_test(ResQvtool.ConvertFormatToPng 1 NO_FILE ${rq}/out.png
    ERR "^qvtool convert: --format tga16 does not apply to PNG files$"
    PREPARE ${res_inputs} ${rq}
    COMMAND ${qvtool} convert ${rq}/in.png ${rq}/out.png --format tga16)
  qv_expect_test(ResQvtool.ConvertMalformedPicture 1 NO_FILE ${rq}/out.png
    ERR "^qvtool convert: [^ ]*hello.espr: not a valid .espr picture$"
    PREPARE ${res_inputs} ${rq}
    COMMAND ${qvtool} convert ${rq}/hello.espr ${rq}/out.png)
endif()

# font
qv_expect_test(ResQvtool.FontWritesCfn 0 OUT "^[^ ]*menu.cfn: codes 32-126, [0-9]+ pixels high, [0-9]+ bytes\n$"
  FILE ${rq}/menu.cfn FILE_MATCH "^menu"
  COMMAND ${qvtool} font ${dejavu} 12 ${rq}/menu.cfn --chars 32-126 --fill FFFF00 --fill2 FF8000
          --outline 000080 --shadow 80000000)
qv_expect_test(ResQvtool.FontColourOfMaskFont 1 NO_FILE ${rq}/small.font
  ERR "^qvtool font: --outline applies to .cfn fonts only$"
  COMMAND ${qvtool} font ${dejavu} 12 ${rq}/small.font --outline 000000)
qv_expect_test(ResQvtool.FontBadRange 1 NO_FILE ${rq}/range.cfn
  ERR "^qvtool font: --chars '32': expected two decimal codes A-B$"
  COMMAND ${qvtool} font ${dejavu} 12 ${rq}/range.cfn --chars 32)
qv_expect_test(ResQvtool.FontRangeOutside 1 NO_FILE ${rq}/range.cfn
  ERR "^qvtool font: character range must lie within 32..255$"
  COMMAND ${qvtool} font ${dejavu} 12 ${rq}/range.cfn --chars 0-300)
qv_expect_test(ResQvtool.FontBadColour 1 NO_FILE ${rq}/colour.cfn
  ERR "^qvtool font: --fill 'FFFF0': not a valid value$"
  COMMAND ${qvtool} font ${dejavu} 12 ${rq}/colour.cfn --fill FFFF0)
qv_expect_test(ResQvtool.FontBadSize 1 NO_FILE ${rq}/size.cfn
  ERR "^qvtool font: pixel size '12px' is not a whole number$"
  COMMAND ${qvtool} font ${dejavu} 12px ${rq}/size.cfn)
qv_expect_test(ResQvtool.FontWideOutline 1 NO_FILE ${rq}/wide.cfn
  ERR "^qvtool font: outline width 0..4$"
  COMMAND ${qvtool} font ${dejavu} 12 ${rq}/wide.cfn --outline-width 9)
qv_expect_test(ResQvtool.FontOtherOutput 1 NO_FILE ${rq}/font.png
  ERR "^qvtool font: [^ ]*font.png: the output must end in .cfn or .font$"
  COMMAND ${qvtool} font ${dejavu} 12 ${rq}/font.png)
