# piyota_library_headers(<library> [BASE <folder>])
#
# Gives <library> an include directory of its own in the build tree that
# holds its own headers and nothing else: a link to each header among its
# sources, under its path from BASE (src/ when not given), so that
# src/app/navigator.h is included as "app/navigator.h". A library, test or
# program sees a library's headers only when it links that library, so one
# that includes a header of a library it does not link fails to build.
# Call it once every source of the library has been added.
function(piyota_library_headers library)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "BASE" "")
  if(NOT ARG_BASE)
    set(ARG_BASE ${PROJECT_SOURCE_DIR}/src)
  endif()
  set(include_dir ${PROJECT_BINARY_DIR}/include/${library})
  file(REMOVE_RECURSE ${include_dir}) # no link left to a header since removed
  get_target_property(sources ${library} SOURCES)
  get_target_property(source_dir ${library} SOURCE_DIR)
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.h$")
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} NORMALIZE)
    cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${ARG_BASE} OUTPUT_VARIABLE relative)
    cmake_path(GET relative PARENT_PATH folder)
    file(MAKE_DIRECTORY ${include_dir}/${folder})
    file(CREATE_LINK ${source} ${include_dir}/${relative} SYMBOLIC)
  endforeach()
  target_include_directories(${library} PUBLIC ${include_dir})
endfunction()
