#pragma once
// Helpers for the administration window tests: record files made in a
// temporary directory and controls found and driven by their names.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "store/RecordFile.h"
#include "store/Text.h"
#include "support/MessageRecorder.h"
#include "support/TempDir.h"

namespace gavlin::test {

template <class R>
void WriteRecords(const std::filesystem::path& file, const std::vector<R>& records) {
    std::string bytes;
    for (const R& r : records) bytes += EncodeRecord(r);
    WriteWholeFile(file, bytes);
}

template <class W>
W* Child(QWidget* window, const char* name) {
    W* w = window->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline void Click(QWidget* window, const char* button) {
    QTest::mouseClick(Child<QAbstractButton>(window, button), Qt::LeftButton);
}

// Clicks the entry of the list the way the operator does.
inline void ClickEntry(QWidget* window, int row) {
    auto* list = Child<QListWidget>(window, "lstCategory");
    if (!window->isVisible()) window->show();
    QApplication::processEvents();
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

inline QStringList Entries(QWidget* window) {
    QStringList out;
    auto* list = Child<QListWidget>(window, "lstCategory");
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

inline std::string Pad(std::string s, std::size_t width) {
    s.resize(width, ' ');
    return s;
}

// Destroys windows closed with WA_DeleteOnClose.
inline void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace gavlin::test
