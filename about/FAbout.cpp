#include "about/FAbout.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "about/MemoryLines.h"
#include "controls/ClassicPalette.h"
#include "controls/Colors.h"
#include "controls/Font.h"
#include "controls/FormTypes.h"
#include "controls/Lines.h"
#include "controls/TextFit.h"
#include "form/About.h"
#include "platform/Beep.h"

namespace solvanex {

namespace {

namespace layout = form::about;

// A text too long for the room left of layout::kTextRight in the machine's sans-serif is drawn
// smaller rather than cut by the edge.
void ShowFitted(QLabel* label, const QString& text, const QFont& designed) {
  label->setText(text);
  FitWidgetFont(label, designed, text, layout::kTextRight - label->x());
  label->adjustSize();
}

QPixmap Banner() {
  QPixmap banner(layout::kImageRect.width, layout::kImageRect.height);
  banner.fill(ToQColor(clBtnFace));
  // Drawn by Qt's SVG image plugin, which is loaded when the box first opens rather than linked
  // into the program for every start.
  QImageReader reader(QStringLiteral(":/solvanex/about/Banner.svg"));
  reader.setScaledSize(banner.size());
  const QImage artwork = reader.read();
  QPainter painter(&banner);
  painter.drawImage(0, 0, artwork);
  return banner;
}

QLabel* NewLabel(QWidget* parent, const layout::LabelLayout& place) {
  const QString name = ToQString(place.name);
  auto* label = new QLabel(name, parent);
  label->setObjectName(name);
  // The texts come from outside (a product name, the clipboard of someone's build script):
  // never let one be read as markup.
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->move(place.left, place.top);
  if (place.bold) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
  }
  label->adjustSize();
  return label;
}

TLine* NewSeparator(QWidget* parent, const layout::SeparatorLayout& place) {
  auto* line = new TLine(parent);
  line->setObjectName(ToQString(place.name));
  line->setFocusPolicy(Qt::NoFocus);
  line->SetLine(place.type);
  line->Pen()->SetColor(place.color);
  // Created at the height the first painting settles on, so that the line is never seen at the
  // middle of a taller control.
  line->setGeometry(ToQRect(place.rect));
  return line;
}

}  // namespace

TFAbout::TFAbout(MemoryStatusSource memoryStatus, QWidget* parent)
    : QDialog(parent), memoryStatus_(std::move(memoryStatus)) {
  setWindowTitle(ToQString(layout::kCaption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(ToQSize(layout::kClientSize));
  // The light face and black texts of the classic dialog, whatever the desktop's colour scheme.
  QPalette look = ClassicPalette();
  look.setColor(QPalette::Window, ToQColor(layout::kBackground));
  look.setColor(QPalette::WindowText, ToQColor(layout::kTextColor));
  setPalette(look);
  setAutoFillBackground(true);
  TFont dialogFont;
  dialogFont.SetName(ToQString(layout::kFontName));
  dialogFont.SetHeight(layout::kFontHeight);
  dialogFont.SetColor(layout::kTextColor);
  setFont(dialogFont.ToQFont());

  button1_ = new QPushButton(ToQString(layout::kButtonCaption), this);
  button1_->setObjectName(ToQString(layout::kButtonName));
  button1_->setGeometry(ToQRect(layout::kButtonRect));
  button1_->setFocusPolicy(Qt::StrongFocus);
  button1_->setDefault(true);
  connect(button1_, &QPushButton::clicked, this, &TFAbout::Button1Click);

  image1_ = new QLabel(this);
  image1_->setObjectName(ToQString(layout::kImageName));
  image1_->setFocusPolicy(Qt::NoFocus);
  image1_->setPixmap(Banner());
  image1_->setGeometry(ToQRect(layout::kImageRect));

  lblPhysMem_ = NewLabel(this, layout::kPhysMem);
  lblPhysRes_ = NewLabel(this, layout::kPhysRes);
  line1_ = NewSeparator(this, layout::kLine1);
  line2_ = NewSeparator(this, layout::kLine2);
  label1_ = NewLabel(this, layout::kLabel1);
  label2_ = NewLabel(this, layout::kLabel2);
  label3_ = NewLabel(this, layout::kLabel3);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
  }
  FormCreate();
}

void TFAbout::ShowTexts(const QString& productName, const QString& version,
                        const QString& copyright) {
  QFont bold = font();
  bold.setBold(true);
  ShowFitted(label1_, productName, bold);
  ShowFitted(label2_, version, font());
  ShowFitted(label3_, copyright, font());
}

void TFAbout::FormCreate() {
  platform::MessageBeep(0);
  const platform::MemoryStatus status = memoryStatus_();
  ShowFitted(lblPhysMem_, PhysicalMemoryLine(status.totalPhysical), font());
  ShowFitted(lblPhysRes_, FreeResourcesLine(status.memoryLoad), font());
}

void TFAbout::Button1Click() {
  accept();
}

}  // namespace solvanex
