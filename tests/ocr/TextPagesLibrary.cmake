# Pages with text drawn in code, photographed-like; shared by the OCR and PDF tests and the
# benchmarks, so a build of the benchmarks without the tests has it too.
if(NOT TARGET qm_ocrtestsupport)
  add_library(qm_ocrtestsupport STATIC ${CMAKE_CURRENT_LIST_DIR}/TextPages.cpp)
  target_include_directories(qm_ocrtestsupport PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(qm_ocrtestsupport PUBLIC Qt6::Gui)
endif()
