// The data window ("Korvel - Data -"): the list of results, one line per
// calculated instant, and the buttons that restart, print, start and stop
// the listing and the continuous calculation.
#pragma once

#include <QFont>

namespace korvel::core {
class App;
}

namespace korvel::ui {

// Puts the data window of `app` on the screen whenever the model has it:
// the Qt window is created when the model loads the form, shown, hidden,
// placed and captioned as the model says, and destroyed when it unloads.
// Call once per App, before the App's start-up.
void attachDataWindow(core::App& app);

// The font of the list and of its printout: a Japanese Gothic in which a
// full-width character is exactly two half-width ones, so that the
// heading's ideographic spaces keep it above the columns.
QFont listFont();

}  // namespace korvel::ui
