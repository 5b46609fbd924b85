# Sources of src/presentation: TRM_CORE_SOURCES need no <windows.h>, TRM_WIN_SOURCES do.
list(APPEND TRM_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/drag_gesture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_colours.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_dpi_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_window_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mouse_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paint_roles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tip_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/type_ahead.cpp
)
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/item_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_styles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_type_ahead.cpp
  ${CMAKE_CURRENT_LIST_DIR}/palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tracking_state.cpp
)
# The thread hooks installed while the root menu is tracked, the menu
# windows they subclass with the jobs done on them, and the thumbnail tooltip.
list(APPEND TRM_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/frame_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hover_tip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_drag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_hooks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_mouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/monitor_bounds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mouse_out_watch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/submenu_nudge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tip_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/thumbnail_tip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/translucency.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_corners.cpp
)
