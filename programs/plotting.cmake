# The two plotting programs: one shared run of four stages, each program with its own settings.
# The run is a library of its own so that the tests can drive it on the headless twin.
add_library(plotting_stages STATIC plotting/stages.cpp)
target_link_libraries(plotting_stages PUBLIC plotting)

foreach(program quadplot quadsketch)
  add_executable(${program} ${program}/main.cpp)
  target_link_libraries(${program} PRIVATE plotting_stages graph_sdl)
endforeach()
