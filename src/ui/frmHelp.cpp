#include "ui/frmHelp.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "cards/Catalogue.h"
#include "cards/qlCard.h"
#include "ui/CardPictures.h"
#include "ui/OnScreen.h"
#include "ui/RulesSummary.h"

namespace {

// The help is not squeezed below this height to stay clear of what is above the settings.
constexpr int kLowest = 360;

enum Column { kPicture, kName, kKind, kCost, kPoints, kCopies, kDescription, kColumns };

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* NumberCell(int number) {
    QTableWidgetItem* item = Cell(QString::number(number));
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

}  // namespace

frmHelp::frmHelp() {
    setWindowTitle("Quellin Help");
    setObjectName("frmHelp");
    setAttribute(Qt::WA_QuitOnClose, false);  // the program ends with the table
    auto* layout = new QVBoxLayout(this);
    tabs = new QTabWidget(this);
    txtRules = new QTextBrowser(tabs);
    txtRules->setObjectName("txtRules");
    txtRules->setHtml(RulesSummary());
    tabs->addTab(txtRules, "&Rules");
    tabs->addTab(BuildCardReference(), "&Cards");
    layout->addWidget(tabs);
    connect(tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1) {
            txtSearch->setFocus();  // the card reference is for looking a card up
        }
    });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(880, 640);
}

QWidget* frmHelp::BuildCardReference() {
    auto* page = new QWidget(tabs);
    auto* layout = new QVBoxLayout(page);
    txtSearch = new QLineEdit(page);
    txtSearch->setObjectName("txtSearch");
    txtSearch->setPlaceholderText("Search by name");
    txtSearch->setClearButtonEnabled(true);
    txtSearch->setAccessibleName("Search the cards by name");
    layout->addWidget(txtSearch);
    lblCatalogueError = new QLabel(page);
    lblCatalogueError->setWordWrap(true);
    lblCatalogueError->setVisible(false);
    layout->addWidget(lblCatalogueError);
    grdCards = new QTableWidget(0, kColumns, page);
    grdCards->setObjectName("grdCards");
    grdCards->setHorizontalHeaderLabels(
        {"", "Building", "Kind", "Cost", "Points", "Copies", "What it does"});
    grdCards->verticalHeader()->setVisible(false);
    grdCards->setWordWrap(true);
    grdCards->setIconSize(CardPictures::kSmall);
    grdCards->setSelectionBehavior(QAbstractItemView::SelectRows);
    QHeaderView* header = grdCards->horizontalHeader();
    for (int column = 0; column < kDescription; ++column) {
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    header->setSectionResizeMode(kDescription, QHeaderView::Stretch);
    layout->addWidget(grdCards);
    connect(txtSearch, &QLineEdit::textChanged, this, &frmHelp::Search);
    FillCards();
    return page;
}

// One row a record of the catalogue the game reads, in the catalogue's order.
void frmHelp::FillCards() {
    std::vector<CatalogueRecord> records;
    try {
        records = ReadCatalogueFile(CatalogueFile());
    } catch (const std::exception& error) {
        lblCatalogueError->setText(QString("The cards cannot be listed: %1").arg(error.what()));
        lblCatalogueError->setVisible(true);
        return;
    }
    grdCards->setRowCount(static_cast<int>(records.size()));
    for (int row = 0; row < grdCards->rowCount(); ++row) {
        const CatalogueRecord& record = records[static_cast<std::size_t>(row)];
        const qlCard card(Building::Find(record.cost, record.victoryPoints, record.name,
                                         record.description, record.type));
        auto* picture = Cell("");
        picture->setIcon(QIcon(CardPictures::Small(card)));
        grdCards->setItem(row, kPicture, picture);
        grdCards->setItem(row, kName, Cell(QString::fromStdString(record.name)));
        grdCards->setItem(row, kKind, Cell(record.type == 0 ? "production" : "violet"));
        grdCards->setItem(row, kCost, NumberCell(record.cost));
        grdCards->setItem(row, kPoints, NumberCell(record.victoryPoints));
        grdCards->setItem(row, kCopies, NumberCell(record.number));
        grdCards->setItem(row, kDescription, Cell(QString::fromStdString(record.description)));
        grdCards->setRowHeight(row, CardPictures::kSmall.height() + 6);
    }
}

void frmHelp::Search(const QString& text) {
    for (int row = 0; row < grdCards->rowCount(); ++row) {
        grdCards->setRowHidden(
            row, !grdCards->item(row, kName)->text().contains(text.trimmed(), Qt::CaseInsensitive));
    }
}

QRect frmHelp::Place(const QRect& screen, const QRect& table, const QRect& settings, QSize size) {
    QRect place(QPoint(), size.boundedTo(screen.size()));
    if (table.right() + place.width() <= screen.right()) {
        place.moveTopLeft({table.right() + 1, table.top()});
    } else if (table.left() - place.width() >= screen.left()) {
        place.moveTopRight({table.left() - 1, table.top()});
    } else {
        place.setHeight(
            std::min(place.height(), std::max(kLowest, screen.bottom() + 1 - settings.top())));
        place.moveTopLeft({settings.center().x() - place.width() / 2, settings.top()});
    }
    return OnScreen(place, screen);
}

void frmHelp::Present() {
    show();
    raise();
    activateWindow();
}
