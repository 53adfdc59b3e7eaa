# cmake --install build --prefix P: P/bin/tonescope, P/lib/tonescope/ (the
# modules, tonescope-readers.so, tonescope-movies.so, tonescope-view), P/share/doc/tonescope,
# P/share/man/man1/tonescope.1 and the bash completion. The program finds
# what lies in P/lib/tonescope by itself.
if(WIN32)
  return()
endif()
include(GNUInstallDirs)
# The program looks in lib/tonescope beside bin, whatever the platform's libdir.
set(_lib lib/tonescope)
install(TARGETS tonescope RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(_profile ${TONESCOPE_PROFILES})
  y_module_of(${_profile} _module _file)
  install(TARGETS ${_module} LIBRARY DESTINATION ${_lib})
endforeach()
if(TARGET tonescope_readers)
  install(TARGETS tonescope_readers tonescope_movies LIBRARY DESTINATION ${_lib})
endif()
if(TARGET tonescope_view)
  install(TARGETS tonescope_view RUNTIME DESTINATION ${_lib})
endif()
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tonescope)
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tonescope FILES_MATCHING PATTERN "*.md")

# The manual page and completion, from the program's help texts.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(_man ${PROJECT_BINARY_DIR}/share/tonescope.1)
set(_completion ${PROJECT_BINARY_DIR}/share/tonescope.bash)
add_custom_command(OUTPUT ${_man} ${_completion}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/share
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/help_pages.py $<TARGET_FILE:tonescope> ${_man} ${_completion}
  DEPENDS tonescope ${PROJECT_SOURCE_DIR}/scripts/help_pages.py
  COMMENT "Writing the manual page and the completion from the help texts")
add_custom_target(tonescope_help_pages ALL DEPENDS ${_man} ${_completion})
install(FILES ${_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_completion} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tonescope)

# The Debian package: its dependencies are read from the libraries it links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tonescope)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}.0)
set(CPACK_PACKAGE_CONTACT "zel Tonescope <support@zel-tonescope.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Histogram scope effect module and the program that runs it")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "tonescope runs the zel Tonescope effect module, a histogram scope in\neleven colour models, on images, image sequences and movies, writes its histograms,\nstatistics and panel, and shows it live in a window.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
