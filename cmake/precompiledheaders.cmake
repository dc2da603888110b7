# Qt's headers are most of what a file of this program compiles (two thirds
# of its time on 2 cores): they are read once per build instead, into
# precompiled headers, the program's (vocario_core's) and the tests' (with
# Qt Test, one per folder of tests), which the other targets reuse.
#
# A target whose definitions change what a header means cannot use it:
# <QtTest> looks at QT_NETWORK_LIB, and at the folder of the test
# (QT_TESTCASE_BUILDDIR). The compiler then reads the files themselves
# (-Winvalid-pch says so): slower, never wrong.

set(VOCARIO_PRECOMPILED_QT
    <QAbstractButton> <QAccessible> <QAction> <QApplication> <QDialog> <QDir>
    <QElapsedTimer> <QEvent> <QFile> <QFileInfo> <QHash> <QHBoxLayout> <QLabel>
    <QList> <QMainWindow> <QMenuBar> <QMessageBox> <QMimeData> <QMouseEvent>
    <QPainter> <QPointer> <QPushButton> <QRadioButton> <QSettings> <QString>
    <QStringList> <QTimer> <QVariant> <QVBoxLayout> <QWidget>
    <algorithm> <functional> <memory> <optional> <vector>)
set(VOCARIO_PRECOMPILED_TEST <QtTest>)

if(NOT VOCARIO_NO_PRECOMPILED_HEADERS)
    target_precompile_headers(vocario_core PRIVATE ${VOCARIO_PRECOMPILED_QT})
endif()

# vocario_reuse_precompiled(<from> <target>...): the targets compile with
# the header of <from> (vocario_core or vocario_testsupport).
function(vocario_reuse_precompiled from)
    if(NOT VOCARIO_NO_PRECOMPILED_HEADERS)
        foreach(target ${ARGN})
            target_precompile_headers(${target} REUSE_FROM ${from})
        endforeach()
    endif()
endfunction()

# vocario_precompile_test_headers(<target>): the tests' header, made with
# <target>'s flags (a test library of the folder).
function(vocario_precompile_test_headers target)
    if(NOT VOCARIO_NO_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} PRIVATE
            ${VOCARIO_PRECOMPILED_QT} ${VOCARIO_PRECOMPILED_TEST})
    endif()
endfunction()
