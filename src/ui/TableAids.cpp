#include "ui/TableAids.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>

#include "ui/frmHelp.h"

qlTableAids::qlTableAids(QWidget& table) : QObject(&table), mTable(table) {}

QWidget* qlTableAids::NewButtons(QWidget* parent) {
    auto* buttons = new QWidget(parent);
    auto* layout = new QHBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* cmdHelp = new QPushButton("Help", buttons);
    cmdHelp->setObjectName("cmdHelp");
    cmdHelp->setToolTip("The rules and every card (F1)");
    connect(cmdHelp, &QPushButton::clicked, this, &qlTableAids::ShowHelp);
    layout->addWidget(cmdHelp);
    return buttons;
}

void qlTableAids::AddKeysTo(QWidget& window) {
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    connect(help, &QShortcut::activated, this, &qlTableAids::ShowHelp);
}

void qlTableAids::ShowHelp() {
    if (!mHelp) {
        mHelp = new frmHelp(&mTable);
        // A child of the table, but not a window the table's questions hold: it can be read
        // and searched while a question waits for an answer.
        mHelp->winId();
        mHelp->windowHandle()->setTransientParent(nullptr);
        mHelp->setAttribute(Qt::WA_QuitOnClose, false);  // the program ends with the table
    }
    mHelp->Present();
}
