# Every layer exposes only its own folder to the layers above it: the include
# root of a target holds one link, named after the folder, to that folder. An
# include such as "draw/yDrawPort.h" then resolves only in targets that link
# the draw layer, so a missing link or an upward include fails to compile.
function(y_expose_folder target scope)
  file(RELATIVE_PATH _rel ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(_root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(_parent ${_root}/${_rel} DIRECTORY)
  file(MAKE_DIRECTORY ${_parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${_root}/${_rel} SYMBOLIC)
  target_include_directories(${target} ${scope} ${_root})
endfunction()

# One static library per layer: every .cpp directly in the folder, so adding a
# source file needs no edit here. DEPS are the layers its files include.
function(y_add_layer name)
  cmake_parse_arguments(L "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  if(_sources)
    add_library(${name} STATIC ${_sources})
    y_expose_folder(${name} PUBLIC)
    target_link_libraries(${name} PUBLIC ${L_DEPS} PRIVATE ${L_PRIVATE_DEPS})
  else()
    add_library(${name} INTERFACE)
    y_expose_folder(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()

# A test executable per source folder of tests/: every *_test.cpp in it. The
# tests see their own helpers under "tests/" and the layers they link.
function(y_add_test_folder name)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*Helpers.cpp)
  if(NOT _sources)
    return()
  endif()
  add_executable(${name} ${_sources})
  target_include_directories(${name} PRIVATE ${PROJECT_BINARY_DIR}/include/tests)
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "TONESCOPE_BUILD_DIR=${PROJECT_BINARY_DIR}")
endfunction()
