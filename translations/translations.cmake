# The game's catalogues: one .ts file per language in translations/, made into .qm files when the
# program is built and embedded in it as :/i18n/shelvy_<language>.qm.  Russian is the language of
# the source texts and has no catalogue.  Included by app/CMakeLists.txt (the catalogues go into
# the program).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

# The folders whose texts the player reads.  lupdate reads Tr (platform/translation.h) as
# QCoreApplication::translate and the Qt-free folders' markers DUEL_TEXT and DUEL_TEXT_N
# (rules/player_text.h) as QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP.
set(DUEL_TRANSLATED_FOLDERS rules storage gallery journal network platform duel session windows main_window app)
set(DUEL_LUPDATE_OPTIONS -locations none -no-ui-lines -source-language ru
    -tr-function-alias "translate+=Tr,QT_TRANSLATE_NOOP+=DUEL_TEXT,QT_TRANSLATE_NOOP+=DUEL_MARK,QT_TRANSLATE_N_NOOP+=DUEL_TEXT_N")

set(duel_ts_files "")
foreach(language ${DUEL_TRANSLATIONS})
    list(APPEND duel_ts_files ${CMAKE_SOURCE_DIR}/translations/shelvy_${language}.ts)
endforeach()

# The .qm files, built from the .ts files as they are (lrelease refuses nothing: the test
# translations.complete is what holds every text translated).
set_source_files_properties(${duel_ts_files} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/i18n)
qt_add_lrelease(shelvy TS_FILES ${duel_ts_files} QM_FILES_OUTPUT_VARIABLE duel_qm_files)
qt_add_resources(shelvy duel_catalogues PREFIX /i18n BASE ${CMAKE_BINARY_DIR}/i18n FILES ${duel_qm_files})

# cmake --build build --target update_translations: the .ts files brought up to date with the
# sources (new texts unfinished, removed ones kept as vanished), for a translator to finish in
# Qt Linguist.
set(duel_translated_paths "")
foreach(folder ${DUEL_TRANSLATED_FOLDERS})
    list(APPEND duel_translated_paths ${CMAKE_SOURCE_DIR}/${folder})
endforeach()
add_custom_target(update_translations
                  COMMAND Qt6::lupdate ${DUEL_LUPDATE_OPTIONS} ${duel_translated_paths} -ts ${duel_ts_files}
                  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                  COMMENT "Updating the catalogues from the sources"
                  VERBATIM)
# For the test translations.complete (tests/translations/).
set(DUEL_LUPDATE_OPTIONS "${DUEL_LUPDATE_OPTIONS}" PARENT_SCOPE)
set(DUEL_TRANSLATED_PATHS "${duel_translated_paths}" PARENT_SCOPE)
set(DUEL_TS_FILES "${duel_ts_files}" PARENT_SCOPE)
