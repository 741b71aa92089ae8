#pragma once

#include <QDialog>
#include <QImage>

#include "core/report/TemplateParser.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace lanze {

// Editor of one template file: its text on the left with faulty lines marked and listed, a live
// preview filled with sample values on the right, and save and revert. A template with faults is
// shown, never printed; the last good preview stays until the text reads again.
class TemplateDesigner : public QDialog {
    Q_OBJECT
  public:
    explicit TemplateDesigner(const QString& filePath, QWidget* parent = nullptr);

    // Opens folder/fileName (writing the shipped default first when the file is missing) and shows the
    // designer modally.
    static void design(const QString& folder, const QString& fileName, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return editor_; }
    QListWidget* faults() const { return faults_; }
    const TemplateLoad& lastLoad() const { return load_; }
    const QImage& previewImage() const { return preview_; }

    // Applies the text now instead of after the typing pause.
    void refresh();
    bool save();
    void revert();
    bool isModified() const;

  private:
    void showFaults();
    QStringList renderPreview();  // returns the placeholders without a sample value
    void jumpToFault();

    QString path_;
    QString saved_;
    QPlainTextEdit* editor_;
    QListWidget* faults_;
    QLabel* previewLabel_;
    QLabel* status_;
    QSpinBox* lines_;
    QPushButton* saveButton_;
    QPushButton* revertButton_;
    QTimer* pause_;
    TemplateLoad load_;
    QImage preview_;
};

}  // namespace lanze
