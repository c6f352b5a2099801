#pragma once
// The configuration editor: the single record of config.dat in one tab page.
#include <QWidget>
#include <filesystem>
#include <vector>

#include "store/Records.h"

class QLineEdit;
class QRadioButton;
class QPushButton;
class QTabWidget;

namespace gavlin {

class frmConfig : public QWidget {
    Q_OBJECT
public:
    explicit frmConfig(std::filesystem::path appDir, QWidget *parent = nullptr);

    QTabWidget *tabConfig;
    QLineEdit *txtEmailAddress, *txtEmailUserName, *txtEmailPop3HostName, *txtEmailPop3UserName, *txtEmailPop3Password,
        *txtEmailSMTPHostName, *txtEmailSMTPUserName, *txtEmailSMTPPassword;
    QLineEdit *txtFTPLogonName, *txtFTPLogonPassword, *txtFTPHostName, *txtFTPUploadDirectory;
    QRadioButton *optManualValidate, *optAutoValidate, *optCommercial, *optNonCommercial;
    QLineEdit *txtMainMenuHeader, *txtMainMenuFooter, *txtRegistrationHeader, *txtRegistrationFooter, *txtItemsHeader,
        *txtItemsFooter;
    QPushButton *cmdSave, *cmdExit;

private:
    void load();
    void save();

    struct Binding {
        QLineEdit *box;
        std::string ConfigRecord::*field;
    };
    std::vector<Binding> bindings_;
    std::filesystem::path dir_;
};

}  // namespace gavlin
