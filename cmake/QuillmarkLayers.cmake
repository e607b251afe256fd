# Layers: every folder of the program builds exactly one library, registered with
# qm_library(). The order in which the folders are added (QM_LAYERS in the top-level
# CMakeLists.txt) is the order of the layers, bottom first. A library may link only libraries
# of lower layers and may include only headers of itself and of what it links, directly or
# through them; a headless library uses no Qt Widgets. Libraries under ui/, in a screens/
# folder and in program/ are the widgets ones; every other library is declared HEADLESS.
# check_layers.py enforces all of it at
# every build, from the manifest written at the end of the configuration.

set_property(GLOBAL PROPERTY QM_LIBRARIES "")

# qm_library(<name> [HEADLESS] [INTERFACE] <sources>...)
# HEADLESS: Qt Core and Gui at most. INTERFACE: a folder of headers only.
function(qm_library name)
  cmake_parse_arguments(ARG "HEADLESS;INTERFACE" "" "" ${ARGN})
  if(ARG_INTERFACE)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
  else()
    add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    # The widgets libraries also make up the window library (program/), a shared object.
    if(NOT ARG_HEADLESS)
      set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    endif()
  endif()
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(GLOBAL APPEND PROPERTY QM_LIBRARIES ${name})
  set_property(GLOBAL PROPERTY QM_LIBRARY_FOLDER_${name} ${folder})
  set_property(GLOBAL PROPERTY QM_LIBRARY_HEADLESS_${name} ${ARG_HEADLESS})
endfunction()

# Writes the manifest (one line per library: name, folder, headless, declared libraries) and
# adds the check to every build and to the tests.
function(qm_check_layers)
  get_property(libs GLOBAL PROPERTY QM_LIBRARIES)
  set(manifest "")
  set(all_files "")
  foreach(lib ${libs})
    get_property(folder GLOBAL PROPERTY QM_LIBRARY_FOLDER_${lib})
    get_property(headless GLOBAL PROPERTY QM_LIBRARY_HEADLESS_${lib})
    get_target_property(type ${lib} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(links ${lib} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(links ${lib} LINK_LIBRARIES)
    endif()
    if(NOT links)
      set(links "")
    endif()
    set(deps "")
    foreach(l ${links})
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" l "${l}")
      list(APPEND deps "${l}")
    endforeach()
    string(REPLACE ";" "," deps "${deps}")
    if(headless)
      set(headless 1)
    else()
      set(headless 0)
    endif()
    string(APPEND manifest "${lib} ${folder} ${headless} ${deps}\n")
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND all_files ${files})
  endforeach()
  set(out ${CMAKE_BINARY_DIR}/layers.manifest)
  file(WRITE ${out}.new "${manifest}")
  configure_file(${out}.new ${out} COPYONLY)

  find_program(QM_PYTHON3 NAMES python3 HINTS /usr/bin REQUIRED)
  set(command ${QM_PYTHON3} ${PROJECT_SOURCE_DIR}/cmake/check_layers.py
    --root ${PROJECT_SOURCE_DIR} --manifest ${out})
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/layers.checked
    COMMAND ${command}
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/layers.checked
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/check_layers.py ${out} ${all_files}
    COMMENT "Checking the layers"
    VERBATIM)
  add_custom_target(check_layers ALL DEPENDS ${CMAKE_BINARY_DIR}/layers.checked)
  # Every library is compiled after the check, so an upward include stops the build early.
  foreach(lib ${libs})
    get_target_property(type ${lib} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      add_dependencies(${lib} check_layers)
    endif()
  endforeach()
  set(QM_CHECK_LAYERS_COMMAND ${command} PARENT_SCOPE)
endfunction()
