#pragma once

#include <QString>

namespace lanze {

// The delivery ticket's logo picture 店标.bmp in the store folder.
class LogoFile {
  public:
    static inline const QString kReplaced = QStringLiteral("数据文件更新成功！");
    static inline const QString kReplacedTitle = QStringLiteral("成功");
    static inline const QString kFailed = QStringLiteral("数据文件更新失败！");
    static inline const QString kFailedTitle = QStringLiteral("错误");

    static QString path(const QString& storeDir);
    // Copies the chosen picture over 店标.bmp without asking. On failure the old logo stays as it was.
    static bool replace(const QString& storeDir, const QString& source);
};

}  // namespace lanze
