// The graph window ("Korvel - Graph -"), the moon-face window ("MoonFace")
// and the orbit window ("Moon Phase"): each puts its form of the model on
// the screen whenever the model has it. The Qt window is created when the
// model loads the form, shown, hidden, placed and captioned as the model
// says, and destroyed when it unloads; its drawing surface is handed to the
// model for as long as the window exists. Call each once per App, before
// the App's start-up.
#pragma once

namespace korvel::core {
class App;
}

namespace korvel::ui {

void attachGraphWindow(core::App& app);
void attachFaceWindow(core::App& app);
void attachOrbitWindow(core::App& app);

}  // namespace korvel::ui
