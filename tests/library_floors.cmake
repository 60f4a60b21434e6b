# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that no library of the program reaches one above it: neither by an
# #include of one of its headers (by the include roots or by a relative path)
# nor by linking it; and that every source file under src/ but the programs'
# main.cpp lies in a library's folder.
#
#   cmake -DSOURCE_DIR=<the source tree> -DFLOORS=<folder|...> -DTARGETS=<target|...>
#         -DLINKS=<target>><linked>|... -P library_floors.cmake
#
# FLOORS holds the libraries' folders from the bottom floor up, relative to
# SOURCE_DIR; TARGETS the library target of each, in the same order; LINKS
# what each target links. A header is looked for beside the file that
# includes it, then in every library's folder, as the compiler does.

foreach(variable SOURCE_DIR FLOORS TARGETS LINKS)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "library_floors.cmake needs -D${variable}=...")
  endif()
  string(REPLACE "|" ";" ${variable} "${${variable}}")
endforeach()

list(LENGTH FLOORS floor_count)
math(EXPR last_floor "${floor_count} - 1")
set(faults "")

# The floor of the library that holds `path` (absolute), or -1.
function(floor_of path result)
  set(found -1)
  foreach(floor RANGE ${last_floor})
    list(GET FLOORS ${floor} folder)
    set(root "${SOURCE_DIR}/${folder}")
    cmake_path(IS_PREFIX root "${path}" NORMALIZE inside)
    if(inside)
      set(found ${floor})
    endif()
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

foreach(floor RANGE ${last_floor})
  list(GET FLOORS ${floor} folder)
  file(GLOB_RECURSE sources LIST_DIRECTORIES false "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    floor_of("${source}" own)
    if(NOT own EQUAL floor)
      continue() # a library's folder inside this one holds it
    endif()
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    cmake_path(GET source PARENT_PATH beside)
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
      set(candidates "${beside}/${header}")
      foreach(root IN LISTS FLOORS)
        list(APPEND candidates "${SOURCE_DIR}/${root}/${header}")
      endforeach()
      foreach(candidate IN LISTS candidates)
        if(EXISTS "${candidate}")
          floor_of("${candidate}" reached)
          if(reached GREATER floor)
            list(GET FLOORS ${reached} above)
            file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
            list(APPEND faults "${shown} includes \"${header}\" of ${above}, a floor above ${folder}")
          endif()
          break()
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

file(GLOB_RECURSE sources LIST_DIRECTORIES false "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp")
foreach(source IN LISTS sources)
  floor_of("${source}" own)
  cmake_path(GET source FILENAME name)
  if(own EQUAL -1 AND NOT name STREQUAL "main.cpp")
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
    list(APPEND faults "${shown} lies in no library's folder")
  endif()
endforeach()

foreach(pair IN LISTS LINKS)
  string(REPLACE ">" ";" pair "${pair}")
  list(GET pair 0 target)
  list(GET pair 1 linked)
  list(FIND TARGETS ${target} floor)
  list(FIND TARGETS ${linked} reached)
  if(reached GREATER floor)
    list(APPEND faults "${target} links ${linked}, a floor above it")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n" report)
  message(FATAL_ERROR "Libraries reach above their floor:\n${report}")
endif()
list(JOIN FLOORS ", " order)
message(STATUS "No library reaches above its floor (${order}).")
