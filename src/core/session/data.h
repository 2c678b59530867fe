#pragma once
// The student's date in the date box: written day/month/year in the Catalan manner, read back in
// the forms a student types, and compared with today. Today's date comes from the caller.

#include <optional>
#include <string>
#include <string_view>

namespace quimerix {

struct Data {
    int any = 0, mes = 0, dia = 0;
    // Year, then month, then day: a later date compares greater.
    auto operator<=>(const Data &) const = default;
};

// "08/12/2026": two-digit day and month, four-digit year.
std::string escriu_data(Data data);

// A typed date: day, month and year joined by '/', '-' or '.' (the same one twice), with one or
// two digits for the day and the month and two or four for the year, spaces around allowed:
// "8/12/26", "08/12/2026", "8-12-2026", "8.12.26". A two-digit year is read in the century of
// `any_actual`. Nothing for anything else, an impossible day (31/04, 29/02 of a common year)
// included.
std::optional<Data> llegeix_data(std::string_view text, int any_actual);

// Whether `text` is a date later than `avui`; false for a text that is no date.
bool es_posterior(std::string_view text, Data avui);

} // namespace quimerix
