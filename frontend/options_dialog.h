// "Audio/Video options": edits the settings file, written on "OK" only.
#pragma once

#include "common/settings.h"
#include "ui_options_dialog.h"

#include <QButtonGroup>
#include <QDialog>

namespace crv {

/// The detail switches and resolution that "Low", "Medium" and "High" set in one step.
struct DetailPreset {
    std::int32_t resolutionIndex;
    std::int32_t texturedPlayfield;
    std::int32_t texturedBlocks;
    std::int32_t bilinearFiltering;
    std::int32_t backgroundPicture;
    std::int32_t antialiasedLines;
};

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
    void applyPreset(const DetailPreset& preset);

    Ui::OptionsDialog m_ui;
    QButtonGroup* m_soundGroup;
    QButtonGroup* m_resolutionGroup;
    /// The file's values; `soundOn` is replaced by `m_soundIndex` while the dialog is open.
    Settings m_settings;
    /// 0 "On", 1 "Off", -1 neither ticked; the file holds 1 minus it.
    int m_soundIndex;
};

} // namespace crv
