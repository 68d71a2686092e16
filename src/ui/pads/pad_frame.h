// Twips, pixels and window frames, shared by the two pads.
#pragma once

#include <QMargins>
#include <QRect>

#include "core/form.h"
#include "ui/twips.h"

class QWidget;

namespace korvel::ui::pads {

using ui::kTwipsPerPixel;
using ui::px;
using ui::pxRect;

// The frame a window manager puts around a pad: the window's own once it
// has been on the screen, else that of the main window, else the last one
// seen, else a caption bar of the style's height.
QMargins frameMargins(const QWidget* window);

// The outer frame of a window in twips, as the model keeps it.
core::Geometry outerTwips(const QWidget* window);

// The main window, when it is a top-level widget named "Form1".
QWidget* findMainWindow();

}  // namespace korvel::ui::pads
