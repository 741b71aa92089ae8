#pragma once

#include <QString>

namespace lanze {

// The program title (caption of the main window and of every confirmation box) and the main window's
// caption, from the station settings 程序名称, 公司简称 and 版本语言.
struct ProgramTitle {
    QString title;
    QString windowCaption;

    static inline const QString kVersion = QStringLiteral("2011.03.24.00.00");
    static inline const QString kHomeCompany = QStringLiteral("岚泽");

    // A configured 程序名称 wins; otherwise the title is built from the company's short name. With the
    // English interface the window caption is the English one; the title stays as settled.
    static ProgramTitle settle(const QString& programName, const QString& companyShortName,
                               const QString& language = QString());
};

}  // namespace lanze
