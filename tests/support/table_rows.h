#pragma once

#include <QTest>

#include <cstddef>
#include <tuple>

// A test's table as whole rows: one column holds a row, which the test takes
// with QFETCH(Row, row). Each row's tag is its first field, tag.
template <class Row, std::size_t N> void AddRows(const Row (&rows)[N]) {
    QTest::addColumn<Row>("row");
    for (const Row& row : rows)
        QTest::newRow(row.tag) << row;
}

// A table's columns in one go: Columns<int, QString>("day", "month").
template <class... T, class... Name> void Columns(Name... names) {
    (QTest::addColumn<T>(names), ...);
}

// The current row's values of the named columns, checked for their types as
// QFETCH checks them: const auto [day, month] = Fetch<int, QString>("day", "month").
template <class... T, class... Name> std::tuple<T...> Fetch(Name... names) {
    return {*static_cast<T*>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// A row of the columns' values in order; a C string fills a QString column.
template <class... Value> void Row(const char* tag, const Value&... values) {
    (QTest::newRow(tag) << ... << values);
}
