#include "common/services/table_change_text.h"

#include "common/settings/decimal_text.h"

std::string TableChangeFailureText(TableChange result) {
    switch (result) {
        case TableChange::Stored:
            return "";
        case TableChange::RowChanged:
            return "Another program has changed or removed this row since it was shown, so "
                   "nothing was changed. The list now shows the stored table.";
        case TableChange::TableFull:
            return "The table is full: it holds " + DecimalText(MaxMappingCount) +
                   " networks. Remove one before adding another.";
        case TableChange::Busy:
            return "Another Lumivo program is changing the table. Please try again in a moment.";
        case TableChange::Refused:
            break;
    }
    return "Windows did not let Lumivo store the change in the registry.";
}
