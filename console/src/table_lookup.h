// Finds the row of a handler table by its control identifier. Every handler that calls this
// has a row; a missing one is a fault of the program and stops it with a message.
#pragma once

#include <cstdio>
#include <cstdlib>

template <typename Row, std::size_t Count>
const Row& RowFor(const Row (&table)[Count], int controlId) {
    for (const Row& row : table) {
        if (row.controlId == controlId) return row;
    }
    std::fprintf(stderr, "kestrix: no handler row for control %d\n", controlId);
    std::abort();
}
