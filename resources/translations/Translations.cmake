# The program's texts: one id-based .ts source per language, compiled by lrelease at build
# time and embedded as ":/translations/tumbo_<language>.qm".
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(TUMBO_TRANSLATIONS_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TUMBO_TS_FILES
  ${TUMBO_TRANSLATIONS_DIR}/tumbo_en.ts
  ${TUMBO_TRANSLATIONS_DIR}/tumbo_de.ts
  ${TUMBO_TRANSLATIONS_DIR}/tumbo_ko.ts)

function(tumbo_add_translations target)
  set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
  set_source_files_properties(${TUMBO_TS_FILES} PROPERTIES OUTPUT_LOCATION ${qm_dir})
  qt_add_lrelease(${target}
    TS_FILES ${TUMBO_TS_FILES}
    QM_FILES_OUTPUT_VARIABLE qm_files
    OPTIONS -idbased -silent)
  qt_add_resources(${target} tumbo_translations
    PREFIX /translations
    BASE ${qm_dir}
    FILES ${qm_files})
endfunction()
