#include "Dates.h"

#include "Database.h"

#include <QRegularExpression>

namespace platform {

QDate ParseTypedDate(const QString& text) {
    static const QRegularExpression re(QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2})$)"));
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch()) return {};
    return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
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
