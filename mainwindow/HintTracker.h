// HintTracker: keeps the application's current hint, the hint of whatever the mouse pointer is
// over, and tells its handler (the window's ShowApplicationHint) each time that text changes.
// While a menu is open the current hint is empty, as it is when the pointer leaves the program.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

namespace solvanex {

class HintTracker : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void(const QString& hint)>;

  explicit HintTracker(QWidget* window);

  // Installs the change handler and starts following the pointer.
  void Start(Handler handler);

  // The pointer is now over widget (nullptr: over no window of the program).
  void PointerOver(const QWidget* widget);
  // A menu opened, closed or highlighted an item: menu items have no hints.
  void MenuHintChanged();

  const QString& CurrentHint() const { return current_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetCurrentHint(const QString& hint);
  // Looks where the pointer is once the events that moved it have all been handled.
  void ScheduleRefresh();
  void Refresh();

  QPointer<QWidget> window_;
  Handler handler_;
  QString current_;
  bool refreshPending_ = false;
};

}  // namespace solvanex
