# Install rules: both programs, and what a desktop needs to list the program, show its icon and
# open its session files with it.
include(GNUInstallDirs)

set(escriptori_font ${CMAKE_SOURCE_DIR}/data/escriptori)
set(escriptori_gen ${CMAKE_BINARY_DIR}/escriptori)
configure_file(${escriptori_font}/quimerix.desktop.in ${escriptori_gen}/${QUIMERIX_ID}.desktop @ONLY)
configure_file(${escriptori_font}/quimerix.metainfo.xml.in ${escriptori_gen}/${QUIMERIX_ID}.metainfo.xml @ONLY)
configure_file(${escriptori_font}/quimerix.mime.xml.in ${escriptori_gen}/${QUIMERIX_ID}.xml @ONLY)

# The icon is drawn once, as SVG; the bitmap sizes are rendered from it at build time.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icona_svg ${escriptori_font}/quimerix.svg)
set(icones_png)
foreach(mida 16 32 48 64 128 256)
  set(png ${escriptori_gen}/icones/${mida}x${mida}/${QUIMERIX_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${escriptori_gen}/icones/${mida}x${mida}
    COMMAND ${RSVG_CONVERT} --width ${mida} --height ${mida} --output ${png} ${icona_svg}
    DEPENDS ${icona_svg} VERBATIM)
  list(APPEND icones_png ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${mida}x${mida}/apps)
endforeach()
add_custom_target(icones ALL DEPENDS ${icones_png})

install(TARGETS quimerix quimerix-eines RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${escriptori_gen}/${QUIMERIX_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${escriptori_gen}/${QUIMERIX_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${escriptori_gen}/${QUIMERIX_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${icona_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUIMERIX_ID}.svg)
