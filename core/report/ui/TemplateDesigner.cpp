#include "core/report/ui/TemplateDesigner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/report/ReportPainter.h"
#include "core/report/ReportTemplates.h"
#include "core/report/SampleReportData.h"
#include "core/text/Gbk.h"

namespace lanze {

namespace {
constexpr int kPreviewDpi = 110;
}

TemplateDesigner::TemplateDesigner(const QString& filePath, QWidget* parent)
    : QDialog(parent),
      path_(filePath),
      editor_(new QPlainTextEdit),
      faults_(new QListWidget),
      previewLabel_(new QLabel),
      status_(new QLabel),
      lines_(new QSpinBox),
      saveButton_(new QPushButton(QStringLiteral("保存"))),
      revertButton_(new QPushButton(QStringLiteral("还原"))),
      pause_(new QTimer(this)) {
    setWindowTitle(QStringLiteral("报表设计 - %1").arg(QFileInfo(filePath).fileName()));
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    faults_->setMaximumHeight(110);

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(editor_, 1);
    leftLayout->addWidget(new QLabel(QStringLiteral("错误：")));
    leftLayout->addWidget(faults_);

    previewLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setWidget(previewLabel_);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* linesRow = new QHBoxLayout;
    linesRow->addWidget(new QLabel(QStringLiteral("预览（示例数据），明细行数：")));
    lines_->setRange(0, 50);
    lines_->setValue(3);
    linesRow->addWidget(lines_);
    linesRow->addStretch();
    rightLayout->addLayout(linesRow);
    rightLayout->addWidget(scroll, 1);

    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* closeButton = new QPushButton(QStringLiteral("关闭"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(saveButton_);
    buttons->addWidget(revertButton_);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(1200, 800);

    pause_->setSingleShot(true);
    pause_->setInterval(300);
    connect(pause_, &QTimer::timeout, this, &TemplateDesigner::refresh);
    connect(editor_, &QPlainTextEdit::textChanged, pause_, qOverload<>(&QTimer::start));
    connect(lines_, &QSpinBox::valueChanged, this, &TemplateDesigner::refresh);
    connect(faults_, &QListWidget::itemActivated, this, &TemplateDesigner::jumpToFault);
    connect(faults_, &QListWidget::itemClicked, this, &TemplateDesigner::jumpToFault);
    connect(saveButton_, &QPushButton::clicked, this, &TemplateDesigner::save);
    connect(revertButton_, &QPushButton::clicked, this, &TemplateDesigner::revert);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    revert();
}

void TemplateDesigner::design(const QString& folder, const QString& fileName, QWidget* parent) {
    const QString path = QDir(folder).filePath(fileName);
    if (!QFile::exists(path)) {
        QString error;
        ReportTemplates::installMissing(folder, &error);
        if (!QFile::exists(path)) {
            Messages::current().warning(error.isEmpty() ? QStringLiteral("找不到报表模板文件 %1").arg(path)
                                                        : error);
            return;
        }
    }
    TemplateDesigner designer(path, parent);
    designer.exec();
}

bool TemplateDesigner::isModified() const {
    return editor_->toPlainText() != saved_;
}

void TemplateDesigner::revert() {
    QFile f(path_);
    if (f.open(QIODevice::ReadOnly)) {
        saved_ = Gbk::decodeUtf8OrGbk(f.readAll());
    } else {
        saved_.clear();
        Messages::current().warning(
            QStringLiteral("无法读取报表模板：%1").arg(QDir::toNativeSeparators(path_)));
    }
    editor_->setPlainText(saved_);
    refresh();
}

bool TemplateDesigner::save() {
    refresh();
    if (!load_.ok() &&
        !Messages::current().confirm(QStringLiteral("模板还有错误，保存后将无法打印，仍然保存吗？"))) {
        return false;
    }
    QSaveFile f(path_);
    const QString text = editor_->toPlainText();
    if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0 || !f.commit()) {
        Messages::current().warning(QStringLiteral("无法保存报表模板：%1").arg(f.errorString()));
        return false;
    }
    saved_ = text;
    status_->setText(QStringLiteral("已保存"));
    return true;
}

void TemplateDesigner::refresh() {
    pause_->stop();
    const QFileInfo info(path_);
    load_ = TemplateParser::parse(editor_->toPlainText(), info.fileName(), info.absolutePath());
    showFaults();
    QStringList status;
    if (isModified()) {
        status << QStringLiteral("已修改，未保存");
    }
    if (load_.ok()) {
        const QStringList unanswered = renderPreview();
        if (!unanswered.isEmpty()) {
            status << QStringLiteral("没有示例值的变量：%1").arg(unanswered.join(QStringLiteral("、")));
        }
    }
    status_->setText(status.join(QStringLiteral("；")));
}

void TemplateDesigner::showFaults() {
    faults_->clear();
    QList<QTextEdit::ExtraSelection> marks;
    for (const TemplateError& e : load_.errors) {
        auto* item = new QListWidgetItem(e.text(), faults_);
        item->setData(Qt::UserRole, e.line);
        const QTextBlock block = editor_->document()->findBlockByNumber(e.line - 1);
        if (block.isValid()) {
            QTextEdit::ExtraSelection mark;
            mark.format.setBackground(QColor(255, 210, 210));
            mark.format.setProperty(QTextFormat::FullWidthSelection, true);
            mark.cursor = QTextCursor(block);
            marks << mark;
        }
    }
    editor_->setExtraSelections(marks);
    if (load_.ok()) {
        new QListWidgetItem(QStringLiteral("没有错误"), faults_);
    }
}

QStringList TemplateDesigner::renderPreview() {
    ReportTemplate t = *load_.report;
    const int lines = lines_->value();
    t.lengthenFirstPage(ReportTemplate::extraLengthForLines(22, lines));
    const ReportRows sample = SampleReportData::rows();
    ReportRows rows;
    rows.columns = sample.columns;
    for (int i = 0; i < lines; ++i) {
        rows.rows.append(sample.rows.at(i % sample.rows.size()));
    }
    const LaidOutReport laidOut = ReportLayout::layOut(t, SampleReportData::variables(), rows);
    const double pxPerMm = kPreviewDpi / 25.4;
    const int gap = 12;
    int width = 0;
    int height = gap;
    for (const LaidOutPage& page : laidOut.pages) {
        width = std::max(width, int(page.width * pxPerMm));
        height += int(page.height * pxPerMm) + gap;
    }
    // Keep the preview within a sane size whatever the template claims.
    width = std::clamp(width + 2 * gap, 50, 4000);
    height = std::clamp(height, 50, 12000);
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(int(kPreviewDpi / 0.0254));
    image.setDotsPerMeterY(int(kPreviewDpi / 0.0254));
    image.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    int y = gap;
    for (const LaidOutPage& page : laidOut.pages) {
        const QRect sheet(gap, y, int(page.width * pxPerMm), int(page.height * pxPerMm));
        painter.fillRect(sheet, Qt::white);
        painter.save();
        painter.translate(sheet.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), sheet.size()));
        ReportPainter::paintPage(painter, laidOut, page);
        painter.restore();
        y += sheet.height() + gap;
        if (y > height) {
            break;
        }
    }
    painter.end();
    preview_ = image;
    previewLabel_->setPixmap(QPixmap::fromImage(image));
    return laidOut.unanswered;
}

void TemplateDesigner::jumpToFault() {
    QListWidgetItem* item = faults_->currentItem();
    if (!item) {
        return;
    }
    const int line = item->data(Qt::UserRole).toInt();
    const QTextBlock block = editor_->document()->findBlockByNumber(line - 1);
    if (block.isValid()) {
        editor_->setTextCursor(QTextCursor(block));
        editor_->setFocus();
    }
}

}  // namespace lanze
