# Compiler settings shared by every target of the project.

find_program(QM_CCACHE ccache)
if(QM_CCACHE)
  set(CMAKE_C_COMPILER_LAUNCHER ${QM_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${QM_CCACHE})
endif()

option(QM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_compile_options(-Wall -Wextra)
if(QM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Headless libraries (everything below the screens) may use Qt Core and Gui, never Widgets.
# The list is checked by a test that scans their sources (tests/CMakeLists.txt).
set_property(GLOBAL PROPERTY QM_HEADLESS_SOURCES "")
function(qm_headless_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  foreach(src ${ARGN})
    get_filename_component(path ${src} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    get_filename_component(base ${path} NAME_WE)
    get_filename_component(dir ${path} DIRECTORY)
    # The source and the header beside it.
    set_property(GLOBAL APPEND PROPERTY QM_HEADLESS_SOURCES ${path})
    if(EXISTS ${dir}/${base}.h)
      set_property(GLOBAL APPEND PROPERTY QM_HEADLESS_SOURCES ${dir}/${base}.h)
    endif()
  endforeach()
endfunction()

# One test executable per library; test cases are discovered when the tests run, so a build
# does not start the binaries.
function(qm_add_tests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} qm_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
    DISCOVERY_TIMEOUT 60)
endfunction()
