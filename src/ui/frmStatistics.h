#pragma once

#include <QWidget>
#include <vector>

#include "record/GameRecord.h"

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;
class RecordStore;

// The record of games: the figures per number of players and computer level, the averages, the
// best game and the winning streaks, a chart of the last games' points against the winner's,
// and the list of games, any of which can be replayed. A window of its own beside the table or
// the start dialog; it reads the record afresh each time it is presented.
class frmStatistics : public QWidget {
    Q_OBJECT

  public:
    explicit frmStatistics(RecordStore& record, QWidget* parent = nullptr);

    // Reads the record again and shows the window in front.
    void Present();
    // Says `text` on the window's status line.
    void Tell(const QString& text);

    // The player asked to replay `game`.
    Q_SIGNAL void ReplayRequested(const GameRecord& game);

    QLabel* lblFigures = nullptr;
    QTableWidget* grdGroups = nullptr;
    QChartView* chtLastGames = nullptr;
    QTableWidget* grdGames = nullptr;
    QPushButton* cmdReplay = nullptr;
    QLabel* lblStatus = nullptr;

  private:
    void Refresh();
    void FillGames();
    void ReplaySelected();

    RecordStore& mRecord;
    std::vector<GameRecord> mGames;  // oldest first; the list shows the newest first
};
