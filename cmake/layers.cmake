# phonikon_layer(<folder> [CORE <sources>...] [UI <sources>...] [DEPENDS <folders>...])
#
# Makes phonikon_<folder> from the folder's Qt-free sources and, in builds with windows,
# phonikon_<folder>_ui from its window sources. The folder's headers are reachable as
# "<folder>/x.h" only through a directory that holds nothing but a link to this folder, so a
# source sees exactly the folders its library links (DEPENDS, and what those link in turn).
set(PHONIKON_CORE_LIBRARIES "" CACHE INTERNAL "")
set(PHONIKON_UI_LIBRARIES "" CACHE INTERNAL "")

function(phonikon_layer folder)
  cmake_parse_arguments(arg "" "" "CORE;UI;DEPENDS" ${ARGN})
  set(stage ${CMAKE_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${stage})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${stage}/${folder} SYMBOLIC)

  set(core phonikon_${folder})
  if(arg_CORE)
    add_library(${core} STATIC ${arg_CORE})
    target_include_directories(${core} PUBLIC ${stage})
    foreach(dep ${arg_DEPENDS})
      target_link_libraries(${core} PUBLIC phonikon_${dep})
    endforeach()
  else()
    add_library(${core} INTERFACE)
    target_include_directories(${core} INTERFACE ${stage})
    foreach(dep ${arg_DEPENDS})
      target_link_libraries(${core} INTERFACE phonikon_${dep})
    endforeach()
  endif()
  set(PHONIKON_CORE_LIBRARIES ${PHONIKON_CORE_LIBRARIES} ${core} CACHE INTERNAL "")

  # The window library exists in every layer (empty where the folder has no windows yet), so
  # each one links the window libraries of all layers below it.
  if(PHONIKON_UI)
    set(ui phonikon_${folder}_ui)
    if(arg_UI)
      add_library(${ui} STATIC ${arg_UI})
      set(scope PUBLIC)
      set(PHONIKON_UI_LIBRARIES ${PHONIKON_UI_LIBRARIES} ${ui} CACHE INTERNAL "")
    else()
      add_library(${ui} INTERFACE)
      set(scope INTERFACE)
    endif()
    target_link_libraries(${ui} ${scope} ${core} Qt6::Widgets Qt6::PrintSupport)
    foreach(dep ${arg_DEPENDS})
      target_link_libraries(${ui} ${scope} phonikon_${dep}_ui)
    endforeach()
  endif()
endfunction()
