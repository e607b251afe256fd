# Compiler settings shared by every target of the project.

find_program(QM_CCACHE ccache)
if(QM_CCACHE)
  set(CMAKE_C_COMPILER_LAUNCHER ${QM_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${QM_CCACHE})
endif()

option(QM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QM_FUZZ "Build the libFuzzer targets of tests/fuzz (clang only)" OFF)

option(QM_WERROR "Treat compiler warnings as errors" OFF)

# Warnings for the project's own sources. Outside headers (Qt, GStreamer, OpenCV, libharu, ...)
# come in as SYSTEM include folders, so their warnings stay out of the way. The whole tree
# (libraries, program, tests) builds without a warning under this set; QM_WERROR turns warnings
# into errors, and CI builds with it (.ci/run).
set(QM_WARNINGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference
    -Wpedantic CACHE STRING "Warning options for the project's own sources")
add_compile_options(${QM_WARNINGS})
if(QM_WERROR)
  add_compile_options(-Werror)
endif()
if(QM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(QM_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QM_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  # Coverage for libFuzzer in every library; the fuzz targets link libFuzzer itself.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Tests read English texts, A4 paper and "." as decimal point whatever the locale of the
# person running them; a test that wants a language or paper sets its own.
set(QM_TEST_LOCALE "LANGUAGE=;LC_ALL=;LC_MESSAGES=;LC_PAPER=;LC_NUMERIC=;LANG=C.UTF-8")

# One test executable per library; test cases are discovered when the tests run, so a build
# does not start the binaries.
function(qm_add_tests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} qm_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${QM_TEST_LOCALE}"
    DISCOVERY_TIMEOUT 60)
endfunction()
