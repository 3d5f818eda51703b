# Precompiled headers: the Qt, standard library and test framework headers that nearly every
# source includes are parsed once for the whole build instead of once per source, which
# roughly halves a clean build. Only outside headers are listed, never the project's own, so
# the folders still see only the layers below them. PLEXOR_PCH=OFF builds without them.
option(PLEXOR_PCH "Precompile the Qt, standard library and test framework headers" ON)

set(plexor_pch_core
  <algorithm> <array> <functional> <memory> <optional> <vector>
  <QByteArray> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QObject> <QPainter> <QString>
  <QStringList>)
set(plexor_pch_widgets ${plexor_pch_core}
  <QAction> <QApplication> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMenu>
  <QPushButton> <QScrollArea> <QWidget>)
set(plexor_pch_coretests ${plexor_pch_core} <gtest/gtest.h>)
set(plexor_pch_tests ${plexor_pch_widgets} <QTest> <gtest/gtest.h>)

# One precompiled header of `kind` that the targets of that kind share; its target links
# what they link (Qt modules, GoogleTest), so that it is built with their flags.
function(plexor_precompiled_kind kind)
  if(PLEXOR_PCH)
    add_library(plexor_pch_${kind} OBJECT ${PROJECT_SOURCE_DIR}/cmake/Precompiled.cpp)
    target_link_libraries(plexor_pch_${kind} PRIVATE ${ARGN})
    target_precompile_headers(plexor_pch_${kind} PRIVATE ${plexor_pch_${kind}})
  endif()
endfunction()

# kind: what the target links: core (Qt Core and Gui), widgets (and Qt Widgets), coretests
# (Qt Core and Gui with GoogleTest) or tests (Qt Widgets, QtTest and GoogleTest).
function(plexor_precompile target kind)
  if(PLEXOR_PCH)
    target_precompile_headers(${target} REUSE_FROM plexor_pch_${kind})
  endif()
endfunction()
