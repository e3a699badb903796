#include "ui/frmStatistics.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cstdlib>

#include "record/RecordSession.h"
#include "record/RecordStatistics.h"
#include "ui/RecordStore.h"

namespace {

// "Standard", "Strong" or "Expert".
QString Level(ComputerLevel level) {
    QString name = QString::fromStdString(LevelName(level));
    name[0] = name[0].toUpper();
    return name;
}

QString Percent(double share) {
    return QString::number(share * 100.0, 'f', 1) + "%";
}

QString Signed(double value, int decimals) {
    return (value > 0 ? "+" : "") + QString::number(value, 'f', decimals);
}

// When a game ended, in the player's time.
QString LocalTime(const std::string& utc) {
    const QDateTime time = QDateTime::fromString(QString::fromStdString(utc), Qt::ISODate);
    return time.isValid() ? time.toLocalTime().toString("yyyy-MM-dd HH:mm")
                          : QString::fromStdString(utc);
}

QString Outcome(const GameRecord& game) {
    return game.exited ? "Left" : game.Won() ? "Won" : "Lost";
}

QTableWidget* NewGrid(const QStringList& captions, QWidget* parent) {
    auto* grid = new QTableWidget(0, static_cast<int>(captions.size()), parent);
    grid->setHorizontalHeaderLabels(captions);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void SetRow(QTableWidget& grid, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
        grid.setItem(row, column, item);
    }
}

QString FiguresText(const RecordFigures& figures) {
    if (figures.games == 0) {
        return figures.exited == 0
                   ? "No game has been recorded yet."
                   : QString("No game played to its end yet; %1 left before the end.")
                         .arg(figures.exited);
    }
    QString text = QString("Games played to the end: %1, won %2 (%3); left before the end: %4\n")
                       .arg(figures.games)
                       .arg(figures.wins)
                       .arg(Percent(figures.WinRate()))
                       .arg(figures.exited);
    text +=
        QString("Average points: %1; average margin over the best other seat: %2\n")
            .arg(QString::number(figures.averagePoints, 'f', 1), Signed(figures.averageMargin, 1));
    const GameRecord& best = *figures.best;
    text += QString("Best game: %1 points (%2 by %3), %4, %5 players, seed %6\n")
                .arg(best.HumanPoints())
                .arg(best.Won() ? "won" : "lost")
                .arg(std::abs(best.Margin()))
                .arg(LocalTime(best.playedAt))
                .arg(best.Players())
                .arg(best.seed);
    text += QString("Winning streak: %1 now, the longest %2")
                .arg(figures.currentStreak)
                .arg(figures.longestStreak);
    return text;
}

QChart* LastGamesChart(const RecordFigures& figures) {
    auto* chart = new QChart;
    chart->setTitle(
        QString("The last %1 games: your points and the winner's").arg(figures.lastGames.size()));
    auto* yours = new QLineSeries(chart);
    yours->setName("Your points");
    auto* winners = new QLineSeries(chart);
    winners->setName("Winner's points");
    int most = 10;
    for (std::size_t i = 0; i < figures.lastGames.size(); ++i) {
        const auto& game = figures.lastGames[i];
        yours->append(static_cast<double>(i + 1), game.points);
        winners->append(static_cast<double>(i + 1), game.winnerPoints);
        most = std::max(most, game.winnerPoints);
    }
    yours->setPointsVisible(true);
    winners->setPointsVisible(true);
    chart->addSeries(winners);
    chart->addSeries(yours);
    auto* games = new QValueAxis(chart);
    games->setRange(1, std::max<double>(2, static_cast<double>(figures.lastGames.size())));
    games->setLabelFormat("%d");
    games->setTickType(QValueAxis::TicksDynamic);
    games->setTickAnchor(0);
    games->setTickInterval(10);
    games->setTitleText("Game");
    auto* points = new QValueAxis(chart);
    points->setRange(0, most);
    points->applyNiceNumbers();
    points->setLabelFormat("%d");
    points->setTitleText("Points");
    chart->addAxis(games, Qt::AlignBottom);
    chart->addAxis(points, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(games);
        series->attachAxis(points);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

}  // namespace

frmStatistics::frmStatistics(RecordStore& record, QWidget* parent)
    : QWidget(parent, Qt::Window), mRecord(record) {
    setWindowTitle("Quellin - Statistics");
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    lblFigures = new QLabel(content);
    lblFigures->setObjectName("lblFigures");
    lblFigures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFigures->setWordWrap(true);
    grdGroups = NewGrid({"Players", "Computers", "Games", "Wins", "Win rate"}, content);
    grdGroups->setObjectName("grdGroups");
    grdGroups->setSelectionMode(QAbstractItemView::NoSelection);
    grdGroups->horizontalHeader()->setStretchLastSection(false);
    grdGroups->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chtLastGames = new QChartView(content);
    chtLastGames->setObjectName("chtLastGames");
    chtLastGames->setRenderHint(QPainter::Antialiasing);
    chtLastGames->setMinimumSize(420, 260);
    layout->addWidget(lblFigures);
    auto* middle = new QHBoxLayout;
    middle->addWidget(grdGroups);
    middle->addWidget(chtLastGames, 1);
    layout->addLayout(middle, 3);
    grdGames = NewGrid({"Ended", "Players", "Your seat", "Computers", "Result", "Your points",
                        "Winner's points", "Rounds", "Seed"},
                       content);
    grdGames->setObjectName("grdGames");
    grdGames->setMinimumHeight(160);
    layout->addWidget(grdGames, 2);
    auto* buttons = new QHBoxLayout;
    lblStatus = new QLabel(content);
    lblStatus->setObjectName("lblStatus");
    lblStatus->setWordWrap(true);
    cmdReplay = new QPushButton("&Replay", content);
    cmdReplay->setToolTip("The start dialog, with this game's seed and settings");
    cmdReplay->setEnabled(false);
    auto* cmdClose = new QPushButton("&Close", content);
    buttons->addWidget(lblStatus, 1);
    buttons->addWidget(cmdReplay);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    // At a large scale the window scrolls rather than squeezing its figures.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(scroll);
    connect(grdGames, &QTableWidget::itemSelectionChanged, this,
            [this] { cmdReplay->setEnabled(!grdGames->selectedItems().isEmpty()); });
    connect(grdGames, &QTableWidget::cellDoubleClicked, this, &frmStatistics::ReplaySelected);
    connect(cmdReplay, &QPushButton::clicked, this, &frmStatistics::ReplaySelected);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void frmStatistics::Present() {
    Refresh();
    if (!isVisible()) {
        // As large as the figures ask, within the screen; past that the window scrolls.
        const QSize room = screen()->availableGeometry().size() * 9 / 10;
        resize(QSize(980, 700).boundedTo(room));
    }
    show();
    raise();
    activateWindow();
}

void frmStatistics::Tell(const QString& text) {
    lblStatus->setText(text);
}

void frmStatistics::Refresh() {
    lblStatus->clear();
    try {
        mGames = mRecord.Games();
    } catch (const RecordError& failure) {
        mGames.clear();
        Tell(QString::fromStdString(failure.what()));
    }
    const RecordFigures figures = Summarise(mGames);
    lblFigures->setText(FiguresText(figures));
    grdGroups->setRowCount(static_cast<int>(figures.groups.size()));
    for (std::size_t i = 0; i < figures.groups.size(); ++i) {
        const RecordFigures::Group& group = figures.groups[i];
        SetRow(
            *grdGroups, static_cast<int>(i),
            {QString::number(group.players), Level(group.computers), QString::number(group.games),
             QString::number(group.wins), Percent(group.WinRate())});
    }
    // The groups' columns whole, beside the chart.
    grdGroups->resizeColumnsToContents();
    grdGroups->setFixedWidth(grdGroups->horizontalHeader()->length() + 2 * grdGroups->frameWidth() +
                             grdGroups->verticalScrollBar()->sizeHint().width());
    QChart* old = chtLastGames->chart();
    chtLastGames->setChart(LastGamesChart(figures));
    delete old;
    FillGames();
}

void frmStatistics::FillGames() {
    grdGames->clearSelection();
    grdGames->setRowCount(static_cast<int>(mGames.size()));
    for (std::size_t i = 0; i < mGames.size(); ++i) {
        const GameRecord& game = mGames[mGames.size() - 1 - i];
        SetRow(*grdGames, static_cast<int>(i),
               {LocalTime(game.playedAt), QString::number(game.Players()),
                QString::number(game.humanSeat), Level(game.computers), Outcome(game),
                QString::number(game.HumanPoints()), QString::number(game.WinnerPoints()),
                QString::number(game.rounds), QString::number(game.seed)});
    }
    cmdReplay->setEnabled(false);
}

void frmStatistics::ReplaySelected() {
    const QList<QTableWidgetItem*> selected = grdGames->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const auto row = static_cast<std::size_t>(selected.front()->row());
    emit ReplayRequested(mGames[mGames.size() - 1 - row]);
}
