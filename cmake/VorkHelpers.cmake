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
  vork_copy_help(${name})
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

# vork_copy_help(<target>)
#
# The help window reads its pages from a "help" directory beside the running executable, so the
# build copies the repository's help/ pages next to every executable that can open help.
function(vork_copy_help target)
  file(GLOB _help_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*.html)
  set(_out_dir ${CMAKE_CURRENT_BINARY_DIR}/help)
  string(MD5 _dir_hash "${_out_dir}")
  set(_help_target vorkhelp_${_dir_hash})
  if(NOT TARGET ${_help_target})
    set(_outputs)
    foreach(_file ${_help_files})
      get_filename_component(_name ${_file} NAME)
      add_custom_command(OUTPUT ${_out_dir}/${_name}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${_out_dir}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_file} ${_out_dir}/${_name}
        DEPENDS ${_file} VERBATIM)
      list(APPEND _outputs ${_out_dir}/${_name})
    endforeach()
    add_custom_target(${_help_target} DEPENDS ${_outputs})
  endif()
  add_dependencies(${target} ${_help_target})
endfunction()
