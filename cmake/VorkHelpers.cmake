# Shared CMake helpers.

# Runs a test command with a temporary folder, home, settings and runtime folder of its own, made
# fresh for the run and removed after it (see the script). Every test command starts with it, so
# that no two tests, no two runs of the suite and no test and the program running beside it share
# a folder, a local socket or a lock file.
set(VORK_PRIVATE_RUN ${CMAKE_SOURCE_DIR}/tests/common/private-run.sh)

# Runs a Qt Test executable with a limit for each of its test functions (see the script): a hang
# fails the function it is in, by name, rather than waiting for CTest's limit of the whole test.
set(VORK_FUNCTION_WATCH ${CMAKE_SOURCE_DIR}/tests/common/function-watch.sh)

# vork_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>]
#               [SANITIZE] [NETNS [NETNS_ARGS <bed options...>]] [XVFB] [TIMEOUT <seconds>]
#               [FUNCTION_TIMEOUT <seconds>])
#
# One Qt Test executable registered with CTest.
#   SANITIZE  also built and run in the sanitizer configuration (VORK_SANITIZE=ON);
#             in that configuration every other test is left out.
#   NETNS     runs inside the network-namespace bed (tests/common/netns-bed.sh, options from
#             NETNS_ARGS, e.g. "--links 2 --simserver"): needs root, skipped (exit 77) without it,
#             labelled "netns", never run in parallel with another NETNS test.
#   XVFB      runs under xvfb-run (a real X server) instead of the offscreen platform.
#   TIMEOUT   the seconds of the whole test's work (default 300); FUNCTION_TIMEOUT those of its
#             longest test function or data row (default 30), where a hang guard longer than a
#             minute counts as work for what it is longer. vork_hang_timeout makes the limits.
# The executable runs under VORK_FUNCTION_WATCH, the whole command under VORK_PRIVATE_RUN.
function(vork_add_test name)
  cmake_parse_arguments(T "SANITIZE;NETNS;XVFB" "TIMEOUT;FUNCTION_TIMEOUT" "SOURCES;LIBS;LABELS;NETNS_ARGS"
                        ${ARGN})
  if(VORK_SANITIZE AND NOT T_SANITIZE)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
  vork_copy_help(${name})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(NOT T_FUNCTION_TIMEOUT)
    set(T_FUNCTION_TIMEOUT 30)
  endif()
  set(slowness 1)
  if(VORK_SANITIZE)
    set(slowness 3)
  endif()
  vork_hang_timeout(limit function ${T_TIMEOUT} ${T_FUNCTION_TIMEOUT} ${slowness} ${T_SOURCES})
  set(cmd ${VORK_FUNCTION_WATCH} ${function} $<TARGET_FILE:${name}>)
  if(T_XVFB)
    set(cmd xvfb-run -a -s "-screen 0 1280x1024x24" ${cmd})
  endif()
  if(T_NETNS)
    set(cmd ${CMAKE_SOURCE_DIR}/tests/common/netns-bed.sh
            --simserver-bin $<TARGET_FILE:simserver> ${T_NETNS_ARGS} -- ${cmd})
    add_dependencies(${name} simserver)
  endif()
  add_test(NAME ${name} COMMAND ${VORK_PRIVATE_RUN} ${cmd})
  set(labels ${T_LABELS})
  if(T_SANITIZE)
    list(APPEND labels sanitize)
  endif()
  set(env "QT_QPA_PLATFORM=offscreen")
  if(T_XVFB)
    set(env "QT_QPA_PLATFORM=xcb")
    list(APPEND labels xvfb)
  endif()
  # Home, settings and temporary folder come from VORK_PRIVATE_RUN, fresh for every run.
  list(APPEND env "UBSAN_OPTIONS=print_stacktrace=1"
                  "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/common/lsan.supp")
  # Qt's own watchdog is the last resort only (see VORK_FUNCTION_WATCH): left at its default of
  # five minutes, it would end a correct test whose functions take that long together.
  list(APPEND env "QTEST_FUNCTION_TIMEOUT=${limit}000")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${limit})
  if(T_NETNS)
    list(APPEND labels netns)
    # One sweep per run removes namespaces that killed beds left behind.
    get_property(swept GLOBAL PROPERTY VORK_NETNS_SWEEP)
    if(NOT swept)
      set_property(GLOBAL PROPERTY VORK_NETNS_SWEEP ON)
      add_test(NAME netns_sweep COMMAND ${CMAKE_SOURCE_DIR}/tests/common/netns-bed.sh --sweep)
      set_tests_properties(netns_sweep PROPERTIES FIXTURES_SETUP netns SKIP_RETURN_CODE 77
                                                  RESOURCE_LOCK netns LABELS netns)
    endif()
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK netns FIXTURES_REQUIRED netns
                                            SKIP_RETURN_CODE 77)
  endif()
  if(labels)
    set_tests_properties(${name} PROPERTIES LABELS "${labels}")
  endif()
endfunction()

# vork_hang_timeout(<out-var> <function-out-var> <seconds> <function-seconds> <slowness>
#                   <sources...>)
#
# The limits of a Qt Test executable, in seconds: CTest's for the whole test (out-var) and the
# one of each test function or data row (function-out-var, for VORK_FUNCTION_WATCH). Every wait
# of a test for what must come gives up after one hang guard (tests/common/HangGuard.h: 60 s,
# times the slowness of the build: 3 for the sanitizer builds) and fails the test function it is
# in; the next function runs. A function's limit holds the seconds given for its work and two
# guards, times the slowness: a wait that gives up fails the function by its own message, and a
# hang where no guard waits fails it as timed out, within minutes. CTest's limit holds the
# seconds given for the whole test's work (times the slowness), one guard per function of the
# sources (every "void name()" line counts) with two to spare, and one function's limit, so that
# even a hang in the last function fails that function first.
function(vork_hang_timeout out function_out seconds function_seconds slowness)
  set(functions 2)
  foreach(source ${ARGN})
    get_filename_component(source ${source} ABSOLUTE)
    file(STRINGS ${source} lines REGEX "^[ \t]*void[ \t]+[A-Za-z_0-9:]+\\(\\)")
    list(LENGTH lines count)
    math(EXPR functions "${functions} + ${count}")
  endforeach()
  math(EXPR function_limit "(${function_seconds} + 2 * 60) * ${slowness}")
  math(EXPR limit "(${seconds} + ${functions} * 60) * ${slowness} + ${function_limit}")
  set(${out} ${limit} PARENT_SCOPE)
  set(${function_out} ${function_limit} PARENT_SCOPE)
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
