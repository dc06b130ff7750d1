# Turns binary files into C++ byte arrays at build time, with nothing but CMake.
#
# Included from a CMakeLists.txt, it defines
#
#   quarn_embed_files(OUTPUT header ARRAYS name file [name file ...])
#
# which adds a custom command writing `header`, a header that declares, for
# each pair, `inline constexpr unsigned char name[] = {...};` holding the
# bytes of `file` (sizeof gives the length). The header is rewritten when one
# of the files or this script changes. List `header` among a target's sources
# so that the command runs before anything including it is compiled.
#
# Run with `cmake -P`, this file is that command. It reads OUTPUT, COUNT and,
# for i from 0 to COUNT - 1, NAME_i and FILE_i from -D definitions: one
# definition per value, so that no path needs escaping on the command line.

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(NOT OUTPUT OR NOT COUNT GREATER 0)
    message(FATAL_ERROR "EmbedFile: needs -DOUTPUT=header, -DCOUNT=n and NAME_i, FILE_i for each i")
  endif()

  # Sixteen bytes, 32 hex digits, to a line.
  string(REPEAT "[0-9a-f]" 32 line_of_digits)
  get_filename_component(header_name "${OUTPUT}" NAME)
  set(text "// ${header_name}: generated at build time from the files named below; do not edit.\n#pragma once\n")
  math(EXPR last "${COUNT} - 1")
  foreach(i RANGE 0 ${last})
    set(name "${NAME_${i}}")
    set(file "${FILE_${i}}")
    if(NOT name MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
      message(FATAL_ERROR "EmbedFile: '${name}' is not a C++ identifier")
    endif()
    if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
      message(FATAL_ERROR "EmbedFile: cannot read ${file}")
    endif()
    file(READ "${file}" hex HEX)
    string(LENGTH "${hex}" digits)
    if(digits EQUAL 0)
      # A zero-length array is not valid C++, and an empty image is a mistake.
      message(FATAL_ERROR "EmbedFile: ${file} is empty")
    endif()
    string(REGEX REPLACE "(${line_of_digits})" "\\1\n" hex "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "\n$" "" bytes "${bytes}")
    string(REPLACE "\n" "\n    " bytes "${bytes}")
    get_filename_component(file_name "${file}" NAME)
    math(EXPR size "${digits} / 2")
    string(APPEND text "\n// ${file_name}, ${size} bytes.\n"
                       "inline constexpr unsigned char ${name}[] = {\n    ${bytes}\n};\n")
  endforeach()
  file(WRITE "${OUTPUT}" "${text}")
  return()
endif()

set(QUARN_EMBED_FILE_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

function(quarn_embed_files)
  cmake_parse_arguments(ARG "" "OUTPUT" "ARRAYS" ${ARGN})
  list(LENGTH ARG_ARRAYS length)
  math(EXPR odd "${length} % 2")
  if(NOT ARG_OUTPUT OR length EQUAL 0 OR odd)
    message(FATAL_ERROR "quarn_embed_files: needs OUTPUT header and ARRAYS name file ...")
  endif()

  math(EXPR count "${length} / 2")
  math(EXPR last "${count} - 1")
  set(files "")
  set(definitions "-DCOUNT=${count}")
  foreach(i RANGE 0 ${last})
    math(EXPR at "2 * ${i}")
    list(GET ARG_ARRAYS ${at} name)
    math(EXPR at "${at} + 1")
    list(GET ARG_ARRAYS ${at} file)
    get_filename_component(file "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND files "${file}")
    list(APPEND definitions "-DNAME_${i}=${name}" "-DFILE_${i}=${file}")
  endforeach()

  get_filename_component(output "${ARG_OUTPUT}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  get_filename_component(output_name "${output}" NAME)
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" "-DOUTPUT=${output}" ${definitions} -P "${QUARN_EMBED_FILE_SCRIPT}"
    DEPENDS ${files} "${QUARN_EMBED_FILE_SCRIPT}"
    COMMENT "Embedding ${count} files into ${output_name}"
    VERBATIM)
endfunction()
