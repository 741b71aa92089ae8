#include "board/ProgramTitle.h"

#include "board/MainCommands.h"

namespace lanze {

ProgramTitle ProgramTitle::settle(const QString& programName, const QString& companyShortName,
                                  const QString& language) {
    ProgramTitle t;
    if (!programName.isEmpty()) {
        t.title = programName;
        t.windowCaption = programName + QStringLiteral("----") + kVersion;
    } else {
        t.title = companyShortName == kHomeCompany
                      ? kHomeCompany + QStringLiteral("来电显示家政管理系统--中英文双语版")
                      : companyShortName + QStringLiteral("来电显示家政管理系统");
        t.windowCaption = t.title + kVersion;
    }
    if (language == QStringLiteral("英语")) {
        t.windowCaption = MainCommands::kEnglishCaption;
    }
    return t;
}

}  // namespace lanze
