#pragma once
// The window of the maintenance run: the run's log, its progress bar and
// Done, which stays disabled until the run has ended (normally or not).
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <filesystem>

#include "platform/Reporting.h"

namespace gavlin {

class frmMaintenance : public QWidget, public StatusLog, public ProgressSink {
    Q_OBJECT
public:
    explicit frmMaintenance(QWidget* parent = nullptr);

    // Runs the maintenance on dir; a failure is shown in a message box. Done
    // is enabled afterwards in either case.
    void run(const std::filesystem::path& dir);

    void addLine(const std::string& line) override;
    void setStatus(const std::string& text) override { addLine(text); }
    void setPercent(int percent) override;

    QPlainTextEdit* txtMaintenance;
    QProgressBar* panProgress;
    QPushButton* cmdDone;

protected:
    // The run lets pending events through so the window repaints; closing the
    // window then would pull it from under the run.
    void closeEvent(QCloseEvent* event) override;

private:
    bool running_ = false;
};

}  // namespace gavlin
