#pragma once

#include <QWidget>

#include "core/app/ProductPictures.h"

namespace corlinth::gui {

// The picture on a product's selection button: the unit drawn from above, its name and what
// it is. A mouse press on the picture chooses the product, as a click on the button does.
class ProductPictureWidget : public QWidget {
    Q_OBJECT
  public:
    ProductPictureWidget(const ProductPicture& picture, QWidget* parent);

  signals:
    void pressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const ProductPicture& m_picture;
};

}  // namespace corlinth::gui
