// Runs every front-end test class in one QApplication.
#include <QApplication>
#include <QObject>

#include <memory>
#include <vector>

std::unique_ptr<QObject> makeOptionsDialogTests();
std::unique_ptr<QObject> makeMainMenuDialogTests();
std::unique_ptr<QObject> makeScoreDialogsTests();
std::unique_ptr<QObject> makeFrontEndFlowTests();
std::unique_ptr<QObject> makeReplayFilesTests();

#include <QtTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::vector<std::unique_ptr<QObject>> suites;
    suites.push_back(makeOptionsDialogTests());
    suites.push_back(makeMainMenuDialogTests());
    suites.push_back(makeScoreDialogsTests());
    suites.push_back(makeFrontEndFlowTests());
    suites.push_back(makeReplayFilesTests());
    int failures = 0;
    for (const auto& suite : suites) {
        failures += QTest::qExec(suite.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
