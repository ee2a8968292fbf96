// Small helpers of the widget tests.
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace belvo::gui::test {

// Types text into a widget key by key, Czech letters included (QTest::keyClicks takes ASCII only).
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Lets posted work (checks of fields, deferred clicks) run.
inline void Settle(int ms = 20) { QTest::qWait(ms); }

}  // namespace belvo::gui::test
