#include "ui/graph/remote_buttons.h"

#include <QPushButton>

#include "core/app.h"
#include "ui/app_setup.h"
#include "ui/secondary_window.h"

namespace korvel::ui {

RemoteButtons::RemoteButtons(QWidget* parent, core::App& app) {
  const int side = px(kSizeTwips);
  const QFont small = arrowFont();
  QFont bold = small;
  bold.setBold(true);
  struct Button {
    const char* caption;
    const QFont* font;
    QPoint at;
  };
  const Button buttons[] = {
      {"◆", &small, {0, 0}},
      {"■", &small, {px(240), 0}},
      {"T", &bold, {0, px(240)}},
  };
  for (int n = 1; n <= 3; ++n) {
    const Button& s = buttons[n - 1];
    auto* b = new QPushButton(QString::fromUtf8(s.caption), parent);
    b->setObjectName(QStringLiteral("Command%1").arg(n));
    b->setFont(*s.font);
    b->setGeometry(QRect(s.at, QSize(side, side)));
    // The glyph needs every pixel of so small a button.
    b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
    b->setFocusPolicy(Qt::NoFocus);
    buttons_[n] = b;
  }
  QObject::connect(buttons_[1], &QPushButton::clicked, parent, [&app] { app.remote_Command1_Click(); });
  QObject::connect(buttons_[2], &QPushButton::clicked, parent, [&app] { app.remote_Command2_Click(); });
  QObject::connect(buttons_[3], &QPushButton::clicked, parent, [&app] { app.remote_Command3_Click(); });
}

void RemoteButtons::place(QSize client) {
  buttons_[1]->move(0, 0);
  buttons_[2]->move(client.width() - buttons_[2]->width(), 0);
  buttons_[3]->move(client.width() - buttons_[3]->width(), client.height() - buttons_[3]->height());
}

}  // namespace korvel::ui
