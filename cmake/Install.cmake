# Installation and the Debian package.
#   cmake --install build --prefix /usr   the two programs, the menu entry, the
#                                        icon, the AppStream metainfo, the manuals
#   cpack -G DEB (in build/)             the same tree as veltaro_<version>_<arch>.deb
# Everything else the programs use is compiled in.
include(GNUInstallDirs)

set(VELTARO_APP_ID org.veltaro.Veltaro)
set(VELTARO_MAINTAINER "The Veltaro developers <maintainers@veltaro.org>"
    CACHE STRING "Maintainer of the Debian package, 'Name <address>'")
set(veltaro_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(veltaro_generated ${CMAKE_BINARY_DIR}/packaging)
set(veltaro_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/veltaro)
set(veltaro_metainfo ${veltaro_packaging}/${VELTARO_APP_ID}.metainfo.xml)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The metainfo's release list is the one record of releases: the manuals and the
# Debian changelog take this version's date from it, and the homepage too.
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${veltaro_metainfo})
file(READ ${veltaro_metainfo} metainfo)
string(REPLACE "." "\\." version_pattern ${PROJECT_VERSION})
if(metainfo MATCHES "<release version=\"${version_pattern}\" date=\"([0-9-]+)\"")
    set(VELTARO_RELEASE_DATE ${CMAKE_MATCH_1})
else()
    message(WARNING "${veltaro_metainfo} has no <release> for ${PROJECT_VERSION}")
    string(TIMESTAMP VELTARO_RELEASE_DATE "%Y-%m-%d" UTC)
endif()
string(REGEX MATCH "<url type=\"homepage\">([^<]*)</url>" homepage "${metainfo}")
set(VELTARO_HOMEPAGE ${CMAKE_MATCH_1})

# The programs. They link only system libraries, so they need no run path (Qt's
# project setup would give them $ORIGIN/../lib).
set_target_properties(veltaro veltaro-tide veltaro-tide-plot PROPERTIES INSTALL_RPATH "")
install(TARGETS veltaro veltaro-tide RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The plot command's program, run by veltaro-tide, not by the user.
install(TARGETS veltaro-tide-plot RUNTIME DESTINATION ${VELTARO_PLOT_PROGRAM_DIR})

# The menu entry, the metainfo, and the icon: the drawing and its rendered sizes.
install(FILES ${veltaro_packaging}/${VELTARO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${veltaro_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(veltaro_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/ui/resources/veltaro.svg
        DESTINATION ${veltaro_icons}/scalable/apps RENAME ${VELTARO_APP_ID}.svg)
file(GLOB icon_sizes CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/ui/resources/veltaro-*.png)
foreach(png ${icon_sizes})
    string(REGEX REPLACE ".*veltaro-([0-9]+)\\.png$" "\\1" size ${png})
    install(FILES ${png} DESTINATION ${veltaro_icons}/${size}x${size}/apps
            RENAME ${VELTARO_APP_ID}.png)
endforeach()

# The manuals, in English and in Japanese. veltaro-tide's is written from the
# built tool's own --help in each language.
set(veltaro_manuals)
foreach(language en ja)
    if(language STREQUAL "en")
        set(page_dir ${veltaro_generated})
        set(window_page ${veltaro_packaging}/veltaro.1.in)
        set(man_dir ${CMAKE_INSTALL_MANDIR}/man1)
    else()
        set(page_dir ${veltaro_generated}/${language})
        set(window_page ${veltaro_packaging}/veltaro.${language}.1.in)
        set(man_dir ${CMAKE_INSTALL_MANDIR}/${language}/man1)
    endif()
    configure_file(${window_page} ${page_dir}/veltaro.1 @ONLY)
    add_custom_command(
        OUTPUT ${page_dir}/veltaro-tide.1.gz ${page_dir}/veltaro.1.gz
        COMMAND ${veltaro_packaging}/make-manpage $<TARGET_FILE:veltaro-tide> ${PROJECT_VERSION}
                ${VELTARO_RELEASE_DATE} ${page_dir}/veltaro-tide.1 ${language}
        COMMAND gzip -9nf ${page_dir}/veltaro-tide.1
        COMMAND gzip -9nkf ${page_dir}/veltaro.1
        DEPENDS veltaro-tide veltaro-tide-plot ${veltaro_packaging}/make-manpage
                ${page_dir}/veltaro.1
        COMMENT "Writing the manual pages (${language})"
        VERBATIM)
    list(APPEND veltaro_manuals ${page_dir}/veltaro-tide.1.gz ${page_dir}/veltaro.1.gz)
    install(FILES ${page_dir}/veltaro.1.gz ${page_dir}/veltaro-tide.1.gz DESTINATION ${man_dir})
endforeach()
add_custom_target(manpages ALL DEPENDS ${veltaro_manuals})

# The licence, and the changelog a Debian package carries.
execute_process(COMMAND date -u -R -d "${VELTARO_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE release_rfc2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(CONFIGURE OUTPUT ${veltaro_generated}/changelog CONTENT
    "veltaro (${PROJECT_VERSION}) unstable; urgency=medium\n\n  * Veltaro ${PROJECT_VERSION}.\n\n -- ${VELTARO_MAINTAINER}  ${release_rfc2822}\n")
add_custom_command(
    OUTPUT ${veltaro_generated}/changelog.gz
    COMMAND gzip -9nkf ${veltaro_generated}/changelog
    DEPENDS ${veltaro_generated}/changelog
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${veltaro_generated}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${veltaro_docdir} RENAME copyright)
install(FILES ${veltaro_generated}/changelog.gz DESTINATION ${veltaro_docdir})

# The staging install and the desktop's validators, as a test.
if(BUILD_TESTING)
    add_test(NAME install_check
        COMMAND ${PROJECT_SOURCE_DIR}/tests/install/check-install.sh ${CMAKE_BINARY_DIR}
                ${VELTARO_APP_ID} ${PROJECT_VERSION})
    set_tests_properties(install_check PROPERTIES LABELS install)
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltaro)
set(CPACK_PACKAGE_VENDOR "The Veltaro developers")
set(CPACK_PACKAGE_CONTACT ${VELTARO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tides raised by the Sun and the Moon, plotted for a place and date")
set(CPACK_PACKAGE_DESCRIPTION
    "Veltaro shows why the tides rise and fall. For a place and a date it
computes the positions of the Sun and the Moon and plots the height of the
equilibrium sea surface that each of them raises there, and both together,
over 24 hours, 60 days or a year, beside the phases of the Moon, the Moon's
age and the sexagenary name of the day. It speaks Japanese and English.

The command-line tool veltaro-tide prints the same computation as CSV.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELTARO_HOMEPAGE})
# The libraries' packages come from dpkg-shlibdeps; the Japanese captions need the font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
# Qt's own texts (a text box's edit menu, the file and print dialogs) in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
