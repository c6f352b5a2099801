#pragma once
// Small pieces shared by the administration windows: boxes with labels, lists
// filled in one go, fields shown and taken as ISO-8859-1, file errors shown.
#include <QString>
#include <QStringList>
#include <exception>
#include <string>
#include <string_view>

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

}  // namespace gavlin::admin
