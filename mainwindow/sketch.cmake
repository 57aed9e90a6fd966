target_sources(phonikon_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/sketch_scene.cpp)
if(TARGET phonikon_ui)
  target_sources(phonikon_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/sketch_view.cpp)
endif()
