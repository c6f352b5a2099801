#include <QLineEdit>

#include "AdminFixture.h"
#include "admin/frmCategory.h"

namespace gavlin::test {
namespace {

CategoryRecord Category(const std::string& name) {
    return {name, name + ".head", name + ".foot", "<b>" + name + "</b>"};
}

std::vector<std::string> Names(const std::filesystem::path& file) {
    std::vector<std::string> out;
    for (const auto& c : ReadAllRecords<CategoryRecord>(file)) out.push_back(TrimRight(c.CatName));
    return out;
}

struct CompletionCase {
    const char* typed;
    int key;  // pressed after typing, 0 for none
    QString text;
    int selectionStart;  // -1 for no selection
    QString selected;
};

TEST(CategoryWindow, NameBoxCompletesAndHandlesBackspaceAndDelete) {
    const CompletionCase cases[] = {
        {"co", 0, "Comic Books", 2, "mic Books"},
        {"comp", 0, "Computer Hardware", 4, "uter Hardware"},
        {"b", 0, "Books", 1, "ooks"},
        {"Cox", 0, "Cox", -1, ""},
        {"COINS", 0, "Coins", -1, ""},
        // The selection and the character before it go; the rest is completed again, all selected.
        {"co", Qt::Key_Backspace, "Comic Books", 0, "Comic Books"},
        {"comp", Qt::Key_Backspace, "Comic Books", 0, "Comic Books"},
        {"co", Qt::Key_Delete, "", -1, ""},
        {"x", Qt::Key_Backspace, "", -1, ""},  // no selection: an ordinary Backspace
    };
    TempDir dir;
    frmCategory window(dir.path());
    window.show();
    auto* name = Child<QLineEdit>(&window, "txtCatName");
    for (const auto& c : cases) {
        name->clear();
        QTest::keyClicks(name, c.typed);
        if (c.key) QTest::keyClick(name, static_cast<Qt::Key>(c.key));
        EXPECT_EQ(name->text(), c.text) << c.typed << " " << c.key;
        EXPECT_EQ(name->hasSelectedText() ? name->selectionStart() : -1, c.selectionStart) << c.typed;
        EXPECT_EQ(name->selectedText(), c.selected) << c.typed;
    }

    // Typing on replaces the selection.
    name->clear();
    QTest::keyClicks(name, "cox");
    EXPECT_EQ(name->text(), "Cox");

    // Backspace and Delete with the whole text selected from the start: consumed and ignored, or normal.
    name->setText("Landlord");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "Landlord");
    QTest::keyClick(name, Qt::Key_Delete);
    EXPECT_EQ(name->text(), "");
}

TEST(CategoryWindow, AddNewAppendsAndSelectingShowsFieldsAsStored) {
    TempDir dir;
    const auto file = RecordPath<CategoryRecord>(dir.path());
    MessageRecorder messages;
    frmCategory window(dir.path());
    EXPECT_TRUE(Entries(&window).isEmpty());

    Click(&window, "cmdAdd");  // empty name
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Please enter a Category Name - Then Select Add New");
    EXPECT_EQ(messages.shown()[0].title, "Category Error");
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(RecordCount<CategoryRecord>(file), 0);

    Child<QLineEdit>(&window, "txtCatName")->setText("Coins");
    Child<QLineEdit>(&window, "txtCatURL")->setText(QString(2500, 's'));
    Click(&window, "cmdAdd");
    Click(&window, "cmdAdd");  // the boxes keep their text: the same name again
    EXPECT_EQ(ReadWholeFile(file).size(), 10000u);
    EXPECT_EQ(Entries(&window), QStringList({"Coins", "Coins"}));
    EXPECT_EQ(ReadRecord<CategoryRecord>(file, 2).CatURL, std::string(2000, 's'));

    ClickEntry(&window, 1);
    EXPECT_EQ(Child<QLineEdit>(&window, "txtCatName")->text(), QString::fromLatin1(Pad("Coins", 1000)));
    EXPECT_EQ(Child<QLineEdit>(&window, "txtCatHeader")->text().size(), 1000);
}

TEST(CategoryWindow, SaveEditRewritesTheSelectedRecordOnly) {
    TempDir dir;
    const auto file = RecordPath<CategoryRecord>(dir.path());
    WriteRecords(file, std::vector{Category("Land"), Category("Houses")});
    frmCategory window(dir.path());
    ClickEntry(&window, 1);
    Child<QLineEdit>(&window, "txtCatHeader")->setText("new.htm");
    Click(&window, "cmdSave");
    EXPECT_EQ(ReadRecord<CategoryRecord>(file, 2).CatHeader, Pad("new.htm", 1000));
    EXPECT_EQ(ReadRecord<CategoryRecord>(file, 1).CatHeader, Pad("Land.head", 1000));
    EXPECT_EQ(Child<QLineEdit>(&window, "txtCatName")->text(), "");
    EXPECT_EQ(Child<QLineEdit>(&window, "txtCatHeader")->text(), "");

    // Without a selection nothing is written; the boxes are still emptied.
    const std::string before = ReadWholeFile(file);
    Child<QLineEdit>(&window, "txtCatHeader")->setText("other.htm");
    Click(&window, "cmdSave");
    EXPECT_EQ(ReadWholeFile(file), before);
    EXPECT_EQ(Child<QLineEdit>(&window, "txtCatHeader")->text(), "");
}

TEST(CategoryWindow, DeleteRemovesTheSelectedRecordAfterConfirmation) {
    struct Case {
        std::vector<std::string> names;
        int row;
        MsgResult answer;
        std::vector<std::string> left;
        std::vector<std::string> texts;  // messages shown
    };
    const Case cases[] = {
        {{"Land", "Houses", "Books"},
         1,
         MsgResult::Ok,
         {"Land", "Books"},
         {"Are you Sure you want to Delete Houses ?"}},
        {{"Land"},
         0,
         MsgResult::Ok,
         {},
         {"Are you Sure you want to Delete Land ?", "There are Now No Auction Categories"}},
        {{"Land", "Houses"}, 0, MsgResult::Cancel, {"Land", "Houses"}, {"Are you Sure you want to Delete Land ?"}},
        {{"Land", "Houses"}, -1, MsgResult::Ok, {"Land", "Houses"}, {"You must first select a category to delete"}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const auto file = RecordPath<CategoryRecord>(dir.path());
        std::vector<CategoryRecord> records;
        for (const auto& n : c.names) records.push_back(Category(n));
        WriteRecords(file, records);
        MessageRecorder messages;
        messages.answer(c.answer);
        frmCategory window(dir.path());
        if (c.row >= 0) ClickEntry(&window, c.row);
        Click(&window, "cmdDelete");
        std::vector<std::string> texts;
        for (const auto& m : messages.shown()) texts.push_back(m.text);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(Names(file), c.left);
        EXPECT_EQ(FileExists(file), !c.left.empty());
        QStringList shown;
        for (const auto& n : c.left) shown << QString::fromStdString(n);
        EXPECT_EQ(Entries(&window), shown);
        if (c.row >= 0 && c.answer == MsgResult::Ok) {
            EXPECT_EQ(messages.shown()[0].title, "Delete Confirmation");
            EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::OkCancel);
            EXPECT_EQ(Child<QLineEdit>(&window, "txtCatName")->text(), "");
        }
        if (c.left.empty()) {
            EXPECT_EQ(messages.shown()[1].title, "Alert");
            EXPECT_EQ(messages.shown()[1].icon, MsgIcon::Information);
        }
    }
}

TEST(CategoryWindow, FailedRemovalIsReportedAndLosesNothing) {
    TempDir dir;
    const auto file = RecordPath<CategoryRecord>(dir.path());
    WriteRecords(file, std::vector{Category("Land"), Category("Houses")});
    const std::string before = ReadWholeFile(file);
    // The temporary copy cannot be written where a directory stands in its way.
    std::filesystem::create_directory(TemporaryCopyPath(file));
    MessageRecorder messages;
    frmCategory window(dir.path());
    ClickEntry(&window, 0);
    Click(&window, "cmdDelete");
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].title, "File Error");
    EXPECT_EQ(messages.shown()[1].icon, MsgIcon::Critical);
    EXPECT_NE(messages.shown()[1].text.find("category."), std::string::npos) << messages.shown()[1].text;
    EXPECT_EQ(ReadWholeFile(file), before);
    EXPECT_EQ(Entries(&window), QStringList({"Land", "Houses"}));
}

}  // namespace
}  // namespace gavlin::test
