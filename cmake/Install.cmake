# Installing like any desktop program (`cmake --install build`): the program
# in bin/, what it reads in share/tessaline/ (found from the executable, see
# src/app/DataFolders.h), and the desktop entry, metainfo and icons where the
# desktop looks for them. The Debian package (`cpack -G DEB` in the build
# folder) holds the same files.
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

# The Debian package. dpkg-shlibdeps (dpkg-dev) names the libraries' packages;
# the fonts the program asks for by name are added here.
set(CPACK_PACKAGE_NAME tessaline)
set(CPACK_PACKAGE_VENDOR "The Tessaline developers")
set(CPACK_PACKAGE_CONTACT "The Tessaline developers <tessaline@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turns a picture into a counted cross-stitch pattern")
# The package description's lines, as dpkg shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tessaline turns a picture or photograph into a counted cross-stitch pattern:"
    "bring in a JPEG, GIF or BMP picture, choose the pattern size in stitches and"
    "the part of the picture it covers, preview the colour-reduced result as a"
    "stitch grid, and generate the chart with every colour mapped to the nearest"
    "of 423 DMC threads, a symbol per thread, block lines, numbering and a legend;"
    "then save or print it; tessaline convert does the same without a display.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-liberation")
include(CPack)
