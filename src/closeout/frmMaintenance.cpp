#include "closeout/frmMaintenance.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>
#include <exception>

#include "closeout/MaintenanceRun.h"
#include "platform/Latin1.h"
#include "platform/QtMessenger.h"
#include "shell/Centre.h"

namespace gavlin {

frmMaintenance::frmMaintenance(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmMaintenance");
    setWindowTitle("Maintenance");

    txtMaintenance = new QPlainTextEdit(this);
    txtMaintenance->setObjectName("txtMaintenance");
    txtMaintenance->setReadOnly(true);
    txtMaintenance->setMinimumSize(480, 240);

    panProgress = new QProgressBar(this);
    panProgress->setObjectName("panProgress");
    panProgress->setRange(0, 100);
    panProgress->setValue(0);

    cmdDone = new QPushButton("&Done", this);
    cmdDone->setObjectName("cmdDone");
    cmdDone->setEnabled(false);
    connect(cmdDone, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtMaintenance);
    layout->addWidget(panProgress);
    layout->addLayout(buttons);
    CentreOnScreen(this);
}

void frmMaintenance::run(const std::filesystem::path& dir) {
    running_ = true;
    cmdDone->setEnabled(false);
    try {
        MaintenanceRun(dir, *this, *this);
    } catch (const std::exception& e) {
        running_ = false;
        cmdDone->setEnabled(true);
        ShowMessage(this, e.what(), kAppTitle, MsgIcon::Critical);
        return;
    }
    running_ = false;
    cmdDone->setEnabled(true);
    cmdDone->setFocus();
}

void frmMaintenance::addLine(const std::string& line) {
    // A description may hold line breaks of any kind; the box shows them as lines.
    QString text = FromLatin1(line);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor end(txtMaintenance->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text + QLatin1Char('\n'));
    txtMaintenance->verticalScrollBar()->setValue(txtMaintenance->verticalScrollBar()->maximum());
    QApplication::processEvents();
}

void frmMaintenance::setPercent(int percent) {
    panProgress->setValue(percent < 0 ? 0 : percent > 100 ? 100 : percent);
    QApplication::processEvents();
}

void frmMaintenance::closeEvent(QCloseEvent* event) {
    if (running_)
        event->ignore();
    else
        event->accept();
}

}  // namespace gavlin
