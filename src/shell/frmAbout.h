#pragma once
#include <QPushButton>
#include <QWidget>

namespace gavlin {

// The About window of the Help menu; O.K. closes it.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QPushButton* cmdDone;
};

}  // namespace gavlin
