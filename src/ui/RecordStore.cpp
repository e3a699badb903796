#include "ui/RecordStore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>
#include <system_error>
#include <utility>

#include "record/RecordDatabase.h"

// One Qt SQL connection of its own name, so that stores never share one.
class QtRecordSession : public RecordSession {
  public:
    explicit QtRecordSession(const std::filesystem::path& file)
        : mName("record-" + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", mName);
        database.setDatabaseName(QString::fromStdString(file.string()));
        if (!database.open()) {
            const QSqlError error = database.lastError();
            const std::string reason =
                (error.databaseText().isEmpty() ? error.text() : error.databaseText())
                    .toStdString();
            database = QSqlDatabase();
            QSqlDatabase::removeDatabase(mName);
            throw RecordError(reason);
        }
    }
    QtRecordSession(const QtRecordSession&) = delete;
    QtRecordSession& operator=(const QtRecordSession&) = delete;
    ~QtRecordSession() override {
        QSqlDatabase::database(mName, false).close();
        QSqlDatabase::removeDatabase(mName);
    }

    std::vector<Row> Run(const std::string& sql, const Params& params) override {
        QSqlQuery query(QSqlDatabase::database(mName, false));
        if (!query.prepare(QString::fromStdString(sql))) {
            throw RecordError(query.lastError().databaseText().toStdString());
        }
        for (const auto& [name, value] : params) {
            query.bindValue(QString::fromStdString(name), ToVariant(value));
        }
        if (!query.exec()) {
            const QSqlError error = query.lastError();
            const std::string reason = error.databaseText().toStdString();
            if (IsBusyCode(error.nativeErrorCode().toInt())) {
                throw RecordBusy(reason);
            }
            throw RecordError(reason);
        }
        std::vector<Row> rows;
        while (query.next()) {
            Row row;
            for (int i = 0; i < query.record().count(); ++i) {
                row.push_back(FromVariant(query.value(i)));
            }
            rows.push_back(std::move(row));
        }
        mLastId = query.lastInsertId().toLongLong();
        return rows;
    }
    long long LastInsertId() override { return mLastId; }

  private:
    static QVariant ToVariant(const SqlValue& value) {
        if (const long long* number = std::get_if<long long>(&value)) {
            return QVariant::fromValue(static_cast<qlonglong>(*number));
        }
        if (const std::string* text = std::get_if<std::string>(&value)) {
            return QString::fromStdString(*text);
        }
        return {};
    }
    static SqlValue FromVariant(const QVariant& value) {
        if (value.isNull()) {
            return nullptr;
        }
        if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
            return static_cast<long long>(value.toLongLong());
        }
        return value.toString().toStdString();
    }

    QString mName;
    long long mLastId = 0;
};

RecordStore::RecordStore(std::filesystem::path file) : mFile(std::move(file)) {}

RecordStore::~RecordStore() = default;

std::filesystem::path RecordStore::DefaultFile() {
    return std::filesystem::path(
               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()) /
           "Records.sqlite";
}

QtRecordSession& RecordStore::Session() {
    if (mSession) {
        return *mSession;
    }
    std::error_code error;
    if (!mFile.parent_path().empty()) {
        std::filesystem::create_directories(mFile.parent_path(), error);
    }
    if (error) {
        throw RecordError("its folder cannot be made (" + error.message() + ")");
    }
    auto session = std::make_unique<QtRecordSession>(mFile);
    PrepareRecord(*session);
    mSession = std::move(session);
    return *mSession;
}

std::optional<std::string> RecordStore::Record(const GameRecord& game) {
    try {
        InsertGame(Session(), game);
        return std::nullopt;
    } catch (const RecordError& failure) {
        if (std::exchange(mTold, true)) {
            return std::nullopt;
        }
        return "Games cannot be recorded in " + mFile.string() + ": " + failure.what() +
               ". The game goes on without its record.";
    }
}

std::vector<GameRecord> RecordStore::Games() {
    try {
        return ReadGames(Session());
    } catch (const RecordError& failure) {
        throw RecordError("The record of games " + mFile.string() +
                          " cannot be read: " + failure.what() + ".");
    }
}
