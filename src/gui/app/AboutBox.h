#pragma once

#include "gui/app/ManagedWindow.h"

class QLabel;
class QPushButton;

namespace corlinth::gui {

// TAboutBox: the program's name and version, the maker's notice and address, and a link to
// the maker's web site.
class AboutBox : public ManagedWindow {
    Q_OBJECT
  public:
    explicit AboutBox(Shell& shell);

    // Centred over the editor window, left and top at least 0, in front.
    void showOver(const QWidget& editor);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* m_link;
};

}  // namespace corlinth::gui
