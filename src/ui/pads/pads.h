// The two input pads: the ten-key pad, which types a whole number into one
// entry field of the main window, and the always-on-top time pad, which
// steps the instant and drives the continuous calculation.
#pragma once

class QWidget;

namespace korvel::core {
class App;
}  // namespace korvel::core

namespace korvel::ui {

// Lets the model create, place, show, hide and destroy the ten-key pad
// (form2). `mainWindow` is the window made active again after "OK" and the
// one whose caption bar the pad keeps clear of the field; without it the
// top-level widget named "Form1" is used, if there is one.
void attachTenKeyPad(core::App& app, QWidget* mainWindow = nullptr);

// The double-click on one of the main window's entry fields (field numbers
// 1 2 3 7 8 9 12 17 18): the pad takes the field, is placed next to it and
// shown, without blocking the main window. Other numbers do nothing.
void openTenKeyPad(core::App& app, int code);

// Lets the model create, place, show, hide and destroy the time pad (form7).
void attachTimePad(core::App& app);

}  // namespace korvel::ui
