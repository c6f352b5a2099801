#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "AdminFixture.h"
#include "admin/frmAuctionEdit.h"
#include "admin/frmUnValidatedItems.h"
#include "shell/AppContext.h"
#include "shell/CommandWindow.h"
#include "shell/Subsystems.h"
#include "store/AppDir.h"

namespace gavlin::test {
namespace {

AuctionRecord Auction(const std::string& page, const std::string& alias, const std::string& flag) {
    AuctionRecord a;
    a.FileName = page;
    a.Validated = flag;
    a.SellerAlias = alias;
    a.Category = "Coins";
    a.ItemName = alias + " item";
    a.EndMonth = "7";
    a.EndDay = "14";
    a.EndYear = "2027";
    a.EndHour = "9";
    a.Description = "Line one\r\nLine two\r\n\r\n  indented";
    a.SellerEmail = alias + "@x.org";
    a.MinBid = "10";
    a.HighPrice = "12";
    a.HighDate = "01-02-2027";
    return a;
}

std::vector<std::string> Aliases(const std::filesystem::path& file) {
    std::vector<std::string> out;
    for (const auto& a : ReadAllRecords<AuctionRecord>(file)) out.push_back(Trim(a.SellerAlias) + ":" + a.Validated);
    return out;
}

struct AuctionDir {
    TempDir dir;
    std::filesystem::path file = RecordPath<AuctionRecord>(dir.path());
    AuctionDir(const std::vector<AuctionRecord>& records) {
        std::filesystem::create_directory(HtmlDirectory(dir.path()));
        WriteRecords(RecordPath<CategoryRecord>(dir.path()),
                     std::vector<CategoryRecord>{{"Coins", "", "", ""}, {"Land", "", "", ""}});
        WriteRecords(file, records);
        for (const auto& a : records)
            if (IsPlainFileName(Trim(a.FileName))) WriteWholeFile(HtmlDirectory(dir.path()) / Trim(a.FileName), "page");
    }
    bool page(const std::string& name) const { return FileExists(HtmlDirectory(dir.path()) / name); }
};

TEST(AuctionEditWindow, ListsAuctionsAndSavesAnUnchangedRecordByteForByte) {
    // Every byte value, lone line feeds and returns and no-break spaces included, survives a save.
    std::string every;
    for (int i = 1; i < 256; ++i) every += static_cast<char>(i);
    AuctionRecord bob = Auction("bbbbbbbb.htm", "Bob", "y");
    bob.ImageURL = every;
    bob.Description = every + "x\ny\rz\xA0";
    AuctionDir d({Auction("aaaaaaaa.htm", "  Ann ", "Y"), bob, Auction("cccccccc.htm", "Cy", "N")});
    frmAuctionEdit window(d.dir.path());
    EXPECT_EQ(Entries(&window), QStringList({"Ann Ann  item", "Bob Bob item", "Cy Cy item"}));
    auto* category = Child<QComboBox>(&window, "cmbCategory");
    ASSERT_EQ(category->count(), 2);
    EXPECT_EQ(category->itemText(1), "Land");

    const std::string before = ReadWholeFile(d.file);
    for (int row : {0, 1, 2}) {
        ClickEntry(&window, row);
        Click(&window, "cmdSaveEdit");
    }
    EXPECT_EQ(Aliases(d.file), (std::vector<std::string>{"Ann:Y", "Bob:Y", "Cy:N"}));
    // Apart from "y" shown as "Yes" and stored as "Y", every byte is as it was.
    std::string expected = before;
    expected[AuctionRecord::Length + 12] = 'Y';
    EXPECT_EQ(ReadWholeFile(d.file), expected);

    ClickEntry(&window, 2);
    EXPECT_EQ(Child<QLabel>(&window, "lblFilename")->text(), "Filename: cccccccc.htm");
    EXPECT_EQ(Child<QComboBox>(&window, "cmbValidated")->currentText(), "No");
    EXPECT_EQ(Child<QComboBox>(&window, "cmbDay")->currentText(), "14");
    EXPECT_TRUE(Child<QPlainTextEdit>(&window, "txtDescription")
                    ->toPlainText()
                    .startsWith("Line one\nLine two\n\n  indented   "));
    EXPECT_EQ(Child<QLineEdit>(&window, "txtName")->text().size(), 30);
}

TEST(AuctionEditWindow, ValidatedTextAndTypedBoxesAreStored) {
    struct Case {
        QString typed;
        std::string flag;
    };
    const Case cases[] = {{"yes", "Y"}, {"YeS", "Y"}, {"Yes", "Y"},  {"No", "N"},
                          {"", "N"},    {"y", "N"},   {" yes", "N"}, {"YE\u017F", "N"}};
    AuctionDir d({Auction("aaaaaaaa.htm", "Ann", "N")});
    frmAuctionEdit window(d.dir.path());
    for (const auto& c : cases) {
        ClickEntry(&window, 0);
        auto* flag = Child<QComboBox>(&window, "cmbValidated");
        flag->setEditText(QString());
        for (QChar ch : c.typed) {  // typed, so nothing completes it (the test keyboard is ASCII only)
            if (ch.unicode() < 128)
                QTest::keyClicks(flag->lineEdit(), QString(ch));
            else
                flag->lineEdit()->insert(QString(ch));
        }
        Click(&window, "cmdSaveEdit");
        EXPECT_EQ(ReadRecord<AuctionRecord>(d.file, 1).Validated, c.flag) << c.typed.toStdString();
    }

    ClickEntry(&window, 0);
    Child<QLineEdit>(&window, "txtName")->setText(QString(40, 'n'));
    Child<QPlainTextEdit>(&window, "txtDescription")->setPlainText("first\nsecond \u00e9\u20ac\u00a0");
    Click(&window, "cmdSaveEdit");
    const AuctionRecord saved = ReadRecord<AuctionRecord>(d.file, 1);
    EXPECT_EQ(saved.SellerAlias, std::string(30, 'n'));
    EXPECT_EQ(saved.Description, Pad("first\r\nsecond \xE9?\xA0", 5000));
    EXPECT_EQ(saved.FileName, "aaaaaaaa.htm");
    EXPECT_EQ(Child<QLineEdit>(&window, "txtName")->text(), "");
    EXPECT_EQ(Child<QLabel>(&window, "lblFilename")->text(), "Filename: aaaaaaaa.htm");

    // Without a selection nothing is written.
    const std::string before = ReadWholeFile(d.file);
    Child<QLineEdit>(&window, "txtName")->setText("Zed");
    Click(&window, "cmdSaveEdit");
    EXPECT_EQ(ReadWholeFile(d.file), before);
    EXPECT_EQ(Child<QLineEdit>(&window, "txtName")->text(), "");
}

TEST(AuctionEditWindow, AddNewWithEmptyBoxesAppendsANamedBlankRecord) {
    TempDir dir;
    std::filesystem::create_directory(HtmlDirectory(dir.path()));
    WriteRecords(RecordPath<CategoryRecord>(dir.path()), std::vector<CategoryRecord>{{"Coins", "", "", ""}});
    const auto file = RecordPath<AuctionRecord>(dir.path());
    frmAuctionEdit window(dir.path());
    EXPECT_EQ(Child<QComboBox>(&window, "cmbCategory")->currentText(), "");
    Click(&window, "cmdAddNew");
    Click(&window, "cmdAddNew");
    ASSERT_EQ(RecordCount<AuctionRecord>(file), 2);
    const AuctionRecord first = ReadRecord<AuctionRecord>(file, 1);
    EXPECT_EQ(first.FileName.size(), 12u);
    EXPECT_TRUE(
        std::all_of(first.FileName.begin(), first.FileName.begin() + 8, [](char c) { return c >= 'a' && c <= 'z'; }));
    EXPECT_EQ(first.FileName.substr(8), ".htm");
    EXPECT_EQ(first.Validated, "N");
    EXPECT_EQ(EncodeRecord(first).substr(13), std::string(AuctionRecord::Length - 13, ' '));
    EXPECT_NE(ReadRecord<AuctionRecord>(file, 2).FileName, first.FileName);
    EXPECT_EQ(Entries(&window), QStringList({" ", " "}));
}

TEST(AuctionEditWindow, DeleteRemovesTheRecordAndOnlyItsOwnPage) {
    struct Case {
        std::vector<AuctionRecord> records;
        int row;
        MsgResult answer;
        std::vector<std::string> left;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {{Auction("aaaaaaaa.htm", "Ann", "Y"), Auction("bbbbbbbb.htm", "Bob", "Y"), Auction("cccccccc.htm", "Cy", "Y")},
         1,
         MsgResult::Ok,
         {"Ann:Y", "Cy:Y"},
         {"Are you Sure you want to Delete Bob ?"}},
        {{Auction("aaaaaaaa.htm", "Ann", "Y")},
         0,
         MsgResult::Ok,
         {},
         {"Are you Sure you want to Delete Ann ?", "There are Now No Auction Items"}},
        {{Auction("aaaaaaaa.htm", "Ann", "Y"), Auction("bbbbbbbb.htm", "Bob", "Y")},
         1,
         MsgResult::Cancel,
         {"Ann:Y", "Bob:Y"},
         {"Are you Sure you want to Delete Bob ?"}},
        {{Auction("aaaaaaaa.htm", "Ann", "Y")},
         -1,
         MsgResult::Ok,
         {"Ann:Y"},
         {"You must first select an Item to delete"}},
    };
    for (const auto& c : cases) {
        AuctionDir d(c.records);
        MessageRecorder messages;
        messages.answer(c.answer);
        frmAuctionEdit window(d.dir.path());
        if (c.row >= 0) ClickEntry(&window, c.row);
        Click(&window, "cmdDelete");
        std::vector<std::string> texts;
        for (const auto& m : messages.shown()) texts.push_back(m.text);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(Aliases(d.file), c.left);
        EXPECT_EQ(FileExists(d.file), !c.left.empty());
        for (std::size_t i = 0; i < c.records.size(); ++i) {
            const bool deleted = static_cast<int>(i) == c.row && c.answer == MsgResult::Ok;
            EXPECT_EQ(d.page(c.records[i].FileName), !deleted) << c.records[i].FileName;
        }
        EXPECT_EQ(Entries(&window).size(), static_cast<qsizetype>(c.left.size()));
        if (c.row < 0) {
            EXPECT_EQ(messages.shown()[0].title, "Delete Error");
        }
    }
}

TEST(AuctionEditWindow, DeleteNeverRemovesAFileOutsideTheHtmlDirectory) {
    AuctionDir d({Auction("../victim", "Ann", "Y"), Auction("bbbbbbbb.htm", "Bob", "Y")});
    WriteWholeFile(d.dir.path() / "victim", "keep");
    MessageRecorder messages;
    frmAuctionEdit window(d.dir.path());
    ClickEntry(&window, 0);
    Click(&window, "cmdDelete");
    EXPECT_EQ(Aliases(d.file), (std::vector<std::string>{"Bob:Y"}));
    EXPECT_TRUE(FileExists(d.dir.path() / "victim"));
    EXPECT_TRUE(d.page("bbbbbbbb.htm"));
}

TEST(AuctionValidationWindow, ValidatesOnlyTheFlagOfTheListedRecord) {
    AuctionDir d(
        {Auction("aaaaaaaa.htm", "Ann", "y"), Auction("bbbbbbbb.htm", "Bob", "N"), Auction("cccccccc.htm", "Cy", " ")});
    MessageRecorder messages;
    frmUnValidatedItems window(d.dir.path());
    EXPECT_EQ(Entries(&window), QStringList({"Bob Bob item", "Cy Cy item"}));
    EXPECT_EQ(Child<QComboBox>(&window, "cmbCategory")->count(), 0);

    const std::string before = ReadWholeFile(d.file);
    ClickEntry(&window, 1);
    EXPECT_EQ(Child<QLabel>(&window, "lblFilename")->text(), "Filename: cccccccc.htm");
    Child<QLineEdit>(&window, "txtName")->setText("Edited");
    Click(&window, "cmdValidate");
    std::string expected = before;
    expected[2 * AuctionRecord::Length + 12] = 'Y';
    EXPECT_EQ(ReadWholeFile(d.file), expected);
    EXPECT_EQ(Entries(&window), QStringList({"Bob Bob item"}));
    EXPECT_EQ(Child<QLineEdit>(&window, "txtName")->text(), "");

    ClickEntry(&window, 0);
    Click(&window, "cmdValidate");
    EXPECT_TRUE(Entries(&window).isEmpty());
    Click(&window, "cmdValidate");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "You Must Select an Auction to Validate!");
    EXPECT_EQ(messages.shown()[0].title, "ALERT");
}

TEST(AdminMenuCommands, EachWindowOpensAndClosingItEnablesTheMainWindow) {
    AuctionDir d({Auction("aaaaaaaa.htm", "Ann", "N")});
    WriteRecords(RecordPath<UserRecord>(d.dir.path()), std::vector<UserRecord>{UserRecord{}});
    SetApplicationDirectory(d.dir.path());
    InstallAdminCommands();
    for (auto [menu, window] : {std::pair{"mnuCategory", "frmCategory"},
                                {"mnuUserEdit", "frmUserEdit"},
                                {"mnuUnvalidatedUsers", "frmuvalid"},
                                {"mnuAuctionsEdit", "frmAuctionEdit"},
                                {"mnuUnvalidatedAuctions", "frmUnValidatedItems"}}) {
        QWidget mainWindow;
        const MenuHandler* open = FindMenuHandler(menu);
        ASSERT_NE(open, nullptr) << menu;
        (*open)(&mainWindow);
        EXPECT_FALSE(mainWindow.isEnabled()) << menu;
        QWidget* opened = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == window && w->isVisible()) opened = w;
        ASSERT_NE(opened, nullptr) << window;
        opened->close();  // the close box
        FlushDeletes();
        EXPECT_TRUE(mainWindow.isEnabled()) << menu;
    }
}

}  // namespace
}  // namespace gavlin::test
