#include "settings/ui/ChoiceBox.h"

#include <QButtonGroup>
#include <QGridLayout>

namespace lanze {

ChoiceBox::ChoiceBox(const QString& title, const QList<Choice>& choices, int columns, QWidget* parent)
    : QGroupBox(title, parent) {
    auto* layout = new QGridLayout(this);
    auto* group = new QButtonGroup(this);
    const int perRow = columns > 0 ? columns : int(choices.size());
    for (int i = 0; i < choices.size(); ++i) {
        auto* b = new QRadioButton(choices[i].caption, this);
        group->addButton(b);
        layout->addWidget(b, i / perRow, i % perRow);
        buttons_.append({choices[i].value, b});
        connect(b, &QRadioButton::toggled, this, [this, value = choices[i].value](bool on) {
            if (on) {
                emit valueChanged(value);
            }
        });
    }
    layout->setColumnStretch(perRow, 1);
    if (!buttons_.isEmpty()) {
        buttons_.first().second->setChecked(true);
    }
}

void ChoiceBox::setValue(const QString& value) {
    QRadioButton* b = button(value);
    (b ? b : buttons_.first().second)->setChecked(true);
}

QString ChoiceBox::value() const {
    for (const auto& [value, b] : buttons_) {
        if (b->isChecked()) {
            return value;
        }
    }
    return buttons_.isEmpty() ? QString() : buttons_.first().first;
}

QRadioButton* ChoiceBox::button(const QString& value) const {
    for (const auto& [v, b] : buttons_) {
        if (v == value) {
            return b;
        }
    }
    return nullptr;
}

}  // namespace lanze
