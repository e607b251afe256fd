# Translation catalogues (Qt Linguist). translations/quillmark_<language>.ts holds one
# language; lrelease compiles each into a .qm at build time, embedded into the library that
# looks texts up as the resources :/i18n/quillmark_<language>.qm.
#
# 'cmake --build build --target update_translations' runs lupdate over the program's sources
# and brings every .ts up to date: new English texts appear as unfinished, removed ones go.
# Source texts are the string table's QM_TEXT entries and TranslateText calls, which lupdate
# reads as aliases of QT_TRANSLATE_NOOP and translate.

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(QM_LUPDATE_OPTIONS
  -tr-function-alias "QT_TRANSLATE_NOOP+=QM_TEXT,translate+=TranslateText"
  -locations none -no-obsolete -silent)

function(qm_add_translation_catalogues target)
  file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/quillmark_*.ts)
  set(sources "")
  foreach(dir ${QM_LAYERS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND sources ${found})
  endforeach()
  list(REMOVE_DUPLICATES sources)
  set_property(GLOBAL PROPERTY QM_TRANSLATION_SOURCES "${sources}")
  set_property(GLOBAL PROPERTY QM_TRANSLATION_FILES "${ts_files}")
  qt_add_translations(${target}
    TS_FILES ${ts_files}
    SOURCES ${sources}
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}
    RESOURCE_PREFIX /i18n
    LUPDATE_OPTIONS ${QM_LUPDATE_OPTIONS}
    LRELEASE_OPTIONS -silent)
endfunction()
