# The QML files of the module "Tarvino", relative to this folder, where they also lie in the
# module's resource folder ("qrc:/orvindal/Tarvino/<file>"). app/shell builds the module.
set(tarvino_qml_files
  main.qml
  MainWindow.qml
  app/menus/DesktopMenu.qml)

set(TARVINO_QML_FILES)
foreach(file IN LISTS tarvino_qml_files)
  set(path ${CMAKE_CURRENT_LIST_DIR}/${file})
  set_source_files_properties(${path} PROPERTIES QT_RESOURCE_ALIAS ${file})
  list(APPEND TARVINO_QML_FILES ${path})
endforeach()
