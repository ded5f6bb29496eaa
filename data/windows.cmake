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
# MinGW's runtime, which Qt's DLLs load too: tools/windowsQt.sh keeps it beside them.
file(GLOB runtime ${qt}/${QT6_INSTALL_BINS}/lib*.dll)
install(FILES ${runtime} DESTINATION .)
# What the game is under, and what Qt is under, with where Qt's source is.
execute_process(COMMAND dpkg-query -W -f=\${Version} qt6-base-dev OUTPUT_VARIABLE BINGO_QT_SOURCE ERROR_QUIET)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-licence.txt.in licence.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/licence.txt DESTINATION .)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION . RENAME LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION . RENAME GPL-3.txt)

# The installer, bingo-1.2-win64.exe (cpack --config build-windows/CPackConfig.cmake):
# 64-bit NSIS, into Program Files\Ventaro\Bingo, with a Start-menu shortcut
# and an uninstaller that "Apps & features" lists, all with the game's icon.
set(CPACK_GENERATOR NSIS)
set(CPACK_VERBATIM_VARIABLES YES)
set(CPACK_PACKAGE_NAME Bingo)
set(CPACK_PACKAGE_VENDOR Ventaro)
set(CPACK_PACKAGE_FILE_NAME bingo-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Ventaro\\Bingo")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Bingo)
set(CPACK_PACKAGE_EXECUTABLES bingo Bingo)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/licence.txt)
set(CPACK_NSIS_PACKAGE_NAME "Bingo ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME Bingo)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icon.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/icon.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME bingo.exe)
# NSIS's own stub is 32-bit, which a 64-bit-only Windows (or Wine) cannot
# start. The files keep no build times, so that two builds of one commit
# give one installer. The shortcut goes into the Start menu's folder of the
# vendor, and the vendor's folder and key go too once no other program of
# theirs is in them.
set(CPACK_NSIS_DEFINES [[
Target amd64-unicode
SetDateSave off
!define MUI_STARTMENUPAGE_DEFAULTFOLDER Ventaro
Function un.onUninstSuccess
  RMDir "$PROGRAMFILES64\Ventaro"
  DeleteRegKey /ifempty SHCTX "Software\Ventaro"
FunctionEnd]])
include(CPack)
