#include <gtest/gtest.h>

#include "board/ProgramTitle.h"

using namespace lanze;

TEST(ProgramTitle, SettlesFromNameCompanyAndLanguage) {
    struct Case {
        const char* programName;
        const char* company;
        const char* language;
        const char* title;
        const char* caption;
    } cases[] = {
        {"", "岚泽", "简体中文", "岚泽来电显示家政管理系统--中英文双语版",
         "岚泽来电显示家政管理系统--中英文双语版2011.03.24.00.00"},
        {"", "好帮手", "简体中文", "好帮手来电显示家政管理系统",
         "好帮手来电显示家政管理系统2011.03.24.00.00"},
        {"快洁家政", "好帮手", "简体中文", "快洁家政", "快洁家政----2011.03.24.00.00"},
        {"快洁家政", "岚泽", "英语", "快洁家政", "Lan Ze Vovorada Vevadode 2010"},
        {"", "岚泽", "英语", "岚泽来电显示家政管理系统--中英文双语版", "Lan Ze Vovorada Vevadode 2010"},
    };
    for (const Case& c : cases) {
        const ProgramTitle t = ProgramTitle::settle(
            QString::fromUtf8(c.programName), QString::fromUtf8(c.company), QString::fromUtf8(c.language));
        EXPECT_EQ(t.title, QString::fromUtf8(c.title)) << c.programName << "/" << c.company;
        EXPECT_EQ(t.windowCaption, QString::fromUtf8(c.caption)) << c.programName << "/" << c.company;
    }
}
