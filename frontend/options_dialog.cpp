// "Audio/Video options": the held fields, their controls, the presets and the save.
#include "frontend/options_dialog.h"

#include "frontend/save_warning.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include <iterator>

namespace crv {

namespace {

using Form = Ui::OptionsDialog;

/// A check box and its field: ticked for any non-zero value, 1 or 0 when taken.
struct CheckField {
    QCheckBox* Form::*box;
    std::int32_t Settings::*field;
};

constexpr CheckField checkFields[] = {
    {&Form::fullscreenCheck, &Settings::fullscreen},
    {&Form::texturedPlayfieldCheck, &Settings::texturedPlayfield},
    {&Form::texturedBlocksCheck, &Settings::texturedBlocks},
    {&Form::bilinearFilteringCheck, &Settings::bilinearFiltering},
    {&Form::backgroundPictureCheck, &Settings::backgroundPicture},
    {&Form::antialiasedLinesCheck, &Settings::antialiasedLines},
};

/// How a radio group's field holds the place of its ticked button.
enum class Held { AsPlace, AsOneMinusPlace };

/// A radio group, its buttons in place order, and its field.
struct RadioField {
    std::int32_t Settings::*field;
    Held held;
    QRadioButton* Form::*buttons[5]; // null after the group's last
};

constexpr RadioField radioFields[] = {
    {&Settings::soundOn, Held::AsOneMinusPlace, {&Form::soundOnRadio, &Form::soundOffRadio}},
    {&Settings::resolutionIndex,
     Held::AsPlace,
     {&Form::resolution512Radio, &Form::resolution640Radio, &Form::resolution800Radio,
      &Form::resolution1024Radio, &Form::resolution1280Radio}},
};

/// "Low", "Medium" and "High"; a preset's level is its place here.
constexpr QPushButton* Form::*presetButtons[] = {&Form::lowButton, &Form::mediumButton,
                                                 &Form::highButton};

/// A field the presets set, and its value at each level. Sound, gamma and game mode are no
/// rows: the presets leave them alone.
struct PresetField {
    std::int32_t Settings::*field;
    std::int32_t byLevel[std::size(presetButtons)];
};

// clang-format off
constexpr PresetField presetFields[] = {
    //                              Low  Medium  High
    {&Settings::resolutionIndex,   {0,   1,      3}}, // 512x384, 640x480, 1024x768
    {&Settings::fullscreen,        {0,   0,      0}},
    {&Settings::texturedPlayfield, {0,   1,      1}},
    {&Settings::texturedBlocks,    {0,   1,      1}},
    {&Settings::bilinearFiltering, {0,   0,      1}},
    {&Settings::backgroundPicture, {0,   0,      1}},
    {&Settings::antialiasedLines,  {0,   0,      1}},
};
// clang-format on

/// The place of the button a held value ticks; -1, none, for a value no button stands for.
int placeOf(const RadioField& radio, std::int32_t value) {
    if (radio.held == Held::AsPlace) {
        return value;
    }
    // A stray value ticks neither button (1 minus an extreme value would overflow).
    return value == 0 || value == 1 ? 1 - value : -1;
}

/// The held value for the ticked place. With no button ticked the place is -1, so a sound
/// field goes out as 2, which counts as on in the game.
std::int32_t valueOf(const RadioField& radio, int place) {
    return radio.held == Held::AsPlace ? place : 1 - place;
}

QButtonGroup* groupOf(const Form& form, const RadioField& radio) {
    return (form.*radio.buttons[0])->group();
}

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

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent), m_settings(loadSettings()) {
    m_ui.setupUi(this);

    for (const RadioField& radio : radioFields) {
        auto* group = new QButtonGroup(this);
        // A button's id is its place in its group, which is what the field holds.
        for (int place = 0; place < int(std::size(radio.buttons)) && radio.buttons[place];
             ++place) {
            group->addButton(m_ui.*radio.buttons[place], place);
        }
        connect(group, &QButtonGroup::buttonToggled, this, [group] { keepTabStop(group); });
    }

    for (int level = 0; level < int(std::size(presetButtons)); ++level) {
        connect(m_ui.*presetButtons[level], &QPushButton::clicked, this,
                [this, level] { applyPreset(level); });
    }
    connect(m_ui.okButton, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(m_ui.cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);

    m_ui.gammaSlider->setRange(minGammaLevel, maxGammaLevel);
    m_ui.gammaSlider->setValue(m_settings.gammaLevel);
    showFields();
    // The first focus goes to the ticked sound button, so Space there changes nothing.
    tabStopOf(m_ui.soundOnRadio->group())->setFocus();
}

void OptionsDialog::showFields() {
    for (const RadioField& radio : radioFields) {
        showRadioIndex(groupOf(m_ui, radio), placeOf(radio, m_settings.*radio.field));
    }
    for (const CheckField& check : checkFields) {
        (m_ui.*check.box)->setChecked(m_settings.*check.field != 0);
    }
}

void OptionsDialog::takeFields() {
    for (const RadioField& radio : radioFields) {
        m_settings.*radio.field = valueOf(radio, groupOf(m_ui, radio)->checkedId());
    }
    for (const CheckField& check : checkFields) {
        m_settings.*check.field = (m_ui.*check.box)->isChecked() ? 1 : 0;
    }
}

void OptionsDialog::applyPreset(int level) {
    for (const PresetField& preset : presetFields) {
        m_settings.*preset.field = preset.byLevel[level];
    }
    // Every control shows the held fields again, so a sound button clicked since the dialog
    // opened jumps back to the held choice; the slider is no exchanged control and stays.
    showFields();
}

void OptionsDialog::accept() {
    takeFields();
    m_settings.gammaLevel = m_ui.gammaSlider->value();
    // `gameMode` goes out as read at open; the main menu writes its own on "Play!" or "Exit".
    if (const FileStatus saved = saveSettings(m_settings); !saved) {
        warnSaveFailed(this, settingsFileName, saved);
    }
    QDialog::accept();
}

} // namespace crv
