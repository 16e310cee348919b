# What `cmake --install` puts on a machine, and the Debian package made of it
# by `cpack`: the two programs, their desktop integration, the examples and
# the manual pages. Tests, benchmarks, the screenshot tool and the static
# libraries stay in the build tree.
include(GNUInstallDirs)

set(KELP_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging)

foreach(program kelp kelp-cli)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${KELP_PACKAGING_DIR}/kelp.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KELP_PACKAGING_DIR}/kelp.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${KELP_PACKAGING_DIR}/kelp-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME kelp.xml)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kelp/examples FILES_MATCHING PATTERN "*.klp")

# Manual pages are installed compressed, as Debian's man expects them.
find_program(KELP_GZIP gzip REQUIRED)
set(KELP_MAN_PAGES)
foreach(page kelp.1 kelp-cli.1)
  set(packed ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E copy ${KELP_PACKAGING_DIR}/${page} man/${page}
    COMMAND ${KELP_GZIP} -9nf man/${page}
    DEPENDS ${KELP_PACKAGING_DIR}/${page}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    COMMENT "Compressing the manual page ${page}")
  list(APPEND KELP_MAN_PAGES ${packed})
endforeach()
add_custom_target(kelp_man_pages ALL DEPENDS ${KELP_MAN_PAGES})
install(FILES ${KELP_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package. dpkg-shlibdeps finds the libraries the programs link
# (Qt 6, the C++ runtime); the pictures and printed pages also need their
# typeface, which no library names.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelp)
set(CPACK_PACKAGE_VENDOR "Kestrel Department of Roads")
set(CPACK_PACKAGE_CONTACT "KELP developers <kelp@kestrel-roads.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hydraulic analysis of broken-back road culverts")
set(CPACK_PACKAGE_DESCRIPTION
    "KELP analyses broken-back road culverts for highway designers: the tailwater,
the critical and normal depths, the headwater under inlet and under break
control, the water-surface profile down the barrel with its hydraulic-jump
check, and the outlet depth, velocity and Froude number, for the design
discharge or as a rating table. It has a desktop program, kelp, and a
command-line tool, kelp-cli, that writes text, JSON, PDF reports and PNG
pictures.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)
