// Independent second readings for the fuzz targets to hold the era core to:
// era.dat, the calendar with the default table, the composed date texts.
#pragma once

#include <string>
#include <vector>

// One era record as its reader sees it (years 100..9999, else -1).
struct ZelModelEra
{
    int nDiv;
    std::string strName;
    int nStartYear, nEndYear;
    bool operator==(const ZelModelEra&) const = default;
};

// The decimal value of a field as atoi reads it, saturating at the int range.
int ZelModelDecimal(const std::string& field);
int ZelModelYearAsRead(int nYear);
// The records a reader must append for an era file's bytes (found by their
// commas and CR; the store walks byte by byte), and the bytes a writer writes.
std::vector<ZelModelEra> ZelModelReadEraText(const std::string& bytes);
std::string ZelModelWriteEraText(const std::vector<ZelModelEra>& eras);

// Days of month 1..12 of any year; 0 for any other month.
int ZelModelDaysInMonth(long long nYear, long long nMonth);
// A day that a date value holds: years 100..9999, a real month and day.
bool ZelModelIsRealDate(long long nYear, long long nMonth, long long nDay);
// "%d/%02d/%02d", and that in the built-in table's era holding the year, or "".
std::string ZelModelWesternText(int nYear, int nMonth, int nDay);
std::string ZelModelDefaultEraText(int nYear, int nMonth, int nDay);

// True with the Western date when the text (era name or none, then y/m/d) reads as one.
struct ZelModelDate { int nYear, nMonth, nDay; };
bool ZelModelParseDateText(const std::string& text, const std::vector<ZelModelEra>& eras, ZelModelDate& date);
// The whole-date test on the four shown texts.
enum class ZelModelDateFault { good, empty, yearRange, monthRange, dayRange, notReal };
ZelModelDateFault ZelModelTestDateTexts(const std::string& era, const std::string& year, const std::string& month,
                                        const std::string& day, const std::vector<ZelModelEra>& eras);
