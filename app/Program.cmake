# The program. Included from the top level once every layer's library exists.
add_executable(quillmark app/main.cpp app/Quillmark.cpp)
target_link_libraries(quillmark PRIVATE qm_core qm_text qm_platform)
# The pdf command: the PDF builder and the session's page making.
target_link_libraries(quillmark PRIVATE qm_pdf qm_session)
install(TARGETS quillmark RUNTIME DESTINATION lib/quillmark)
# The screens: device window, start-up window and everything it runs.
target_link_libraries(quillmark PRIVATE qm_startup)
