# A Windows build links a shared Qt: its DLLs and the plug-ins the programs load go beside
# them, in the build tree (so the programs and the suite run under Wine as they are) and in
# the installation (which the installer packs). Plug-ins load from the program's folder.
function(vantoro_deploy_qt_runtime)
  set(plugin_root "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
  # The windows platform draws the editor; offscreen runs the suite and the command line
  # without a desktop; the style gives native controls; the image formats are what Import
  # Image reads beyond BMP and PNG.
  set(plugin_dirs platforms styles imageformats)
  set(copies)
  foreach(module Core Gui Widgets PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION ${VANTORO_INSTALL_DIR})
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different
         $<TARGET_FILE:Qt6::${module}> ${VANTORO_RUNTIME_DIR})
  endforeach()
  # Only the suite uses QtTest; it is not installed.
  list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::Test>
       ${VANTORO_RUNTIME_DIR})
  foreach(dir ${plugin_dirs})
    file(GLOB plugins "${plugin_root}/${dir}/*.dll")
    if(NOT plugins)
      message(FATAL_ERROR "The Windows Qt in ${QT6_INSTALL_PREFIX} has no ${dir} plug-ins.")
    endif()
    install(FILES ${plugins} DESTINATION ${VANTORO_INSTALL_DIR}/${dir})
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTORO_RUNTIME_DIR}/${dir}
         COMMAND ${CMAKE_COMMAND} -E copy_if_different ${plugins} ${VANTORO_RUNTIME_DIR}/${dir})
  endforeach()
  add_custom_target(vantoro_qt_runtime ALL ${copies} COMMENT "Copying the Qt runtime beside the programs")
endfunction()
