// The benchmark's yardstick: the smallest Qt 6 window comparable to the calculator's, the same
// size with a menu bar and 55 plain buttons and nothing behind them. solvanex's start-up time
// and memory are measured against it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

#include "mainwindow/StartupProbe.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Minimal 1.0"));
  window.menuBar()->addMenu(QStringLiteral("&Fichier"))->addAction(QStringLiteral("&Quitter"));
  auto* client = new QWidget(&window);
  client->setFixedSize(552, 224);
  window.setCentralWidget(client);
  for (int i = 0; i < 55; ++i) {
    auto* button = new QPushButton(QString::number(i), client);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(8 + (i % 13) * 41, 37 + (i / 13) * 32, 38, 28);
  }
  window.winId();
  solvanex::ReportFirstExposeIfAsked(window.windowHandle());
  window.show();
  return QApplication::exec();
}
