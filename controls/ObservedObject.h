// Base of the drawing objects that a control owns and observes (its fonts, pen and brush): each
// setter that changes a value announces it with Changed(), so the owner can apply or repaint at
// once, also when the change is made on the object directly.
#pragma once

#include <QObject>

namespace solvanex {

class TObservedObject : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 signals:
  void Changed();

 protected:
  // Leaves an unchanged value alone, so that Changed() always means that something did change.
  template <typename T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    emit Changed();
  }
};

}  // namespace solvanex
