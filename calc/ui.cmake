if(TARGET phonikon_ui)
  target_sources(phonikon_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/protocol_window.cpp)
endif()
