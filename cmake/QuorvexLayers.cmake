# qv_layer(NAME DIR dir [DEPS targets...] [EXCLUDE subdirs...])
# Makes the static library qv_NAME from every .cpp below DIR (minus the EXCLUDEd subfolders).
# A layer without sources yet becomes an interface library so that its dependents still link.
function(qv_layer name)
  cmake_parse_arguments(L "" "DIR" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_DIR}/*.cpp)
  foreach(ex IN LISTS L_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/${L_DIR}/${ex}/")
  endforeach()
  set(target qv_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${L_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${L_DEPS})
  endif()
endfunction()

# qv_test_dir(DIR dir LIBS targets...)
# One GoogleTest executable per test folder (not its subfolders): tests/gfx/images becomes
# test_gfx_images, so one folder's half-finished test never stops another's from building.
function(qv_test_dir dir)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  string(REPLACE "/" "_" exe "test_${dir}")
  add_executable(${exe} ${sources})
  target_include_directories(${exe} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${exe} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${exe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${exe} PRIVATE
    QV_BIN_DIR="${QV_BIN_DIR}"
    QV_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    QV_TEST_TMP_DIR="${CMAKE_BINARY_DIR}/test-tmp")
  gtest_discover_tests(${exe} WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300)
endfunction()
