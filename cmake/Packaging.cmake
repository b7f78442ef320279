# Manual pages from the programs' help, the completion, the AppStream metainfo and the Debian
# package ("cpack -G DEB" in the build folder).
set(desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
set(man_dir ${PROJECT_BINARY_DIR}/man)

function(tumbo_man_page target name summary)
  set(page ${man_dir}/${name}.1)
  string(JOIN " " help_args ${ARGN})
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
      ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DNAME=${name} "-DSUMMARY=${summary}"
      -DVERSION=${PROJECT_VERSION} "-DHELP_ARGS=${help_args}" -DOUT=${page}
      -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    COMMENT "Writing the manual page of ${name}" VERBATIM)
  add_custom_target(man_${target} ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

tumbo_man_page(${TUMBO_VIEWER_BINARY} ${TUMBO_VIEWER_BINARY} "dash camera card viewer")
tumbo_man_page(tumbo-cli tumbo-cli "dash camera card data as JSON" help all)

install(FILES ${desktop_dir}/tumbo-cli.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tumbo-cli)

set(metainfo ${PROJECT_BINARY_DIR}/${TUMBO_APP_ID}.metainfo.xml)
configure_file(${desktop_dir}/viewer.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  add_test(NAME package.metainfo COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TUMBO_VIEWER_BINARY})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${TUMBO_APP_NAME}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer and command-line tool for a dash camera's SD card")
set(CPACK_PACKAGE_CONTACT "${TUMBO_APP_NAME} developers <packages@${VARIANT}.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, so not found by shlibdeps: the disk service, the SVG icon plugin and the map's
# browser process.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "udisks2, libqt6svg6, libqt6webenginecore6-bin")
set(CPACK_STRIP_FILES ON)
include(CPack)
