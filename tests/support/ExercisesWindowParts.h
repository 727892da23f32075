// The exercises window's parts as the tests reach them: controls by their object names, the
// pages by their class, and the window shown on one page.
#pragma once

#include "help/ExercisesWindow.h"
#include "widgets/TabbedNotebook.h"

#include <QApplication>
#include <QTest>

namespace ExercisesWindowParts {

// A missing part stops the test program at once instead of failing later on a null pointer.
template <typename Control = QWidget>
Control *part(const QObject &window, const QString &name)
{
    auto *found = window.findChild<Control *>(name);
    if (!found)
        qFatal("no %s named %s", Control::staticMetaObject.className(), qPrintable(name));
    return found;
}

inline TabbedNotebook *tabs(const ExercisesWindow &window) { return part<TabbedNotebook>(window, QStringLiteral("TabbedNotebook1")); }

template <typename Page>
Page *pageOf(const ExercisesWindow &window) { return part<Page>(window, QString()); }

// The window shown and active, then turned to a page.
[[nodiscard]] inline bool showOn(ExercisesWindow &window, ExercisesWindow::Page page)
{
    window.show();
    QApplication::setActiveWindow(&window);
    const bool active = QTest::qWaitForWindowActive(&window);
    tabs(window)->setPageIndex(page);
    return active;
}

} // namespace ExercisesWindowParts
