# Installation of the desktop metadata, the manual pages and the Debian documents, and the
# Debian package made from the install rules by CPack (`make package`).

set(VELORITH_PACKAGE_NAME velorith)
# The release date of this version: the manual pages carry it, the metainfo's release entry
# and the Debian changelog state the same day.
set(VELORITH_RELEASE_DATE 2026-12-07)

# Files and folders of the package get the modes Debian expects, whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The installed programs resolve their symbols at start-up so that the relocation tables can
# be made read-only (full RELRO), as Debian's hardening asks.
foreach(program velorith velorith-report)
    if(TARGET ${program})
        target_link_options(${program} PRIVATE LINKER:-z,relro LINKER:-z,now)
    endif()
endforeach()

set(VELORITH_METADATA_DIR ${PROJECT_SOURCE_DIR}/desktop)
set(VELORITH_APP_ID org.velorith.Calendar)

# The menu entry, the software-centre metadata and the icons belong to the window.
if(VELORITH_GUI)
    install(FILES ${VELORITH_METADATA_DIR}/${VELORITH_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${VELORITH_METADATA_DIR}/${VELORITH_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 48 128 256)
        install(FILES ${VELORITH_METADATA_DIR}/icons/${size}x${size}/${VELORITH_APP_ID}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES ${VELORITH_METADATA_DIR}/icons/${VELORITH_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Manual pages: scdoc sources in man/ (English) and man/ru/ (Russian), made into gzipped
# troff with the version and the release date in their title lines.
find_program(VELORITH_SCDOC scdoc)
if(NOT VELORITH_SCDOC)
    message(FATAL_ERROR "scdoc makes the manual pages; run scripts/install-deps.sh")
endif()
set(VELORITH_MAN_PAGES)
if(VELORITH_GUI)
    list(APPEND VELORITH_MAN_PAGES velorith)
endif()
list(APPEND VELORITH_MAN_PAGES velorith-report)
set(VELORITH_MAN_OUTPUTS)
foreach(lang en ru)
    if(lang STREQUAL "en")
        set(source_dir ${PROJECT_SOURCE_DIR}/man)
        set(man_dir ${CMAKE_INSTALL_MANDIR}/man1)
    else()
        set(source_dir ${PROJECT_SOURCE_DIR}/man/${lang})
        set(man_dir ${CMAKE_INSTALL_MANDIR}/${lang}/man1)
    endif()
    foreach(page ${VELORITH_MAN_PAGES})
        set(output ${CMAKE_BINARY_DIR}/man/${lang}/${page}.1.gz)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -DSCDOC=${VELORITH_SCDOC} -DSOURCE=${source_dir}/${page}.1.scd
                    -DOUTPUT=${output} -DVERSION=${PROJECT_VERSION} -DDATE=${VELORITH_RELEASE_DATE}
                    -P ${PROJECT_SOURCE_DIR}/cmake/MakeManPage.cmake
            DEPENDS ${source_dir}/${page}.1.scd ${PROJECT_SOURCE_DIR}/cmake/MakeManPage.cmake
            COMMENT "Manual page ${lang}/${page}(1)")
        list(APPEND VELORITH_MAN_OUTPUTS ${output})
        install(FILES ${output} DESTINATION ${man_dir})
    endforeach()
endforeach()
add_custom_target(velorith_man ALL DEPENDS ${VELORITH_MAN_OUTPUTS})

# The package's own documents: the copyright file and the changelog, compressed as Debian
# wants it.
set(VELORITH_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${VELORITH_PACKAGE_NAME})
set(VELORITH_CHANGELOG ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${VELORITH_CHANGELOG}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/cmake/debian/changelog
            -DOUTPUT=${VELORITH_CHANGELOG} -P ${PROJECT_SOURCE_DIR}/cmake/Gzip.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/debian/changelog ${PROJECT_SOURCE_DIR}/cmake/Gzip.cmake)
add_custom_target(velorith_changelog ALL DEPENDS ${VELORITH_CHANGELOG})
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright ${VELORITH_CHANGELOG}
        DESTINATION ${VELORITH_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${VELORITH_PACKAGE_NAME})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VELORITH_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velorith Calendar developers")
set(CPACK_PACKAGE_CONTACT "Velorith Calendar developers <calendar@velorith.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velorith.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orthodox church calendar in three reckonings")
# Read here rather than named as CPACK_PACKAGE_DESCRIPTION_FILE, which CPack would escape
# for XML ("&apos;") on its way into the control file.
file(READ ${PROJECT_SOURCE_DIR}/cmake/debian/description CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
