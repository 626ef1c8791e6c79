// The About box: the About picture and the product's name.
#pragma once

#include "ui_about_dialog.h"

#include <QDialog>

namespace crv {

class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);

  private:
    Ui::AboutDialog m_ui;
};

} // namespace crv
