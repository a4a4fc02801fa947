# The external tools the media converters run. The program looks for them in fixed places under its
# own folder (QCoreApplication::applicationDirPath()), so the build puts them there: beside the
# program, and beside every test binary that runs them.
#
#   vork_place_tools(<target> [<tool set>...])
#
# places the named tool sets (all registered sets when none is named) into the folder of <target>'s
# binary, at every build, through the custom target <target>-place-tools. A tool set is registered with
#
#   vork_register_tool_set(<name> <entry>...)
#
# where each entry reads "<path under the binary's folder>|LINK|<file>" (a symbolic link to <file>)
# or "<path>|COPY|<file>" (an executable copy of <file>).
#
# This file is also the script that does the placing: cmake -DVORK_TOOL_DIR=<folder>
# -DVORK_TOOL_LIST=<file with one entry a line> -P VorkTools.cmake.

if(CMAKE_SCRIPT_MODE_FILE)
  file(STRINGS "${VORK_TOOL_LIST}" entries)
  foreach(entry IN LISTS entries)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 rel)
    list(GET parts 1 how)
    list(GET parts 2 file)
    set(dest "${VORK_TOOL_DIR}/${rel}")
    get_filename_component(dest_dir "${dest}" DIRECTORY)
    file(MAKE_DIRECTORY "${dest_dir}")
    # A test may have left a stand-in of its own there; the build's tool replaces it.
    file(REMOVE "${dest}")
    if(how STREQUAL "LINK")
      file(CREATE_LINK "${file}" "${dest}" SYMBOLIC)
    else()
      file(COPY_FILE "${file}" "${dest}")
      file(CHMOD "${dest}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                                       GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
  endforeach()
  return()
endif()

set(VORK_TOOLS_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")
set_property(GLOBAL PROPERTY VORK_TOOL_SETS "")

function(vork_register_tool_set name)
  set_property(GLOBAL APPEND PROPERTY VORK_TOOL_SETS ${name})
  set_property(GLOBAL PROPERTY VORK_TOOL_SET_${name} "${ARGN}")
endfunction()

function(vork_place_tools target)
  set(sets ${ARGN})
  if(NOT sets)
    get_property(sets GLOBAL PROPERTY VORK_TOOL_SETS)
  endif()
  set(entries "")
  foreach(s IN LISTS sets)
    get_property(known GLOBAL PROPERTY VORK_TOOL_SETS)
    if(NOT s IN_LIST known)
      message(FATAL_ERROR "vork_place_tools: unknown tool set '${s}'")
    endif()
    get_property(e GLOBAL PROPERTY VORK_TOOL_SET_${s})
    list(APPEND entries ${e})
  endforeach()
  list(JOIN entries "\n" lines)
  set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${target}-tools.txt")
  file(WRITE "${list_file}" "${lines}\n")
  add_custom_target(${target}-place-tools ALL
    COMMAND ${CMAKE_COMMAND} "-DVORK_TOOL_DIR=$<TARGET_FILE_DIR:${target}>"
            "-DVORK_TOOL_LIST=${list_file}" -P "${VORK_TOOLS_SCRIPT}"
    COMMENT "Placing the converter tools beside ${target}"
    VERBATIM)
  # Runs at every build, after <target> (whose folder it names), so that a tool removed or replaced
  # there is put back.
  add_dependencies(${target}-place-tools ${target})
endfunction()

# Debian's ImageMagick 6 and dcraw. The links name the ImageMagick binary itself rather than the
# /usr/bin/convert alternative, and no search of PATH is made, so that no other program called
# "convert" is ever picked up.
set(VORK_IMAGEMAGICK_CONVERT /usr/bin/convert-im6.q16 CACHE FILEPATH "ImageMagick 6 convert (Debian package imagemagick)")
set(VORK_DCRAW /usr/bin/dcraw CACHE FILEPATH "dcraw (Debian package dcraw)")
set(VORK_DCRAW_SCRIPT "${CMAKE_SOURCE_DIR}/tools/dcraw_LNX.sh")
foreach(tool VORK_IMAGEMAGICK_CONVERT VORK_DCRAW)
  if(NOT EXISTS "${${tool}}")
    message(WARNING "${${tool}} is missing: run scripts/deps.sh (packages imagemagick, dcraw)")
  endif()
endforeach()

vork_register_tool_set(image "ImageMagick/convert|LINK|${VORK_IMAGEMAGICK_CONVERT}")
vork_register_tool_set(raw "dcraw/dcraw|LINK|${VORK_DCRAW}" "dcraw_LNX.sh|COPY|${VORK_DCRAW_SCRIPT}")

# Debian's ffmpeg and qt-faststart (package ffmpeg). The video converter passes option lists of an
# older ffmpeg generation; the program's ffmpeg is our wrapper tools/ffmpeg-compat, which translates
# the options Debian's ffmpeg no longer knows and then becomes the system ffmpeg (exec).
set(VORK_QT_FASTSTART /usr/bin/qt-faststart CACHE FILEPATH "qt-faststart (Debian package ffmpeg)")
set(VORK_FFMPEG_WRAPPER "${CMAKE_SOURCE_DIR}/tools/ffmpeg-compat")
foreach(tool /usr/bin/ffmpeg "${VORK_QT_FASTSTART}")
  if(NOT EXISTS "${tool}")
    message(WARNING "${tool} is missing: run scripts/deps.sh (package ffmpeg)")
  endif()
endforeach()
vork_register_tool_set(video "ffmpeg/ffmpeg|COPY|${VORK_FFMPEG_WRAPPER}" "ffmpeg/qt-faststart|LINK|${VORK_QT_FASTSTART}")

# vork_tools_test(<test target> [<tool set>...])
#
# For a test binary that runs converter tools: gives it an output folder of its own (the tools are
# looked up beside the running binary, and tests running in parallel must not share them), places
# the build's tools there and links the tool bench of tests/support (the real layout or the
# recording stand-in, chosen per test case). Does nothing for a test the current configuration
# leaves out.
function(vork_tools_test target)
  if(NOT TARGET ${target})
    return()
  endif()
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/${target}.d")
  target_link_libraries(${target} PRIVATE vorktoolbench)
  vork_place_tools(${target} ${ARGN})
endfunction()
