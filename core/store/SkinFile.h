#pragma once

#include <QString>

namespace lanze {

// The skin file skin.skn of a store folder: a Qt style sheet. The program ships a default one and puts
// it into the folder whenever the file is missing, so that switching the skin on always has a look.
class SkinFile {
  public:
    // The shipped default.
    static QString defaultStyleSheet();
    // Writes the default into the folder when skin.skn is missing; an existing file is left alone.
    // False when the file is missing and cannot be written.
    static bool ensure(const QString& storeDir);
    static QString path(const QString& storeDir);
};

}  // namespace lanze
