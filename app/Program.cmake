# The program. Included from the top level once every layer's library exists.
add_executable(quillmark app/main.cpp app/Quillmark.cpp)
target_link_libraries(quillmark PRIVATE qm_core qm_text qm_platform)
install(TARGETS quillmark RUNTIME DESTINATION lib/quillmark)
