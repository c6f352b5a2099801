#include "shell/frmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/Centre.h"
#include "shell/Pictures.h"

namespace gavlin {

frmAbout::frmAbout(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmAbout");
    setWindowTitle("About Gavlin");

    auto* picture = new QLabel(this);
    picture->setObjectName("imgLogo");
    picture->setPixmap(Picture("logo", QSize(96, 96)));
    auto* name = new QLabel("Gavlin", this);
    name->setObjectName("lblProductName");
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    auto* line = new QLabel("World Wide Web Auction System", this);
    line->setObjectName("lblTitle");
    auto* version = new QLabel("Gavlin Version 1.0", this);
    version->setObjectName("lblVersion");

    cmdDone = new QPushButton("&O.K.", this);
    cmdDone->setObjectName("cmdDone");
    cmdDone->setDefault(true);
    connect(cmdDone, &QPushButton::clicked, this, &QWidget::close);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(line);
    texts->addWidget(version);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(texts);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->addLayout(top);
    layout->addLayout(buttons);
    CentreOnScreen(this);
}

}  // namespace gavlin
