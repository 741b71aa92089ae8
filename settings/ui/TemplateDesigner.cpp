#include "settings/ui/TemplateDesigner.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "core/Messages.h"

namespace lanze {

void openTemplateDesigner(const QString& path, QWidget* parent) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        Messages::current().warning(TemplateTextEditor::kMissing.arg(path));
        return;
    }
    TemplateTextEditor editor(path, QString::fromUtf8(file.readAll()), parent);
    file.close();
    editor.exec();
}

TemplateTextEditor::TemplateTextEditor(const QString& path, const QString& text, QWidget* parent)
    : QDialog(parent), path_(path), edit_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("报表设计 - %1").arg(QFileInfo(path).fileName()));
    edit_->setObjectName(QStringLiteral("templateText"));
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit_->setPlainText(text);
    auto* buttons = new QDialogButtonBox(this);
    auto* saveButton = buttons->addButton(QStringLiteral("保存"), QDialogButtonBox::AcceptRole);
    auto* cancelButton = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    saveButton->setObjectName(QStringLiteral("saveTemplate"));
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (save()) {
            accept();
        }
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    resize(760, 560);
}

bool TemplateTextEditor::save() {
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly) || out.write(edit_->toPlainText().toUtf8()) < 0 || !out.commit()) {
        Messages::current().error(kSaveFailed.arg(out.errorString()));
        return false;
    }
    return true;
}

}  // namespace lanze
