# What `cmake --install` puts where, and the Debian package made from it with
# CPack. The program looks for its data beside itself first, then in
# share/verdochat beside its bin/ folder.
include(GNUInstallDirs)
# Debian names the documentation folder after the package, in lower case.
set(VERDO_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/verdochat)

option(VERDO_DEB_PACKAGE
       "Install as the Debian package does: systemd units in lib/systemd/system, a Debian changelog"
       OFF)

install(TARGETS verdochat verdochat-gateway RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program's socket and sound modules, loaded at their first use from the
# folder it knows relative to its bin/ (src/platform/qt).
install(TARGETS verdochat-net verdochat-sound LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/verdochat)

set(VERDO_DATADIR ${CMAKE_INSTALL_DATADIR}/verdochat)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/Sounds DESTINATION ${VERDO_DATADIR})
# The example bot scripts, documented in docs/scripting.md.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/scripts DESTINATION ${VERDO_DATADIR}
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/demo DESTINATION ${VERDO_DATADIR}
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
if(EXISTS ${PROJECT_SOURCE_DIR}/resources/VerdoHelp.rtf)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/VerdoHelp.rtf DESTINATION ${VERDO_DATADIR})
endif()

# Desktop integration: menu entry, icons, the chat-file type, AppStream data.
set(app_id org.verdochat.VerdoChat)
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
install(FILES ${desktop}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${app_id}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${app_id}.xml)
configure_file(${desktop}/${app_id}.metainfo.xml ${CMAKE_BINARY_DIR}/${app_id}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(icons ${PROJECT_SOURCE_DIR}/resources/icons)
install(FILES ${icons}/verdochat.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${app_id}.svg)
foreach(size 48 256)
    install(FILES ${icons}/verdochat-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${app_id}.png)
endforeach()

# Shell completion, where bash-completion looks for a command's script.
install(FILES ${PROJECT_SOURCE_DIR}/resources/completions/verdochat
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Manual pages, compressed as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(man_pages)
foreach(page verdochat.1 verdochat-gateway.1)
    configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page} ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
                       COMMAND ${GZIP_PROGRAM} -9nf -k ${CMAKE_BINARY_DIR}/man/${page}
                       DEPENDS ${CMAKE_BINARY_DIR}/man/${page}
                               ${PROJECT_SOURCE_DIR}/docs/man/${page}
                       VERBATIM)
    list(APPEND man_pages ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(verdo_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The systemd units: one bot (verdochat.service) or one bot per instance
# (verdochat@NAME.service, chat file under /var/lib/verdochat/NAME/).
set(VERDO_INSTALLED_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}/verdochat)
set(units)
foreach(unit verdochat.service verdochat@.service)
    configure_file(${PROJECT_SOURCE_DIR}/contrib/${unit} ${CMAKE_BINARY_DIR}/systemd/${unit} @ONLY)
    list(APPEND units ${CMAKE_BINARY_DIR}/systemd/${unit})
endforeach()
if(VERDO_DEB_PACKAGE)
    install(FILES ${units} DESTINATION lib/systemd/system)
    # A native package: its changelog is changelog.gz.
    configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog
                   ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
    execute_process(COMMAND ${GZIP_PROGRAM} -9nf ${CMAKE_BINARY_DIR}/debian/changelog)
    install(FILES ${CMAKE_BINARY_DIR}/debian/changelog.gz DESTINATION ${VERDO_DOCDIR})
else()
    install(FILES ${units} DESTINATION ${VERDO_DOCDIR}/examples)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${VERDO_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/scripting.md DESTINATION ${VERDO_DOCDIR}/docs)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${VERDO_DOCDIR})

# The Debian package: `scripts/package.sh` builds it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME verdochat)
set(CPACK_PACKAGE_VENDOR "VerdoChat developers")
set(CPACK_PACKAGE_CONTACT "VerdoChat developers <developers@verdochat.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Battle.net chat client and chat robot")
# The extended description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "VerdoChat chats on Battle.net chat gateways such as PvPGN servers,\nand acts for its user while away: it answers phrases and whispers,\ngreets and bans joining users, sends timed messages, recites a text\nfile and obeys commands whispered by its owners. It also runs without\na window, as a bot service.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/packaging/debian/postinst
    ${PROJECT_SOURCE_DIR}/packaging/debian/prerm
    ${PROJECT_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
