// Writes games into a record as a running table does, for the test of two programs recording at
// once: record_writer FILE COUNT FIRST-SEED. Like a table, it writes one game at a time with a
// moment of play between them, in which the other program has its turn. Exits 1 when a game
// could not be recorded.

#include <QCoreApplication>
#include <chrono>
#include <iostream>
#include <string>
#include <thread>

#include "ui/RecordStore.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::cerr << "usage: record_writer FILE COUNT FIRST-SEED\n";
        return 2;
    }
    RecordStore store(argv[1]);
    const long count = std::stol(argv[2]);
    const std::uint64_t first = std::stoull(argv[3]);
    for (long i = 0; i < count; ++i) {
        GameRecord game;
        game.playedAt = UtcNow();
        game.seed = first + static_cast<std::uint64_t>(i);
        game.programVersion = ProgramVersion();
        game.seats = {
            {30, 12, 20, 4, 6}, {28, 11, 22, 6, 0}, {static_cast<int>(i % 40), 5, 0, 0, 0}};
        if (const auto notice = store.Record(game)) {
            std::cerr << *notice << "\n";
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return 0;
}
