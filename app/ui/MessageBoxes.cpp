#include "app/ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "app/SignInState.h"

namespace lanze {

namespace {
QString titleOr(const QString& title) {
    if (!title.isEmpty()) {
        return title;
    }
    const QString& program = signInState().programTitle;
    return program.isEmpty() ? SignInState::kStartTitle : program;
}

QWidget* parentWindow() {
    return QApplication::activeWindow();
}
}  // namespace

void MessageBoxes::info(const QString& text, const QString& title) {
    QMessageBox::information(parentWindow(), titleOr(title), text);
}

void MessageBoxes::warning(const QString& text, const QString& title) {
    QMessageBox::warning(parentWindow(), titleOr(title), text);
}

bool MessageBoxes::confirm(const QString& text) {
    return QMessageBox::question(parentWindow(), titleOr(QString()), text,
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

void MessageBoxes::error(const QString& text, const QString& title) {
    QMessageBox::critical(parentWindow(), titleOr(title), text);
}

}  // namespace lanze
