# SPDX-License-Identifier: MIT
# Outside headers that most sources of a library parse again and again, compiled once for each
# library and test program that uses them: Boost's graph, signals and identifiers under every
# book, Qt under the window, GoogleTest under every test. Only libraries and programs of many
# heavy sources gain: for a few, compiling the header costs more than it saves.
set(BRINDLE_BOOK_HEADERS
  <algorithm> <functional> <map> <memory> <optional> <string> <vector>
  <boost/graph/adjacency_list.hpp>
  <boost/locale/encoding_utf.hpp>
  <boost/property_tree/ptree.hpp>
  <boost/signals2/dummy_mutex.hpp>
  <boost/signals2/signal.hpp>
  <boost/signals2/signal_type.hpp>
  <boost/uuid/uuid.hpp>
  <boost/uuid/uuid_io.hpp>)
set(BRINDLE_GUI_HEADERS <QColor> <QImage> <QObject> <QPainter> <QString>)
set(BRINDLE_WIDGETS_HEADERS
  <QApplication> <QComboBox> <QDialog> <QDockWidget> <QHBoxLayout> <QLabel> <QLineEdit>
  <QMenu> <QPlainTextEdit> <QPushButton> <QSettings> <QTextBlock> <QVBoxLayout> <QWidget>)
set(BRINDLE_TEST_HEADERS <gmock/gmock.h> <gtest/gtest.h>)

# brindle_precompile_headers(TARGET BOOK|GUI|WIDGETS|TEST...): the named sets, for one target.
# A batched build parses each header once for many sources already, so it goes without.
function(brindle_precompile_headers target)
  if(BRINDLE_UNITY_BUILD)
    return()
  endif()
  set(headers)
  foreach(set IN LISTS ARGN)
    list(APPEND headers ${BRINDLE_${set}_HEADERS})
  endforeach()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
