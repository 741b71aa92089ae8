#pragma once

#include <QString>

namespace lanze {

// The program's skin: the style sheet held in skin.skn, switched on for the whole application and off.
class Skin {
  public:
    // False when the file cannot be read; the look stays as it was.
    static bool switchOn(const QString& file);
    static void switchOff();
};

}  // namespace lanze
