# Shared CMake helpers.

# vork_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>]
#               [SANITIZE] [NETNS] [XVFB] [TIMEOUT <seconds>])
#
# One Qt Test executable registered with CTest.
#   SANITIZE  also built and run in the sanitizer configuration (VORK_SANITIZE=ON);
#             in that configuration every other test is left out.
#   NETNS     creates network namespaces: needs root, labelled "netns", never run in parallel
#             with another NETNS test.
#   XVFB      runs under xvfb-run (a real X server) instead of the offscreen platform.
function(vork_add_test name)
  cmake_parse_arguments(T "SANITIZE;NETNS;XVFB" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if(VORK_SANITIZE AND NOT T_SANITIZE)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
  if(T_XVFB)
    add_test(NAME ${name} COMMAND xvfb-run -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  set(labels ${T_LABELS})
  if(T_SANITIZE)
    list(APPEND labels sanitize)
  endif()
  set(env "QT_QPA_PLATFORM=offscreen")
  if(T_XVFB)
    set(env "QT_QPA_PLATFORM=xcb")
    list(APPEND labels xvfb)
  endif()
  # Every test gets its own settings and home so that QSettings never touches the user's files.
  list(APPEND env "HOME=${CMAKE_CURRENT_BINARY_DIR}/home-${name}"
                  "XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/home-${name}/.config"
                  "UBSAN_OPTIONS=print_stacktrace=1"
                  "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/common/lsan.supp")
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
  if(T_NETNS)
    list(APPEND labels netns)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK netns)
  endif()
  if(labels)
    set_tests_properties(${name} PROPERTIES LABELS "${labels}")
  endif()
endfunction()
