// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The textbook catalogue: for each edition its books, their units that have
// mental-arithmetic entries, and each entry's forms of questions. One JSON
// file per edition in the program's resources (:/units), read once at start
// and checked as it is read, so a wrong unit name or range is corrected in
// the file alone and an edition is added as one more file. Each file names
// its edition's place in the list ("order"), so the editions keep their
// order whatever their files are called.

#include "questions/EntryForm.h"

#include <QString>
#include <QStringList>
#include <vector>

struct UnitEntry {
    QString name;
    std::vector<EntryForm> forms;
};

struct Unit {
    QString number; // "第五单元"
    QString name; // "20以内的进位加法"
    std::vector<UnitEntry> entries;

    // "第五单元 20以内的进位加法", as the unit list shows it.
    QString caption() const { return number + QLatin1Char(' ') + name; }
};

struct Book {
    QString name; // "一年级上册"
    std::vector<Unit> units;
};

struct Edition {
    QString name; // "人教版"
    int order = 0; // its place among the editions, from 1
    std::vector<Book> books;
};

class UnitCatalogue {
public:
    // The editions in the program's resources, read at the first call.
    static const UnitCatalogue& standard();
    // Every "*.json" file of the folder, the editions in their own order.
    static UnitCatalogue load(const QString& folder);
    // One edition's file, or what is wrong with it.
    static std::variant<Edition, QString> parseEdition(const QByteArray& json);

    const std::vector<Edition>& editions() const { return m_editions; }
    // What could not be read, one message a file; empty when all was read.
    const QStringList& problems() const { return m_problems; }

private:
    std::vector<Edition> m_editions;
    QStringList m_problems;
};
