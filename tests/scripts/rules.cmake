add_test(NAME HouseRules.SdlRandAndClockConfined
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-rules.sh)
