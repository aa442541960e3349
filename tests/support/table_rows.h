#pragma once

#include <QTest>

#include <cstddef>

// A test's table as whole rows: one column holds a row, which the test takes
// with QFETCH(Row, row). Each row's tag is its first field, tag.
template <class Row, std::size_t N> void AddRows(const Row (&rows)[N]) {
    QTest::addColumn<Row>("row");
    for (const Row& row : rows)
        QTest::newRow(row.tag) << row;
}
