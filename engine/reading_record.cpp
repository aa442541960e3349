#include "reading_record.h"

namespace korvane {

ReadingRecord& TheReadingRecord() {
    static ReadingRecord record;
    return record;
}

} // namespace korvane
