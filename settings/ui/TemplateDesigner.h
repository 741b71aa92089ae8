#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace lanze {

// Opens a ticket template of the store folder for editing; the user saves it there. A missing file
// gives a message and opens nothing.
void openTemplateDesigner(const QString& path, QWidget* parent = nullptr);

// The template's text in an editor window, saved back as UTF-8.
class TemplateTextEditor : public QDialog {
    Q_OBJECT
  public:
    static inline const QString kMissing = QStringLiteral("找不到报表模板文件：%1");
    static inline const QString kSaveFailed = QStringLiteral("报表模板保存失败：%1");

    TemplateTextEditor(const QString& path, const QString& text, QWidget* parent = nullptr);
    // Writes the text over the file in one step; false with a message when it cannot.
    bool save();

  private:
    QString path_;
    QPlainTextEdit* edit_;
};

}  // namespace lanze
