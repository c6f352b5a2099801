#pragma once
// The progress window of the page commands: a status label and a percentage bar.
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "platform/Reporting.h"

namespace gavlin {

class frmGeneric : public QWidget, public ProgressSink {
    Q_OBJECT
public:
    explicit frmGeneric(QWidget* parent = nullptr);

    // Sets the label and repaints it at once, so long work stays visible.
    void setStatus(const std::string& text) override;
    void setPercent(int percent) override;

    QLabel* lblStatus;
    QProgressBar* panStatus;
};

}  // namespace gavlin
