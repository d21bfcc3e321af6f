# Installation: the programs, their manual, examples and default settings, the manual pages,
# and the desktop integration (entry, icon, .vlr type, bus service). `cmake --install` and the
# Debian package (cmake/Pacchetto.cmake) use the same rules. The programs find the manual, the
# examples and the default settings relative to their own folder (../share/velcora), so any
# prefix works.

include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(velcora_dati ${CMAKE_INSTALL_DATADIR}/velcora)
set(velcora_doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/velcora) # named after the package

install(TARGETS velcora velcora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES doc/index.html doc/velcora-trave.schema.json DESTINATION ${velcora_dati}/doc)
install(DIRECTORY examples/ DESTINATION ${velcora_dati}/examples FILES_MATCHING PATTERN "*.vlr")
install(FILES ${PROJECT_BINARY_DIR}/app/VelcoraDwg.predefinito.ini DESTINATION ${velcora_dati} RENAME VelcoraDwg.ini)
install(FILES desktop/velcora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/velcora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES desktop/velcora-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME velcora.xml)
install(FILES doc/copyright DESTINATION ${velcora_doc})

# The bus starts the program by its absolute path, known only when installing: the package
# installs under /usr whatever prefix the build was configured with.
install(CODE "
  set(ESEGUIBILE \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/velcora\")
  configure_file(\"${PROJECT_SOURCE_DIR}/desktop/VelcoraDwg.Server.service.in\"
                 \"${PROJECT_BINARY_DIR}/installazione/VelcoraDwg.Server.service\" @ONLY)
  file(INSTALL \"${PROJECT_BINARY_DIR}/installazione/VelcoraDwg.Server.service\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/dbus-1/services\")
")

# Manual pages and the changelog, compressed as Debian keeps them (gzip -9n: no name, no time),
# beside their copy in the build folder.
function(velcora_gzip file)
  add_custom_command(OUTPUT ${file}.gz COMMAND gzip -9nkf ${file} DEPENDS ${file} VERBATIM)
endfunction()

set(pagine)
foreach(lingua IN ITEMS . it) # English, then Italian
  foreach(programma IN ITEMS velcora velcora-cli)
    cmake_path(APPEND PROJECT_BINARY_DIR installazione man ${lingua} ${programma}.1 OUTPUT_VARIABLE uscita)
    cmake_path(NORMAL_PATH uscita)
    configure_file(doc/man/${lingua}/${programma}.1.in ${uscita} @ONLY)
    velcora_gzip(${uscita})
    list(APPEND pagine ${uscita}.gz)
    cmake_path(APPEND CMAKE_INSTALL_MANDIR ${lingua} man1 OUTPUT_VARIABLE cartella)
    cmake_path(NORMAL_PATH cartella)
    install(FILES ${uscita}.gz DESTINATION ${cartella})
  endforeach()
endforeach()
configure_file(doc/changelog ${PROJECT_BINARY_DIR}/installazione/changelog COPYONLY)
velcora_gzip(${PROJECT_BINARY_DIR}/installazione/changelog)
install(FILES ${PROJECT_BINARY_DIR}/installazione/changelog.gz DESTINATION ${velcora_doc})
add_custom_target(velcora_installazione ALL DEPENDS ${pagine} ${PROJECT_BINARY_DIR}/installazione/changelog.gz)
