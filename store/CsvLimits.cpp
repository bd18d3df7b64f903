#include "store/CsvLimits.h"

#include "common/Format.h"
#include "store/Utf8.h"

namespace norvane::csv {

std::string TooManyColumnsMessage() {
    return Format("CsvData - Internal Limit of MAXCOLUMNS (%d) reached. CSV Data has too many "
                  "columns",
                  {static_cast<int>(kMaxColumns)});
}

std::string TooLongMessage(std::string_view line) {
    return Format("CSV string is too long: %s...", {utf8::Left(line, 40)});
}

} // namespace norvane::csv
