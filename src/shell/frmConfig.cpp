#include "shell/frmConfig.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Latin1.h"
#include "platform/QtMessenger.h"
#include "store/RecordFile.h"
#include "store/WorkingCopy.h"

namespace gavlin {

namespace {

QLineEdit* AddBox(QGridLayout* grid, const char* label, const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 24);
    auto* caption = new QLabel(QString::fromLatin1(label));
    caption->setBuddy(box);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

QRadioButton* AddOption(QVBoxLayout* column, const char* caption, const char* name) {
    auto* opt = new QRadioButton(QString::fromLatin1(caption));
    opt->setObjectName(QString::fromLatin1(name));
    column->addWidget(opt);
    return opt;
}

}  // namespace

frmConfig::frmConfig(std::filesystem::path appDir, QWidget* parent) : QWidget(parent), dir_(std::move(appDir)) {
    setObjectName("frmConfig");
    setWindowTitle(QString());

    auto* page = new QWidget;
    auto* email = new QGroupBox("EMAIL Configuration");
    email->setObjectName("fraEmail");
    auto* emailGrid = new QGridLayout(email);
    txtEmailAddress = AddBox(emailGrid, "EMAIL Address:", "txtEmailAddress");
    txtEmailUserName = AddBox(emailGrid, "EMAIL UserName:", "txtEmailUserName");
    txtEmailPop3HostName = AddBox(emailGrid, "EMAIL POP3 HostName:", "txtEmailPop3HostName");
    txtEmailPop3UserName = AddBox(emailGrid, "EMAIL POP3 UserName:", "txtEmailPop3UserName");
    txtEmailPop3Password = AddBox(emailGrid, "EMAIL POP3 Password:", "txtEmailPop3Password");
    txtEmailSMTPHostName = AddBox(emailGrid, "EMAIL SMTP HostName:", "txtEmailSMTPHostName");
    txtEmailSMTPUserName = AddBox(emailGrid, "EMAIL SMTP UserName:", "txtEmailSMTPUserName");
    txtEmailSMTPPassword = AddBox(emailGrid, "EMAIL SMTP Password:", "txtEmailSMTPPassword");

    auto* ftp = new QGroupBox("FTP Configuration");
    ftp->setObjectName("fraFTP");
    auto* ftpGrid = new QGridLayout(ftp);
    txtFTPLogonName = AddBox(ftpGrid, "FTP Logon Name:", "txtFTPLogonName");
    txtFTPLogonPassword = AddBox(ftpGrid, "FTP Logon Password:", "txtFTPLogonPassword");
    txtFTPHostName = AddBox(ftpGrid, "FTP Host Name:", "txtFTPHostName");
    txtFTPUploadDirectory = AddBox(ftpGrid, "FTP Upload Directory:", "txtFTPUploadDirectory");

    // Each frame is its own group of option buttons, so the two pairs are independent.
    auto* validation = new QGroupBox("Validation");
    validation->setObjectName("fraValidation");
    auto* validationColumn = new QVBoxLayout(validation);
    optManualValidate = AddOption(validationColumn, "Manual Validation", "optManualValidate");
    optAutoValidate = AddOption(validationColumn, "Auto Validation", "optAutoValidate");

    auto* mode = new QGroupBox("Mode Type");
    mode->setObjectName("fraMode");
    auto* modeColumn = new QVBoxLayout(mode);
    optCommercial = AddOption(modeColumn, "Commercial Mode", "optCommercial");
    optNonCommercial = AddOption(modeColumn, "Non-Commercial Mode", "optNonCommercial");

    auto* templates = new QGroupBox("HTML Template Headers and Footers");
    templates->setObjectName("fraTemplates");
    auto* templateGrid = new QGridLayout(templates);
    txtMainMenuHeader = AddBox(templateGrid, "Main Menu Header:", "txtMainMenuHeader");
    txtMainMenuFooter = AddBox(templateGrid, "Main Menu Footer:", "txtMainMenuFooter");
    txtRegistrationHeader = AddBox(templateGrid, "Registration Header:", "txtRegistrationHeader");
    txtRegistrationFooter = AddBox(templateGrid, "Registration Footer:", "txtRegistrationFooter");
    txtItemsHeader = AddBox(templateGrid, "Items Header:", "txtItemsHeader");
    txtItemsFooter = AddBox(templateGrid, "Items Footer:", "txtItemsFooter");

    auto* left = new QVBoxLayout;
    left->addWidget(email);
    left->addWidget(ftp);
    left->addStretch();
    auto* options = new QHBoxLayout;
    options->addWidget(validation);
    options->addWidget(mode);
    auto* right = new QVBoxLayout;
    right->addLayout(options);
    right->addWidget(templates);
    right->addStretch();
    auto* pageLayout = new QHBoxLayout(page);
    pageLayout->addLayout(left, 1);
    pageLayout->addLayout(right, 1);

    tabConfig = new QTabWidget;
    tabConfig->setObjectName("tabConfig");
    tabConfig->addTab(page, "Configuration");

    cmdSave = new QPushButton("&Save");
    cmdSave->setObjectName("cmdSave");
    cmdExit = new QPushButton("E&xit");
    cmdExit->setObjectName("cmdExit");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdExit);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(tabConfig);
    outer->addLayout(buttons);

