#include "admin/FormSupport.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>

#include "platform/Latin1.h"
#include "platform/QtMessenger.h"

namespace gavlin::admin {

void CentreOnDisplay(QWidget* window) {
    window->resize(window->size().expandedTo(window->sizeHint()));
    if (const QScreen* screen = window->screen()) {
        const QRect area = screen->geometry();
        window->move(area.x() + (area.width() - window->width()) / 2,
                     area.y() + (area.height() - window->height()) / 2);
    }
}

QLabel* AddCaption(QGridLayout* grid, int row, int column, const char* label, QWidget* box) {
    auto* caption = new QLabel(QString::fromLatin1(label));
    caption->setBuddy(box);
    grid->addWidget(caption, row, column);
    grid->addWidget(box, row, column + 1);
    return caption;
}

namespace {
int NextRow(QGridLayout* grid, int column) {
    int row = 0;
    while (grid->itemAtPosition(row, column)) ++row;
    return row;
}
}  // namespace

QLineEdit* AddLineBox(QGridLayout* grid, int column, const char* label, const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 16);
    AddCaption(grid, NextRow(grid, column), column, label, box);
    return box;
}

QComboBox* AddComboBox(QGridLayout* grid, int column, const char* label, const char* name) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    // Typed text is what gets stored; the box must not add it to its list.
    box->setInsertPolicy(QComboBox::NoInsert);
    // Nor complete it: what the operator types is exactly what the flag rules see.
    box->setCompleter(nullptr);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 10);
    AddCaption(grid, NextRow(grid, column), column, label, box);
    return box;
}

QString Shown(std::string_view field) {
    return FromLatin1(field);
}

std::string Typed(const QLineEdit* box) {
    return ToLatin1(box->text());
}

std::string Typed(const QComboBox* box) {
    return ToLatin1(box->currentText());
}

QString ShownMultiLine(std::string_view field) {
    QString text = FromLatin1(field);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

std::string TypedMultiLine(const QString& text) {
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(QChar('\r'), QChar('\n'));
    crlf.replace(QChar('\n'), QStringLiteral("\r\n"));
    return ToLatin1(crlf);
}

QString MultiLineText(const QPlainTextEdit* box) {
    // toPlainText() would turn no-break spaces into blanks.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    text.replace(QChar::LineSeparator, QChar('\n'));
    return text;
}

int SelectedRow(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void FillList(QListWidget* list, const QStringList& entries) {
    list->setUpdatesEnabled(false);
    list->clear();
    list->addItems(entries);
    list->setUpdatesEnabled(true);
}

void ShowFileError(QWidget* parent, const std::exception& e) {
    ShowMessage(parent, e.what(), "File Error", MsgIcon::Critical);
}

}  // namespace gavlin::admin
