// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/units/UnitCatalogue.h"

#include "common/Assets.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace {
const QString kFolder = QStringLiteral(":/units");

QString text(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toString().trimmed();
}

QJsonArray array(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toArray();
}

// The edition's place in the list: a whole number from 1 (up to a bound
// that keeps it an int), or 0 when the file gives none.
int order(const QJsonObject& root)
{
    const QJsonValue value = root.value(QLatin1String("order"));
    const double number = value.toDouble(0);
    const bool whole = value.isDouble() && number >= 1 && number <= 10000 && std::floor(number) == number;
    return whole ? static_cast<int>(number) : 0;
}
} // namespace

std::variant<Edition, QString> UnitCatalogue::parseEdition(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject()) {
        return QStringLiteral("不是正确的JSON：") + error.errorString();
    }
    const QJsonObject root = document.object();
    Edition edition { text(root, "edition"), order(root), {} };
    if (edition.name.isEmpty()) {
        return QStringLiteral("缺少教材名称");
    }
    if (edition.order == 0) {
        return edition.name + QStringLiteral("：缺少排列顺序（order，从1起的整数）");
    }
    for (const QJsonValue bookValue : array(root, "books")) {
        const QJsonObject bookObject = bookValue.toObject();
        Book book { text(bookObject, "name"), {} };
        for (const QJsonValue unitValue : array(bookObject, "units")) {
            const QJsonObject unitObject = unitValue.toObject();
            Unit unit { text(unitObject, "unit"), text(unitObject, "name"), {} };
            const QString where = edition.name + book.name + unit.number;
            for (const QJsonValue entryValue : array(unitObject, "entries")) {
                const QJsonObject entryObject = entryValue.toObject();
                UnitEntry entry { text(entryObject, "name"), {} };
                for (const QJsonValue formValue : array(entryObject, "forms")) {
                    auto form = EntryForms::parse(formValue.toObject());
                    if (const auto* problem = std::get_if<QString>(&form)) {
                        return where + entry.name + QStringLiteral("：") + *problem;
                    }
                    entry.forms.push_back(std::get<EntryForm>(std::move(form)));
                }
                if (entry.name.isEmpty() || entry.forms.empty()) {
                    return where + QStringLiteral("：有一项内容缺少名称或题目");
                }
                unit.entries.push_back(std::move(entry));
            }
            if (unit.number.isEmpty() || unit.name.isEmpty() || unit.entries.empty()) {
                return where + QStringLiteral("：单元缺少名称或内容");
            }
            book.units.push_back(std::move(unit));
        }
        if (book.name.isEmpty() || book.units.empty()) {
            return edition.name + QStringLiteral("：有一册缺少名称或单元");
        }
        edition.books.push_back(std::move(book));
    }
    if (edition.books.empty()) {
        return edition.name + QStringLiteral("：没有一册书");
    }
    return edition;
}

UnitCatalogue UnitCatalogue::load(const QString& folder)
{
    UnitCatalogue catalogue;
    struct Read {
        QString file;
        Edition edition;
    };
    std::vector<Read> read;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({ QStringLiteral("*.json") }, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            catalogue.m_problems.append(name + QStringLiteral("：读不出来"));
            continue;
        }
        auto edition = parseEdition(file.readAll());
        if (const auto* problem = std::get_if<QString>(&edition)) {
            catalogue.m_problems.append(name + QStringLiteral("：") + *problem);
            continue;
        }
        read.push_back({ name, std::get<Edition>(std::move(edition)) });
    }
    // The editions in the order their files give, never by the files' names.
    // Two with the same place are both kept, by their files' names, and
    // reported: their order would then rest on those names again.
    std::stable_sort(read.begin(), read.end(),
        [](const Read& a, const Read& b) { return a.edition.order < b.edition.order; });
    for (std::size_t i = 1; i < read.size(); ++i) {
        if (read[i].edition.order == read[i - 1].edition.order) {
            catalogue.m_problems.append(read[i].file
                + QStringLiteral("：排列顺序%1与%2相同").arg(read[i].edition.order).arg(read[i - 1].file));
        }
    }
    for (Read& each : read) {
        catalogue.m_editions.push_back(std::move(each.edition));
    }
    return catalogue;
}

const UnitCatalogue& UnitCatalogue::standard()
{
    static const UnitCatalogue catalogue = [] {
        Assets::init();
        return load(kFolder);
    }();
    return catalogue;
}
