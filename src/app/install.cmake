# What "cmake --install" puts on the system: the program, its icon, its desktop entry and the
# user guide (which the program also carries inside itself).
include(GNUInstallDirs)
install(TARGETS skelvan-scenario-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/images/skelvan-scenario-editor.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/skelvan-scenario-editor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../../help/user_guide.html
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
