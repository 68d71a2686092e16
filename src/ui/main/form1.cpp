#include "ui/main/form1.h"

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

#include "core/app.h"
#include "ui/app_setup.h"
#include "ui/twips.h"

namespace korvel::ui {

namespace {


QRect pxRect(const QRect& twips) { return ui::pxRect(twips.x(), twips.y(), twips.width(), twips.height()); }

QString qs(const char* utf8) { return QString::fromUtf8(utf8); }

const QColor kResultText(0, 0, 255);
const QColor kReferenceText(255, 0, 0);
const QColor kBracketGrey(128, 128, 128);
const QColor kLatitudeBoxText(18, 0, 0);

struct Marker {
  int left;
  int top;
  QColor colour;
};
// Shape4, Shape6, Shape1, Shape5: the colours of the graph's curves.
const Marker kMarkers[] = {
    {2040, 1380, QColor(255, 0, 255)},
    {2040, 2220, QColor(0, 0, 255)},
    {120, 3060, QColor(0, 255, 255)},
    {2040, 3060, QColor(0, 128, 0)},
};
constexpr int kMarkerSize = 132;

struct Segment {
  int x1, y1, x2, y2;
};
// Line1, Line2, Line4, Line6, Line3, Line7: the bracket joining the three
// output boxes to the loop count.
const Segment kBracket[] = {
    {180, 5040, 4740, 5040}, {180, 5040, 180, 5160},   {1860, 5040, 1860, 5160},
    {4740, 5160, 4740, 5040}, {3360, 5040, 3360, 5520}, {3420, 5520, 3360, 5520},
};

// A captioned frame drawn the way the layout expects: the caption sits on
// the top border line, so the children placed near the top stay clear of it.
class Frame : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QFontMetrics fm(font());
    const QRect border = rect().adjusted(0, fm.height() / 2, -2, -2);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(border);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(border.translated(1, 1));
    const QRect caption(6, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter, title());
  }
};

// A caption too wide for its button goes on two lines, as a narrow button
// of the layout shows it. The break goes where kanji meet kana nearest the
// middle, else in the middle, never before a sound mark or a small kana.
QString fitCaption(const QString& caption, const QFont& font, int width) {
  const QFontMetrics fm(font);
  const int room = width - 8;
  if (fm.horizontalAdvance(caption) <= room || caption.size() < 2) return caption;
  static const QString noLineStart = QStringLiteral("ﾞﾟｰ゛゜ーァィゥェォャュョッｧｨｩｪｫｬｭｮｯ");
  const auto kanji = [](QChar c) { return c.script() == QChar::Script_Han; };
  const auto allowed = [&](qsizetype cut) { return cut > 0 && cut < caption.size() && !noLineStart.contains(caption[cut]); };
  const auto fits = [&](qsizetype cut) {
    return fm.horizontalAdvance(caption.left(cut)) <= room && fm.horizontalAdvance(caption.mid(cut)) <= room;
  };
  const qsizetype middle = (caption.size() + 1) / 2;
  qsizetype best = -1;
  for (qsizetype d = 0; d < caption.size() && best < 0; ++d) {
    for (qsizetype cut : {middle - d, middle + d}) {
      if (allowed(cut) && fits(cut) && kanji(caption[cut - 1]) != kanji(caption[cut])) {
        best = cut;
        break;
      }
    }
  }
  if (best < 0) {
    best = middle;
    while (best < caption.size() - 1 && !allowed(best)) ++best;
  }
  return caption.left(best) + QLatin1Char('\n') + caption.mid(best);
}

}  // namespace

QSize Form1::clientPixels() { return QSize(px(kClientWidthTwips), px(kClientHeightTwips)); }

Form1::Form1(core::App& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      app_(app),
      surface_(QSizeF(clientPixels().width() * kTwipsPerPixel, clientPixels().height() * kTwipsPerPixel),
               clientPixels()) {
  setObjectName(QStringLiteral("Form1"));
  setFixedSize(clientPixels());
  setWindowIcon(programIcon());
  surface_.onChanged = [this](const QRect& area) { surfaceChanged(area); };

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  connect(timer_, &QTimer::timeout, this, [this] { app_.Timer1_Timer(); });

  buildControls();
  setTabOrder();
  bindModel();

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { commands_[22]->click(); });
  commands_[22]->setFocus();
}

