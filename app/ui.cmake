# The desktop program.
if(TARGET phonikon_ui)
  add_executable(phonikon main.cpp)
  target_link_libraries(phonikon PRIVATE phonikon_ui)
  set_target_properties(phonikon PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
