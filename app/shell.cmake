# The game shell: the menu panel library, and once the kit, renderer and audio parts exist,
# the main window library and the zembrik executable.
add_library(zembrik_menu STATIC
  ${CMAKE_CURRENT_LIST_DIR}/click_label.h
  ${CMAKE_CURRENT_LIST_DIR}/menu_panel.h
  ${CMAKE_CURRENT_LIST_DIR}/menu_panel.cpp
)
target_include_directories(zembrik_menu PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zembrik_menu PUBLIC Qt6::Widgets zembrik_engine)
set_target_properties(zembrik_menu PROPERTIES AUTOMOC ON)
zembrik_warnings(zembrik_menu)