Form1::~Form1() { unbindModel(); }

// ---- controls ------------------------------------------------------------------

QLineEdit* Form1::addField(core::TextField& field, int code, QWidget* parent, QRect twips, bool result) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromStdString(field.name()));
  edit->setGeometry(pxRect(twips));
  edit->setFont(fieldFont());
  if (result) {
    edit->setReadOnly(true);
    edit->setCursor(Qt::ArrowCursor);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, &field == &app_.Text13 ? kReferenceText : kResultText);
    edit->setPalette(palette);
  } else {
    connect(edit, &QLineEdit::textEdited, this, [this, &field](const QString& text) {
      field.setText(text.toStdString());
      for (const FieldBinding& b : fields_)
        if (b.field == &field) showField(b);
    });
    edit->installEventFilter(this);
  }
  fields_.push_back({&field, edit, code});
  return edit;
}

QPushButton* Form1::addButton(int number, const char* caption, QWidget* parent, QRect twips) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QStringLiteral("Command%1").arg(number));
  button->setGeometry(pxRect(twips));
  button->setText(fitCaption(qs(caption), font(), button->width()));
  button->setAccessibleName(qs(caption));
  button->setAutoDefault(false);
  commands_[number] = button;
  return button;
}

QLabel* Form1::addLabel(const char* name, const char* caption, QWidget* parent, QRect twips) {
  auto* label = new QLabel(qs(caption), parent);
  label->setObjectName(qs(name));
  label->setGeometry(pxRect(twips));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QCheckBox* Form1::addCheck(core::CheckBox& box, int number, const char* caption, QWidget* parent, QRect twips) {
  auto* check = new QCheckBox(qs(caption), parent);
  check->setObjectName(QStringLiteral("Check%1").arg(number));
  check->setGeometry(pxRect(twips));
  // Every change by the user (mouse or keyboard); the window's own changes
  // are made with the signals blocked.
  connect(check, &QCheckBox::toggled, this, [this, &box, check](bool checked) {
    box.setValue(checked ? 1 : 0);
    showCheck({&box, check});
  });
  checks_.push_back({&box, check});
  return check;
}

QRadioButton* Form1::addOption(core::OptionButton& option, int number, const char* caption, QWidget* parent,
                               QRect twips) {
  auto* radio = new QRadioButton(qs(caption), parent);
  radio->setObjectName(QStringLiteral("Option%1").arg(number));
  radio->setGeometry(pxRect(twips));
  connect(radio, &QRadioButton::toggled, this, [this, &option](bool selected) {
    if (!selected) return;
    option.select();
    for (const OptionBinding& b : options_) showOption(b);
  });
  options_.push_back({&option, radio});
  return radio;
}

QGroupBox* Form1::addFrame(int number, const char* caption, QRect twips) {
  auto* frame = new Frame(qs(caption), this);
  frame->setObjectName(QStringLiteral("Frame%1").arg(number));
  frame->setGeometry(pxRect(twips));
  return frame;
}

void Form1::buildControls() {
  core::App& a = app_;
  QWidget* w = this;

  // Date and time entry.
  addField(a.Text1, 1, w, {120, 240, 732, 288}, false);
  addButton(2, "▲", w, {960, 120, 252, 264});
  addButton(3, "▼", w, {960, 360, 252, 264});
  addLabel("Label1", "年", w, {1320, 300, 252, 252});
  addField(a.Text2, 2, w, {1800, 240, 612, 288}, false);
  addButton(4, "▲", w, {2520, 120, 252, 264});
  addButton(5, "▼", w, {2520, 360, 252, 264});
  addLabel("Label2", "月", w, {2880, 300, 252, 252});
  addField(a.Text3, 3, w, {3360, 240, 612, 288}, false);
  addButton(6, "▲", w, {4080, 120, 252, 264});
  addButton(7, "▼", w, {4080, 360, 252, 264});
  addLabel("Label3", "日", w, {4440, 300, 252, 252});
  addField(a.Text7, 7, w, {120, 840, 732, 288}, false);
  addButton(8, "▲", w, {960, 720, 252, 264});
  addButton(9, "▼", w, {960, 960, 252, 264});
  addLabel("Label7", "時", w, {1320, 900, 252, 252});
  addField(a.Text8, 8, w, {1800, 840, 612, 288}, false);
  addButton(10, "▲", w, {2520, 720, 252, 264});
  addButton(11, "▼", w, {2520, 960, 252, 264});
  addLabel("Label8", "分", w, {2880, 900, 252, 252});
  addField(a.Text9, 9, w, {3360, 840, 612, 288}, false);
  addButton(12, "▲", w, {4080, 720, 252, 264});
  addButton(13, "▼", w, {4080, 960, 252, 264});
  addLabel("Label9", "秒", w, {4440, 900, 252, 252});
  addButton(16, "現在の日時", w, {4920, 240, 1452, 372});
  addField(a.Text12, 12, w, {4920, 840, 732, 288}, false);
  addButton(14, "▲", w, {5760, 720, 252, 264});
  addButton(15, "▼", w, {5760, 960, 252, 264});
  addLabel("Label12", "ΔT", w, {6120, 840, 372, 252});
  addCheck(a.Check3, 3, "△Ｔ自動", w, {5160, 1260, 972, 252});
  addButton(1, "推\u3000算", w, {6720, 240, 1332, 432});
  addButton(17, "クリア", w, {6720, 780, 1332, 372});

  // Results.
  addLabel("Label5", "太陽の黄経", w, {120, 1320, 1152, 252});
  addField(a.Text5, 5, w, {120, 1680, 1692, 288}, true);
  addLabel("Label16", "太陽の地心距離（ａｕ）", w, {2220, 1320, 1692, 252});
  addField(a.Text15, 15, w, {2040, 1680, 1692, 288}, true);
  addLabel("Label10", "月の位相", w, {3960, 1320, 852, 252});
  addField(a.Text10, 10, w, {3960, 1680, 1692, 288}, true);
  addLabel("Label4", "ユリウス日", w, {6360, 1320, 972, 252});
  addField(a.Text4, 4, w, {6360, 1680, 1692, 288}, true);
  addLabel("Label6", "月の黄経", w, {120, 2160, 1032, 252});
  addField(a.Text6, 6, w, {120, 2520, 1692, 288}, true);
  addLabel("Label17", "月の地心距離（Ｋｍ）", w, {2220, 2160, 1692, 252});
  addField(a.Text16, 16, w, {2040, 2520, 1692, 288}, true);
  addLabel("Label22", "月の黄緯", w, {300, 3000, 972, 252});
  addField(a.Text20, 20, w, {120, 3360, 1692, 288}, true);
  addLabel("Label11", "月の輝面比", w, {2220, 3000, 1272, 252});
  addField(a.Text11, 11, w, {2040, 3360, 1692, 288}, true);

  // Reference instant and the Moon's age.
  addLabel("Label13", "基準日", w, {3960, 2160, 672, 252});
  addField(a.Text13, 13, w, {3960, 2520, 1692, 288}, true);
  addCheck(a.Check1, 1, "朔月自動基準化", w, {4620, 2160, 1632, 252});
  addLabel("Label14", "基準差", w, {3960, 3000, 792, 252});
  addLabel("Label15", "(月齢)", w, {4860, 3000, 792, 252});
  addField(a.Text14, 14, w, {3960, 3360, 1692, 288}, true);
  addButton(32, "月相拡大", w, {6720, 2100, 612, 432});
  addButton(33, "軌道表示", w, {7440, 2100, 612, 432});
  addButton(20, "基準指定", w, {6720, 2700, 612, 432});
  addButton(21, "基準ｸﾘｱ", w, {7440, 2700, 612, 432});
  addButton(34, "月齢推算", w, {6720, 3300, 612, 432});
  addButton(35, "新月検索", w, {7440, 3300, 612, 432});

  // Continuous calculation.
  QGroupBox* frame2 = addFrame(2, "連続推算対象", {120, 3840, 3612, 1092});
  addOption(a.Option3, 3, "年", frame2, {240, 240, 492, 264});
  addOption(a.Option4, 4, "月", frame2, {960, 240, 492, 264});
  addOption(a.Option5, 5, "日", frame2, {1680, 240, 492, 264});
  addOption(a.Option6, 6, "時", frame2, {240, 720, 492, 264});
  addOption(a.Option7, 7, "分", frame2, {960, 720, 492, 264});
  addOption(a.Option8, 8, "秒", frame2, {1680, 720, 492, 264});
  addLabel("Label18", "変化分", frame2, {2400, 240, 732, 252});
  addField(a.Text17, 17, frame2, {2400, 600, 612, 264}, false);
  addButton(25, "▲", frame2, {3120, 480, 252, 252});
  addButton(26, "▼", frame2, {3120, 720, 252, 252});
  QGroupBox* frame1 = addFrame(1, "推算速度", {4020, 3840, 1092, 1092});
  addOption(a.Option1, 1, "高速", frame1, {240, 240, 792, 264});
  addOption(a.Option2, 2, "通常", frame1, {240, 720, 792, 264});
  QGroupBox* frame3 = addFrame(3, "運行方向", {5400, 3840, 1092, 1092});
  addOption(a.Option10, 10, "未来", frame3, {240, 240, 792, 264});
  addOption(a.Option9, 9, "過去", frame3, {240, 720, 792, 264});
  addButton(19, "連続推算", w, {6720, 3900, 1332, 492});
  addButton(18, "STOP", w, {6720, 4560, 1332, 372});

  // Outputs.
  addCheck(a.Check4, 4, "帳票出力", w, {120, 5160, 1452, 252});
  addCheck(a.Check2, 2, "グラフ描画", w, {1800, 5160, 1212, 252});
  addCheck(a.Check5, 5, "ファイル出力", w, {4680, 5160, 1392, 252});
  addLabel("Label20", "ループ", w, {3480, 5160, 672, 252});
  addField(a.Text18, 18, w, {3480, 5400, 612, 264}, false);
  addButton(30, "▲", w, {4200, 5280, 252, 252});
  addButton(31, "▼", w, {4200, 5520, 252, 252});
  addButton(29, "出力ﾌｧｲﾙ ...", w, {6720, 5100, 1332, 372});
  label19_ = addLabel("Label19", "", w, {4800, 5520, 3312, 252});
  addButton(23, "ﾃﾞｰﾀﾌｫｰﾑ表示", w, {240, 5520, 1332, 372});
  addButton(24, "ﾃﾞｰﾀﾌｫｰﾑｸﾘｱ", w, {240, 6000, 1332, 372});
  addButton(27, "ｸﾞﾗﾌﾌｫｰﾑ表示", w, {1920, 5520, 1332, 372});
  addButton(28, "ｸﾞﾗﾌﾌｫｰﾑｸﾘｱ", w, {1920, 6000, 1332, 372});
  QGroupBox* frame4 = addFrame(4, "ｸﾞﾗﾌ選択", {3360, 5820, 3132, 552});
  addCheck(a.Check6, 6, "太陽", frame4, {120, 180, 732, 252});
  addCheck(a.Check7, 7, "月", frame4, {960, 180, 492, 252});
  addCheck(a.Check8, 8, "輝面", frame4, {1560, 180, 732, 252});
  QCheckBox* check9 = addCheck(a.Check9, 9, "黄緯", frame4, {2340, 180, 612, 252});
  QPalette palette = check9->palette();
  palette.setColor(QPalette::WindowText, kLatitudeBoxText);
  palette.setColor(QPalette::ButtonText, kLatitudeBoxText);
  check9->setPalette(palette);

  // Closing.
  addButton(22, "閉じる", w, {6720, 5820, 1332, 552});

  const QFont arrows = arrowFont();
  for (int n : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 25, 26, 30, 31}) {
    commands_[n]->setFont(arrows);
    connect(commands_[n], &QPushButton::clicked, this, [this, n] { app_.arrowClick(n); });
  }
  const std::pair<int, void (core::App::*)()> handlers[] = {
      {1, &core::App::Command1_Click},   {16, &core::App::Command16_Click}, {17, &core::App::Command17_Click},
      {18, &core::App::Command18_Click}, {19, &core::App::Command19_Click}, {20, &core::App::Command20_Click},
      {21, &core::App::Command21_Click}, {23, &core::App::Command23_Click}, {24, &core::App::Command24_Click},
      {27, &core::App::Command27_Click}, {28, &core::App::Command28_Click}, {29, &core::App::Command29_Click},
      {32, &core::App::Command32_Click}, {33, &core::App::Command33_Click}, {34, &core::App::agecalc},
      {35, &core::App::Command35_Click},
  };
  for (const auto& [n, handler] : handlers)
    connect(commands_[n], &QPushButton::clicked, this, [this, handler] { (app_.*handler)(); });
  connect(commands_[22], &QPushButton::clicked, this, [this] { close(); });
}

