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

# A layer that speaks the host interface: built once for each interface in
# TONESCOPE_PROFILES, as NAME_legacy and NAME_current, each compiled with its
# TONESCOPE_PROFILE_ definition (host/sdk/AE_Profile.h). PROFILE_DEPS are
# profile layers themselves and are linked in the same interface.
function(y_add_profile_layer name)
  cmake_parse_arguments(L "" "" "DEPS;PROFILE_DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(_profile ${TONESCOPE_PROFILES})
    set(_target ${name}_${_profile})
    add_library(${_target} STATIC ${_sources})
    y_expose_folder(${_target} PUBLIC)
    string(TOUPPER ${_profile} _upper)
    target_compile_definitions(${_target} PUBLIC TONESCOPE_PROFILE_${_upper}=1)
    set(_deps ${L_DEPS})
    foreach(_dep ${L_PROFILE_DEPS})
      list(APPEND _deps ${_dep}_${_profile})
    endforeach()
    target_link_libraries(${_target} PUBLIC ${_deps})
  endforeach()
endfunction()

# The module built for one host interface: its target and its file.
function(y_module_of profile target_var file_var)
  if(profile STREQUAL "current")
    set(_module zelTonescope)
  else()
    set(_module zelTonescopeLegacy)
  endif()
  set(${target_var} ${_module} PARENT_SCOPE)
  set(${file_var} ${PROJECT_BINARY_DIR}/bin/${_module}${CMAKE_SHARED_MODULE_SUFFIX} PARENT_SCOPE)
endfunction()

# A test executable per source folder of tests/: every *_test.cpp in it. The
# tests see their own helpers under "tests/" and the layers they link. With
# EACH_MODULE its tests run once per module built, each run named after the
# interface ("legacy.", "current.") and given the module in TONESCOPE_MODULE;
# PREFIX names the tests of an executable built for one interface.
function(y_add_test_folder name)
  cmake_parse_arguments(T "EACH_MODULE" "PREFIX" "DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*Helpers.cpp)
  if(NOT _sources)
    return()
  endif()
  add_executable(${name} ${_sources})
  target_include_directories(${name} PRIVATE ${PROJECT_BINARY_DIR}/include/tests)
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  if(T_EACH_MODULE)
    foreach(_profile ${TONESCOPE_PROFILES})
      y_module_of(${_profile} _module _file)
      add_dependencies(${name} ${_module})
      gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_PREFIX "${_profile}."
        PROPERTIES ENVIRONMENT "TONESCOPE_BUILD_DIR=${PROJECT_BINARY_DIR};TONESCOPE_MODULE=${_file}")
    endforeach()
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_PREFIX "${T_PREFIX}"
      PROPERTIES ENVIRONMENT "TONESCOPE_BUILD_DIR=${PROJECT_BINARY_DIR}")
  endif()
endfunction()