    bindings_ = {
        {txtEmailAddress, &ConfigRecord::EmailAddress},
        {txtEmailUserName, &ConfigRecord::EmailUserName},
        {txtEmailPop3HostName, &ConfigRecord::EmailPop3HostName},
        {txtEmailPop3UserName, &ConfigRecord::EmailPop3UserName},
        {txtEmailPop3Password, &ConfigRecord::EmailPop3Password},
        {txtEmailSMTPHostName, &ConfigRecord::EmailSMTPHostName},
        {txtEmailSMTPUserName, &ConfigRecord::EmailSMTPUserName},
        {txtEmailSMTPPassword, &ConfigRecord::EmailSMTPPassword},
        {txtFTPLogonName, &ConfigRecord::FTPLogonName},
        {txtFTPLogonPassword, &ConfigRecord::FTPLogonPassword},
        {txtFTPHostName, &ConfigRecord::FTPHostName},
        {txtFTPUploadDirectory, &ConfigRecord::FTPUploadDirectory},
        {txtMainMenuHeader, &ConfigRecord::MainMenuHeader},
        {txtMainMenuFooter, &ConfigRecord::MainMenuFooter},
        {txtRegistrationHeader, &ConfigRecord::RegistrationHeader},
        {txtRegistrationFooter, &ConfigRecord::RegistrationFooter},
        {txtItemsHeader, &ConfigRecord::ItemsHeader},
        {txtItemsFooter, &ConfigRecord::ItemsFooter},
    };

    // Tab order follows the page: the e-mail and FTP boxes, the options, the templates, the buttons.
    QWidget* order[] = {txtEmailAddress,
                        txtEmailUserName,
                        txtEmailPop3HostName,
                        txtEmailPop3UserName,
                        txtEmailPop3Password,
                        txtEmailSMTPHostName,
                        txtEmailSMTPUserName,
                        txtEmailSMTPPassword,
                        txtFTPLogonName,
                        txtFTPLogonPassword,
                        txtFTPHostName,
                        txtFTPUploadDirectory,
                        optManualValidate,
                        optAutoValidate,
                        optCommercial,
                        optNonCommercial,
                        txtMainMenuHeader,
                        txtMainMenuFooter,
                        txtRegistrationHeader,
                        txtRegistrationFooter,
                        txtItemsHeader,
                        txtItemsFooter,
                        cmdSave,
                        cmdExit};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(cmdSave, &QPushButton::clicked, this, [this] { save(); });
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);

    // What the boxes show when there is no configuration to read.
    txtMainMenuHeader->setText("Mheader.htm");
    txtMainMenuFooter->setText("Mfooter.htm");
    txtRegistrationHeader->setText("Rheader.htm");
    txtRegistrationFooter->setText("Rfooter.htm");
    txtItemsHeader->setText("Iheader.htm");
    txtItemsFooter->setText("Ifooter.htm");

    adjustSize();
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    load();
}

void frmConfig::load() {
    const auto file = RecordPath<ConfigRecord>(dir_);
    try {
        if (!FileExists(file)) return;
        ConfigRecord& c = ConfigCopy();
        c = ReadRecord<ConfigRecord>(file, 1);
        optNonCommercial->setChecked(c.CommercialMode == "N");
        optCommercial->setChecked(c.CommercialMode == "Y");
        optAutoValidate->setChecked(c.AutoValidate == "Y");
        optManualValidate->setChecked(c.AutoValidate == "N");
        for (const auto& b : bindings_) b.box->setText(FromLatin1(c.*(b.field)));
    } catch (const std::exception& e) {
        ShowMessage(this, e.what(), "File Error", MsgIcon::Critical);
    }
}

void frmConfig::save() {
    // Work on a copy so that a failed write leaves the shared record as it was read.
    ConfigRecord c = ConfigCopy();
    if (optCommercial->isChecked()) c.CommercialMode = "Y";
    if (optNonCommercial->isChecked()) c.CommercialMode = "N";
    if (optAutoValidate->isChecked()) c.AutoValidate = "Y";
    if (optManualValidate->isChecked()) c.AutoValidate = "N";
    for (const auto& b : bindings_) c.*(b.field) = ToLatin1(b.box->text());
    try {
        WriteRecord(RecordPath<ConfigRecord>(dir_), 1, c);
        ConfigCopy() = c;
    } catch (const std::exception& e) {
        ShowMessage(this, e.what(), "File Error", MsgIcon::Critical);
    }
}

}  // namespace gavlin