void Form1::setTabOrder() {
  std::vector<QWidget*> order;
  auto field = [this](int code) -> QWidget* {
    for (const FieldBinding& b : fields_)
      if (b.code == code) return b.edit;
    return nullptr;
  };
  auto named = [this](const QString& name) { return findChild<QWidget*>(name); };
  order.push_back(commands_[22]);
  for (int code : {1, 2, 3, 7, 8, 9, 12, 4, 5, 6}) order.push_back(field(code));
  order.push_back(commands_[1]);
  order.push_back(field(10));
  order.push_back(field(11));
  for (int n = 2; n <= 19; ++n) order.push_back(commands_[n]);
  for (int n = 1; n <= 10; ++n) order.push_back(named(QStringLiteral("Option%1").arg(n)));
  order.push_back(field(13));
  order.push_back(named(QStringLiteral("Check1")));
  order.push_back(commands_[20]);
  order.push_back(commands_[21]);
  for (int code : {14, 15, 16}) order.push_back(field(code));
  for (int n : {2, 3, 4}) order.push_back(named(QStringLiteral("Check%1").arg(n)));
  order.push_back(commands_[23]);
  order.push_back(commands_[24]);
  order.push_back(field(17));
  for (int n : {25, 26, 27, 28}) order.push_back(commands_[n]);
  order.push_back(named(QStringLiteral("Check5")));
  order.push_back(commands_[29]);
  order.push_back(field(18));
  order.push_back(commands_[30]);
  order.push_back(commands_[31]);
  for (int n : {6, 7, 8}) order.push_back(named(QStringLiteral("Check%1").arg(n)));
  order.push_back(field(20));
  order.push_back(named(QStringLiteral("Check9")));
  for (int n : {32, 33, 34, 35}) order.push_back(commands_[n]);
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// ---- the model and the widgets --------------------------------------------------

void Form1::bindModel() {
  for (const FieldBinding& b : fields_) {
    b.field->onView = [this, b] { showField(b); };
    showField(b);
  }
  for (const CheckBinding& b : checks_) {
    b.box->onView = [this, b] { showCheck(b); };
    showCheck(b);
  }
  for (const OptionBinding& b : options_) {
    b.option->onView = [this, b] { showOption(b); };
    showOption(b);
  }
  app_.Timer1.onView = [this] { showTimer(); };
  showTimer();
  app_.Label19.onView = [this] {
    const QString name = QString::fromStdString(app_.Label19.caption());
    label19_->setText(label19_->fontMetrics().elidedText(name, Qt::ElideMiddle, label19_->width()));
    label19_->setToolTip(name);
  };
  app_.Label19.onView();
  app_.form1.onViewGeometry = [this] { showGeometry(); };
  app_.form1.onViewCaption = [this] { setWindowTitle(QString::fromStdString(app_.form1.caption())); };
  app_.form1.onViewCaption();
  app_.mainSurface = &surface_;
}

void Form1::unbindModel() {
  for (const FieldBinding& b : fields_) b.field->onView = nullptr;
  for (const CheckBinding& b : checks_) b.box->onView = nullptr;
  for (const OptionBinding& b : options_) b.option->onView = nullptr;
  app_.Timer1.onView = nullptr;
  app_.Label19.onView = nullptr;
  app_.form1.onViewGeometry = nullptr;
  app_.form1.onViewCaption = nullptr;
  if (app_.mainSurface == &surface_) app_.mainSurface = nullptr;
}

void Form1::showField(const FieldBinding& b) {
  const QString text = QString::fromStdString(b.field->text());
  if (b.edit->text() == text) return;
  const bool editing = b.edit->hasFocus();
  const int cursor = b.edit->cursorPosition();
  b.edit->setText(text);
  // A field being typed in keeps its cursor where it was; any other shows
  // the beginning of its text.
  b.edit->setCursorPosition(editing ? std::min(cursor, static_cast<int>(text.size())) : 0);
}

void Form1::showCheck(const CheckBinding& b) {
  if (b.widget->isChecked() == b.box->checked()) return;
  const QSignalBlocker block(b.widget);
  b.widget->setChecked(b.box->checked());
}

void Form1::showOption(const OptionBinding& b) {
  const bool selected = b.option->selected();
  if (b.widget->isChecked() == selected) return;
  const QSignalBlocker block(b.widget);
  if (selected) {
    b.widget->setChecked(true);
  } else {
    // An exclusive button refuses to be cleared directly.
    b.widget->setAutoExclusive(false);
    b.widget->setChecked(false);
    b.widget->setAutoExclusive(true);
  }
}

void Form1::showTimer() {
  const int period = app_.Timer1.interval();
  if (period > 0)
    timer_->start(period);
  else
    timer_->stop();
}

void Form1::showGeometry() {
  const core::Geometry& g = app_.form1.geometry();
  const QPoint at(px(g.left), px(g.top));
  // The window's size is fixed; the model places it.
  if (pos() != at) move(at);
}

void Form1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  const QRect frame = frameGeometry();
  app_.form1.geometryFromView({frame.x() * kTwipsPerPixel, frame.y() * kTwipsPerPixel,
                               frame.width() * kTwipsPerPixel, frame.height() * kTwipsPerPixel});
}

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) app_.form1.setMinimizedFromView(isMinimized());
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    for (const FieldBinding& b : fields_)
      if (b.edit == watched) {
        if (onFieldDoubleClick)
          onFieldDoubleClick(b.code);
        else
          app_.Text_DblClick(b.code);
      }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- the Moon picture -------------------------------------------------------------

