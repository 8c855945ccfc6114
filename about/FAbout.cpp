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
#include "controls/Lines.h"
#include "controls/TextFit.h"
#include "platform/Beep.h"

namespace solvanex {

namespace {

// Every label ends this far inside the dialog's right edge at most: a text too long for that in
// the machine's sans-serif is drawn smaller rather than cut by the edge.
constexpr int kTextRight = TFAbout::kClientWidth - 4;

void ShowFitted(QLabel* label, const QString& text, const QFont& designed) {
  label->setText(text);
  FitWidgetFont(label, designed, text, kTextRight - label->x());
  label->adjustSize();
}

QPixmap Banner() {
  QPixmap banner(298, 81);
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

QLabel* NewLabel(QWidget* parent, const QString& name, int left, int top) {
  auto* label = new QLabel(name, parent);
  label->setObjectName(name);
  // The texts come from outside (a product name, the clipboard of someone's build script):
  // never let one be read as markup.
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->move(left, top);
  label->adjustSize();
  return label;
}

TLine* NewSeparator(QWidget* parent, const QString& name, int top, std::uint32_t color) {
  auto* line = new TLine(parent);
  line->setObjectName(name);
  line->setFocusPolicy(Qt::NoFocus);
  line->SetLine(TLineType::ltHorizontal);
  line->Pen()->SetColor(color);
  // Created at the height the first painting settles on, so that the line is never seen at the
  // middle of a taller control.
  line->setGeometry(86, top, 196, 10);
  return line;
}

}  // namespace

TFAbout::TFAbout(MemoryStatusSource memoryStatus, QWidget* parent)
    : QDialog(parent), memoryStatus_(std::move(memoryStatus)) {
  setWindowTitle(QStringLiteral("A propos de..."));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  // The light face and black texts of the classic dialog, whatever the desktop's colour scheme.
  QPalette look = ClassicPalette();
  look.setColor(QPalette::Window, ToQColor(clBtnFace));
  look.setColor(QPalette::WindowText, ToQColor(clBlack));
  setPalette(look);
  setAutoFillBackground(true);
  TFont dialogFont;
  dialogFont.SetColor(clBlack);
  setFont(dialogFont.ToQFont());

  button1_ = new QPushButton(QStringLiteral("OK"), this);
  button1_->setObjectName(QStringLiteral("Button1"));
  button1_->setGeometry(208, 223, 74, 26);
  button1_->setFocusPolicy(Qt::StrongFocus);
  button1_->setDefault(true);
  connect(button1_, &QPushButton::clicked, this, &TFAbout::Button1Click);

  image1_ = new QLabel(this);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setFocusPolicy(Qt::NoFocus);
  image1_->setPixmap(Banner());
  image1_->setGeometry(-4, -4, 298, 81);

  lblPhysMem_ = NewLabel(this, QStringLiteral("lblPhysMem"), 86, 173);
  lblPhysRes_ = NewLabel(this, QStringLiteral("lblPhysRes"), 86, 193);
  line1_ = NewSeparator(this, QStringLiteral("Line1"), 158, clBlack);
  line2_ = NewSeparator(this, QStringLiteral("Line2"), 159, clWhite);
  label1_ = NewLabel(this, QStringLiteral("Label1"), 88, 96);
  QFont bold = label1_->font();
  bold.setBold(true);
  label1_->setFont(bold);
  label1_->adjustSize();
  label2_ = NewLabel(this, QStringLiteral("Label2"), 88, 120);
  label3_ = NewLabel(this, QStringLiteral("Label3"), 88, 136);

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
