#include "Dates.h"

#include "Database.h"

namespace platform {

QDate ParseTypedDate(const QString& text) {
    const QString typed = text.trimmed();
    // Qt reads a leading minus as a year before Christ; a typed date has none.
    if (typed.startsWith(QLatin1Char('-'))) return {};
    return QDate::fromString(typed, QStringLiteral("yyyy-M-d"));
}

QVariant TypedDateValue(const QString& text) {
    if (text.trimmed().isEmpty()) return {};
    const QDate d = ParseTypedDate(text);
    if (!d.isValid()) throw DbError(QStringLiteral("“%1”不是有效的日期。").arg(text));
    return StoreDate(d);
}

QString StoreDate(const QDate& date) { return date.toString(kShortDateFormat); }

QString StoreDateTime(const QDateTime& dt) { return dt.toString(kDateTimeFormat); }

QString ShowDate(const QVariant& stored) {
    if (stored.isNull()) return {};
    const QString s = stored.toString();
    if (s.size() > 10 && s.mid(10).trimmed() == QLatin1String("00:00:00")) return s.left(10);
    return s;
}

}  // namespace platform
