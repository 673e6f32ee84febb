#pragma once

#include <QWidget>

namespace corlinth::gui {

// The program's main window: the eleven products to choose from.
class ProductSelectWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProductSelectWindow(QWidget* parent = nullptr);
};

}  // namespace corlinth::gui
