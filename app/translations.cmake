# SPDX-License-Identifier: GPL-3.0-or-later
# The game's translations: translations/zembrik_<language>.ts compiled by lrelease into
# translations/ of the application folder, where the game reads them (app/language.h).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(ZEMBRIK_LANGUAGES de fr es pt_BR ru zh_CN ja)
set(ZEMBRIK_TS_FILES)
foreach(lang ${ZEMBRIK_LANGUAGES})
  list(APPEND ZEMBRIK_TS_FILES ${PROJECT_SOURCE_DIR}/translations/zembrik_${lang}.ts)
endforeach()
# English, the code's own language, takes only the plural forms of texts with a count from
# its file ("1 step", "2 steps").
set(ZEMBRIK_EN_TS ${PROJECT_SOURCE_DIR}/translations/zembrik_en.ts)
set_source_files_properties(${ZEMBRIK_TS_FILES} ${ZEMBRIK_EN_TS} PROPERTIES
  OUTPUT_LOCATION ${ZEMBRIK_APP_DIR}/translations)
qt6_add_translation(ZEMBRIK_QM_FILES ${ZEMBRIK_TS_FILES} ${ZEMBRIK_EN_TS} OPTIONS -silent)
add_custom_target(zembrik_translations ALL DEPENDS ${ZEMBRIK_QM_FILES})
install(FILES ${ZEMBRIK_QM_FILES} DESTINATION share/games/zembrik/translations)

# `cmake --build build --target update_translations` brings the .ts files up to date with the
# texts of the code (lupdate): new texts come in unfinished, texts gone are marked obsolete.
add_custom_target(update_translations
  COMMAND Qt6::lupdate -silent -I ${PROJECT_SOURCE_DIR} -locations none -no-obsolete
          ${PROJECT_SOURCE_DIR}/app
          ${PROJECT_SOURCE_DIR}/render -ts ${ZEMBRIK_TS_FILES}
  COMMAND Qt6::lupdate -silent -I ${PROJECT_SOURCE_DIR} -locations none -no-obsolete -pluralonly
          ${PROJECT_SOURCE_DIR}/app
          ${PROJECT_SOURCE_DIR}/render -ts ${ZEMBRIK_EN_TS}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Updating the translation sources"
  VERBATIM)
