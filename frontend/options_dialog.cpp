// "Audio/Video options": the held fields, their controls, the presets and the save.
#include "frontend/options_dialog.h"

#include "frontend/save_warning.h"

#include <QAbstractButton>

namespace crv {

namespace {

constexpr DetailPreset lowPreset{0, 0, 0, 0, 0, 0};
constexpr DetailPreset mediumPreset{1, 1, 1, 0, 0, 0};
constexpr DetailPreset highPreset{3, 1, 1, 1, 1, 1};

/// The group's one tab stop: its ticked button, or its first when none is ticked.
QAbstractButton* tabStopOf(const QButtonGroup* group) {
    QAbstractButton* ticked = group->checkedButton();
    return ticked ? ticked : group->buttons().value(0);
}

/// Lets Tab reach only the group's tab stop, as in a desktop radio group; the arrow keys
/// still move between all its buttons.
void keepTabStop(const QButtonGroup* group) {
    const QAbstractButton* stop = tabStopOf(group);
    for (QAbstractButton* button : group->buttons()) {
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

/// Ticks the button with that id, or none when no button has it.
void showRadioIndex(QButtonGroup* group, int index) {
    // An exclusive group keeps one button ticked; clearing all of them needs it off for a moment.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(group->id(button) == index);
    }
    group->setExclusive(true);
    keepTabStop(group);
}

} // namespace

OptionsDialog::OptionsDialog(QWidget* parent)
    : QDialog(parent), m_soundGroup(new QButtonGroup(this)),
      m_resolutionGroup(new QButtonGroup(this)), m_settings(loadSettings()) {
    m_ui.setupUi(this);

    // A button's id is its place in its group, which is the stored index.
    m_soundGroup->addButton(m_ui.soundOnRadio, 0);
    m_soundGroup->addButton(m_ui.soundOffRadio, 1);
    m_resolutionGroup->addButton(m_ui.resolution512Radio, 0);
    m_resolutionGroup->addButton(m_ui.resolution640Radio, 1);
    m_resolutionGroup->addButton(m_ui.resolution800Radio, 2);
    m_resolutionGroup->addButton(m_ui.resolution1024Radio, 3);
    m_resolutionGroup->addButton(m_ui.resolution1280Radio, 4);
    for (QButtonGroup* group : {m_soundGroup, m_resolutionGroup}) {
        connect(group, &QButtonGroup::buttonToggled, this, [group] { keepTabStop(group); });
    }

    connect(m_ui.lowButton, &QPushButton::clicked, this, [this] { applyPreset(lowPreset); });
    connect(m_ui.mediumButton, &QPushButton::clicked, this, [this] { applyPreset(mediumPreset); });
    connect(m_ui.highButton, &QPushButton::clicked, this, [this] { applyPreset(highPreset); });
    connect(m_ui.okButton, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(m_ui.cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);

    // A stray file value ticks neither button (1 minus an extreme value would overflow).
    m_soundIndex = m_settings.soundOn == 1 || m_settings.soundOn == 0 ? 1 - m_settings.soundOn : -1;
    m_ui.gammaSlider->setRange(0, 12);
    m_ui.gammaSlider->setValue(m_settings.gammaLevel);
    showFields();
    // The first focus goes to the ticked sound button, so Space there changes nothing.
    tabStopOf(m_soundGroup)->setFocus();
}

void OptionsDialog::showFields() {
    showRadioIndex(m_soundGroup, m_soundIndex);
    showRadioIndex(m_resolutionGroup, m_settings.resolutionIndex);
    m_ui.fullscreenCheck->setChecked(m_settings.fullscreen != 0);
    m_ui.texturedPlayfieldCheck->setChecked(m_settings.texturedPlayfield != 0);
    m_ui.texturedBlocksCheck->setChecked(m_settings.texturedBlocks != 0);
    m_ui.bilinearFilteringCheck->setChecked(m_settings.bilinearFiltering != 0);
    m_ui.backgroundPictureCheck->setChecked(m_settings.backgroundPicture != 0);
    m_ui.antialiasedLinesCheck->setChecked(m_settings.antialiasedLines != 0);
}

void OptionsDialog::takeFields() {
    m_soundIndex = m_soundGroup->checkedId();
    m_settings.resolutionIndex = m_resolutionGroup->checkedId();
    m_settings.fullscreen = m_ui.fullscreenCheck->isChecked() ? 1 : 0;
    m_settings.texturedPlayfield = m_ui.texturedPlayfieldCheck->isChecked() ? 1 : 0;
    m_settings.texturedBlocks = m_ui.texturedBlocksCheck->isChecked() ? 1 : 0;
    m_settings.bilinearFiltering = m_ui.bilinearFilteringCheck->isChecked() ? 1 : 0;
    m_settings.backgroundPicture = m_ui.backgroundPictureCheck->isChecked() ? 1 : 0;
    m_settings.antialiasedLines = m_ui.antialiasedLinesCheck->isChecked() ? 1 : 0;
}

void OptionsDialog::applyPreset(const DetailPreset& preset) {
    m_settings.resolutionIndex = preset.resolutionIndex;
    m_settings.fullscreen = 0;
    m_settings.texturedPlayfield = preset.texturedPlayfield;
    m_settings.texturedBlocks = preset.texturedBlocks;
    m_settings.bilinearFiltering = preset.bilinearFiltering;
    m_settings.backgroundPicture = preset.backgroundPicture;
    m_settings.antialiasedLines = preset.antialiasedLines;
    // Every control shows the held fields again, so a sound button clicked since the dialog
    // opened jumps back to the held choice; the slider is no exchanged control and stays.
    showFields();
}

void OptionsDialog::accept() {
    takeFields();
    m_settings.gammaLevel = m_ui.gammaSlider->value();
    Settings file = m_settings;
    // No button ticked is index -1, which goes out as 2 and counts as on in the game.
    file.soundOn = 1 - m_soundIndex;
    // `gameMode` goes out as read at open; the main menu writes its own on "Play!" or "Exit".
    if (const FileStatus saved = saveSettings(file); !saved) {
        warnSaveFailed(this, settingsFileName, saved);
    }
    QDialog::accept();
}

} // namespace crv
