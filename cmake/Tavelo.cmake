# tavelo_add_library(name DEPS ...): a static library from every .cpp in the
# current folder; DEPS are the only libraries it may use.
function(tavelo_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
endfunction()

# tavelo_add_test(source LIBS ...): one GoogleTest executable per test file.
function(tavelo_add_test source)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  get_filename_component(stem ${source} NAME_WE)
  get_filename_component(dir ${source} DIRECTORY)
  string(REPLACE "/" "_" prefix "${dir}")
  set(target test_${prefix}_${stem})
  add_executable(${target} ${source})
  target_link_libraries(${target} PRIVATE tavelo_test_support ${ARG_LIBS})
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=0")
endfunction()
