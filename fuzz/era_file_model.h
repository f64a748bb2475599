// A second, independent reading of the era.dat format, for the fuzz
// targets to hold the store against. It splits the text into records by
// looking for the commas and the CR that end each one, where the store
// walks it byte by byte; both must agree on every input.
#pragma once

#include <string>
#include <vector>

// One era record as its reader sees it: the years as they read back from
// the record (100..9999, else -1).
struct ZelModelEra
{
    int nDiv;
    std::string strName;
    int nStartYear;
    int nEndYear;

    bool operator==(const ZelModelEra&) const = default;
};

// The decimal value of a field as atoi reads it; values past the int range
// saturate.
int ZelModelDecimal(const std::string& field);
// What a year stored in an era record reads back as.
int ZelModelYearAsRead(int nYear);
// The records a reader must append for the bytes of an era file.
std::vector<ZelModelEra> ZelModelReadEraText(const std::string& bytes);
// The bytes a writer must produce for the records.
std::string ZelModelWriteEraText(const std::vector<ZelModelEra>& eras);
// Printable form of a record list, for failure messages.
std::string ZelModelDescribe(const std::vector<ZelModelEra>& eras);
