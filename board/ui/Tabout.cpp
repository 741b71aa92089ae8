#include "board/ui/Tabout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/SignInState.h"
#include "board/ProgramTitle.h"

namespace lanze {

Tabout::Tabout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tabout"));
    setWindowTitle(QStringLiteral("关于"));
    title_ = new QLabel(this);
    title_->setAlignment(Qt::AlignCenter);
    title_->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold; padding: 8px;"));
    details_ = new QLabel(this);
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(details_);
    layout->addWidget(buttons);
}

void Tabout::showEvent(QShowEvent* event) {
    const SignInState& s = signInState();
    title_->setText(s.programTitle);
    QStringList lines{QStringLiteral("版本：") + ProgramTitle::kVersion};
    for (const QString& section : {QStringLiteral("公司全称"), QStringLiteral("电话"), QStringLiteral("QQ"),
                                   QStringLiteral("EMAIL"), QStringLiteral("网站")}) {
        const QString value = s.setting(section);
        if (!value.isEmpty()) {
            lines << section + QStringLiteral("：") + value;
        }
    }
    details_->setText(lines.join(QLatin1Char('\n')));
    QDialog::showEvent(event);
}

}  // namespace lanze
