# Main window: handler logic without Qt (core) and the window itself (ui).
target_sources(phonikon_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/window_actions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clipboard_actions.cpp
)
if(TARGET phonikon_ui)
  target_sources(phonikon_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_render.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_files.cpp
  )
endif()
