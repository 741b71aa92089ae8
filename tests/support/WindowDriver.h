#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace lanze::test {

// Clicks the button whose object name is its caption.
inline void click(QWidget* window, const QString& button) {
    auto* b = window->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button.toStdString();
    b->click();
}

inline void type(QWidget* window, const QString& box, const QString& text) {
    auto* e = window->findChild<QLineEdit*>(box);
    ASSERT_NE(e, nullptr) << box.toStdString();
    e->setText(text);
}

inline QString boxText(QWidget* window, const QString& box) {
    auto* e = window->findChild<QLineEdit*>(box);
    return e ? e->text() : QStringLiteral("<no box>");
}

// Drives the next modal dialog from inside its own event loop, then closes it if the action left it
// open, so that a test never hangs on a dialog it did not expect to stay.
inline void onNextModal(std::function<void(QDialog*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog open";
            return;
        }
        action(dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

}  // namespace lanze::test
