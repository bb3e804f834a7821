// Dates as the program keeps them: stored as ISO text "YYYY-MM-DD"
// ("YYYY-MM-DD HH:MM:SS" with a time of day), shown in the short date format.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace platform {

inline const QString kShortDateFormat = QStringLiteral("yyyy-MM-dd");
inline const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// A typed date: "yyyy-M-d" or "yyyy-MM-dd" (blanks around it ignored); invalid otherwise.
QDate ParseTypedDate(const QString& text);
// The stored form of a typed date: Null for empty text, ISO text for a date;
// throws DbError for text that is no date.
QVariant TypedDateValue(const QString& text);
QString StoreDate(const QDate& date);
QString StoreDateTime(const QDateTime& dt);
// A stored value shown as the program shows dates: date only, or with its time of day.
QString ShowDate(const QVariant& stored);

}  // namespace platform
