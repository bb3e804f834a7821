// A query as the windows hand it to a data-source control: what it selects,
// how it orders, and the values of its ? marks, each kept apart. Whoever runs
// it counts over the selection alone and reads rows in its order, so nothing
// has to look into finished SQL text to find these parts again.
#pragma once

#include <QString>
#include <QVariantList>

#include <utility>

namespace platform {

struct Query {
    // "select … from … [where …]". A query that orders itself may stand here
    // whole, with no order apart; counting its rows then sorts them too.
    QString select;
    QString order;        // " order by …", appended to select as it stands; empty for none
    QVariantList params;  // the values of the ? marks, all of them in select

    Query() = default;
    // A query from its text: a lookup list, a search, a query that orders itself.
    Query(QString select, QString order = {}, QVariantList params = {})
        : select(std::move(select)), order(std::move(order)), params(std::move(params)) {}

    // The whole text as it runs.
    QString sql() const { return select + order; }
    bool operator==(const Query&) const = default;
};

}  // namespace platform
