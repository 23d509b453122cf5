# Plans a won game with chosen random draws; its output drives the real binary in a window test.
add_executable(plan_win ${CMAKE_CURRENT_SOURCE_DIR}/tools/plan_win.cpp ${CMAKE_CURRENT_SOURCE_DIR}/support/bare_game.cpp $<TARGET_OBJECTS:slidix_board>)
target_include_directories(plan_win PRIVATE ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
