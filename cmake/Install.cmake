# Installing like any desktop program (`cmake --install build`): the program
# in bin/, what it reads in share/tessaline/ (found from the executable, see
# src/app/DataFolders.h), and the desktop entry, metainfo and icons where the
# desktop looks for them, and the manual page. The Debian package
# (debian/, `dpkg-buildpackage`) installs the same files.
set(TESSALINE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tessaline)

install(TARGETS tessaline RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${TESSALINE_RUNTIME_DIR}/logo.dll DESTINATION ${TESSALINE_INSTALL_DATADIR})
foreach(category IN LISTS TESSALINE_SAMPLE_CATEGORIES)
    install(DIRECTORY ${TESSALINE_RUNTIME_DIR}/${category} DESTINATION ${TESSALINE_INSTALL_DATADIR})
endforeach()
# Every help document the build made beside the program, whatever its
# language, and every compiled translation (.qm): the build knows their names,
# the install looks them up when it runs, and each keeps its place relative
# to the program's folder.
install(CODE "
    foreach(pattern *.mht *.qm translations/*.qm)
        file(GLOB found RELATIVE \"${TESSALINE_RUNTIME_DIR}\" \"${TESSALINE_RUNTIME_DIR}/\${pattern}\")
        foreach(name IN LISTS found)
            get_filename_component(folder \"\${name}\" DIRECTORY)
            file(INSTALL \"${TESSALINE_RUNTIME_DIR}/\${name}\"
                 DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${TESSALINE_INSTALL_DATADIR}/\${folder}\")
        endforeach()
    endforeach()
")

install(FILES ${PROJECT_SOURCE_DIR}/desktop/${TESSALINE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${TESSALINE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${TESSALINE_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/doc/tessaline.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
