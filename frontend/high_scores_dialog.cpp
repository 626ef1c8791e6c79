// "Highscores": reading, showing and writing back both tables.
#include "frontend/high_scores_dialog.h"

#include "common/games_played.h"
#include "common/replay.h"
#include "common/replay_files.h"
#include "frontend/replay_watch.h"
#include "frontend/save_warning.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

namespace crv {

namespace {

struct ScoreColumn {
    const char* heading;
    Qt::Alignment alignment;
    int width; // pixels at the classic dialog font; widened when the text needs more
};

constexpr ScoreColumn scoreColumns[] = {
    {"Place", Qt::AlignRight, 48},
    {"Name", Qt::AlignLeft, 137},
    {"Score", Qt::AlignRight, 64},
};
constexpr int nameColumn = 1;
// A name column wider than this would push the dialog off small screens; longer names elide.
constexpr int maxNameColumnWidth = 2 * 137;

/// Draws cell text further from the cell's edges than the style does, so a right-aligned
/// place does not run into the left-aligned name beside it.
class ScoreCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget* widget = cell.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

        const QRect textRect = cell.rect.adjusted(margin(cell), 0, -margin(cell), 0);
        const bool selected = cell.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(textRect, int(cell.displayAlignment),
                          cell.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        return {cell.fontMetrics.horizontalAdvance(cell.text) + 2 * margin(cell),
                QStyledItemDelegate::sizeHint(option, index).height()};
    }

  private:
    static int margin(const QStyleOptionViewItem& cell) {
        return cell.fontMetrics.averageCharWidth() * 3 / 4;
    }
};

} // namespace

void fillScoreList(ScoreTable& table, QTreeWidget* list) {
    sortScoreTable(table);

    list->clear();
    list->setColumnCount(3);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    if (!dynamic_cast<ScoreCellDelegate*>(list->itemDelegate())) {
        list->setItemDelegate(new ScoreCellDelegate(list));
    }
    QStringList headings;
    for (const ScoreColumn& column : scoreColumns) {
        headings << QString::fromLatin1(column.heading);
    }
    list->setHeaderLabels(headings);
    for (int c = 0; c < 3; ++c) {
        list->headerItem()->setTextAlignment(c, scoreColumns[c].alignment | Qt::AlignVCenter);
    }

    for (int i = 0; i < scoreRowCount; ++i) {
        const ScoreRow& row = table.rows[i];
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, QString::number(i + 1));
        item->setText(1, QString::fromUtf8(row.name));
        item->setText(2, QString::number(row.score));
        // Qt takes a tooltip that looks like markup as rich text, so a name is escaped and
        // wrapped as rich text with its blanks kept; the tooltip then shows exactly the name.
        const QString tip = item->text(1).toHtmlEscaped();
        item->setToolTip(1, QStringLiteral("<p style='white-space:pre'>%1</p>").arg(tip));
        for (int c = 0; c < 3; ++c) {
            item->setTextAlignment(c, scoreColumns[c].alignment | Qt::AlignVCenter);
        }
    }

    // The classic widths, widened to the font so no heading, place or score is cut.
    // QTreeView hides the size hints that its base class offers.
    const QAbstractItemView* view = list;
    int listWidth = 2 * list->frameWidth();
    for (int c = 0; c < 3; ++c) {
        const int needed = std::max(list->header()->sectionSizeHint(c), view->sizeHintForColumn(c));
        int width = std::max(scoreColumns[c].width, needed);
        if (c == nameColumn) {
            width = std::min(width, maxNameColumnWidth);
        }
        list->setColumnWidth(c, width);
        listWidth += width;
    }
    // The name takes whatever width the group box gives beyond that.
    list->header()->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    list->header()->setMinimumSectionSize(0);
    // All fifteen rows and all three columns show without scrolling.
    const int rowHeight = view->sizeHintForRow(0);
    const int listHeight =
        2 * list->frameWidth() + list->header()->sizeHint().height() + scoreRowCount * rowHeight;
    list->setMinimumSize(listWidth, listHeight);
}

