# The game for Windows: bingo.exe, a GUI program that carries its version,
# installed (cmake --install build-windows --prefix FOLDER) beside every DLL
# it loads, with Qt's plugins in the folders Qt looks in beside a program.
# windeployqt is not made when Qt is cross-compiled, so the list is here.
set_target_properties(bingo PROPERTIES WIN32_EXECUTABLE ON)
configure_file(${CMAKE_CURRENT_LIST_DIR}/bingo.rc.in bingo.rc @ONLY)
target_sources(bingo PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/bingo.rc)

install(TARGETS bingo RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport DESTINATION .)
set(qt ${QT6_INSTALL_PREFIX})
install(FILES ${qt}/${QT6_INSTALL_PLUGINS}/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt}/${QT6_INSTALL_PLUGINS}/styles/qmodernwindowsstyle.dll DESTINATION styles)
# MinGW's runtime, which Qt's DLLs load too, is kept beside them (tools/windowsQt.sh).
foreach(runtime libstdc++-6 libgcc_s_seh-1 libwinpthread-1)
    install(FILES ${qt}/${QT6_INSTALL_BINS}/${runtime}.dll DESTINATION .)
endforeach()
