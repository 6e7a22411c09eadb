#pragma once

#include "exchange/ColumnsReader.h"

// Measured columns (X and replicates, a "set" column for a batch) from a
// data file, read as the fit windows' Open Data reads them.
namespace cli {

// Reads path, or standard input for "-", rows of at most maxValues values.
// Throws Refusal naming the line for a line the reader refuses, and for a
// file that cannot be read or holds no rows.
ColumnsReader::Result ReadColumns(const QString &path, int maxValues);

} // namespace cli
