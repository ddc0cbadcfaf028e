# How Linewright lands on a Linux desktop: the version header, the install tree, its tests and
# the Debian package. Included once, at the end of CMakeLists.txt, after every target exists.
include(GNUInstallDirs)
# The package's name, not the project's, unless the packager chose a folder.
if("$CACHE{CMAKE_INSTALL_DOCDIR}" STREQUAL "")
  set(CMAKE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/linewright)
endif()

# One version for both programs, the About box, the man pages and the metainfo: project().
set(LW_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${LW_GENERATED_DIR}/lw_version.h @ONLY)
foreach(target lwtool lwui lwright)
  if(TARGET ${target})
    target_include_directories(${target} PRIVATE ${LW_GENERATED_DIR})
  endif()
endforeach()
# Only the tests that check the version see it, so the other tests keep their compiled units.
set_source_files_properties(tests/cli/lwtool_test.cpp tests/ui/start_arguments_test.cpp
                            DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTIES INCLUDE_DIRECTORIES ${LW_GENERATED_DIR})

set(LW_APP_ID org.linewright.Linewright)
set(LW_DIST ${CMAKE_SOURCE_DIR}/dist)

install(TARGETS lwtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${LW_DIST}/bash-completion/lwtool DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
configure_file(${LW_DIST}/man/lwtool.1.in ${LW_GENERATED_DIR}/lwtool.1 @ONLY)
install(FILES ${LW_GENERATED_DIR}/lwtool.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(TARGET lwright)
  # The window icon comes from the icon theme once installed, from these until then.
  file(GLOB LW_APP_PNGS ${LW_DIST}/icons/hicolor/*/apps/${LW_APP_ID}.png)
  qt_add_resources(lwright lwright_icons PREFIX /icons BASE ${LW_DIST}/icons FILES ${LW_APP_PNGS})

  install(TARGETS lwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${LW_DIST}/${LW_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${LW_DIST}/${LW_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME ${LW_APP_ID}.xml)
  configure_file(${LW_DIST}/${LW_APP_ID}.metainfo.xml.in ${LW_GENERATED_DIR}/${LW_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${LW_GENERATED_DIR}/${LW_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${LW_DIST}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  configure_file(${LW_DIST}/man/lwright.1.in ${LW_GENERATED_DIR}/lwright.1 @ONLY)
  install(FILES ${LW_GENERATED_DIR}/lwright.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)

# The installed tree, the package and the file types, checked as a packager and a desktop would.
if(BUILD_TESTING AND TARGET lwright)
  foreach(check tree deb mime)
    add_test(NAME install_${check}
             COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/check_install.sh ${check} ${CMAKE_BINARY_DIR}
                     ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION})
    set_tests_properties(install_${check} PROPERTIES SKIP_RETURN_CODE 77 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endif()
