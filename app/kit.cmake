# SPDX-License-Identifier: GPL-3.0-or-later
# The application kit: settings files, key tables, the two dialogs and the menu artwork.
add_library(zembrik_appkit STATIC
  ${CMAKE_CURRENT_LIST_DIR}/art.h
  ${CMAKE_CURRENT_LIST_DIR}/language.h
  ${CMAKE_CURRENT_LIST_DIR}/language.cpp
  ${CMAKE_CURRENT_LIST_DIR}/places.h
  ${CMAKE_CURRENT_LIST_DIR}/places.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings.h
  ${CMAKE_CURRENT_LIST_DIR}/settings_file.h
  ${CMAKE_CURRENT_LIST_DIR}/settings_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_slots.h
  ${CMAKE_CURRENT_LIST_DIR}/key_names.h
  ${CMAKE_CURRENT_LIST_DIR}/key_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vk_table.h
  ${CMAKE_CURRENT_LIST_DIR}/vk_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/choice_box.h
  ${CMAKE_CURRENT_LIST_DIR}/choice_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pad_column.h
  ${CMAKE_CURRENT_LIST_DIR}/pad_column.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controls_dialog.h
  ${CMAKE_CURRENT_LIST_DIR}/controls_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog.h
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/handling_panel.h
  ${CMAKE_CURRENT_LIST_DIR}/handling_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_style.cpp
)
target_include_directories(zembrik_appkit PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zembrik_appkit PUBLIC Qt6::Widgets zembrik_engine zembrik_pieces zembrik_store
                      zembrik_render zembrik_pad)
set_target_properties(zembrik_appkit PROPERTIES AUTOMOC ON)
zembrik_warnings(zembrik_appkit)

# The menu artwork as resources. An object library keeps the resource registration linked
# into every program that uses the kit.
qt_add_resources(zembrik_appkit zembrik_art
  PREFIX /art
  BASE ${CMAKE_CURRENT_LIST_DIR}/art
  FILES
    ${CMAKE_CURRENT_LIST_DIR}/art/newgame.png
    ${CMAKE_CURRENT_LIST_DIR}/art/controls.png
    ${CMAKE_CURRENT_LIST_DIR}/art/settings.png
    ${CMAKE_CURRENT_LIST_DIR}/art/about.png
    ${CMAKE_CURRENT_LIST_DIR}/art/options.png
    ${CMAKE_CURRENT_LIST_DIR}/art/title.png
    ${CMAKE_CURRENT_LIST_DIR}/art/controls_bg.png
)
