# The GUI's end-to-end test runs the program through qvtool, so qvtool is built with it.
if(TARGET test_gui AND TARGET qvtool)
  add_dependencies(test_gui qvtool)
endif()
