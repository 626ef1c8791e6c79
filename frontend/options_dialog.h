// "Audio/Video options": edits the settings file, written on "OK" only.
#pragma once

#include "common/settings.h"
#include "ui_options_dialog.h"

#include <QDialog>

namespace crv {

class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    /// Loads the settings file, front-end defaults where it has none.
    explicit OptionsDialog(QWidget* parent = nullptr);

    void accept() override;

  private:
    /// Shows the held fields in the radio buttons and check boxes.
    void showFields();
    /// Takes the radio buttons and check boxes into the held fields.
    void takeFields();
    /// Sets the fields of preset `level`, 0 "Low", 1 "Medium" or 2 "High", and shows them.
    void applyPreset(int level);

    Ui::OptionsDialog m_ui;
    /// The held fields, as the file holds them; the controls show and give back these.
    Settings m_settings;
};

} // namespace crv
