#include <QLineEdit>
#include <QRadioButton>

#include "AdminFixture.h"
#include "shell/AppContext.h"
#include "shell/CommandWindow.h"
#include "shell/Subsystems.h"
#include "shell/frmConfig.h"
#include "store/AppDir.h"

namespace gavlin::test {
namespace {

ConfigRecord Sample(std::string commercial, std::string autoValidate) {
    ConfigRecord c = DefaultConfigRecord();
    c.Reserved1 = "reserved one";
    c.Reserved2 = "\xE9t\xE9";
    c.CommercialMode = std::move(commercial);
    c.AutoValidate = std::move(autoValidate);
    c.FTPLogonName = "  lead blank";
    c.EmailPop3Password = "s\xE9";
    c.FTPUploadDirectory = std::string(75, 'd');
    c.ItemsFooter = "foot.htm";
    return c;
}

TEST(ConfigWindow, SavingUnchangedWritesBackTheSameBytes) {
    // Flags outside "Y"/"N" select no option and must survive a save as well.
    for (auto [commercial, autoValidate] : {std::pair{"Y", "N"}, {"N", "Y"}, {"X", " "}}) {
        TempDir dir;
        const auto file = RecordPath<ConfigRecord>(dir.path());
        const std::string before = EncodeRecord(Sample(commercial, autoValidate));
        WriteWholeFile(file, before);
        frmConfig window(dir.path());
        EXPECT_EQ(Child<QRadioButton>(&window, "optCommercial")->isChecked(), std::string(commercial) == "Y");
        EXPECT_EQ(Child<QRadioButton>(&window, "optManualValidate")->isChecked(), std::string(autoValidate) == "N");
        EXPECT_EQ(Child<QLineEdit>(&window, "txtMainMenuHeader")->text().size(), 1000);
        Click(&window, "cmdSave");
        const std::string after = ReadWholeFile(file);
        EXPECT_EQ(after.size(), 6417u);
        EXPECT_EQ(after, before) << commercial << autoValidate;
    }
}

TEST(ConfigWindow, OptionsAndBoxesAreStoredAndExitDiscards) {
    TempDir dir;
    const auto file = RecordPath<ConfigRecord>(dir.path());
    WriteRecord(file, 1, Sample("N", "N"));
    {
        frmConfig window(dir.path());
        window.show();
        QTest::mouseClick(Child<QRadioButton>(&window, "optAutoValidate"), Qt::LeftButton);
        auto* upload = Child<QLineEdit>(&window, "txtFTPUploadDirectory");
        upload->setText(QString(80, 'u'));
        Click(&window, "cmdSave");
    }
    const ConfigRecord saved = ReadRecord<ConfigRecord>(file, 1);
    EXPECT_EQ(ReadWholeFile(file)[46], 'Y');
    EXPECT_EQ(saved.CommercialMode, "N");
    EXPECT_EQ(saved.FTPUploadDirectory, std::string(75, 'u'));
    EXPECT_EQ(saved.Reserved2, "\xE9t\xE9" + std::string(12, ' '));

    const std::string before = ReadWholeFile(file);
    frmConfig window(dir.path());
    window.show();
    QTest::mouseClick(Child<QRadioButton>(&window, "optCommercial"), Qt::LeftButton);
    Child<QLineEdit>(&window, "txtEmailAddress")->setText("changed@example.com");
    Click(&window, "cmdExit");
    EXPECT_EQ(ReadWholeFile(file), before);
}

TEST(ConfigWindow, WithoutAFileShowsInitialTextsAndSaveCreatesIt) {
    TempDir dir;
    frmConfig window(dir.path());
    EXPECT_EQ(Child<QLineEdit>(&window, "txtMainMenuHeader")->text(), "Mheader.htm");
    EXPECT_EQ(Child<QLineEdit>(&window, "txtItemsFooter")->text(), "Ifooter.htm");
    EXPECT_EQ(Child<QLineEdit>(&window, "txtEmailAddress")->text(), "");
    EXPECT_FALSE(Child<QRadioButton>(&window, "optAutoValidate")->isChecked());
    Child<QLineEdit>(&window, "txtEmailAddress")->setText("Zo\u00eb\u20ac@example.com");
    Click(&window, "cmdSave");
    const ConfigRecord saved = ReadRecord<ConfigRecord>(RecordPath<ConfigRecord>(dir.path()), 1);
    EXPECT_EQ(saved.EmailAddress, Pad("Zo\xEB?@example.com", 30));
    EXPECT_EQ(saved.MainMenuHeader, Pad("Mheader.htm", 1000));
}

TEST(ConfigWindow, UnreadableFileIsReportedByName) {
    TempDir dir;
    std::filesystem::create_directory(RecordPath<ConfigRecord>(dir.path()));
    MessageRecorder messages;
    frmConfig window(dir.path());
    Click(&window, "cmdSave");
    ASSERT_EQ(messages.shown().size(), 2u);
    for (const auto& m : messages.shown()) {
        EXPECT_EQ(m.title, "File Error");
        EXPECT_NE(m.text.find("config.dat"), std::string::npos) << m.text;
    }
}

TEST(ConfigWindow, MenuCommandOpensItAndClosingEnablesTheMainWindow) {
    TempDir dir;
    SetApplicationDirectory(dir.path());
    InstallShellCommands();
    QWidget mainWindow;
    const MenuHandler* open = FindMenuHandler("mnuConfiguration");
    ASSERT_NE(open, nullptr);
    (*open)(&mainWindow);
    EXPECT_FALSE(mainWindow.isEnabled());
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmConfig") window = w;
    ASSERT_NE(window, nullptr);
    window->close();  // as the close box does
    FlushDeletes();
    EXPECT_TRUE(mainWindow.isEnabled());
}

}  // namespace
}  // namespace gavlin::test
