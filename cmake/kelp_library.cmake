# Every library is one folder of the source tree, included as "folder/name.h".
# A library's headers are reachable only from the library itself and from what
# links it: each gets an include root of its own that holds just its folder, so
# an include across layers that the declared dependencies do not allow fails to
# compile.
function(kelp_include_root target scope)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} ${scope} ${root})
endfunction()

# kelp_library(NAME [SUBFOLDERS] [PUBLIC deps...] [PRIVATE deps...]): a static
# library of the folder's sources (and those of its subfolders if asked).
function(kelp_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "SUBFOLDERS" "" "PUBLIC;PRIVATE")
  set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(arg_SUBFOLDERS)
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/*/*.cpp)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  add_library(${name} STATIC ${sources})
  kelp_include_root(${name} PUBLIC)
  target_link_libraries(${name} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE})
endfunction()
