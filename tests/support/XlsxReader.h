// Reads worksheet 1 of a written .xlsx file back, cell by cell (tests only).
#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <unzip.h>

#include <map>
#include <utility>

namespace halvern::test {

// Cells by (row, column), both counted from 1; cells without text are absent.
struct SheetCells {
    bool ok = false;
    std::map<std::pair<int, int>, QString> cells;
    QString at(int row, int col) const {
        const auto it = cells.find({row, col});
        return it == cells.end() ? QString() : it->second;
    }
    bool has(int row, int col) const { return cells.count({row, col}) > 0; }
    int maxColumn() const {
        int m = 0;
        for (const auto& [pos, text] : cells) m = std::max(m, pos.second);
        return m;
    }
    int maxRow() const { return cells.empty() ? 0 : cells.rbegin()->first.first; }
};

inline QByteArray ReadZipEntry(const QString& file, const char* entry) {
    QByteArray out;
    unzFile zip = unzOpen(file.toLocal8Bit().constData());
    if (!zip) return out;
    if (unzLocateFile(zip, entry, 0) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char buf[65536];
        int n;
        while ((n = unzReadCurrentFile(zip, buf, sizeof buf)) > 0) out.append(buf, n);
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return out;
}

// "AA12" → (12, 27)
inline std::pair<int, int> CellPosition(const QString& ref) {
    int col = 0;
    int i = 0;
    for (; i < ref.size() && ref[i].isLetter(); ++i) col = col * 26 + (ref[i].toLatin1() - 'A' + 1);
    return {ref.mid(i).toInt(), col};
}

// Characters XML cannot carry stand as _xHHHH_; a spreadsheet program reads them back.
inline QString DecodeEscapes(const QString& text) {
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype from = 0;
    for (auto it = escape.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += text.mid(from, m.capturedStart() - from);
        out += QChar(static_cast<char16_t>(m.captured(1).toUShort(nullptr, 16)));
        from = m.capturedEnd();
    }
    return out + text.mid(from);
}

// Text of the <si> or <is> element the reader stands on: its <t> pieces joined.
inline QString ReadStringItem(QXmlStreamReader& xml) {
    const QString end = xml.name().toString();
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("t"))
            text += DecodeEscapes(xml.readElementText());
        else if (xml.isEndElement() && xml.name() == end)
            break;
    }
    return text;
}

inline SheetCells ReadSheet1(const QString& file) {
    SheetCells result;
    QStringList shared;
    const QByteArray sst = ReadZipEntry(file, "xl/sharedStrings.xml");
    if (!sst.isEmpty()) {
        QXmlStreamReader xml(sst);
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
                shared << ReadStringItem(xml);
    }
    const QByteArray sheet = ReadZipEntry(file, "xl/worksheets/sheet1.xml");
    if (sheet.isEmpty()) return result;
    QXmlStreamReader xml(sheet);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("c")) continue;
        const auto pos = CellPosition(xml.attributes().value(QLatin1String("r")).toString());
        const QString type = xml.attributes().value(QLatin1String("t")).toString();
        QString text;
        bool any = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QLatin1String("c")) break;
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("is")) {
                text = ReadStringItem(xml);
                any = true;
            } else if (xml.name() == QLatin1String("v")) {
                const QString v = xml.readElementText();
                text = type == QLatin1String("s") ? shared.value(v.toInt()) : v;
                any = true;
            }
        }
        if (any) result.cells[pos] = text;
    }
    result.ok = !xml.hasError();
    return result;
}

}  // namespace halvern::test
