#pragma once
// Small pieces shared by the administration windows: boxes with labels, lists
// filled in one go, fields shown and taken as ISO-8859-1, file errors shown.
#include <QString>
#include <QStringList>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/QtMessenger.h"
#include "store/RecordFile.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace gavlin::admin {

void CentreOnDisplay(QWidget* window);

// A labelled box in the next row of a two-column grid (label left, box right).
QLineEdit* AddLineBox(QGridLayout* grid, int column, const char* label, const char* name);
QComboBox* AddComboBox(QGridLayout* grid, int column, const char* label, const char* name);
QLabel* AddCaption(QGridLayout* grid, int row, int column, const char* label, QWidget* box);

// Fields are shown as stored, trailing blanks included; typed text is stored
// as ISO-8859-1 with "?" for any other character.
QString Shown(std::string_view field);
std::string Typed(const QLineEdit* box);
std::string Typed(const QComboBox* box);

// Multi-line text is stored with CR LF line ends, as the operator's records
// have always held them; the box works with plain line feeds.
QString ShownMultiLine(std::string_view field);
std::string TypedMultiLine(const QString& text);
// The text of a multi-line box with line breaks as line feeds and every other
// character as typed (no-break spaces included).
QString MultiLineText(const QPlainTextEdit* box);

// The selected row, or -1 when no entry is selected.
int SelectedRow(const QListWidget* list);
// Replaces the whole contents at once; quick with tens of thousands of entries.
void FillList(QListWidget* list, const QStringList& entries);

// A failed file operation: a message naming the file and what failed.
void ShowFileError(QWidget* parent, const std::exception& e);

// The Delete command of the editing windows: the entry at list row `row` must
// be selected (else noSelection is shown), the operator confirms, then its record is removed (the only
// record takes the file with it). `removed`, when given, receives the record
// as it was. Returns the record count before the removal, or 0 when nothing
// was removed (a message has then been shown, or the operator cancelled).
template <class R>
RecordNo ConfirmAndRemove(QWidget* window, const std::filesystem::path& file, int row, const char* noSelection,
                          const char* noSelectionTitle, const std::string& name, R* removed = nullptr) {
    RecordNo n = 0;
    try {
        n = RecordCount<R>(file);
    } catch (const std::exception& e) {
        ShowFileError(window, e);
        return 0;
    }
    if (row < 0 || n < 1) {
        ShowMessage(window, noSelection, noSelectionTitle, MsgIcon::Exclamation);
        return 0;
    }
    if (ShowMessage(window, "Are you Sure you want to Delete " + name + " ?", "Delete Confirmation",
                    MsgIcon::Exclamation, MsgButtons::OkCancel) != MsgResult::Ok)
        return 0;
    try {
        if (removed) *removed = ReadRecord<R>(file, row + 1);
        RemoveRecord<R>(file, row + 1);
    } catch (const std::exception& e) {
        ShowFileError(window, e);
        return 0;
    }
    return n;
}

}  // namespace gavlin::admin
