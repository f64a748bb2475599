// A second reading of the date texts the full-date controls compose, for
// the date-text fuzz target: an era name or none, then year/month/day in
// decimal digits, and the whole-date test on the four shown texts.
#pragma once

#include "era_file_model.h"

#include <string>
#include <vector>

struct ZelModelDate
{
    int nYear, nMonth, nDay;
};

// True with the Western date when the text reads as one under the era table.
bool ZelModelParseDateText(const std::string& text, const std::vector<ZelModelEra>& eras, ZelModelDate& date);

enum class ZelModelDateFault { good, empty, yearRange, monthRange, dayRange, notReal };

ZelModelDateFault ZelModelTestDateTexts(const std::string& era, const std::string& year, const std::string& month,
                                        const std::string& day, const std::vector<ZelModelEra>& eras);
