# SPDX-License-Identifier: GPL-3.0-or-later
# The game shell: the menu panel library, the main window library and the zembrik executable.
add_library(zembrik_menu STATIC
  ${CMAKE_CURRENT_LIST_DIR}/click_label.h
  ${CMAKE_CURRENT_LIST_DIR}/menu_panel.h
  ${CMAKE_CURRENT_LIST_DIR}/menu_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_highlight.h
  ${CMAKE_CURRENT_LIST_DIR}/menu_highlight.cpp
  ${CMAKE_CURRENT_LIST_DIR}/watch_row.h
  ${CMAKE_CURRENT_LIST_DIR}/watch_row.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mode_row.h
  ${CMAKE_CURRENT_LIST_DIR}/mode_row.cpp
)
target_include_directories(zembrik_menu PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zembrik_menu PUBLIC Qt6::Widgets zembrik_engine)
set_target_properties(zembrik_menu PROPERTIES AUTOMOC ON)
zembrik_warnings(zembrik_menu)

# Game controllers: the only part of the window that talks to SDL.
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
add_library(zembrik_pad STATIC
  ${CMAKE_CURRENT_LIST_DIR}/pad_layout.h
  ${CMAKE_CURRENT_LIST_DIR}/pad_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pad_input.h
  ${CMAKE_CURRENT_LIST_DIR}/pad_input.cpp
)
target_include_directories(zembrik_pad PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zembrik_pad PUBLIC Qt6::Core zembrik_engine PRIVATE PkgConfig::SDL2)
set_target_properties(zembrik_pad PROPERTIES AUTOMOC ON)
zembrik_warnings(zembrik_pad)

add_library(zembrik_shell STATIC
  ${CMAKE_CURRENT_LIST_DIR}/game_session.h
  ${CMAKE_CURRENT_LIST_DIR}/game_session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/summary_text.h
  ${CMAKE_CURRENT_LIST_DIR}/summary_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock_readout.h
  ${CMAKE_CURRENT_LIST_DIR}/clock_readout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/design_view.h
  ${CMAKE_CURRENT_LIST_DIR}/design_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window.h
  ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_alerts.h
  ${CMAKE_CURRENT_LIST_DIR}/message_alerts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/real_clock.h
  ${CMAKE_CURRENT_LIST_DIR}/real_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_pad.cpp
)
target_include_directories(zembrik_shell PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zembrik_shell PUBLIC zembrik_menu zembrik_pad zembrik_appkit zembrik_render
                      zembrik_audio zembrik_engine zembrik_store zembrik_replay Qt6::Widgets)
set_target_properties(zembrik_shell PROPERTIES AUTOMOC ON)
zembrik_warnings(zembrik_shell)

qt_add_executable(zembrik ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(zembrik PRIVATE zembrik_shell)
# The sound module, the shipped data and the translations belong in the application folder
# with the game.
add_dependencies(zembrik bass appdata zembrik_translations)
zembrik_warnings(zembrik)
# The window's icon, the same pictures the desktop menu shows (drawn by tools/artgen).
set(_zembrik_icons)
foreach(size 16 32 48 64 128 256)
  list(APPEND _zembrik_icons ${PROJECT_SOURCE_DIR}/packaging/icons/${size}x${size}/zembrik.png)
endforeach()
qt_add_resources(zembrik zembrik_icon
  PREFIX /icon
  BASE ${PROJECT_SOURCE_DIR}/packaging/icons
  FILES ${_zembrik_icons})
