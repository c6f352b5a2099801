#pragma once
// The splash window shown at start-up: after its timer fires it keeps the
// splash up a little longer, then hands over to the main window.
#include <QTimer>
#include <QWidget>
#include <functional>

namespace gavlin {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    // showMain opens the main window. The delays are shortened only by tests.
    explicit frmSplash(std::function<void()> showMain, int timerMs = 1000, int waitMs = 3000);

    QTimer* timer1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void timer1_Timer();

    std::function<void()> showMain_;
    int waitMs_;
    bool fired_ = false;
};

}  // namespace gavlin
