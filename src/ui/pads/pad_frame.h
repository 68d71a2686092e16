// Twips, pixels and window frames, shared by the two pads.
#pragma once

#include <QMargins>
#include <QRect>

#include "core/form.h"

class QWidget;

namespace korvel::ui::pads {

inline constexpr int kTwipsPerPixel = 15;

int px(int twips);
// A rectangle in twips to logical pixels; shared edges stay shared.
QRect pxRect(int left, int top, int width, int height);

// The frame a window manager puts around a pad: the window's own once it
// has been on the screen, else that of the main window, else the last one
// seen, else a caption bar of the style's height.
QMargins frameMargins(const QWidget* window);

// The outer frame of a window in twips, as the model keeps it.
core::Geometry outerTwips(const QWidget* window);

// The main window, when it is a top-level widget named "Form1".
QWidget* findMainWindow();

}  // namespace korvel::ui::pads
