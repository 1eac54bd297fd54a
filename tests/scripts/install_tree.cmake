# The install rules put the game, its content, the default options, the desktop entry and the
# icon where an installed game looks for them.
add_test(NAME Install.Tree
         COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR}
                 -DPREFIX=${CMAKE_BINARY_DIR}/test-tmp/install-tree
                 -P ${CMAKE_SOURCE_DIR}/tests/fixtures/install/check_tree.cmake)