HighScoresDialog::HighScoresDialog(const QString& gameDirectory, QWidget* parent)
    : QDialog(parent), m_gameDirectory(gameDirectory) {
    m_ui.setupUi(this);
    connect(m_ui.okButton, &QPushButton::clicked, this, &HighScoresDialog::accept);
    connect(m_ui.swingingWatchButton, &QPushButton::clicked, this,
            [this] { watch(bestReplayFileName(1)); });
    connect(m_ui.staticWatchButton, &QPushButton::clicked, this,
            [this] { watch(bestReplayFileName(0)); });
    connect(m_ui.lastGameWatchButton, &QPushButton::clicked, this,
            [this] { watch(lastGameReplayFileName); });
    const QString noBest =
        tr("No best game kept yet: a game that reaches place 1 of this table is kept");
    offerReplay(m_ui.swingingWatchButton, bestReplayFileName(1), noBest);
    offerReplay(m_ui.staticWatchButton, bestReplayFileName(0), noBest);
    offerReplay(m_ui.lastGameWatchButton, lastGameReplayFileName, tr("No game recorded yet"));

    const GamesPlayed games = readGamesPlayed();
    m_ui.swingingCountEdit->setText(QString::number(games.swingingGames));
    m_ui.staticCountEdit->setText(QString::number(games.staticGames));

    m_swingingTable = readScoreTable(swingScoreFileName, &m_swingingRead);
    m_staticTable = readScoreTable(staticScoreFileName, &m_staticRead);
    fillScoreList(m_swingingTable, m_ui.swingingList);
    fillScoreList(m_staticTable, m_ui.staticList);
    // Side by side, the two tables look alike even when one holds a longer name.
    const int listWidth =
        std::max(m_ui.swingingList->minimumWidth(), m_ui.staticList->minimumWidth());
    m_ui.swingingList->setMinimumWidth(listWidth);
    m_ui.staticList->setMinimumWidth(listWidth);
    // The two buttons of the bottom row alike, with room around the longer text.
    const int buttonWidth =
        std::max(m_ui.lastGameWatchButton->sizeHint().width(), m_ui.okButton->sizeHint().width()) +
        2 * fontMetrics().averageCharWidth();
    m_ui.lastGameWatchButton->setMinimumWidth(buttonWidth);
    m_ui.okButton->setMinimumWidth(buttonWidth);
    // Enter closes the dialog; a list with the focus would show a focus frame on row 1.
    m_ui.okButton->setFocus();
}

void HighScoresDialog::offerReplay(QPushButton* button, const char* fileName,
                                   const QString& noneText) {
    const ReplayFileCheck check = checkOfferedReplayFile(fileName);
    const QString name = QString::fromLatin1(fileName);
    button->setEnabled(check.watchable);
    if (check.watchable) {
        button->setToolTip(tr("Shows the game of %1 points kept in \"%2\" in the game window")
                               .arg(check.finalScore)
                               .arg(name));
    } else if (check.missing) {
        button->setToolTip(noneText);
    } else {
        button->setToolTip(
            tr("\"%1\" cannot be watched: %2").arg(name, QString::fromStdString(check.problem)));
    }
}

void HighScoresDialog::watch(const char* fileName) {
    m_watching = true;
    watchReplayInGameProgram(this, m_gameDirectory, QString::fromLatin1(fileName));
    m_watching = false;
}

void HighScoresDialog::done(int result) {
    if (!m_watching) {
        QDialog::done(result);
    }
}

void HighScoresDialog::accept() {
    // Each file is written back sorted as it is now, so a row another front end entered while
    // this dialog was open stays; a file that could not be read is left as it is.
    for (const auto& [fileName, read] : {std::pair{swingScoreFileName, m_swingingRead},
                                         std::pair{staticScoreFileName, m_staticRead}}) {
        if (!read) {
            continue;
        }
        if (const FileStatus saved = updateScoreTable(fileName); !saved) {
            warnSaveFailed(this, fileName, saved);
        }
    }
    QDialog::accept();
}

} // namespace crv
