// A fresh program directory for each data test: the prepared databases and
// pictures copied into a temporary folder, which becomes the program directory
// and holds the temporary files. Needs no application object and no display.
#pragma once

#include "platform/Database.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvern::test {

// Overwrites count whole pages of a database file from page first on (page 1 is
// the header page), as a failing disk or a torn copy would.
void DamagePages(const QString& file, int first, int count);
// The pages of a database file.
int PageCount(const QString& file);
// A file's bytes, or "<missing>" when it cannot be read.
QByteArray FileBytes(const QString& file);

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString dir() const { return dir_.path(); }
    QString path(const QString& relative) const { return dir_.path() + QLatin1Char('/') + relative; }
    // A connection to this test's personnel database.
    platform::ConnectionPtr db() const;
    platform::ConnectionPtr userDb() const;
    // Inserts an employee with the given columns (员工编号 first).
    void addEmployee(const QString& no, const QString& name, const QVariantMap& more = {}) const;
    int count(const QString& table, const QString& where = {}, const QVariantList& params = {}) const;

private:
    QTemporaryDir dir_;
    QByteArray savedTmp_;
};

}  // namespace halvern::test
