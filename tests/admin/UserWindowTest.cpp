#include <QComboBox>
#include <QLineEdit>

#include "AdminFixture.h"
#include "admin/frmUserEdit.h"
#include "admin/frmuvalid.h"

namespace gavlin::test {
namespace {

UserRecord User(const std::string& name, const std::string& flag) {
    return {name + "A", name, "pw", name + "@x.org", "1 Road", "Town", "ST", "123", "555", "Land", flag};
}

std::vector<std::string> NamesAndFlags(const std::filesystem::path& file) {
    std::vector<std::string> out;
    for (const auto& u : ReadAllRecords<UserRecord>(file)) out.push_back(TrimRight(u.RealName) + ":" + u.Validated);
    return out;
}

TEST(UserEditWindow, OpeningCreatesTheFileAndAddNewStoresTheBoxes) {
    TempDir dir;
    const auto file = RecordPath<UserRecord>(dir.path());
    MessageRecorder messages;
    frmUserEdit window(dir.path());
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(Entries(&window).isEmpty());

    Click(&window, "cmdAdd");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Please enter a User Name - Then Select Add New");
    EXPECT_EQ(messages.shown()[0].title, "Category Error");

    Child<QLineEdit>(&window, "txtRealName")->setText("Zo\u00eb \u20acuro");
    Child<QLineEdit>(&window, "txtPassword")->setText("123456789012");
    Child<QComboBox>(&window, "cmbValidated")->setEditText("No");
    Click(&window, "cmdAdd");
    const UserRecord added = ReadRecord<UserRecord>(file, 1);
    EXPECT_EQ(added.RealName, Pad("Zo\xEB ?uro", 30));
    EXPECT_EQ(added.Password, "1234567890");
    EXPECT_EQ(added.Validated, "N");
    EXPECT_EQ(added.Alias, std::string(30, ' '));
    EXPECT_EQ(Entries(&window), QStringList({QString::fromLatin1("Zo\xEB ?uro")}));
}

TEST(UserEditWindow, FlagTextOtherThanYesOrNoKeepsTheLastRecordsFlag) {
    TempDir dir;
    const auto file = RecordPath<UserRecord>(dir.path());
    WriteRecords(file, std::vector{User("Ann", "Y"), User("Bob", "N"), User("Cy", "?")});
    frmUserEdit window(dir.path());
    auto* flag = Child<QComboBox>(&window, "cmbValidated");

    ClickEntry(&window, 0);
    EXPECT_EQ(flag->currentText(), "Yes");
    EXPECT_EQ(Child<QLineEdit>(&window, "txtAlias")->text(), QString::fromLatin1(Pad("AnnA", 30)));
    flag->setEditText("typed");  // choosing "Yes" again replaces typed text
    ClickEntry(&window, 0);
    EXPECT_EQ(flag->currentText(), "Yes");
    EXPECT_EQ(flag->currentIndex(), 0);
    ClickEntry(&window, 2);  // neither "Y" nor "N": the box is left as it was
    EXPECT_EQ(flag->currentText(), "Yes");

    flag->setEditText("yes");  // not exactly "Yes": the record read last ("?") keeps its flag
    Click(&window, "cmdSave");
    EXPECT_EQ(ReadRecord<UserRecord>(file, 3).Validated, "?");
    EXPECT_EQ(flag->currentText(), "");
    EXPECT_EQ(Child<QLineEdit>(&window, "txtRealName")->text(), "");

    ClickEntry(&window, 1);
    flag->setEditText("Yes");
    Click(&window, "cmdSave");
    EXPECT_EQ(NamesAndFlags(file), (std::vector<std::string>{"Ann:Y", "Bob:Y", "Cy:?"}));

    // Save Edit without a selection writes nothing.
    const std::string before = ReadWholeFile(file);
    Child<QLineEdit>(&window, "txtRealName")->setText("Dee");
    Click(&window, "cmdSave");
    EXPECT_EQ(ReadWholeFile(file), before);
}

TEST(UserEditWindow, DeleteRemovesTheSelectedUserAfterConfirmation) {
    struct Case {
        std::vector<std::string> names;
        int row;
        MsgResult answer;
        std::vector<std::string> left;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {{"Ann", "Bob", "Cy"}, 1, MsgResult::Ok, {"Ann:Y", "Cy:Y"}, {"Are you Sure you want to Delete Bob ?"}},
        {{"Ann"}, 0, MsgResult::Ok, {}, {"Are you Sure you want to Delete Ann ?", "There are Now No Users"}},
        {{"Ann", "Bob"}, 1, MsgResult::Cancel, {"Ann:Y", "Bob:Y"}, {"Are you Sure you want to Delete Bob ?"}},
        {{"Ann"}, -1, MsgResult::Ok, {"Ann:Y"}, {"You must first select a User to delete"}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const auto file = RecordPath<UserRecord>(dir.path());
        std::vector<UserRecord> records;
        for (const auto& n : c.names) records.push_back(User(n, "Y"));
        WriteRecords(file, records);
        MessageRecorder messages;
        messages.answer(c.answer);
        frmUserEdit window(dir.path());
        if (c.row >= 0) ClickEntry(&window, c.row);
        Click(&window, "cmdDelete");
        std::vector<std::string> texts;
        for (const auto& m : messages.shown()) texts.push_back(m.text);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(NamesAndFlags(file), c.left);
        EXPECT_EQ(FileExists(file), !c.left.empty());
        EXPECT_EQ(Entries(&window).size(), static_cast<qsizetype>(c.left.size()));
        if (c.row < 0) {
            EXPECT_EQ(messages.shown()[0].title, "Delete Error");
        }
    }
}

TEST(UserValidationWindow, ListsUnvalidatedUsersAndValidatesThroughThePositionTable) {
    TempDir dir;
    const auto file = RecordPath<UserRecord>(dir.path());
    WriteRecords(file, std::vector{User("Ann", "N"), User("Bob", "y"), User("Cy", " "), User("Dee", "Y")});
    MessageRecorder messages;
    frmuvalid window(dir.path());
    EXPECT_EQ(Entries(&window), QStringList({"Ann", "Cy"}));
    EXPECT_TRUE(Child<QLineEdit>(&window, "txtRealName")->isReadOnly());

    ClickEntry(&window, 1);
    EXPECT_EQ(Child<QLineEdit>(&window, "txtRealName")->text(), QString::fromLatin1(Pad("Cy", 30)));
    EXPECT_EQ(Child<QLineEdit>(&window, "txtValidated")->text(), "No");
    Click(&window, "cmdValidate");
    EXPECT_EQ(NamesAndFlags(file), (std::vector<std::string>{"Ann:N", "Bob:y", "Cy:Y", "Dee:Y"}));
    EXPECT_EQ(Entries(&window), QStringList({"Ann"}));
    EXPECT_EQ(Child<QLineEdit>(&window, "txtValidated")->text(), "");

    ClickEntry(&window, 0);
    Click(&window, "cmdValidate");
    EXPECT_TRUE(Entries(&window).isEmpty());
    EXPECT_TRUE(messages.shown().empty());
    Click(&window, "cmdValidate");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "You Must Select a User to Validate!");
    EXPECT_EQ(messages.shown()[0].title, "ALERT");
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Exclamation);
}

}  // namespace
}  // namespace gavlin::test
