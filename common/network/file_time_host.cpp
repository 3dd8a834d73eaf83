#include "common/network/file_time.h"

bool FileTimeToCalendarTime(FileTime time, CalendarTime& fields) {
    return PortableFileTimeToSystemTime(time, fields);
}
