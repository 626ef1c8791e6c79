// The front end's run: game result, then main menu.
#include "frontend/front_end.h"

#include "common/process_game_result.h"
#include "data/assets.h"
#include "frontend/high_scores_dialog.h"
#include "frontend/main_menu_dialog.h"
#include "frontend/name_entry_dialog.h"
#include "frontend/save_warning.h"

namespace crv {

QIcon applicationIcon() {
    QIcon icon;
    for (const PictureFile& file : iconFiles) {
        icon.addFile(QStringLiteral(":/pictures/") + QString::fromLatin1(file.name),
                     QSize(file.width, file.height));
    }
    return icon;
}

int runFrontEnd(const std::vector<std::string>& arguments, const QString& gameDirectory) {
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }

    // The result dialogs run before the menu exists, so the player meets them first.
    GameResultHooks hooks;
    hooks.askName = [](std::int32_t score) {
        NameEntryDialog dialog(score);
        dialog.exec();
        return dialog.name().toStdString();
    };
    hooks.showScoreTables = [&gameDirectory] {
        HighScoresDialog dialog(gameDirectory);
        dialog.exec();
    };
    hooks.saveFailed = [](const char* fileName, FileStatus status) {
        warnSaveFailed(nullptr, fileName, status);
    };
    processGameResult(static_cast<int>(argv.size()), argv.data(), hooks);

    MainMenuDialog menu(gameDirectory);
    menu.exec();
    return 0;
}

} // namespace crv
