// Driving modal dialogs from a widget test: the test arranges what to do with the dialog before
// the code under test opens it (and blocks in its exec).
#pragma once

#include <functional>
#include <memory>

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace belvo::gui::test {

// Once a modal dialog is open, `act` gets it (and should close it). Gives up after `timeoutMs`,
// closing whatever modal dialog is open then, so a failing test cannot hang.
inline void WhenModal(std::function<void(QWidget*)> act, int timeoutMs = 5000)
{
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, act = std::move(act), timeoutMs] {
        QWidget* dialog = QApplication::activeModalWidget();
        *waited += 10;
        if (dialog == nullptr && *waited < timeoutMs) return;
        timer->stop();
        timer->deleteLater();
        if (dialog != nullptr) act(dialog);
    });
    timer->start();
}

}  // namespace belvo::gui::test