void Form1::surfaceChanged(const QRect& area) {
  // A repaint redraws the picture itself; that needs no further repaint.
  if (painting_) return;
  pendingMoon_ |= area;
  update(area);
}

void Form1::repaintField(const core::TextField& field) {
  if (!pendingMoon_.isEmpty()) {
    const QRect area = pendingMoon_;
    pendingMoon_ = QRect();
    repaint(area);
  }
  for (const FieldBinding& b : fields_)
    if (b.field == &field) b.edit->repaint();
}

void Form1::ensureSurfaceDensity() {
  const qreal dpr = devicePixelRatioF();
  if (qFuzzyCompare(surface_.devicePixelRatio(), dpr)) return;
  surface_.resize(QSizeF(clientPixels().width() * kTwipsPerPixel, clientPixels().height() * kTwipsPerPixel),
                  clientPixels(), dpr);
}

void Form1::paintEvent(QPaintEvent* event) {
  ensureSurfaceDensity();
  painting_ = true;
  app_.Form_Paint();
  painting_ = false;
  pendingMoon_ = QRect();

  QPainter p(this);
  drawDecorations(p);
  const QRect area = event->rect();
  const qreal dpr = surface_.devicePixelRatio();
  p.drawImage(area, surface_.image(), QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr));
}

void Form1::drawDecorations(QPainter& p) {
  QPen grey(kBracketGrey);
  grey.setWidth(1);
  p.setPen(grey);
  for (const Segment& s : kBracket) p.drawLine(px(s.x1), px(s.y1), px(s.x2), px(s.y2));
  for (const Marker& m : kMarkers) p.fillRect(pxRect(m.left, m.top, kMarkerSize, kMarkerSize), m.colour);
}

// ---- closing ----------------------------------------------------------------------------

void Form1::closeEvent(QCloseEvent* event) {
  if (closed_) {
    event->accept();
    return;
  }
  if (asking_) {
    // The question is already on the screen.
    event->ignore();
    return;
  }
  asking_ = true;
  bool cancel = false;
  app_.Form_QueryUnload(cancel);
  asking_ = false;
  if (cancel) {
    event->ignore();
    return;
  }
  closed_ = true;
  timer_->stop();
  event->accept();
  if (onClosed) onClosed();
}

}  // namespace korvel::ui
