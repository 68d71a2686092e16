// Application-wide settings every Korvel process with windows makes once,
// right after the QApplication exists: Japanese locale and translations,
// the Japanese user-interface font, and the font names the windows ask for.
#pragma once

#include <QFont>
#include <QIcon>

class QApplication;

namespace korvel::ui {

// The family the small arrow buttons ask for; substituted by a Japanese
// proportional Gothic that is installed here.
inline constexpr const char* kArrowFontFamily = "ＭＳ Ｐゴシック";
inline constexpr int kArrowFontPoints = 6;

void setupApplication(QApplication& app);

// The window font: the system's Japanese user-interface font at the size
// the windows are laid out for.
QFont windowFont();

// The font of the text fields: a Japanese Gothic whose digits all have the
// same width, so that the long results fit their fields and line up.
QFont fieldFont();

// The font of the "▲" and "▼" buttons.
QFont arrowFont();

// The program icon: the installed theme icon, else the same picture drawn here.
QIcon programIcon();

}  // namespace korvel::ui
